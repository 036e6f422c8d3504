#include "core/import/Cp1251.h"

#include <array>

namespace Cp1251 {

namespace {

// Characters of the bytes 0x80..0xBF; 0xC0..0xFF are "А".."я" (U+0410..U+044F) in order.
constexpr std::array<char16_t, 64> UpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

constexpr char16_t CyrillicFirst = 0x0410; // "А", byte 0xC0
constexpr char16_t CyrillicLast = 0x044F;  // "я", byte 0xFF

int byteOf(char16_t c)
{
    if (c < 0x80)
        return c;
    if (c >= CyrillicFirst && c <= CyrillicLast)
        return 0xC0 + (c - CyrillicFirst);
    for (std::size_t i = 0; i < UpperHalf.size(); ++i) {
        if (UpperHalf[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char b = in[i];
        if (b < 0x80)
            out[i] = b;
        else if (b >= 0xC0)
            out[i] = char16_t(CyrillicFirst + (b - 0xC0));
        else
            out[i] = UpperHalf[b - 0x80];
    }
    return text;
}

bool canEncode(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i].unicode());
        if (b < 0)
            return std::nullopt;
        out[i] = char(b);
    }
    return bytes;
}

} // namespace Cp1251
