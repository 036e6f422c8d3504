// MyWord and the print jobs: the protocol of today's exams and the journal filled from
// Журнал_All into the delivered templates, the version check, and the failures that end the
// job or the program.
#include "DocxInspect.h"
#include "TestDataFolder.h"
#include "core/Error.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "print/CategoryDocuments.h"
#include "print/MyWord.h"
#include "print/PrintHooks.h"
#include "print/PrintJobs.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QDate Today(2024, 3, 15);

struct Exam
{
    QString fio;
    QVariant date;
    QVariant previous = QVariant();
    QVariant next = QVariant();
};

} // namespace

class TestPrintJobs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataFolder> m_data;
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<TfrmADODataModule> m_module;
    QStringList m_messages;
    int m_terminated = 0;

    QSqlDatabase db() const { return m_module->ADOConnectionGlb; }
    PrintJobs::Folders folders() const
    {
        return {m_program->path() + QLatin1Char('/'), m_program->path() + QLatin1Char('/'), m_data->path()};
    }
    QString programFile(const QString& name) const { return m_program->filePath(name); }

    void setJournal(const QList<Exam>& exams)
    {
        Db::exec(db(), QStringLiteral("Delete From Журнал_All"));
        int i = 0;
        for (const Exam& e : exams) {
            ++i;
            Db::exec(db(),
                     QStringLiteral(
                         "Insert Into Журнал_All (ФИО, Должность, Дата_предыдущей_проверки, Дата_проверки, "
                         "Дата_следующей_проверки, Наименование_подразделения, Результат_проверки_знаний, "
                         "Причина_проверки_знаний) Values (?, ?, ?, ?, ?, ?, ?, ?)"),
                     {e.fio, QStringLiteral("должность %1").arg(i), e.previous, e.date, e.next,
                      QStringLiteral("ЭЧК-%1").arg(i), QStringLiteral("Сдал"),
                      QStringLiteral("Периодическая")});
        }
    }

    DocxInspect::Document readBack(const QString& path)
    {
        DocxInspect::Document doc;
        if (!DocxInspect::read(path, doc))
            qWarning() << "cannot read" << path;
        return doc;
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TestDataFolder>();
        QVERIFY(m_data->isValid());
        m_program = std::make_unique<QTemporaryDir>();
        for (const QString& name : {PrintJobs::ProtocolTemplate, PrintJobs::JournalTemplate})
            QVERIFY(QFile::copy(QStringLiteral(ZORVEK_PRINT_TEMPLATE_DIR "/") + name, programFile(name)));
        m_module = std::make_unique<TfrmADODataModule>();
        m_module->openMainDatabase(m_data->path());
        m_messages.clear();
        m_terminated = 0;
        PrintHooks::setShowMessage([this](const QString& text) { m_messages << text; });
        PrintHooks::setTerminate([this] { ++m_terminated; });
        MyWord::setVersionOverride(QString());
    }

    void cleanup()
    {
        m_module.reset();
        m_data.reset();
        PrintHooks::setShowMessage({});
        PrintHooks::setTerminate({});
        MyWord::setVersionOverride(QString());
    }

    void versionCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("major");
        QTest::newRow("8.0") << "8.0" << 8;
        QTest::newRow("9.0") << "9.0" << 9;
        QTest::newRow("10.0") << "10.0" << 10;
        QTest::newRow("14.0") << "14.0" << 14;
        QTest::newRow("blanks") << " 11.0 " << 11;
        QTest::newRow("control") << "\t\r\n16.0\x01" << 16;
        QTest::newRow("letters") << "v9" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void versionCheck()
    {
        QFETCH(QString, text);
        QFETCH(int, major);
        QCOMPARE(MyWord::majorVersion(text), major);
        MyWord::setVersionOverride(text.isEmpty() ? QStringLiteral("x") : text);
        MyWord word;
        bool fatal = false;
        try {
            word.Run();
        } catch (const MyWord::Fatal&) {
            fatal = true;
        }
        QCOMPARE(fatal, major < MyWord::MinimumVersion);
        if (fatal) {
            QCOMPARE(m_messages,
                     QStringList({"Требуется WORD 2000/XP или выше", "Продолжение работы невозможно"}));
            QCOMPARE(m_terminated, 1);
        } else {
            QVERIFY(m_messages.isEmpty());
        }
    }

    void otherErrorCodesOnlyTell()
    {
        MyWord word;
        word.Error(3, QStringLiteral("Сообщение"));
        QCOMPARE(m_messages, QStringList({"Сообщение"}));
        QCOMPARE(m_terminated, 0);
    }

    void skipCellMovesExactly()
    {
        MyWord word;
        word.Run();
        word.Open(programFile(PrintJobs::ProtocolTemplate));
        word.search(QStringLiteral("а1"));
        word.SkipCell(0);
        word.Insert(QStringLiteral("первая"), false, false, false, false, 10);
        word.SkipCell(2);
        word.Insert(QStringLiteral("третья"), false, false, false, false, 10);
        word.SkipCell(-1);
        word.Save(programFile(QStringLiteral("skip.docx")));
        const DocxInspect::Table t = readBack(programFile(QStringLiteral("skip.docx"))).tables.value(0);
        QCOMPARE(t.size(), 3);
        QCOMPARE(t[2][0].text, QStringLiteral("первая"));
        QCOMPARE(t[2][1].text, QString());
        QCOMPARE(t[2][2].text, QStringLiteral("третья"));
    }

    void protocolNumbersOnlyTodaysExams()
    {
        const QByteArray templateSum = fileChecksum(programFile(PrintJobs::ProtocolTemplate));
        setJournal({{QStringLiteral("Вчерашний"), QStringLiteral("2024-03-14")},
                    {QStringLiteral("Первый Сегодня"), QStringLiteral("2024-03-15")},
                    {QStringLiteral("С временем"), QStringLiteral("2024-03-15T10:30:00")},
                    {QStringLiteral("Без даты"), QVariant()},
                    {QStringLiteral("Второй Сегодня"), QStringLiteral("2024-03-15T00:00:00")},
                    {QStringLiteral("Завтрашний"), QStringLiteral("2024-03-16")}});
        const PrintJobs::Output out = PrintJobs::printProtocol(db(), Today, folders());
        QCOMPARE(out.path, programFile(PrintJobs::ProtocolFile));
        QVERIFY(out.notice.isEmpty());
        const DocxInspect::Table t = readBack(out.path).tables.value(0);
        // Header, column numbers, two exams, and the row entered after the last exam.
        QCOMPARE(t.size(), 5);
        QCOMPARE(DocxInspect::column(t, 0, 2), QStringList({"1.", "2.", ""}));
        QCOMPARE(DocxInspect::column(t, 1, 2), QStringList({"Первый Сегодня", "Второй Сегодня", ""}));
        QCOMPARE(DocxInspect::column(t, 2, 2), QStringList({"должность 2", "должность 5", ""}));
        QCOMPARE(DocxInspect::column(t, 3, 2), QStringList({"ЭЧК-2", "ЭЧК-5", ""}));
        QCOMPARE(DocxInspect::column(t, 4, 2), QStringList({"Сдал", "Сдал", ""}));
        QCOMPARE(DocxInspect::column(t, 5, 2), QStringList({"Периодическая", "Периодическая", ""}));
        QCOMPARE(DocxInspect::column(t, 6, 2), QStringList({"", "", ""}));
        const DocxInspect::Run run = t[3][1].runs.value(0);
        QVERIFY(run.bold && !run.italic && !run.underline && !run.strike);
        QCOMPARE(run.halfPoints, 20);
        QCOMPARE(run.fontAscii, QStringLiteral("Times New Roman"));
        QCOMPARE(fileChecksum(programFile(PrintJobs::ProtocolTemplate)), templateSum);
    }

    void protocolWithoutExamsIsTheTemplatesTable()
    {
        setJournal({{QStringLiteral("Вчерашний"), QStringLiteral("2024-03-14")}});
        const PrintJobs::Output out = PrintJobs::printProtocol(db(), Today, folders());
        const DocxInspect::Document filled = readBack(out.path);
        const DocxInspect::Document original = readBack(programFile(PrintJobs::ProtocolTemplate));
        QCOMPARE(filled.tables.size(), original.tables.size());
        for (int i = 0; i < original.tables.size(); ++i) {
            QCOMPARE(filled.tables[i].size(), original.tables[i].size());
            for (int r = 0; r < original.tables[i].size(); ++r) {
                for (int c = 0; c < original.tables[i][r].size(); ++c)
                    QCOMPARE(filled.tables[i][r][c].text, original.tables[i][r][c].text);
            }
        }
    }

    void protocolClosingBlockStaysWithTheEndOfTheTable_data()
    {
        QTest::addColumn<int>("exams");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("five") << 5;
    }

    void protocolClosingBlockStaysWithTheEndOfTheTable()
    {
        // The signatures and the closing note never start a page of their own: the table's last two
        // rows keep with them (the last entry and the row after it), and the rows above do not, so
        // a long table still breaks between its rows.
        QFETCH(int, exams);
        QList<Exam> journal;
        for (int i = 0; i < exams; ++i)
            journal << Exam{QStringLiteral("Работник %1").arg(i + 1), QStringLiteral("2024-03-15")};
        setJournal(journal);
        const QString xml = QString::fromUtf8(readBack(PrintJobs::printProtocol(db(), Today, folders()).path)
                                                  .parts.value(QStringLiteral("word/document.xml")));
        const qsizetype tableEnd = xml.indexOf(QStringLiteral("</w:tbl>"));
        QStringList rows = xml.left(tableEnd).split(QRegularExpression(QStringLiteral("<w:tr[ >]")));
        rows.removeFirst();
        const int count = int(rows.size());
        QCOMPARE(count, 2 + exams + 1); // the headings, the exams, the row entered after the last one
        for (int r = 0; r < count; ++r) {
            const int keeping = int(rows[r].count(QStringLiteral("<w:keepNext/>")));
            QCOMPARE(keeping, r >= qMax(2, count - 2) ? 7 : 0);
        }
        QStringList closing = xml.mid(tableEnd).split(QRegularExpression(QStringLiteral("<w:p[ >]")));
        closing.removeFirst();
        QVERIFY(closing.size() >= 4);
        for (qsizetype i = 0; i < closing.size(); ++i)
            QCOMPARE(closing[i].contains(QStringLiteral("<w:keepNext/>")), i + 1 < closing.size());
        QVERIFY(closing.last().contains(QStringLiteral("не сдавшие проверку")));
    }

    void protocolTwiceReplacesTheFile()
    {
        setJournal({{QStringLiteral("Первый"), QStringLiteral("2024-03-15")}});
        const QString path = PrintJobs::printProtocol(db(), Today, folders()).path;
        setJournal({{QStringLiteral("Другой"), QStringLiteral("2024-03-15")},
                    {QStringLiteral("Ещё один"), QStringLiteral("2024-03-15")}});
        QCOMPARE(PrintJobs::printProtocol(db(), Today, folders()).path, path);
        const DocxInspect::Table t = readBack(path).tables.value(0);
        QCOMPARE(DocxInspect::column(t, 1, 2), QStringList({"Другой", "Ещё один", ""}));
        QCOMPARE(QDir(m_program->path()).entryList(QDir::Files).size(), 3);
    }

    void journalListsEveryRowThenTheRules()
    {
        setJournal({{QStringLiteral("Иванов"), QStringLiteral("2024-03-15"), QStringLiteral("2023-03-10"),
                     QStringLiteral("2025-03-15")},
                    {QStringLiteral("Петров"), QStringLiteral("2021-12-01T09:05:07"), QVariant(),
                     QStringLiteral("2022-12-01")},
                    {QString(), QVariant(), QVariant(), QVariant()},
                    // Dates the program cannot read (typed into the file by hand) print as stored.
                    {QStringLiteral("Сидоров"), QStringLiteral("15/03/2024"), QStringLiteral("весной"),
                     QStringLiteral("2025-02-30")}});
        const PrintJobs::Output out = PrintJobs::printJournal(db(), folders());
        QCOMPARE(out.path, programFile(PrintJobs::JournalFile));
        const DocxInspect::Document doc = readBack(out.path);
        QCOMPARE(doc.tables.size(), 2);
        const DocxInspect::Table& t = doc.tables[1];
        QCOMPARE(t.size(), 2 + 4 + 1);
        QCOMPARE(DocxInspect::column(t, 0, 2), QStringList({"Иванов", "Петров", "", "Сидоров", ""}));
        QCOMPARE(DocxInspect::column(t, 1, 2), QStringList({"10.03.2023", "", "", "весной", ""}));
        QCOMPARE(DocxInspect::column(t, 2, 2),
                 QStringList({"15.03.2024", "01.12.2021 09:05:07", "", "15/03/2024", ""}));
        QCOMPARE(DocxInspect::column(t, 5, 2),
                 QStringList({"15.03.2025", "01.12.2022", "", "2025-02-30", ""}));
        for (int c : {3, 4, 6, 7})
            QCOMPARE(DocxInspect::column(t, c, 2), QStringList({"", "", "", "", ""}));
        const DocxInspect::Run run = t[2][0].runs.value(0);
        QVERIFY(!run.bold && !run.italic && !run.underline && !run.strike);
        QCOMPARE(run.halfPoints, 20);
        const DocxInspect::Table& rules = doc.tables[0];
        QCOMPARE(DocxInspect::column(rules, 0), PrintJobs::rulesLines());
        for (int c = 1; c < 8; ++c)
            QCOMPARE(DocxInspect::column(rules, c).join(QString()), QString());
    }

    void journalWithoutRowsStillGetsTheRules()
    {
        setJournal({});
        const DocxInspect::Document doc = readBack(PrintJobs::printJournal(db(), folders()).path);
        QCOMPARE(DocxInspect::column(doc.tables.value(0), 0), PrintJobs::rulesLines());
        QCOMPARE(doc.tables.value(1).size(), 3);
    }

    void missingBookmarkEndsOnlyTheJob()
    {
        // A protocol template whose table lost its bookmark.
        DocxInspect::Document original = readBack(programFile(PrintJobs::ProtocolTemplate));
        QByteArray xml = original.parts.value(QStringLiteral("word/document.xml"));
        xml.replace("w:name=\"а1\"", "w:name=\"другая\"");
        original.parts.insert(QStringLiteral("word/document.xml"), xml);
        QList<QPair<QString, QByteArray>> parts;
        for (auto it = original.parts.cbegin(); it != original.parts.cend(); ++it)
            parts << qMakePair(it.key(), it.value());
        QVERIFY(QFile::remove(programFile(PrintJobs::ProtocolTemplate)));
        QVERIFY(DocxInspect::writeZip(programFile(PrintJobs::ProtocolTemplate), parts));
        setJournal({{QStringLiteral("Первый"), QStringLiteral("2024-03-15")}});
        try {
            PrintJobs::printProtocol(db(), Today, folders());
            QFAIL("the job went on without its bookmark");
        } catch (const zorvek::Error& e) {
            QVERIFY2(e.message().contains(QStringLiteral("Печать протокола")), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("«а1»")), qPrintable(e.message()));
        }
        QCOMPARE(m_terminated, 0);
        QVERIFY(!QFile::exists(programFile(PrintJobs::ProtocolFile)));
    }

    void missingTemplateEndsTheProgram()
    {
        QVERIFY(QFile::remove(programFile(PrintJobs::JournalTemplate)));
        QVERIFY_THROWS_EXCEPTION(MyWord::Fatal, PrintJobs::printJournal(db(), folders()));
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("файл не найден")));
        QVERIFY(m_messages[0].contains(PrintJobs::JournalTemplate));
        QCOMPARE(m_messages[1], QStringLiteral("Продолжение работы невозможно"));
        QCOMPARE(m_terminated, 1);
        QVERIFY_THROWS_EXCEPTION(MyWord::Fatal,
                                 PrintJobs::copyDocument(folders(), PrintJobs::ManualFile, m_data->path()));
        QCOMPARE(m_terminated, 2);
    }

    void damagedTemplateEndsTheProgramNamingTheFault()
    {
        QFile f(programFile(PrintJobs::ProtocolTemplate));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("испорчен");
        f.close();
        QVERIFY_THROWS_EXCEPTION(MyWord::Fatal, PrintJobs::printProtocol(db(), Today, folders()));
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages[0].contains(QStringLiteral("zip")));
        QCOMPARE(m_terminated, 1);
    }

    void outputThatCannotBeWrittenGoesToTheDataFolderSayingWhy_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("cause");
        QTest::newRow("folder in the document's place") << "folder"
                                                        << "находится папка с тем же именем";
        QTest::newRow("document open in a word processor") << "lock"
                                                           << "открыт в текстовом процессоре";
        QTest::newRow("output folder missing") << "missing"
                                               << "нет";
    }

    void outputThatCannotBeWrittenGoesToTheDataFolderSayingWhy()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, cause);
        PrintJobs::Folders where = folders();
        const QString first = programFile(PrintJobs::ProtocolFile);
        QByteArray before;
        if (obstacle == QLatin1String("folder")) {
            QVERIFY(QDir(m_program->path()).mkdir(PrintJobs::ProtocolFile));
        } else if (obstacle == QLatin1String("lock")) {
            QFile open(first), lock(programFile(QStringLiteral(".~lock.Протокол.docx#")));
            QVERIFY(open.open(QIODevice::WriteOnly) && open.write("прежний протокол") > 0);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            open.close();
            before = fileChecksum(first);
        } else {
            where.output = m_program->filePath(QStringLiteral("нет такой"));
        }
        setJournal({{QStringLiteral("Первый"), QStringLiteral("2024-03-15")}});
        const PrintJobs::Output out = PrintJobs::printProtocol(db(), Today, where);
        QCOMPARE(out.path, m_data->filePath(PrintJobs::ProtocolFile));
        QVERIFY2(out.notice.contains(cause), qPrintable(out.notice));
        const QString place = obstacle == QLatin1String("missing") ? where.output : first;
        QVERIFY2(out.notice.contains(QDir::toNativeSeparators(place)), qPrintable(out.notice));
        QVERIFY(out.notice.contains(QStringLiteral("папке данных: «") + QDir::toNativeSeparators(out.path)));
        QCOMPARE(DocxInspect::column(readBack(out.path).tables.value(0), 1, 2), QStringList({"Первый", ""}));
        if (!before.isEmpty())
            QCOMPARE(fileChecksum(first), before);
    }

    void explicitOutputPath()
    {
        setJournal({{QStringLiteral("Первый"), QStringLiteral("2024-03-15")}});
        const QString target = m_data->filePath(QStringLiteral("мой протокол.docx"));
        QCOMPARE(PrintJobs::printProtocol(db(), Today, folders(), target).path, target);
        QVERIFY(!QFile::exists(programFile(PrintJobs::ProtocolFile)));
        try {
            PrintJobs::printProtocol(db(), Today, folders(), m_data->filePath("нет/x.docx"));
            QFAIL("a document was saved into a folder that is not there");
        } catch (const zorvek::Error& e) {
            QVERIFY2(e.message().contains(QStringLiteral("папки «") +
                                          QDir::toNativeSeparators(m_data->filePath("нет")) +
                                          QStringLiteral("» нет")),
                     qPrintable(e.message()));
        }
    }

    void categoryDocumentsListEveryQuestion()
    {
        for (int position = 0; position < 9; ++position) {
            const QString written =
                PrintJobs::printCategoryQuestions(*m_module, position, m_data->path(), folders()).path;
            QCOMPARE(written, programFile(PrintJobs::categoryDocumentFile(position)));
            m_module->connectCategoryBank(position, m_data->path());
            const QList<CategoryDocuments::Section> sections =
                CategoryDocuments::readBank(m_module->ADOConnection);
            int questions = 0, answers = 0, right = 0, pictures = 0;
            for (const auto& section : sections) {
                questions += section.questions.size();
                for (const auto& q : section.questions) {
                    answers += q.answers.size();
                    pictures += q.picture.isEmpty() ? 0 : 1;
                    for (const auto& a : q.answers)
                        right += a.flag.trimmed().startsWith(QStringLiteral("Верно")) ? 1 : 0;
                }
            }
            QVERIFY(questions > 0);
            const DocxInspect::Document doc = readBack(written);
            const QString xml = QString::fromUtf8(doc.parts.value(QStringLiteral("word/document.xml")));
            QCOMPARE(xml.count(QStringLiteral("<w:pStyle w:val=\"Question\"/>")), questions);
            QCOMPARE(xml.count(QStringLiteral("<w:pStyle w:val=\"Answer\"/>")), answers);
            QCOMPARE(xml.count(QStringLiteral(" — Верно</w:t>")), right);
            int media = 0;
            for (const QString& part : doc.parts.keys())
                media += part.startsWith(QStringLiteral("word/media/")) ? 1 : 0;
            QCOMPARE(media, pictures);
            const QString firstQuestion =
                sections.first().questions.first().text.section(QLatin1Char('\r'), 0, 0);
            QVERIFY(xml.contains(
                firstQuestion.toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\""))));
            QVERIFY(doc.parts.contains(QStringLiteral("word/styles.xml")));
        }
    }
};

QTEST_MAIN(TestPrintJobs)
#include "test_print_jobs.moc"
