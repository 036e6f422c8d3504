#pragma once
// One table of the document as the typing cursor walks it: the rows the template has (kept in
// the XML tree) and the rows added past the last one. An added row is a copy of the table's
// last row with its text emptied; since thousands of them may be added (a journal of every
// exam), they are kept as the XML text of their cells only and spliced into the document when
// it is written, instead of as tree nodes.
#include "print/docx/WordXml.h"

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
    // paragraph, cell and paragraph properties kept, bookmarks and paragraph ids left out.
    // Throws zorvek::Error when the last row has no cells.
    void addRow();
    // The runs typed into a cell of an added row (XML text, appended to as text is typed).
    std::string& addedCell(int row, int cell);

    // The XML text of every added row, in order, passed to `sink` piece by piece.
    template <typename Sink>
    void writeAddedRows(Sink&& sink) const
    {
        const int cells = int(m_pieces.size()) - 1;
        for (int r = 0; r < m_addedCount; ++r) {
            for (int c = 0; c < cells; ++c) {
                sink(m_pieces[size_t(c)]);
                sink(m_cells[size_t(r) * size_t(cells) + size_t(c)]);
            }
            sink(m_pieces.back());
        }
    }

private:
    void makeRowPattern();

    const WordNames& n;
    pugi::xml_node m_table;
    std::vector<pugi::xml_node> m_rows;
    // The emptied copy of the last row, cut at each cell's insertion point: pieces[0] cell 0
    // pieces[1] cell 1 … pieces[cells].
    std::vector<std::string> m_pieces;
    std::vector<std::string> m_cells;  // row-major, cellCount per added row
    int m_addedCount = 0;
};

// Removes from an element and its descendants what a copy must not repeat: w14:paraId and
// w14:textId attributes.
void dropParagraphIds(pugi::xml_node node, const WordNames& names);

} // namespace Docx
