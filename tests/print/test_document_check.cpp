// Every document the program delivers and every kind it produces passes the strict document
// check; and the check itself finds each fault it is there to find.
#include "DocxCheck.h"
#include "DocxInspect.h"
#include "TestDataFolder.h"
#include "core/Error.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "print/CategoryDocuments.h"
#include "print/PrintHooks.h"
#include "print/PrintJobs.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString Delivered = QStringLiteral(ZORVEK_PRINT_TEMPLATE_DIR);

QList<QPair<QString, QByteArray>> partsOf(const QString& path)
{
    DocxInspect::Document doc;
    if (!DocxInspect::read(path, doc))
        return {};
    QList<QPair<QString, QByteArray>> parts;
    parts << qMakePair(QStringLiteral("[Content_Types].xml"),
                       doc.parts.value(QStringLiteral("[Content_Types].xml")));
    for (auto it = doc.parts.cbegin(); it != doc.parts.cend(); ++it) {
        if (it.key() != QLatin1String("[Content_Types].xml"))
            parts << qMakePair(it.key(), it.value());
    }
    return parts;
}

QByteArray& part(QList<QPair<QString, QByteArray>>& parts, const QString& name)
{
    for (auto& p : parts) {
        if (p.first == name)
            return p.second;
    }
    static QByteArray none;
    return none;
}

} // namespace

class TestDocumentCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void expectSound(const QString& path)
    {
        const QStringList problems = DocxCheck::problems(path);
        for (const QString& problem : problems)
            qWarning().noquote() << QFileInfo(path).fileName() << problem;
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QFileInfo(path).fileName() + QStringLiteral(": ") +
                            QString::number(problems.size()) + QStringLiteral(" faults")));
    }

    // The page's footer says "Страница N из M" through PAGE and NUMPAGES fields.
    void expectPageNumbers(const QString& path)
    {
        DocxInspect::Document doc;
        QVERIFY(DocxInspect::read(path, doc));
        const QString body = QString::fromUtf8(doc.parts.value(QStringLiteral("word/document.xml")));
        const QRegularExpressionMatch reference =
            QRegularExpression(QStringLiteral("<w:footerReference w:type=\"default\" r:id=\"([^\"]+)\"/>"))
                .match(body);
        QVERIFY2(reference.hasMatch(), qPrintable(path));
        const QString rels =
            QString::fromUtf8(doc.parts.value(QStringLiteral("word/_rels/document.xml.rels")));
        const QRegularExpressionMatch target =
            QRegularExpression(QStringLiteral("Id=\"%1\"[^>]*Target=\"([^\"]+)\"").arg(reference.captured(1)))
                .match(rels);
        QVERIFY2(target.hasMatch(), qPrintable(path));
        const QString footer =
            QString::fromUtf8(doc.parts.value(QStringLiteral("word/") + target.captured(1)))
                .remove(QRegularExpression(QStringLiteral("<[^>]*>")))
                .simplified();
        QVERIFY2(footer.contains(QStringLiteral("Страница PAGE 1 из NUMPAGES 1")), qPrintable(path + footer));
    }

