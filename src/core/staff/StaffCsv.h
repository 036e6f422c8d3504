#pragma once
// A staff list saved as CSV by a spreadsheet program or by hand: UTF-8 (with or without a byte
// order mark) or Windows-1251, fields separated by ";" or ",", quoted fields with doubled quotes
// and line breaks inside them.
#include "core/staff/SheetTable.h"

#include <QByteArrayView>
#include <QString>

namespace StaffCsv {

enum class Encoding { Utf8, Windows1251 };

struct Decoded
{
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// UTF-8 when the bytes start with its byte order mark or are valid UTF-8 throughout; Windows-1251
// otherwise (every byte sequence is valid there).
Decoded decode(QByteArrayView bytes);

// ";" or ",": the one that splits the first non-empty line (outside quotes) into more fields;
// ";" when neither appears.
QChar separator(QStringView text);

// Splits `text` into rows of cells; a row's number is the line on which it starts. Lines with no
// text at all are left out.
SheetTable parse(QStringView text, QChar separator);

// decode + separator + parse.
SheetTable read(QByteArrayView bytes);

} // namespace StaffCsv
