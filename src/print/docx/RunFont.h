#pragma once
// The character formatting of typed text: font name, size in points, bold, italic, underline,
// strike-through. Written as a run's properties with every value explicit, so that text typed
// after bold text is not bold, whatever the paragraph's style says.
#include "print/docx/WordXml.h"

#include <QString>
#include <string>

namespace Docx {

struct RunFont
{
    QString name = QStringLiteral("Times New Roman");
    int sizePt = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const RunFont&) const = default;
};

// Word's limits for a font size: 1 to 1638 points.
inline constexpr int MinFontSizePt = 1;
inline constexpr int MaxFontSizePt = 1638;

// "<w:rPr>…</w:rPr>" with the children in the order the schema requires:
// rFonts (ascii, hAnsi, cs), b, i, strike, sz, szCs, u.
std::string runPropertiesXml(const WordNames& n, const RunFont& font);

} // namespace Docx
