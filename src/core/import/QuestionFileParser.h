#pragma once
// Reads a question file into the questions of one section.
//
// The file: Windows-1251 text (UTF-8 when it starts with a UTF-8 byte-order mark); a line ends
// at LF or CR LF, a CR not followed by LF is dropped, Ctrl-Z (code 26) ends the file. Every line
// is trimmed of the characters 0..32 at both ends. Line 1 is a title and never examined.
//
// A question starts on a line whose first two characters are the section marker ("3." for
// Раздел_3) and that contains none of "Отв", "Верно", "верно"; its text runs up to the first
// line containing "Отв.", the first answer's label line («Отв.1. …»). Each answer runs from its
// label line up to its flag line, the first later line containing "Верно" or "верно"; that
// whole line is the answer's flag. After the second flag line either a line with "Отв." and
// "3." starts the third answer, or a line containing the marker starts the next question.
// Texts are built line by line, each line followed by a single CR (code 13).
#include "core/import/QuestionFile.h"

#include <QByteArray>
#include <QStringView>

namespace QuestionFile {

// "3." for "Раздел_3": the first decimal digit of the section table name and a full stop;
// empty when the name holds no digit (no section was chosen).
QString sectionMarker(QStringView sectionTableName);

// The characters of a file's bytes: UTF-8 after a UTF-8 byte-order mark, Windows-1251
// otherwise; cut at the first Ctrl-Z.
QString decode(QByteArrayView bytes);

// Reads the questions of the file's text. `marker` is a section marker ("1." .. "9.");
// an empty marker finds no question.
ParseResult parse(QStringView text, QStringView marker);
inline ParseResult parseBytes(QByteArrayView bytes, QStringView marker)
{
    return parse(decode(bytes), marker);
}

// The text that an answer's label line gives: the line from its 7th character on, the 7th
// dropped unless it is a Cyrillic letter "А".."я", full stops from the 8th on dropped.
QStringView labelText(QStringView labelLine);

} // namespace QuestionFile
