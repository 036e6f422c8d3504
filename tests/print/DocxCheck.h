#pragma once
// A strict check of a .docx package, stricter than the word processors that open it: what Word
// refuses or "repairs" and LibreOffice silently drops. One line per fault found:
//   - the zip: every entry's CRC and size as its directory says, no name twice;
//   - [Content_Types].xml covers every part, and every Override names a part that is there;
//   - every XML part parses; every relationship target inside the package exists; every r:id
//     (r:embed …) of a part names a relationship of that part; mc:Ignorable prefixes are declared;
//   - WordprocessingML parts: property elements (pPr, rPr, tblPr, tcPr, sectPr, style …) in the
//     order the schema gives, properties first in p, r, tbl, tr, tc; unique w14:paraId values
//     below 0x80000000; unique drawing ids (wp:docPr) across the document; every bookmark start
//     paired with one end of its id and bookmark names unique; every table cell ending in a paragraph.
#include <QString>
#include <QStringList>

namespace DocxCheck {

// Every fault of the package at `path`; empty when it passes.
QStringList problems(const QString& path);

} // namespace DocxCheck
