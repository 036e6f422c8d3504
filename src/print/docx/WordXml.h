#pragma once
// Names and text pieces of WordprocessingML as a document spells them. pugixml knows no
// namespaces, so the element names carry the prefix that the document's root binds to the
// WordprocessingML namespace ("w" nearly always, but any prefix, or none, is valid).
#include <QString>
#include <pugixml.hpp>
#include <string>

namespace Docx {

inline constexpr const char* WordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* Word2010Namespace = "http://schemas.microsoft.com/office/word/2010/wordml";

// The prefix bound to `namespaceUri` on `element` ("" for the default namespace);
// false when the element binds it to nothing.
bool prefixOf(const pugi::xml_node& element, const char* namespaceUri, std::string& prefix);

struct WordNames
{
    // Throws zorvek::Error when the root does not declare the WordprocessingML namespace.
    explicit WordNames(const pugi::xml_node& root);
    // The names with the usual prefix "w", for documents the program writes itself.
    static WordNames standard();

    std::string q(const char* local) const { return w.empty() ? std::string(local) : w + ':' + local; }

    std::string w; // the prefix itself
    std::string body, p, pPr, r, t, tbl, tr, trPr, tblHeader, tc, tcPr, bookmarkStart, bookmarkEnd, name;
    std::string tab, br;
    std::string paraId, textId; // w14:paraId, w14:textId (empty when w14 is not declared)
};

// Text as the content of a w:t element: XML special characters escaped, characters XML does not
// allow dropped. Tabs and line breaks are not handled here (see runXml).
void appendEscaped(std::string& out, const QString& text, qsizetype from, qsizetype to);

// A complete run "<w:r><w:rPr>…</w:rPr><w:t xml:space="preserve">…</w:t></w:r>" for `text`:
// a tab becomes <w:tab/>, a line feed, carriage return or vertical tab <w:br/> (CR LF counts once).
// Appends nothing for empty text.
void appendRunXml(std::string& out, const WordNames& n, const std::string& runProperties,
                  const QString& text);

} // namespace Docx
