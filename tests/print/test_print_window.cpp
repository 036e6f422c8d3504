// The hidden print window: its menu items, the jobs they run, how the result is shown, and
// which failures end the program.
#include "DocxInspect.h"
#include "TestDataFolder.h"
#include "core/Clock.h"
#include "core/Global.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "print/PrintHooks.h"
#include "print/PrintJobs.h"
#include "print/TfrmGurnal.h"
#include "ui/Messages.h"

#include <QAction>
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

    void manualIsOpenedAsItIs()
    {
        const QByteArray before = fileChecksum(m_program->filePath(PrintJobs::ManualFile));
        trigger("N18");
        QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(m_program->filePath(PrintJobs::ManualFile))}));
        QCOMPARE(fileChecksum(m_program->filePath(PrintJobs::ManualFile)), before);
        QVERIFY(m_messages.isEmpty());
    }

    void missingCategoryDocumentEndsTheProgram()
    {
        trigger("N8");
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("файл не найден")));
        QVERIFY(m_messages[0].contains(QStringLiteral("Электромонтёры II группа.docx")));
        QCOMPARE(m_messages[1], QStringLiteral("Продолжение работы невозможно"));
        QCOMPARE(m_terminated, 1);
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
