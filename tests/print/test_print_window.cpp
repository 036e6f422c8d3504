// The hidden print window: its menu items, the jobs they run, how the result is shown, and
// which failures end the program.
#include "DocxInspect.h"
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "core/Clock.h"
#include "core/Global.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "print/PrintHooks.h"
#include "print/PrintJobs.h"
#include "print/TfrmGurnal.h"
#include "ui/Messages.h"

#include <QAction>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

class TestPrintWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataFolder> m_data;
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<TfrmADODataModule> m_module;
    std::unique_ptr<TfrmGurnal> m_window;
    QStringList m_messages;
    QList<QUrl> m_opened;
    bool m_canOpen = true;
    int m_terminated = 0;

    void trigger(const char* item)
    {
        QAction* action = m_window->findChild<QAction*>(QString::fromLatin1(item));
        QVERIFY2(action, item);
        action->trigger();
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TestDataFolder>();
        QVERIFY(m_data->isValid());
        m_program = std::make_unique<QTemporaryDir>();
        for (const QString& name :
             {PrintJobs::ProtocolTemplate, PrintJobs::JournalTemplate, PrintJobs::ManualFile})
            QVERIFY(
                QFile::copy(QStringLiteral(ZORVEK_PRINT_TEMPLATE_DIR "/") + name, m_program->filePath(name)));
        Global::PathExe = m_program->path() + QLatin1Char('/');
        m_module = std::make_unique<TfrmADODataModule>();
        m_module->openMainDatabase(m_data->path());
        m_window = std::make_unique<TfrmGurnal>();
        m_messages.clear();
        m_opened.clear();
        m_canOpen = true;
        m_terminated = 0;
        Messages::setHook([this](const Messages::Message& m) {
            m_messages << m.text;
            return QMessageBox::Ok;
        });
        PrintHooks::setTerminate([this] { ++m_terminated; });
        TfrmGurnal::setOpenUrlHook([this](const QUrl& url) {
            m_opened << url;
            return m_canOpen;
        });
        Clock::setToday(QDate(2024, 3, 15));
    }

    void cleanup()
    {
        m_window.reset();
        m_module.reset();
        m_data.reset();
        Messages::setHook({});
        PrintHooks::setShowMessage({});
        PrintHooks::setTerminate({});
        TfrmGurnal::setOpenUrlHook({});
        Clock::setToday(QDate());
        Global::PathExe.clear();
    }

    void menuItemsAreNamedAndCaptioned()
    {
        const QList<QPair<QString, QString>> items = {
            {"N3", "Печать протокола"},
            {"Word1", "Загрузить Word"},
            {"N18", "Печать руководства по эксплуатации"},
            {"N4", "Печать вопросов Адм"},
            {"N5", "Печать вопросов Отв"},
            {"N6", "Выдающие наряд ЭЧЭ"},
            {"N7", "Допускающие ЭЧЭ"},
            {"N8", "Оперативно-ремонтный ЭЧЭ два"},
            {"N9", "Оперативно-ремонтный ЭЧЭ три"},
            {"N10", "Оперативно-ремонтный ЭЧЭ четыре"},
            {"N11", "Оперативно-ремонтный ЭЧЭ пять"},
            {"N19", "Печать вопросов для энергодиспетчеров"},
        };
        for (const auto& [name, caption] : items) {
            QAction* action = m_window->findChild<QAction*>(name);
            QVERIFY2(action, qPrintable(name));
            QCOMPARE(action->text(), caption);
        }
        QCOMPARE(m_window->objectName(), QStringLiteral("TfrmGurnal"));
        QVERIFY(!m_window->isVisible());
    }

    void protocolIsSavedAndOpened()
    {
        Db::exec(m_module->ADOConnectionGlb,
                 QStringLiteral("Insert Into Журнал_All (ФИО, Дата_проверки) Values (?, ?)"),
                 {QStringLiteral("Сегодняшний Экзаменуемый"), QStringLiteral("2024-03-15")});
        trigger("N3");
        QCOMPARE(m_messages, QStringList());
        const QString path = m_program->filePath(PrintJobs::ProtocolFile);
        QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(path)}));
        DocxInspect::Document doc;
        QVERIFY(DocxInspect::read(path, doc));
        QVERIFY(
            DocxInspect::column(doc.tables.value(0), 1).contains(QStringLiteral("Сегодняшний Экзаменуемый")));
    }

    void nothingToOpenTellsWhereTheFileIs()
    {
        m_canOpen = false;
        trigger("Word1");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(
            m_messages[0].contains(QDir::toNativeSeparators(m_program->filePath(PrintJobs::JournalFile))));
        QCOMPARE(m_terminated, 0);
    }

    void manualIsOpenedAsACopy()
    {
        const QString delivered = m_program->filePath(PrintJobs::ManualFile);
        const QByteArray before = fileChecksum(delivered);
        trigger("N18");
        trigger("N18");
        QCOMPARE(m_opened.size(), 2);
        QVERIFY(m_messages.isEmpty());
        const QString copy = m_opened[0].toLocalFile();
        QVERIFY(copy != delivered);
        QVERIFY(m_opened[1].toLocalFile() != copy); // a copy still open is not replaced
        QCOMPARE(QFileInfo(copy).fileName(), PrintJobs::ManualFile);
        DocxInspect::Document original, opened;
        QVERIFY(DocxInspect::read(delivered, original));
        QVERIFY(DocxInspect::read(copy, opened));
        const auto text = [](const DocxInspect::Document& d) {
            return QString::fromUtf8(d.parts.value(QStringLiteral("word/document.xml")))
                .remove(QRegularExpression(QStringLiteral("<[^>]*>|\\s")));
        };
        QVERIFY(text(original).size() > 1000);
        QCOMPARE(text(opened), text(original));
        // What the word processor saves goes into the copy.
        QFile edited(copy);
        QVERIFY(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
        edited.close();
        QCOMPARE(fileChecksum(delivered), before);
        QDir(QFileInfo(copy).absolutePath()).removeRecursively();
        QDir(QFileInfo(m_opened[1].toLocalFile()).absolutePath()).removeRecursively();
    }

    void categoryQuestionsAreMadeFromTheBankAsItIsNow()
    {
        // The bank of "Электромонтёры II группа" (N8) gets a question just before printing.
        m_module->connectCategoryBank(8, m_data->path());
        const QString question = QStringLiteral("Вопрос, добавленный только что?");
        Db::exec(m_module->ADOConnection,
                 QStringLiteral(
                     "Insert Into Раздел_2 (Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2) "
                     "Values (?, ?, ?, ?, ?)"),
                 {question, QStringLiteral("Да"), QStringLiteral("Верно"), QStringLiteral("Нет"),
                  QStringLiteral("Неверно")});
        trigger("N8");
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(QLatin1Char('\n'))));
        const QString made = m_program->filePath(QStringLiteral("Электромонтёры II группа.docx"));
        QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(made)}));
        DocxInspect::Document doc;
        QVERIFY(DocxInspect::read(made, doc));
        const QString xml = QString::fromUtf8(doc.parts.value(QStringLiteral("word/document.xml")));
        QVERIFY(xml.contains(question));
        QVERIFY(xml.contains(QStringLiteral("Составлено по банку вопросов категории 15.03.2024 в ")));
    }

    void unreadableBankEndsOnlyTheJob()
    {
        QVERIFY(QFile::remove(m_data->filePath(Categories::bankFileForPosition(8))));
        trigger("N8");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].startsWith(QStringLiteral("Печать вопросов не выполнена")),
                 qPrintable(m_messages[0]));
        QCOMPARE(m_terminated, 0);
        QVERIFY(m_opened.isEmpty());
    }

    void failedJobTellsAndTheProgramGoesOn()
    {
        Db::exec(m_module->ADOConnectionGlb, QStringLiteral("Drop Table Журнал_All"));
        trigger("N3");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].startsWith(QStringLiteral("Печать протокола не выполнена")),
                 qPrintable(m_messages[0]));
        QCOMPARE(m_terminated, 0);
        QVERIFY(m_opened.isEmpty());
        // The next job runs as usual.
        trigger("N18");
        QCOMPARE(m_opened.size(), 1);
    }
};

QTEST_MAIN(TestPrintWindow)
#include "test_print_window.moc"
