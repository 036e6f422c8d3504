// The .docx template engine: typing at bookmarks and through table cells, rows added past the
// last cell, run properties, what is kept of the template, and templates it must refuse.
#include "DocxInspect.h"
#include "TestDataFolder.h"
#include "core/Error.h"
#include "print/docx/DocxDocument.h"
#include "print/docx/DocxPackage.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using DocxInspect::minimalPackage;
using DocxInspect::writeZip;

namespace {

const QByteArray Root =
    "<w:document xmlns:wpc=\"http://schemas.microsoft.com/office/word/2010/wordprocessingCanvas\" "
    "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\" mc:Ignorable=\"w14\">";

QByteArray cell(const QByteArray& content, int width = 2000)
{
    return "<w:tc><w:tcPr><w:tcW w:w=\"" + QByteArray::number(width) + "\" w:type=\"dxa\"/></w:tcPr>" +
           content + "</w:tc>";
}

// A heading paragraph with a lone blank, a three-column table (header row, data row with "а1"),
// a bookmark "б1" given twice and one start without an end, and a second table.
QByteArray sampleDocument()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n" + Root +
           "<w:body>"
           "<w:p w14:paraId=\"00000001\"><w:r><w:t>Заголовок</w:t></w:r><w:r><w:t xml:space=\"preserve\"> "
           "</w:t></w:r>"
           "<w:r><w:t>конец</w:t></w:r></w:p>"
           "<w:p w14:paraId=\"00000002\"><w:bookmarkStart w:id=\"7\" "
           "w:name=\"б1\"/><w:r><w:t>первая</w:t></w:r>"
           "<w:bookmarkEnd w:id=\"7\"/></w:p>"
           "<w:tbl><w:tblPr><w:tblW w:w=\"6000\" w:type=\"dxa\"/></w:tblPr><w:tblGrid><w:gridCol "
           "w:w=\"2000\"/>"
           "<w:gridCol w:w=\"2000\"/><w:gridCol w:w=\"2000\"/></w:tblGrid>"
           "<w:tr w14:paraId=\"00000003\"><w:trPr><w:tblHeader/></w:trPr>" +
           cell("<w:p w14:paraId=\"00000004\"><w:r><w:t>А</w:t></w:r></w:p>") +
           cell("<w:p w14:paraId=\"00000005\"><w:r><w:t>Б</w:t></w:r></w:p>") +
           cell("<w:p w14:paraId=\"00000006\"><w:r><w:t>В</w:t></w:r></w:p>") +
           "</w:tr>"
           "<w:tr w14:paraId=\"00000007\">" +
           cell("<w:p w14:paraId=\"00000008\"><w:pPr><w:jc w:val=\"center\"/></w:pPr>"
                "<w:bookmarkStart w:id=\"0\" w:name=\"а1\"/><w:bookmarkEnd w:id=\"0\"/></w:p>") +
           cell("<w:p w14:paraId=\"00000009\"/>") +
           cell("<w:p w14:paraId=\"0000000A\"><w:r><w:t>образец</w:t></w:r></w:p><w:p "
                "w14:paraId=\"0000000B\"/>") +
           "</w:tr></w:tbl>"
           "<w:p w14:paraId=\"0000000C\"><w:bookmarkStart w:id=\"8\" "
           "w:name=\"б1\"/><w:r><w:t>вторая</w:t></w:r></w:p>"
           "<w:p><w:bookmarkStart w:id=\"9\" w:name=\"висячая\"/></w:p>"
           "<w:tbl><w:tblPr/><w:tblGrid><w:gridCol w:w=\"3000\"/><w:gridCol w:w=\"3000\"/></w:tblGrid>"
           "<w:tr>" +
           cell("<w:p><w:bookmarkStart w:id=\"10\" w:name=\"в1\"/><w:bookmarkEnd w:id=\"10\"/></w:p>", 3000) +
           cell("<w:p/>", 3000) +
           "</w:tr></w:tbl>"
           "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr></w:body></w:document>";
}

Docx::RunFont font(int size, bool bold = false, bool italic = false, bool underline = false,
                   bool strike = false)
{
    Docx::RunFont f;
    f.sizePt = size;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    f.strike = strike;
    return f;
}

