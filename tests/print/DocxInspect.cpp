#include "DocxInspect.h"

#include <QTest>
#include <cstring>
#include <pugixml.hpp>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <zlib.h>

namespace DocxInspect {

namespace {

constexpr const char* WordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

struct Names
{
    std::string w;
    std::string q(const char* local) const { return w.empty() ? std::string(local) : w + ':' + local; }
};

QString localName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return QString::fromUtf8(colon ? colon + 1 : name);
}

bool toggle(const pugi::xml_node& rPr, const Names& n, const char* local)
{
    const pugi::xml_node e = rPr.child(n.q(local).c_str());
    if (!e)
        return false;
    const QString v = QString::fromUtf8(e.attribute(n.q("val").c_str()).value());
    if (local == std::string("u"))
        return !v.isEmpty() && v != QLatin1String("none");
    return v.isEmpty() || v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("on");
}

Run readRun(const pugi::xml_node& r, const Names& n)
{
    Run run;
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
        if (n.q("t") == c.name())
            run.text += QString::fromUtf8(c.text().get());
        else if (n.q("tab") == c.name())
            run.text += QLatin1Char('\t');
        else if (n.q("br") == c.name())
            run.text += QLatin1Char('\n');
    }
    const pugi::xml_node rPr = r.child(n.q("rPr").c_str());
    for (pugi::xml_node c = rPr.first_child(); c; c = c.next_sibling())
        run.propertyOrder << localName(c.name());
    const pugi::xml_node fonts = rPr.child(n.q("rFonts").c_str());
    run.fontAscii = QString::fromUtf8(fonts.attribute(n.q("ascii").c_str()).value());
    run.fontHAnsi = QString::fromUtf8(fonts.attribute(n.q("hAnsi").c_str()).value());
    run.fontCs = QString::fromUtf8(fonts.attribute(n.q("cs").c_str()).value());
    run.bold = toggle(rPr, n, "b");
    run.italic = toggle(rPr, n, "i");
    run.strike = toggle(rPr, n, "strike");
    run.underline = toggle(rPr, n, "u");
    run.halfPoints = rPr.child(n.q("sz").c_str()).attribute(n.q("val").c_str()).as_int();
    run.halfPointsCs = rPr.child(n.q("szCs").c_str()).attribute(n.q("val").c_str()).as_int();
    return run;
}

Cell readCell(const pugi::xml_node& tc, const Names& n)
{
    Cell cell;
    QStringList paragraphs;
    pugi::xml_node last;
    for (pugi::xml_node c = tc.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element)
            continue;
        last = c;
        if (n.q("p") != c.name())
            continue;
        QString text;
        for (const pugi::xpath_node& x : c.select_nodes((".//" + n.q("r")).c_str())) {
            const Run run = readRun(x.node(), n);
            text += run.text;
            cell.runs << run;
        }
        paragraphs << text;
    }
    cell.text = paragraphs.join(QLatin1Char('\n'));
    cell.endsWithParagraph = last && n.q("p") == last.name();
    return cell;
}

} // namespace

bool read(const QString& path, Document& out)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        qWarning() << "not a zip:" << path;
        return false;
    }
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile f(&zip);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        out.parts.insert(zip.getCurrentFileName(), f.readAll());
    }
    const QByteArray xml = out.parts.value(QStringLiteral("word/document.xml"));
    pugi::xml_document doc;
    if (!doc.load_buffer(xml.constData(), size_t(xml.size()),
                         pugi::parse_default | pugi::parse_ws_pcdata_single)) {
        qWarning() << "document.xml does not parse";
        return false;
    }
    const pugi::xml_node root = doc.document_element();
    Names n;
    bool found = false;
    for (const pugi::xml_attribute& a : root.attributes()) {
        out.rootAttributes +=
            QString::fromUtf8(a.name()) + QLatin1Char('=') + QString::fromUtf8(a.value()) + QLatin1Char(';');
        if (std::strcmp(a.value(), WordNs) == 0) {
            found = true;
            n.w = std::strcmp(a.name(), "xmlns") == 0 ? std::string() : std::string(a.name() + 6);
        }
    }
    if (!found)
        return false;
    for (pugi::xml_node tbl = root.child(n.q("body").c_str()).child(n.q("tbl").c_str()); tbl;
         tbl = tbl.next_sibling(n.q("tbl").c_str())) {
        Table table;
        for (pugi::xml_node tr = tbl.child(n.q("tr").c_str()); tr; tr = tr.next_sibling(n.q("tr").c_str())) {
            Row row;
            for (pugi::xml_node tc = tr.child(n.q("tc").c_str()); tc; tc = tc.next_sibling(n.q("tc").c_str()))
                row << readCell(tc, n);
            table << row;
        }
        out.tables << table;
    }
    struct Walker : pugi::xml_tree_walker
    {
        Document* out;
        std::string bookmarkStart, name, id;
        bool for_each(pugi::xml_node& node) override
        {
            if (const pugi::xml_attribute a = node.attribute("w14:paraId"))
                out->paraIds << QString::fromUtf8(a.value());
            if (bookmarkStart == node.name()) {
                out->bookmarkNames << QString::fromUtf8(node.attribute(name.c_str()).value());
                out->bookmarkIds << QString::fromUtf8(node.attribute(id.c_str()).value());
            }
            return true;
        }
    } walker;
    walker.out = &out;
    walker.bookmarkStart = n.q("bookmarkStart");
    walker.name = n.q("name");
    walker.id = n.q("id");
    doc.traverse(walker);
    return true;
}

QStringList column(const Table& table, int col, int from)
{
    QStringList texts;
    for (int r = from; r < table.size(); ++r)
        texts << (col < table[r].size() ? table[r][col].text : QStringLiteral("<нет ячейки>"));
    return texts;
}

bool writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& parts, bool stored)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const auto& [name, data] : parts) {
        QuaZipFile f(&zip);
        if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, stored ? 0 : Z_DEFLATED) ||
            f.write(data) != data.size())
            return false;
        f.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

QList<QPair<QString, QByteArray>> minimalPackage(const QByteArray& documentXml)
{
    return {
        {QStringLiteral("[Content_Types].xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/word/document.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "</Types>"},
        {QStringLiteral("_rels/.rels"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
         "Target=\"word/document.xml\"/></Relationships>"},
        {QStringLiteral("word/document.xml"), documentXml},
        {QStringLiteral("word/media/image1.png"), QByteArray("\x89PNG\r\n\x1a\n-not-really-a-picture-", 30)},
    };
}

} // namespace DocxInspect
