#include "print/docx/TableRows.h"

#include "core/Error.h"

#include <QString>
#include <cstring>
#include <vector>

namespace Docx {

namespace {

// Marks the insertion point of each cell in the serialized copy of a row. The copy holds
// nothing but the emptied row, so the marker cannot meet another comment.
constexpr const char* CellMark = "zorvek-cell";

bool named(const pugi::xml_node& node, const std::string& name)
{
    return node.type() == pugi::node_element && name == node.name();
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

} // namespace

void dropParagraphIds(pugi::xml_node node, const WordNames& n)
{
    if (n.paraId.empty())
        return;
    std::vector<pugi::xml_node> stack{node};
    while (!stack.empty()) {
        pugi::xml_node e = stack.back();
        stack.pop_back();
        e.remove_attribute(n.paraId.c_str());
        e.remove_attribute(n.textId.c_str());
        for (pugi::xml_node c = e.first_child(); c; c = c.next_sibling()) {
            if (c.type() == pugi::node_element)
                stack.push_back(c);
        }
    }
}

TableRows::TableRows(pugi::xml_node table, const WordNames& names) : n(names), m_table(table)
{
    for (pugi::xml_node r = table.first_child(); r; r = r.next_sibling()) {
        if (named(r, n.tr))
            m_rows.push_back(r);
    }
}

int TableRows::indexOf(pugi::xml_node row) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i] == row)
            return int(i);
    }
    return -1;
}

int TableRows::cellCount(int row) const
{
    if (row >= templateRowCount())
        return int(m_pieces.size()) - 1;
    int count = 0;
    for (pugi::xml_node c = m_rows[size_t(row)].first_child(); c; c = c.next_sibling()) {
        if (named(c, n.tc))
            ++count;
    }
    return count;
}

pugi::xml_node TableRows::templateCell(int row, int cell) const
{
    int i = 0;
    for (pugi::xml_node c = m_rows[size_t(row)].first_child(); c; c = c.next_sibling()) {
        if (named(c, n.tc) && i++ == cell)
            return c;
    }
    return {};
}

void TableRows::makeRowPattern()
{
    if (m_rows.empty())
        throw zorvek::Error(QStringLiteral("в таблице нет строк, строку добавить нельзя."));
    pugi::xml_document scratch;
    pugi::xml_node row = scratch.append_copy(m_rows.back());
    dropParagraphIds(row, n);

    // The row keeps its properties and cells; a header-row mark would repeat the copy on
    // every page, and bookmarks or other row-level marks must not be doubled.
    for (pugi::xml_node c = row.first_child(); c;) {
        pugi::xml_node next = c.next_sibling();
        if (named(c, n.trPr))
            c.remove_child(n.tblHeader.c_str());
        else if (!named(c, n.tc) && !named(c, n.q("tblPrEx")))
            row.remove_child(c);
        c = next;
    }
    int cells = 0;
    for (pugi::xml_node tc = row.child(n.tc.c_str()); tc; tc = tc.next_sibling(n.tc.c_str())) {
        ++cells;
        pugi::xml_node keep = tc.child(n.p.c_str());
        for (pugi::xml_node c = tc.first_child(); c;) {
            pugi::xml_node next = c.next_sibling();
            if (c != keep && !named(c, n.tcPr))
                tc.remove_child(c);
            c = next;
        }
        if (!keep)
            keep = tc.append_child(n.p.c_str());
        for (pugi::xml_node c = keep.first_child(); c;) {
            pugi::xml_node next = c.next_sibling();
            if (!named(c, n.pPr))
                keep.remove_child(c);
            c = next;
        }
        keep.append_child(pugi::node_comment).set_value(CellMark);
    }
    if (cells == 0)
        throw zorvek::Error(QStringLiteral("в последней строке таблицы нет ячеек, строку добавить нельзя."));

    StringWriter writer;
    row.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    const std::string mark = std::string("<!--") + CellMark + "-->";
    size_t from = 0;
    for (;;) {
        const size_t at = writer.text.find(mark, from);
        if (at == std::string::npos)
            break;
        m_pieces.push_back(writer.text.substr(from, at - from));
        from = at + mark.size();
    }
    m_pieces.push_back(writer.text.substr(from));
}

void TableRows::addRow()
{
    if (m_pieces.empty())
        makeRowPattern();
    const size_t cells = m_pieces.size() - 1;
    m_cells.resize(m_cells.size() + cells);
    ++m_addedCount;
}

std::string& TableRows::addedCell(int row, int cell)
{
    const size_t cells = m_pieces.size() - 1;
    return m_cells[size_t(row - templateRowCount()) * cells + size_t(cell)];
}

} // namespace Docx
