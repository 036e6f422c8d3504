#include "print/docx/DocxDocument.h"

#include "core/Error.h"
#include "print/docx/DeflateStream.h"
#include "print/docx/DocxPackage.h"
#include "print/docx/TableRows.h"

#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>
#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace Docx {

namespace {

// Whitespace-only text (a typed blank) is kept; declarations, comments and processing
// instructions are written back as they were read.
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single |
                                  pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi |
                                  pugi::parse_doctype;
constexpr unsigned WriteOptions = pugi::format_raw | pugi::format_no_declaration;

bool named(const pugi::xml_node& node, const std::string& name)
{
    return node.type() == pugi::node_element && name == node.name();
}

// The node after `node` in document order, skipping the inside of `node` when `enter` is false.
pugi::xml_node following(pugi::xml_node node, bool enter)
{
    if (enter && node.first_child())
        return node.first_child();
    for (; node; node = node.parent()) {
        if (node.next_sibling())
            return node.next_sibling();
    }
    return {};
}

QString quoted(const QString& text)
{
    return QStringLiteral("«") + text + QStringLiteral("»");
}

// Passes text to a device in large pieces.
class ChunkedOutput
{
public:
    explicit ChunkedOutput(QIODevice& out) : m_out(out) { m_buffer.reserve(Chunk); }
    ~ChunkedOutput() = default;
    void operator()(const std::string& s) { append(s.data(), s.size()); }
    void append(const char* data, size_t size)
    {
        m_buffer.append(data, size);
        if (m_buffer.size() >= Chunk)
            flush();
    }
    void flush()
    {
        if (!m_buffer.empty() &&
            m_out.write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
            throw zorvek::Error(QStringLiteral("Не удалось записать основную часть документа: ") +
                                m_out.errorString());
        m_buffer.clear();
    }

private:
    static constexpr size_t Chunk = 1 << 20;
    QIODevice& m_out;
    std::string m_buffer;
};

struct StringWriter : pugi::xml_writer
{
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

} // namespace

struct Document::Impl
{
    Package package;
    pugi::xml_document xml;
    std::optional<WordNames> names;
    std::map<const void*, std::unique_ptr<TableRows>> tables;

    RunFont font;
    std::string runProperties;
    std::string scratch; // the run being typed

    // The insertion point: in a paragraph of the tree before `before` (appended when null),
    // or in a cell of an added row.
    pugi::xml_node paragraph;
    pugi::xml_node before;
    TableRows* table = nullptr;
    int row = -1;
    int cell = -1;
    size_t typedInCell = 0; // bytes typed into the added row's cell since entering it

    const WordNames& n() const { return *names; }
    bool inAddedRow() const { return table && row >= table->templateRowCount(); }

    TableRows& tableOf(pugi::xml_node tbl)
    {
        auto& slot = tables[tbl.internal_object()];
        if (!slot)
            slot = std::make_unique<TableRows>(tbl, n());
        return *slot;
    }

    // The insertion point at `before` in `para`; finds the table cell around it.
    void placeAt(pugi::xml_node para, pugi::xml_node beforeNode)
    {
        paragraph = para;
        before = beforeNode;
        table = nullptr;
        row = cell = -1;
        pugi::xml_node tc = para.parent();
        while (tc && !named(tc, n().tc))
            tc = tc.parent();
        if (!tc || !named(tc.parent(), n().tr) || !named(tc.parent().parent(), n().tbl))
            return;
        TableRows& rows = tableOf(tc.parent().parent());
        const int r = rows.indexOf(tc.parent());
        if (r < 0)
            return;
        int c = 0;
        for (pugi::xml_node x = tc.parent().first_child(); x && x != tc; x = x.next_sibling())
            c += named(x, n().tc) ? 1 : 0;
        table = &rows;
        row = r;
        cell = c;
    }

    // The insertion point at the start of a paragraph (behind its properties).
    void placeAtStart(pugi::xml_node para)
    {
        pugi::xml_node first = para.first_child();
        while (first && (named(first, n().pPr) || first.type() != pugi::node_element))
            first = first.next_sibling();
        placeAt(para, first);
    }

