#include "print/docx/TableRows.h"

#include "core/Error.h"

#include <QString>
#include <algorithm>
#include <cstring>
#include <vector>

namespace Docx {

namespace {

// Marks the insertion point of each cell in the serialized copy of a row. The row's properties
// are copied as they are and may hold a comment or CDATA section with any text, this marker's
// too, so the marker is lengthened until the row's own text does not contain it.
constexpr const char* CellMark = "zorvek-cell";

bool named(const pugi::xml_node& node, const std::string& name)
{
    return node.type() == pugi::node_element && name == node.name();
}

struct StringWriter : pugi::xml_writer
{
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

bool dropKeepWithNext(pugi::xml_node row, const WordNames& n)
{
    const std::string keepNext = n.q("keepNext");
    bool dropped = false;
    for (pugi::xml_node tc = row.child(n.tc.c_str()); tc; tc = tc.next_sibling(n.tc.c_str())) {
        for (pugi::xml_node p = tc.child(n.p.c_str()); p; p = p.next_sibling(n.p.c_str())) {
            pugi::xml_node pPr = p.child(n.pPr.c_str());
            while (pPr && pPr.remove_child(keepNext.c_str()))
                dropped = true;
        }
    }
    return dropped;
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
    std::string cellMark = CellMark;
    {
        StringWriter plain;
        row.print(plain, "", pugi::format_raw, pugi::encoding_utf8);
        while (plain.text.find(cellMark) != std::string::npos)
            cellMark += 'x';
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
        keep.append_child(pugi::node_comment).set_value(cellMark.c_str());
    }
    if (cells == 0)
        throw zorvek::Error(QStringLiteral("в последней строке таблицы нет ячеек, строку добавить нельзя."));

    const std::string mark = "<!--" + cellMark + "-->";
    const auto cut = [&](std::vector<std::string>& pieces) {
        StringWriter writer;
        row.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
        size_t from = 0;
        for (;;) {
            const size_t at = writer.text.find(mark, from);
            if (at == std::string::npos)
                break;
            pieces.push_back(writer.text.substr(from, at - from));
            from = at + mark.size();
        }
        pieces.push_back(writer.text.substr(from));
    };
    pugi::xml_document probe;
    if (dropKeepWithNext(probe.append_copy(row), n)) {
        cut(m_keepPieces);
        dropKeepWithNext(row, n);
    }
    cut(m_pieces);
}

void TableRows::addRow()
{
    if (m_pieces.empty())
        makeRowPattern();
    if (m_hasOpen)
        closeOpenRow();
    m_open.resize(m_pieces.size() - 1);
    for (std::string& cell : m_open)
        cell.clear();
    m_hasOpen = true;
    ++m_addedCount;
    // The template's last row is no longer one of the last two.
    if (m_addedCount == 2 && !m_keepPieces.empty())
        dropKeepWithNext(m_rows.back(), n);
}

void TableRows::assembleOpenRow(const std::vector<std::string>& pieces, std::string& out,
                                std::vector<quint32>* ends) const
{
    const size_t start = out.size();
    for (size_t c = 0; c < m_open.size(); ++c) {
        out += pieces[c];
        out += m_open[c];
        if (ends)
            ends->push_back(quint32(out.size() - start));
    }
    out += pieces.back();
}

void TableRows::closeOpenRow()
{
    m_rowBuffer.clear();
    assembleOpenRow(m_pieces, m_rowBuffer, &m_cellEnds);
    // While compressing, m_added holds only the row completed last: it is compressed once the
    // next one is complete.
    if (m_compressing && !m_added.empty()) {
        if (!m_compressed)
            m_compressed = std::make_unique<DeflateStream>();
        m_compressed->write(m_added.front());
        m_compressedLengths.push_back(quint32(m_added.front().size()));
        ++m_compressedCount;
        m_added.clear();
    }
    m_added.push_back(m_rowBuffer);
    m_hasOpen = false;
}

void TableRows::restoreCompressedRows()
{
    const std::string text = m_compressed ? m_compressed->inflated() : std::string();
    std::vector<std::string> rows;
    rows.reserve(m_compressedLengths.size() + m_added.size());
    size_t at = 0;
    for (const quint32 length : m_compressedLengths) {
        rows.push_back(text.substr(at, length));
        at += length;
    }
    for (std::string& row : m_added)
        rows.push_back(std::move(row));
    m_added = std::move(rows);
    m_compressed.reset();
    m_compressedLengths.clear();
    m_compressedCount = 0;
    m_compressing = false;
}

void TableRows::insertIntoAddedCell(int row, int cell, size_t offset, const std::string& runXml)
{
    const size_t r = size_t(row - templateRowCount());
    if (m_hasOpen && r + 1 == size_t(m_addedCount)) {
        std::string& text = m_open[size_t(cell)];
        text.insert(std::min(offset, text.size()), runXml);
        return;
    }
    // Back in a complete row (the cursor came down the table again from a bookmark above).
    if (r < size_t(m_compressedCount))
        restoreCompressedRows();
    const size_t cells = m_pieces.size() - 1;
    std::string& text = m_added[r - size_t(m_compressedCount)];
    quint32* ends = m_cellEnds.data() + r * cells;
    const size_t start = cell == 0 ? m_pieces[0].size() : ends[cell - 1] + m_pieces[size_t(cell)].size();
    text.insert(std::min(start + offset, size_t(ends[cell])), runXml);
    for (size_t c = size_t(cell); c < cells; ++c)
        ends[c] += quint32(runXml.size());
}

void TableRows::appendTextRows(std::string& out) const
{
    const bool keep = !m_keepPieces.empty();
    for (size_t i = 0; i < m_added.size(); ++i) {
        if (!keep || i + 1 < m_added.size()) {
            out += m_added[i];
            continue;
        }
        // The row before the open one: its cells' texts put into the pattern with the marks.
        const std::string& row = m_added[i];
        const size_t cells = m_pieces.size() - 1;
        const quint32* ends = m_cellEnds.data() + (size_t(m_compressedCount) + i) * cells;
        for (size_t c = 0; c < cells; ++c) {
            const size_t start = c == 0 ? m_pieces[0].size() : ends[c - 1] + m_pieces[c].size();
            out += m_keepPieces[c];
            out.append(row, start, ends[c] - start);
        }
        out += m_keepPieces.back();
    }
    if (m_hasOpen)
        assembleOpenRow(keep ? m_keepPieces : m_pieces, out, nullptr);
}

std::string TableRows::addedRowsText() const
{
    std::string text = m_compressed ? m_compressed->inflated() : std::string();
    appendTextRows(text);
    return text;
}

DeflatedPiece TableRows::addedRowsPiece() const
{
    DeflatedPiece piece = m_compressed ? m_compressed->piece() : DeflatedPiece();
    std::string rest;
    appendTextRows(rest);
    piece.append(deflatePiece(rest));
    return piece;
}

} // namespace Docx
