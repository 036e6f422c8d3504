#include "print/docx/WordXml.h"

#include "core/Error.h"

#include <cstring>

namespace Docx {

bool prefixOf(const pugi::xml_node& element, const char* namespaceUri, std::string& prefix)
{
    for (const pugi::xml_attribute& a : element.attributes()) {
        if (std::strcmp(a.value(), namespaceUri) != 0)
            continue;
        const char* name = a.name();
        if (std::strcmp(name, "xmlns") == 0) {
            prefix.clear();
            return true;
        }
        if (std::strncmp(name, "xmlns:", 6) == 0) {
            prefix = name + 6;
            return true;
        }
    }
    return false;
}

WordNames::WordNames(const pugi::xml_node& root)
{
    if (!prefixOf(root, WordNamespace, w))
        throw zorvek::Error(QStringLiteral("основная часть не является разметкой WordprocessingML."));
    body = q("body");
    p = q("p");
    pPr = q("pPr");
    r = q("r");
    t = q("t");
    tbl = q("tbl");
    tr = q("tr");
    trPr = q("trPr");
    tblHeader = q("tblHeader");
    tc = q("tc");
    tcPr = q("tcPr");
    bookmarkStart = q("bookmarkStart");
    bookmarkEnd = q("bookmarkEnd");
    name = q("name");
    tab = q("tab");
    br = q("br");
    std::string w14;
    if (prefixOf(root, Word2010Namespace, w14) && !w14.empty()) {
        paraId = w14 + ":paraId";
        textId = w14 + ":textId";
    }
}

WordNames WordNames::standard()
{
    pugi::xml_document doc;
    doc.append_child("w:document").append_attribute("xmlns:w").set_value(WordNamespace);
    return WordNames(doc.document_element());
}

void appendEscaped(std::string& out, const QString& text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                if (c >= 0x20 && c != 0x7f)
                    out += char(c);
                break;
            }
        } else if (c < 0x800) {
            out += char(0xc0 | (c >> 6));
            out += char(0x80 | (c & 0x3f));
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < to && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
                const char32_t u = QChar::surrogateToUcs4(c, text.at(i + 1).unicode());
                ++i;
                out += char(0xf0 | (u >> 18));
                out += char(0x80 | ((u >> 12) & 0x3f));
                out += char(0x80 | ((u >> 6) & 0x3f));
                out += char(0x80 | (u & 0x3f));
            }
        } else if (!QChar::isLowSurrogate(c) && c != 0xfffe && c != 0xffff) {
            out += char(0xe0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        }
    }
}

void appendRunXml(std::string& out, const WordNames& n, const std::string& runProperties, const QString& text)
{
    if (text.isEmpty())
        return;
    out += '<';
    out += n.r;
    out += '>';
    out += runProperties;
    const auto openText = [&] {
        out += '<';
        out += n.t;
        out += " xml:space=\"preserve\">";
    };
    const auto closeText = [&] {
        out += "</";
        out += n.t;
        out += '>';
    };
    const auto empty = [&](const std::string& element) {
        out += '<';
        out += element;
        out += "/>";
    };
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i <= size; ++i) {
        const char16_t c = i < size ? text.at(i).unicode() : 0;
        const bool isTab = c == '\t';
        const bool isBreak = c == '\n' || c == '\r' || c == '\v';
        if (i < size && !isTab && !isBreak)
            continue;
        if (i > start) {
            openText();
            appendEscaped(out, text, start, i);
            closeText();
        }
        if (isTab)
            empty(n.tab);
        if (isBreak) {
            empty(n.br);
            if (c == '\r' && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        }
        start = i + 1;
    }
    out += "</";
    out += n.r;
    out += '>';
}

} // namespace Docx
