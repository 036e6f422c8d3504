#include "print/docx/RunFont.h"

#include <algorithm>

namespace Docx {

namespace {

void appendAttribute(std::string& out, const std::string& name, const std::string& value)
{
    out += ' ';
    out += name;
    out += "=\"";
    for (const char c : value) {
        if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    out += '"';
}

void appendToggle(std::string& out, const WordNames& n, const char* local, bool on)
{
    out += '<';
    out += n.q(local);
    if (!on)
        appendAttribute(out, n.q("val"), "0");
    out += "/>";
}

} // namespace

std::string runPropertiesXml(const WordNames& n, const RunFont& font)
{
    std::string family;
    appendEscaped(family, font.name, 0, font.name.size());
    const std::string halfPoints = std::to_string(2 * std::clamp(font.sizePt, MinFontSizePt, MaxFontSizePt));
    const std::string val = n.q("val");

    std::string out = '<' + n.q("rPr") + '>';
    if (!family.empty()) {
        out += '<' + n.q("rFonts");
        appendAttribute(out, n.q("ascii"), family);
        appendAttribute(out, n.q("hAnsi"), family);
        appendAttribute(out, n.q("cs"), family);
        out += "/>";
    }
    appendToggle(out, n, "b", font.bold);
    appendToggle(out, n, "i", font.italic);
    appendToggle(out, n, "strike", font.strike);
    out += '<' + n.q("sz");
    appendAttribute(out, val, halfPoints);
    out += "/><" + n.q("szCs");
    appendAttribute(out, val, halfPoints);
    out += "/><" + n.q("u");
    appendAttribute(out, val, font.underline ? "single" : "none");
    out += "/></" + n.q("rPr") + '>';
    return out;
}

} // namespace Docx