private slots:
    void checkFindsEachFault_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("intact") << ""
                                << "";
        QTest::newRow("damaged bytes") << "crc"
                                       << "контрольная сумма";
        QTest::newRow("part without a content type") << "type"
                                                     << "нет типа содержимого";
        QTest::newRow("part of the wrong content type") << "wrong type"
                                                        << "связь styles требует";
        QTest::newRow("relationship to a missing part") << "target"
                                                        << "отсутствующей части";
        QTest::newRow("reference to no relationship") << "rid"
                                                      << "нет такой связи";
        QTest::newRow("properties out of order") << "order"
                                                 << "w:pgSz стоит после w:pgMar";
        QTest::newRow("paragraph id twice") << "paraId"
                                            << "w14:paraId 1A2B0016 повторяется";
        QTest::newRow("drawing id twice") << "docPr"
                                          << "wp:docPr) 7 повторяется";
        QTest::newRow("bookmark without its end") << "bookmark"
                                                  << "концов: 0";
        QTest::newRow("cell without a paragraph") << "cell"
                                                  << "не кончается абзацем";
        QTest::newRow("undeclared ignorable prefix") << "ignorable"
                                                     << "необъявленный префикс w15";
    }

    void checkFindsEachFault()
    {
        QFETCH(QString, fault);
        QFETCH(QString, expected);
        QList<QPair<QString, QByteArray>> parts =
            partsOf(Delivered + QStringLiteral("/Шаблон протокола.docx"));
        QVERIFY(!parts.isEmpty());
        QByteArray& xml = part(parts, QStringLiteral("word/document.xml"));
        const QByteArray before = xml;
        if (fault == QLatin1String("type"))
            part(parts, QStringLiteral("[Content_Types].xml"))
                .replace("Extension=\"rels\"", "Extension=\"rel\"");
        else if (fault == QLatin1String("wrong type"))
            part(parts, QStringLiteral("[Content_Types].xml"))
                .replace("PartName=\"/word/styles.xml\"", "PartName=\"/word/стили.xml\"");
        else if (fault == QLatin1String("target"))
            part(parts, QStringLiteral("word/_rels/document.xml.rels"))
                .replace("Target=\"styles.xml\"", "Target=\"стили.xml\"");
        else if (fault == QLatin1String("rid"))
            xml.replace("<w:sectPr>", "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rId99\"/>");
        else if (fault == QLatin1String("order"))
            xml = QString::fromUtf8(xml)
                      .replace(QRegularExpression(QStringLiteral("(<w:pgSz[^>]*/>)(\\s*)(<w:pgMar[^>]*/>)")),
                               QStringLiteral("\\3\\2\\1"))
                      .toUtf8();
        else if (fault == QLatin1String("paraId"))
            xml.replace("w14:paraId=\"1A2B0017\"", "w14:paraId=\"1A2B0016\"");
        else if (fault == QLatin1String("docPr")) {
            const QByteArray drawing =
                "<w:p><w:r><w:drawing><wp:inline><wp:docPr id=\"7\" name=\"a\"/></wp:inline>"
                "</w:drawing></w:r></w:p>";
            xml.replace("<w:body>", QByteArray("<w:body>" + drawing + drawing));
            xml.replace("xmlns:w=", "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/"
                                    "wordprocessingDrawing\" xmlns:w=");
        } else if (fault == QLatin1String("bookmark"))
            xml.replace("<w:bookmarkEnd w:id=\"0\"/>", "");
        else if (fault == QLatin1String("cell"))
            xml = QString::fromUtf8(xml)
                      .replace(
                          QRegularExpression(QStringLiteral("<w:p w14:paraId=\"1A2B0015\"[^>]*>.*?</w:p>")),
                          QString())
                      .toUtf8();
        else if (fault == QLatin1String("ignorable"))
            xml.replace("mc:Ignorable=\"w14\"", "mc:Ignorable=\"w14 w15\"");
        QVERIFY2(fault.isEmpty() || fault == QLatin1String("crc") || fault.contains(QLatin1String("type")) ||
                     fault == QLatin1String("target") || xml != before,
                 "the fault was not made");
        const QString path = m_dir.filePath(QStringLiteral("испорченный.docx"));
        QFile::remove(path);
        QVERIFY(DocxInspect::writeZip(path, parts, fault == QLatin1String("crc")));
        if (fault == QLatin1String("crc")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QByteArray bytes = f.readAll();
            const qsizetype at = bytes.indexOf("<w:body>");
            QVERIFY(at > 0);
            bytes[at + 3] = 'B';
            f.seek(0);
            f.write(bytes);
        }
        const QStringList problems = DocxCheck::problems(path);
        if (expected.isEmpty())
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        else
            QVERIFY2(problems.join(QLatin1Char('\n')).contains(expected),
                     qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void deliveredDocumentsAreSound()
    {
        QStringList found;
        for (QDirIterator it(Delivered, {QStringLiteral("*.docx")}, QDir::Files); it.hasNext();)
            found << it.next();
        QVERIFY2(found.size() >= 3, qPrintable(found.join(QLatin1Char(' '))));
        for (const QString& path : found) {
            expectSound(path);
            expectPageNumbers(path);
        }
    }

    void producedDocumentsAreSound()
    {
        try {
            checkProducedDocuments();
        } catch (const zorvek::Error& e) {
            QFAIL(qPrintable(e.message()));
        }
    }

private:
    void checkProducedDocuments()
    {
        TestDataFolder data;
        QVERIFY(data.isValid());
        QTemporaryDir program;
        for (const QString& name :
             {PrintJobs::ProtocolTemplate, PrintJobs::JournalTemplate, PrintJobs::ManualFile})
            QVERIFY(QFile::copy(Delivered + QLatin1Char('/') + name, program.filePath(name)));
        PrintHooks::setShowMessage([](const QString& text) { qWarning().noquote() << text; });
        TfrmADODataModule module;
        module.openMainDatabase(data.path());
        const PrintJobs::Folders folders{program.path(), program.path(), QString()};
        const QDate day(2024, 5, 20);
        QStringList produced;
        const auto out = [&](const QString& name) { return program.filePath(name); };
        for (int rows : {0, 1, 5, 60}) {
            Db::exec(module.ADOConnectionGlb, QStringLiteral("Delete From Журнал_All"));
            for (int i = 1; i <= rows; ++i)
                Db::exec(module.ADOConnectionGlb,
                         QStringLiteral("Insert Into Журнал_All (ФИО, Должность, Дата_предыдущей_проверки, "
                                        "Дата_проверки, Дата_следующей_проверки, Результат_проверки_знаний) "
                                        "Values (?, ?, ?, ?, ?, ?)"),
                         {QStringLiteral("Работник %1").arg(i), QStringLiteral("Электромонтёр"),
                          QStringLiteral("2023-05-20"), QStringLiteral("2024-05-20"),
                          QStringLiteral("2025-05-20"), QStringLiteral("Сдал")});
            produced << PrintJobs::printProtocol(module.ADOConnectionGlb, day, folders,
                                                 out(QStringLiteral("протокол %1.docx").arg(rows)))
                            .path;
            produced << PrintJobs::printJournal(module.ADOConnectionGlb, folders,
                                                out(QStringLiteral("журнал %1.docx").arg(rows)))
                            .path;
        }
        for (int position = 0; position < 9; ++position)
            produced << PrintJobs::printCategoryQuestions(module, position, data.path(), folders).path;
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("копия")));
        produced << PrintJobs::copyDocument(folders, PrintJobs::ManualFile,
                                            program.filePath(QStringLiteral("копия")));
        PrintHooks::setShowMessage({});
        for (const QString& path : produced) {
            expectSound(path);
            expectPageNumbers(path);
        }
    }
};

QTEST_MAIN(TestDocumentCheck)
#include "test_document_check.moc"
