#pragma once
// Windows-1251, the 8-bit Cyrillic code page of the question files, by a table of its upper
// half: no dependency on the converters the Qt build happens to carry, and fast enough to
// decode a large file in one pass.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace Cp1251 {

// Every byte has a character: the one byte the code page leaves unassigned (0x98) becomes
// U+0098, so that decoding and encoding give back the same bytes.
QString decode(QByteArrayView bytes);

// The bytes of `text`; nullopt when a character has no place in the code page.
std::optional<QByteArray> encode(QStringView text);

// Whether a character has a place in the code page.
bool canEncode(QChar c);

} // namespace Cp1251
