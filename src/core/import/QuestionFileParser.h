#pragma once
// Reads a question file into the questions of one section.
//
// The file: Windows-1251 text, or UTF-8 (with a byte-order mark, or without one when the bytes
// are valid UTF-8 and hold non-ASCII text), or UTF-16 after its byte-order mark. Windows-1251
// Russian text practically never forms valid UTF-8, and a question file never does: its flag
// lines hold "ерно", bytes E5 F0 …, and E5 would have to be followed by a byte 80..BF. A line ends
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
#include <QStringList>
#include <QStringView>

namespace QuestionFile {

// "3." for "Раздел_3": the first decimal digit of the section table name and a full stop;
// empty when the name holds no digit (no section was chosen).
QString sectionMarker(QStringView sectionTableName);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF) and hold at least one non-ASCII character.
bool isNonAsciiUtf8(QByteArrayView bytes);

// The encoding of a file's bytes: UTF-16 or UTF-8 after its byte-order mark; UTF-8 when
// isNonAsciiUtf8(); Windows-1251 otherwise.
Encoding detectEncoding(QByteArrayView bytes);

// The characters of a file's bytes in detectEncoding()'s encoding (byte-order mark dropped);
// cut at the first Ctrl-Z.
QString decode(QByteArrayView bytes, Encoding* encoding = nullptr);

// Reads the questions of the file's text. `marker` is a section marker ("1." .. "9.");
// an empty marker finds no question.
ParseResult parse(QStringView text, QStringView marker);
inline ParseResult parseBytes(QByteArrayView bytes, QStringView marker)
{
    Encoding encoding = Encoding::Windows1251;
    ParseResult result = parse(decode(bytes, &encoding), marker);
    result.encoding = encoding;
    return result;
}

// Why a file in which parse() found no question gave none, a sentence per cause, naming the
// lines concerned: questions cut short, lines not taken as a question's start, or no line
// beginning with the marker at all (and which section's marker the lines do begin with).
QStringList whyNoQuestions(const ParseResult& result, QStringView marker);

// The text that an answer's label line gives: the line from its 7th character on, the 7th
// dropped unless it is a Cyrillic letter "А".."я", full stops from the 8th on dropped.
QStringView labelText(QStringView labelLine);

} // namespace QuestionFile