    void enterCell(int r, int c)
    {
        if (r < table->templateRowCount()) {
            TableRows* t = table;
            pugi::xml_node tc = t->templateCell(r, c);
            pugi::xml_node para = tc.child(n().p.c_str());
            if (!para)
                para = tc.append_child(n().p.c_str());
            placeAtStart(para);
            table = t;
            row = r;
            cell = c;
        } else {
            paragraph = before = pugi::xml_node();
            row = r;
            cell = c;
            typedInCell = 0;
        }
    }

    pugi::xml_node findBookmark(const std::string& name) const
    {
        return xml.find_node([&](const pugi::xml_node& node) {
            return named(node, n().bookmarkStart) && name == node.attribute(n().name.c_str()).value();
        });
    }

    std::string serialize() const
    {
        StringWriter writer;
        xml.save(writer, "", WriteOptions, pugi::encoding_utf8);
        return std::move(writer.text);
    }
};

Document::Document() : d(std::make_unique<Impl>()) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

Document Document::fromTemplate(const QString& path)
{
    Document doc;
    Impl& d = *doc.d;
    d.package = Package::read(path);
    const QByteArray body = d.package.partData(MainPartName);
    const pugi::xml_parse_result parsed =
        d.xml.load_buffer(body.constData(), size_t(body.size()), ParseOptions);
    const auto damaged = [&](const QString& why) {
        throw zorvek::Error(QStringLiteral("Документ ") + quoted(QDir::toNativeSeparators(path)) +
                            QStringLiteral(" не может быть открыт: ") + why);
    };
    if (!parsed)
        damaged(QStringLiteral("основная часть повреждена (") + QString::fromUtf8(parsed.description()) +
                QStringLiteral(", позиция ") + QString::number(parsed.offset) + QStringLiteral(")."));
    try {
        d.names.emplace(d.xml.document_element());
    } catch (const zorvek::Error& e) {
        damaged(e.message());
    }
    const pugi::xml_node bodyNode = d.xml.document_element().child(d.n().body.c_str());
    if (!bodyNode)
        damaged(QStringLiteral("в основной части нет тела документа."));
    d.runProperties = runPropertiesXml(d.n(), d.font);
    // As in a new document: the insertion point at the start of the first paragraph.
    for (pugi::xml_node x = bodyNode.first_child(); x; x = following(x, true)) {
        if (named(x, d.n().p)) {
            d.placeAtStart(x);
            break;
        }
    }
    return doc;
}

bool Document::hasBookmark(const QString& name) const
{
    return bool(d->findBookmark(name.toStdString()));
}

void Document::goToBookmark(const QString& name)
{
    const pugi::xml_node start = d->findBookmark(name.toStdString());
    if (!start)
        throw zorvek::Error(QStringLiteral("В документе нет закладки ") + quoted(name) + QLatin1Char('.'));
    // Inside a paragraph (also within a hyperlink or a content control there): before it.
    pugi::xml_node child = start;
    for (pugi::xml_node x = start.parent(); x && !named(x, d->n().tc) && !named(x, d->n().body);
         child = x, x = x.parent()) {
        if (named(x, d->n().p)) {
            d->placeAt(x, child);
            return;
        }
    }
    // A bookmark outside a paragraph (between cells or rows) marks the paragraph after it.
    for (pugi::xml_node x = following(start, false); x; x = following(x, true)) {
        if (named(x, d->n().p)) {
            d->placeAtStart(x);
            return;
        }
    }
    throw zorvek::Error(QStringLiteral("За закладкой ") + quoted(name) +
                        QStringLiteral(" нет абзаца для текста."));
}

void Document::setFont(const RunFont& font)
{
    if (font == d->font)
        return;
    d->font = font;
    d->runProperties = runPropertiesXml(d->n(), font);
}

const RunFont& Document::font() const
{
    return d->font;
}

void Document::typeText(const QString& text)
{
    if (text.isEmpty())
        return;
    if (d->inAddedRow()) {
        std::string& run = d->scratch;
        run.clear();
        appendRunXml(run, d->n(), d->runProperties, text);
        d->table->insertIntoAddedCell(d->row, d->cell, d->typedInCell, run);
        d->typedInCell += run.size();
        return;
    }
    if (!d->paragraph)
        throw zorvek::Error(QStringLiteral("В документе нет абзаца, в который можно ввести текст."));
    std::string xml;
    appendRunXml(xml, d->n(), d->runProperties, text);
    pugi::xml_document fragment;
    fragment.load_buffer(xml.data(), xml.size(), ParseOptions);
    for (pugi::xml_node r = fragment.first_child(); r; r = r.next_sibling()) {
        if (d->before)
            d->paragraph.insert_copy_before(r, d->before);
        else
            d->paragraph.append_copy(r);
    }
}

void Document::nextCell()
{
    Impl& s = *d;
    if (!s.table)
        throw zorvek::Error(
            QStringLiteral("Переход к следующей ячейке невозможен: место вставки не в таблице."));
    if (s.cell + 1 < s.table->cellCount(s.row)) {
        s.enterCell(s.row, s.cell + 1);
        return;
    }
    int next = s.row + 1;
    while (next < s.table->templateRowCount() && s.table->cellCount(next) == 0)
        ++next;
    if (next >= s.table->rowCount())
        s.table->addRow();
    s.enterCell(next, 0);
}

int Document::currentTableRowCount() const
{
    return d->table ? d->table->rowCount() : 0;
}

Document::Layout Document::layout() const
{
    // Added rows go behind the last row of their table: a comment with a token of this call
    // marks the place in the written tree; the marks are cut out of the text again.
    const std::string token = "zorvek-rows-" + std::to_string(QRandomGenerator::global()->generate64());
    std::vector<std::pair<pugi::xml_node, const TableRows*>> marks;
    for (const auto& [key, rows] : d->tables) {
        if (rows->addedRowCount() == 0)
            continue;
        pugi::xml_node mark = rows->table().insert_child_after(
            pugi::node_comment, rows->templateRow(rows->templateRowCount() - 1));
        mark.set_value((token + '-' + std::to_string(marks.size())).c_str());
        marks.emplace_back(mark, rows.get());
    }
    const std::string marked = d->serialize();
    std::vector<std::tuple<size_t, size_t, const TableRows*>> found; // (at, length, rows)
    for (auto& [mark, rows] : marks) {
        const std::string comment = "<!--" + std::string(mark.value()) + "-->";
        found.emplace_back(marked.find(comment), comment.size(), rows);
        mark.parent().remove_child(mark);
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });

    Layout layout;
    layout.text.reserve(marked.size());
    size_t from = 0;
    for (const auto& [at, length, rows] : found) {
        layout.text.append(marked, from, at - from);
        layout.places.emplace_back(layout.text.size(), rows);
        from = at + length;
    }
    layout.text.append(marked, from, std::string::npos);
    return layout;
}

void Document::writeMainPart(QIODevice& out) const
{
    const Layout parts = layout();
    ChunkedOutput sink(out);
    size_t from = 0;
    for (const auto& [at, rows] : parts.places) {
        sink.append(parts.text.data() + from, at - from);
        sink(rows->addedRowsText());
        from = at;
    }
    sink.append(parts.text.data() + from, parts.text.size() - from);
    sink.flush();
}

QByteArray Document::mainPartXml() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeMainPart(buffer);
    return buffer.data();
}

void Document::saveAs(const QString& path) const
{
    // The body part is compressed piece by piece; the added rows are compressed already.
    const Layout parts = layout();
    const std::string_view text(parts.text);
    DeflatedPiece body;
    size_t from = 0;
    for (const auto& [at, rows] : parts.places) {
        body.append(deflatePiece(text.substr(from, at - from)));
        body.append(rows->addedRowsPiece());
        from = at;
    }
    body.append(deflatePiece(text.substr(from)));
    finishParts(body);
    d->package.save(path, MainPartName, body);
}

QString Document::version()
{
    return QStringLiteral("15.0");
}

} // namespace Docx
