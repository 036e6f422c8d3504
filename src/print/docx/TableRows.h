#pragma once
// One table of the document as the typing cursor walks it: the rows the template has (kept in
// the XML tree) and the rows added past the last one. An added row is a copy of the table's
// last row with its text emptied; since thousands of them may be added (a journal of every
// exam), they are kept as XML text, not as tree nodes, and spliced into the document when it is
// written. Typing only moves forward through added rows, so each row is compressed as soon as
// the next one is added; should the cursor come back to a compressed row (through a bookmark
// higher up in the table), the rows are restored as text.
//
// Keep-with-next marks (w:keepNext) in the paragraphs of the last row mean "the end of the
// table stays on the page of what follows it" (a form's closing block with its signatures). As
// the table grows, the marks move down with its end: only the last two rows carry them (like
// widow control, so that no row is left alone at the top of a page), the rows above lose them.
#include "print/docx/DeflateStream.h"
#include "print/docx/WordXml.h"

#include <QtGlobal>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace Docx {

class TableRows
{
public:
    TableRows(pugi::xml_node table, const WordNames& names);

    pugi::xml_node table() const { return m_table; }
    int templateRowCount() const { return int(m_rows.size()); }
    int addedRowCount() const { return m_addedCount; }
    int rowCount() const { return templateRowCount() + m_addedCount; }
    pugi::xml_node templateRow(int row) const { return m_rows[size_t(row)]; }
    // The position of a template row (a w:tr child of the table); -1 when it is none.
    int indexOf(pugi::xml_node row) const;

    int cellCount(int row) const;
    // The w:tc of a template row.
    pugi::xml_node templateCell(int row, int cell) const;

    // Adds a row past the last one: a copy of the last row with every cell holding one empty
    // paragraph, cell and paragraph properties kept, bookmarks and paragraph ids left out (and
    // keep-with-next marks moved down, see above).
    // Throws zorvek::Error when the last row has no cells.
    void addRow();
    // Inserts run XML into a cell of an added row, `offset` bytes behind the start of the
    // cell's text.
    void insertIntoAddedCell(int row, int cell, size_t offset, const std::string& runXml);

    // The XML text of every added row, in order (tests and plain output).
    std::string addedRowsText() const;
    // The same, compressed.
    DeflatedPiece addedRowsPiece() const;

private:
    void makeRowPattern();
    void closeOpenRow();
    void restoreCompressedRows();
    // The open row as XML text made of `pieces`, appended to `out`; the cell ends (relative to
    // the row) to `ends`.
    void assembleOpenRow(const std::vector<std::string>& pieces, std::string& out,
                         std::vector<quint32>* ends) const;
    // The complete rows kept as text, the last of them with keep-with-next marks when the table
    // has them; then the open row.
    void appendTextRows(std::string& out) const;

    const WordNames& n;
    pugi::xml_node m_table;
    std::vector<pugi::xml_node> m_rows;
    // The emptied copy of the last row, cut at each cell's insertion point: pieces[0] cell 0
    // pieces[1] cell 1 … pieces[cells]. Without keep-with-next marks; m_keepPieces (empty when
    // the last row has none) is the same row with them.
    std::vector<std::string> m_pieces;
    std::vector<std::string> m_keepPieces;
    // Added rows, in order: rows 0 .. m_compressedCount-1 compressed in m_compressed
    // (m_compressedLengths keeps their lengths); then complete rows as XML text in m_added (the
    // row completed last, which may still be one of the last two, and every row once the rows had
    // to be restored, see above); last the row still open for typing, whose cells
    // are kept apart in m_open (their buffers are reused from row to row). m_cellEnds holds, for
    // every complete row, where the text of each cell ends: the insertion points, row-major,
    // relative to the row.
    std::unique_ptr<DeflateStream> m_compressed;
    std::vector<quint32> m_compressedLengths;
    int m_compressedCount = 0;
    bool m_compressing = true;
    std::vector<std::string> m_added;
    std::vector<quint32> m_cellEnds;
    std::vector<std::string> m_open;
    bool m_hasOpen = false;
    std::string m_rowBuffer;
    int m_addedCount = 0;
};

// Removes from an element and its descendants what a copy must not repeat: w14:paraId and
// w14:textId attributes.
void dropParagraphIds(pugi::xml_node node, const WordNames& names);

// Removes the keep-with-next marks of the paragraphs of a table row's cells; whether it had any.
bool dropKeepWithNext(pugi::xml_node row, const WordNames& names);

} // namespace Docx