void expectRefused(const QString& path, const QString& fragment)
{
    try {
        Docx::Document::fromTemplate(path);
        QFAIL("the template was accepted");
    } catch (const zorvek::Error& e) {
        QVERIFY2(e.message().contains(fragment), qPrintable(e.message()));
    }
}

} // namespace

class TestDocxEngine : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_template;

    DocxInspect::Document saved(const Docx::Document& doc, const QString& name)
    {
        const QString out = m_dir.filePath(name);
        doc.saveAs(out);
        DocxInspect::Document read;
        if (!DocxInspect::read(out, read))
            qWarning() << "cannot read back" << out;
        return read;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_template = m_dir.filePath(QStringLiteral("Шаблон.docx"));
        QVERIFY(writeZip(m_template, minimalPackage(sampleDocument())));
    }

    void fillsCellsAndAddsRowsPastTheLast()
    {
        const QByteArray before = fileChecksum(m_template);
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("а1"));
        for (int r = 1; r <= 4; ++r) {
            for (int c = 0; c < 3; ++c) {
                doc.typeText(QStringLiteral("%1%2").arg(QChar(u'a' + c)).arg(r));
                if (r < 4 || c < 2)
                    doc.nextCell();
            }
        }
        QCOMPARE(doc.currentTableRowCount(), 5);
        const DocxInspect::Document out = saved(doc, QStringLiteral("rows.docx"));
        QCOMPARE(out.tables.size(), 2);
        const DocxInspect::Table& t = out.tables[0];
        QCOMPARE(t.size(), 5);
        QCOMPARE(DocxInspect::column(t, 0), QStringList({"А", "a1", "a2", "a3", "a4"}));
        QCOMPARE(DocxInspect::column(t, 1), QStringList({"Б", "b1", "b2", "b3", "b4"}));
        // The template's own text stays behind what is typed into its cell.
        QCOMPARE(DocxInspect::column(t, 2), QStringList({"В", "c1образец\n", "c2", "c3", "c4"}));
        for (const DocxInspect::Row& row : t) {
            for (const DocxInspect::Cell& c : row)
                QVERIFY(c.endsWithParagraph);
        }
        // Added rows: no header mark, cell widths and paragraph properties kept, no ids repeated.
        const QString xml = QString::fromUtf8(out.parts.value(QStringLiteral("word/document.xml")));
        QCOMPARE(xml.count(QStringLiteral("<w:tblHeader/>")), 1);
        QCOMPARE(xml.count(QStringLiteral("<w:tcW w:w=\"2000\"")), 15);
        QCOMPARE(xml.count(QStringLiteral("<w:jc w:val=\"center\"/>")), 4);
        QCOMPARE(QSet<QString>(out.paraIds.begin(), out.paraIds.end()).size(), out.paraIds.size());
        QCOMPARE(out.bookmarkNames.count(QStringLiteral("а1")), 1);
        QCOMPARE(QSet<QString>(out.bookmarkIds.begin(), out.bookmarkIds.end()).size(),
                 out.bookmarkIds.size());
        QCOMPARE(fileChecksum(m_template), before);
    }

    void manyAddedRowsRoundTrip()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("а1"));
        constexpr int Rows = 3000;
        for (int r = 0; r < Rows; ++r) {
            doc.typeText(QStringLiteral("Работник №%1").arg(r));
            doc.nextCell();
            doc.typeText(QString::number(r * 7));
            doc.nextCell();
            doc.nextCell();
        }
        const QString out = m_dir.filePath(QStringLiteral("many.docx"));
        doc.saveAs(out);
        DocxInspect::Document read;
        QVERIFY(DocxInspect::read(out, read));
        // What was saved (compressed piece by piece) is what the document holds.
        QCOMPARE(read.parts.value(QStringLiteral("word/document.xml")), doc.mainPartXml());
        const DocxInspect::Table& t = read.tables[0];
        QCOMPARE(t.size(), 1 + Rows + 1);
        QCOMPARE(t[1][0].text, QStringLiteral("Работник №0"));
        QCOMPARE(t[Rows][0].text, QStringLiteral("Работник №%1").arg(Rows - 1));
        QCOMPARE(t[Rows][1].text, QString::number((Rows - 1) * 7));
        QCOMPARE(t[Rows + 1][0].text, QString());
        QCOMPARE(QFile(out).size() < 200 * 1024, true);
    }

    void returningToAddedRows()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("а1"));
        for (int i = 0; i < 12; ++i) {
            doc.typeText(QString::number(i));
            doc.nextCell();
        }
        // Back to the template's row, then on into the added rows typed before.
        doc.goToBookmark(QStringLiteral("а1"));
        for (int i = 0; i < 4; ++i)
            doc.nextCell();
        doc.typeText(QStringLiteral("+"));
        doc.nextCell();
        doc.typeText(QStringLiteral("!"));
        const DocxInspect::Document out = saved(doc, QStringLiteral("back.docx"));
        const DocxInspect::Table& t = out.tables[0];
        QCOMPARE(t.size(), 6);
        QCOMPARE(DocxInspect::column(t, 0, 1), QStringList({"0", "3", "6", "9", ""}));
        QCOMPARE(DocxInspect::column(t, 1, 1), QStringList({"1", "+4", "7", "10", ""}));
        QCOMPARE(DocxInspect::column(t, 2, 1), QStringList({"2образец\n", "!5", "8", "11", ""}));
    }

    void runPropertiesInSchemaOrder()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("а1"));
        doc.setFont(font(14, true, true, true, true));
        doc.typeText(QStringLiteral("жирный"));
        doc.setFont(font(10));
        doc.typeText(QStringLiteral("обычный"));
        const DocxInspect::Document out = saved(doc, QStringLiteral("runs.docx"));
        const QList<DocxInspect::Run> runs = out.tables[0][1][0].runs;
        QCOMPARE(runs.size(), 2);
        const DocxInspect::Run& strong = runs[0];
        QCOMPARE(strong.text, QStringLiteral("жирный"));
        QCOMPARE(strong.fontAscii, QStringLiteral("Times New Roman"));
        QCOMPARE(strong.fontHAnsi, QStringLiteral("Times New Roman"));
        QCOMPARE(strong.fontCs, QStringLiteral("Times New Roman"));
        QVERIFY(strong.bold && strong.italic && strong.underline && strong.strike);
        QCOMPARE(strong.halfPoints, 28);
        QCOMPARE(strong.halfPointsCs, 28);
        QCOMPARE(strong.propertyOrder, QStringList({"rFonts", "b", "i", "strike", "sz", "szCs", "u"}));
        const DocxInspect::Run& plain = runs[1];
        QVERIFY(!plain.bold && !plain.italic && !plain.underline && !plain.strike);
        QCOMPARE(plain.halfPoints, 20);
    }

    void keepsTheRestOfTheTemplate()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("а1"));
        doc.typeText(QStringLiteral("  "));
        const DocxInspect::Document out = saved(doc, QStringLiteral("kept.docx"));
        DocxInspect::Document original;
        QVERIFY(DocxInspect::read(m_template, original));
        QCOMPARE(out.parts.keys(), original.parts.keys());
        for (const QString& name : original.parts.keys()) {
            if (name != QLatin1String("word/document.xml"))
                QCOMPARE(out.parts.value(name), original.parts.value(name));
        }
        QCOMPARE(out.rootAttributes, original.rootAttributes);
        const QString xml = QString::fromUtf8(out.parts.value(QStringLiteral("word/document.xml")));
        QVERIFY(
            xml.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>")));
        QVERIFY(xml.contains(QStringLiteral("<w:t xml:space=\"preserve\"> </w:t>")));
        QVERIFY(xml.contains(QStringLiteral("<w:t xml:space=\"preserve\">  </w:t>")));
    }

    void firstBookmarkOfANameWins()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("б1"));
        doc.typeText(QStringLiteral("сюда "));
        QVERIFY(doc.hasBookmark(QStringLiteral("висячая")));
        doc.goToBookmark(QStringLiteral("висячая"));
        doc.typeText(QStringLiteral("и сюда"));
        const DocxInspect::Document out = saved(doc, QStringLiteral("first.docx"));
        const QString xml = QString::fromUtf8(out.parts.value(QStringLiteral("word/document.xml")));
        QVERIFY(xml.indexOf(QStringLiteral("сюда ")) < xml.indexOf(QStringLiteral("первая")));
        QVERIFY(xml.indexOf(QStringLiteral("сюда ")) > xml.indexOf(QStringLiteral("Заголовок")));
        QVERIFY(xml.contains(
            QStringLiteral("и сюда</w:t></w:r><w:bookmarkStart w:id=\"9\" w:name=\"висячая\"/>")));
    }

    void tablesAreWalkedSeparately()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("в1"));
        for (int i = 0; i < 5; ++i) {
            doc.typeText(QString::number(i));
            doc.nextCell();
        }
        doc.goToBookmark(QStringLiteral("а1"));
        doc.typeText(QStringLiteral("x"));
        const DocxInspect::Document out = saved(doc, QStringLiteral("two.docx"));
        QCOMPARE(out.tables[0].size(), 2);
        QCOMPARE(out.tables[1].size(), 3);
        QCOMPARE(DocxInspect::column(out.tables[1], 0), QStringList({"0", "2", "4"}));
        QCOMPARE(DocxInspect::column(out.tables[1], 1), QStringList({"1", "3", ""}));
    }

    void markerTextInTheLastRowIsNotACell()
    {
        // A comment and a CDATA section in the last row's paragraph properties that spell the
        // engine's own cell marker: added rows still have two cells and the text goes into runs.
        const QByteArray xml = Root +
            "<w:body><w:tbl><w:tr>" +
            cell("<w:p><w:pPr><!--zorvek-cell--><w:jc w:val=\"left\"/></w:pPr>"
                 "<w:bookmarkStart w:id=\"0\" w:name=\"а1\"/><w:bookmarkEnd w:id=\"0\"/></w:p>") +
            cell("<w:p><w:pPr><![CDATA[<!--zorvek-cell-->]]></w:pPr></w:p>") +
            "</w:tr></w:tbl><w:sectPr/></w:body></w:document>";
        const QString path = m_dir.filePath(QStringLiteral("marker.docx"));
        QVERIFY(writeZip(path, minimalPackage(xml)));
        Docx::Document doc = Docx::Document::fromTemplate(path);
        doc.goToBookmark(QStringLiteral("а1"));
        for (int i = 0; i < 6; ++i) {
            doc.typeText(QString::number(i));
            if (i < 5)
                doc.nextCell();
        }
        QCOMPARE(doc.currentTableRowCount(), 3);
        const DocxInspect::Document out = saved(doc, QStringLiteral("marker-out.docx"));
        QCOMPARE(out.tables[0].size(), 3);
        QCOMPARE(DocxInspect::column(out.tables[0], 0), QStringList({"0", "2", "4"}));
        QCOMPARE(DocxInspect::column(out.tables[0], 1), QStringList({"1", "3", "5"}));
        const QByteArray body = out.parts.value(QStringLiteral("word/document.xml"));
        const QRegularExpression runInProperties(QStringLiteral("<w:pPr>((?!</w:pPr>).)*<w:r>"));
        QVERIFY2(!runInProperties.match(QString::fromUtf8(body)).hasMatch(), body.constData());
    }

    void controlCharactersInText()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.goToBookmark(QStringLiteral("а1"));
        doc.typeText(QStringLiteral("a\tb\r\nc\rd") + QChar(0x01) + QStringLiteral("e <&> \"ё\" ") +
                     QChar(0xD83D));
        const DocxInspect::Document out = saved(doc, QStringLiteral("ctl.docx"));
        QCOMPARE(out.tables[0][1][0].text, QStringLiteral("a\tb\nc\nde <&> \"ё\" "));
    }

    void otherPrefixOrDefaultNamespace_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("x:") << QByteArray("x:");
        QTest::newRow("default") << QByteArray();
    }

    void otherPrefixOrDefaultNamespace()
    {
        QFETCH(QByteArray, prefix);
        const QByteArray decl = prefix.isEmpty() ? QByteArray("xmlns") : "xmlns:" + prefix.chopped(1);
        QByteArray xml = "<" + prefix + "document " + decl +
                         "=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><" + prefix +
                         "body><" + prefix + "tbl><" + prefix + "tr><" + prefix + "tc><" + prefix + "p><" +
                         prefix + "bookmarkStart " + prefix + "id=\"0\" " + prefix + "name=\"а1\"/></" +
                         prefix + "p></" + prefix + "tc></" + prefix + "tr></" + prefix + "tbl></" + prefix +
                         "body></" + prefix + "document>";
        const QString path = m_dir.filePath(QStringLiteral("prefix.docx"));
        QVERIFY(writeZip(path, minimalPackage(xml)));
        Docx::Document doc = Docx::Document::fromTemplate(path);
        doc.goToBookmark(QStringLiteral("а1"));
        doc.typeText(QStringLiteral("один"));
        doc.nextCell();
        doc.typeText(QStringLiteral("два"));
        const DocxInspect::Document out = saved(doc, QStringLiteral("prefix-out.docx"));
        QCOMPARE(DocxInspect::column(out.tables.value(0), 0), QStringList({"один", "два"}));
        const QString body = QString::fromUtf8(out.parts.value(QStringLiteral("word/document.xml")));
        QVERIFY(body.contains(
            QString::fromUtf8("<" + prefix + "rFonts " + prefix + "ascii=\"Times New Roman\"")));
    }

    void failuresNameWhatIsMissing()
    {
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        try {
            doc.goToBookmark(QStringLiteral("нет_такой"));
            QFAIL("missing bookmark accepted");
        } catch (const zorvek::Error& e) {
            QVERIFY(e.message().contains(QStringLiteral("«нет_такой»")));
        }
        doc.goToBookmark(QStringLiteral("б1"));
        QVERIFY_THROWS_EXCEPTION(zorvek::Error, doc.nextCell());
        QVERIFY_THROWS_EXCEPTION(zorvek::Error,
                                 doc.saveAs(m_dir.filePath(QStringLiteral("нет/папки/x.docx"))));
    }

    void saveReplacesAnExistingFile()
    {
        const QString out = m_dir.filePath(QStringLiteral("replace.docx"));
        QFile f(out);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old contents");
        f.close();
        Docx::Document doc = Docx::Document::fromTemplate(m_template);
        doc.saveAs(out);
        DocxInspect::Document read;
        QVERIFY(DocxInspect::read(out, read));
        QCOMPARE(read.tables.size(), 2);
    }

    void refusesHostileFiles()
    {
        expectRefused(m_dir.filePath(QStringLiteral("нет.docx")), QStringLiteral("не найден"));
        const QString text = m_dir.filePath(QStringLiteral("text.docx"));
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("это не архив");
        f.close();
        expectRefused(text, QStringLiteral("zip"));

        const QString noBody = m_dir.filePath(QStringLiteral("nobody.docx"));
        QVERIFY(writeZip(noBody, {{QStringLiteral("word/other.xml"), "<a/>"}}));
        expectRefused(noBody, QStringLiteral("word/document.xml"));

        const QString escape = m_dir.filePath(QStringLiteral("escape.docx"));
        auto parts = minimalPackage(sampleDocument());
        parts << qMakePair(QStringLiteral("../evil.xml"), QByteArray("<a/>"));
        QVERIFY(writeZip(escape, parts));
        expectRefused(escape, QStringLiteral("../evil.xml"));

        const QString twice = m_dir.filePath(QStringLiteral("twice.docx"));
        parts = minimalPackage(sampleDocument());
        parts << qMakePair(QStringLiteral("word/document.xml"), QByteArray("<a/>"));
        QVERIFY(writeZip(twice, parts));
        expectRefused(twice, QStringLiteral("дважды"));

        const QString notXml = m_dir.filePath(QStringLiteral("notxml.docx"));
        QVERIFY(writeZip(notXml, minimalPackage("<w:document xmlns:w=\"x\"><w:body>")));
        expectRefused(notXml, QStringLiteral("повреждена"));

        const QString foreign = m_dir.filePath(QStringLiteral("foreign.docx"));
        QVERIFY(writeZip(foreign, minimalPackage("<doc><body/></doc>")));
        expectRefused(foreign, QStringLiteral("WordprocessingML"));
    }

    void refusesZipBombs()
    {
        // 65 MiB of blanks inflate from a few dozen kilobytes.
        QByteArray big = Root + "<w:body><w:p><w:r><w:t>";
        big.append(QByteArray(Docx::MaxMainPartBytes + 1024, ' '));
        big += "</w:t></w:r></w:p></w:body></w:document>";
        const QString bomb = m_dir.filePath(QStringLiteral("bomb.docx"));
        QVERIFY(writeZip(bomb, minimalPackage(big)));
        QVERIFY(QFileInfo(bomb).size() < 1024 * 1024);
        expectRefused(bomb, QStringLiteral("МБ"));
    }
};

QTEST_GUILESS_MAIN(TestDocxEngine)
#include "test_docx_engine.moc"
