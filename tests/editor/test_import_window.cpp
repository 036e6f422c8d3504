// The main window's "Заполнение базы данных классификатора": password, chooser, file dialog,
// the messages, the caption, and the bank untouched whenever the command does not finish.
#include "TestDataFolder.h"
#include "app/Forms.h"
#include "app/TPasswordDlg.h"
#include "app/TfrmClassificatorZorvek.h"
#include "core/Categories.h"
#include "core/Global.h"
#include "core/import/QuestionFileWriter.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "select/TfrmOpenBD.h"
#include "training/TfrmBGD_Samopodgotovka.h"
#include "ui/Messages.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

const QString RightPassword = QStringLiteral("47750261938814");

QByteArray questions(int section, int count, bool cutLast = false)
{
    QString t = QStringLiteral("Заголовок\r\n");
    for (int i = 1; i <= count; ++i)
        t += QStringLiteral("%1.%2. Вопрос %2\r\nОтв.1. Да\r\nВерно\r\nОтв.2. Нет\r\nНеверно\r\n")
                 .arg(section)
                 .arg(i);
    if (cutLast)
        t += QStringLiteral("%1.99. Оборванный\r\nОтв.1. Да\r\nВерно\r\n").arg(section);
    return QuestionFile::encode(t);
}

} // namespace

class TestImportWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_data;
    TfrmClassificatorZorvek* w = nullptr;
    QList<Messages::Message> m_messages;
    bool m_chooserShown = false;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes; // to questions
    QList<QPointer<QTimer>> m_timers;

    // Runs `fn` as soon as `window` is shown (inside its modal loop).
    // A window that never shows leaves its timer to cleanup().
    void whenShown(QWidget* window, std::function<void()> fn)
    {
        auto* timer = new QTimer(this);
        m_timers << timer;
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [timer, window, fn] {
            if (!window->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            fn();
        });
        timer->start();
    }

    void answerPassword(const QString& text)
    {
        whenShown(Forms::PasswordDlg, [text] {
            Forms::PasswordDlg->Password->setText(text);
            Forms::PasswordDlg->OKBtnClick();
        });
    }

    // The chooser: picks the category at the 1-based position and section `section`
    // (0: leaves with "Выход" without a section), then leaves.
    void answerChooser(int position, int section)
    {
        whenShown(Forms::frmOpenBD, [this, position, section] {
            m_chooserShown = true;
            TfrmOpenBD* chooser = Forms::frmOpenBD;
            chooser->pickCategory(position);
            chooser->actDaleeExecute();
            if (section)
                chooser->razdel(section)->trigger();
            chooser->actExitExecute();
        });
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_data->filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return f.fileName();
    }

    QString bank(int position1) const
    {
        return m_data->filePath(Categories::bankFileForPosition(position1 - 1));
    }

    int count(Messages::Kind kind, const QString& text) const
    {
        int n = 0;
        for (const auto& m : m_messages)
            n += m.kind == kind && m.text.contains(text);
        return n;
    }

    void runImport() { w->action(QStringLiteral("actLoadText"))->trigger(); }

private slots:
    void init()
    {
        Global::resetAll();
        m_messages.clear();
        m_chooserShown = false;
        m_answer = QMessageBox::Yes;
        Messages::setHook([this](const Messages::Message& m) {
            m_messages << m;
            return m.kind == Messages::Kind::Question ? m_answer : QMessageBox::Ok;
        });
        TfrmOpenBD::autoDropDown = false;
        m_data = std::make_unique<TestDataFolder>();
        QVERIFY(m_data->isValid());
        w = Forms::createAll();
        w->FormCreate();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        for (const QPointer<QTimer>& t : std::as_const(m_timers))
            delete t.data();
        m_timers.clear();
        Forms::destroyAll();
        w = nullptr;
        m_data.reset();
        Messages::setHook({});
        FileDialogs::setNextFileName(QString());
    }

    void wrongPasswordDoesNothing()
    {
        const QByteArray before = fileChecksum(bank(2));
        answerPassword(QStringLiteral("123"));
        answerChooser(2, 3);
        runImport();
        QVERIFY(!m_chooserShown);
        QCOMPARE(fileChecksum(bank(2)), before);
    }

    void noSectionChosenChangesNothing()
    {
        Global::NameRazdela = QStringLiteral("Раздел_4"); // left by an earlier mode
        const QByteArray before = fileChecksum(bank(2));
        FileDialogs::setNextFileName(writeFile(QStringLiteral("f.txt"), questions(4, 3)));
        answerPassword(RightPassword);
        answerChooser(2, 0);
        runImport();
        QVERIFY(m_chooserShown);
        QCOMPARE(count(Messages::Kind::Information, QStringLiteral("Раздел базы данных не выбран")), 1);
        QCOMPARE(fileChecksum(bank(2)), before);
        QCOMPARE(Global::NameRazdela, QStringLiteral("Раздел_4"));
    }

    // The chooser says it picks the section a file fills, and what comes next; the section
    // command goes on to the file, also after a self-training run.
    void chooserLeadsToTheFile()
    {
        Global::RegimRaboty = Global::RegimSelfTraining;
        FileDialogs::setNextFileName(writeFile(QStringLiteral("раздел2.txt"), questions(2, 4)));
        answerPassword(RightPassword);
        QString modeLine, prompt, afterSection;
        whenShown(Forms::frmOpenBD, [&] {
            TfrmOpenBD* chooser = Forms::frmOpenBD;
            modeLine = chooser->Label4->text();
            chooser->pickCategory(3);
            prompt = chooser->Label5->text();
            chooser->actDaleeExecute();
            chooser->razdel(2)->trigger();
            afterSection = chooser->Label5->text();
        });
        runImport();
        QVERIFY2(!modeLine.contains(QStringLiteral("\"\"")), qPrintable(modeLine));
        QVERIFY(modeLine.contains(QStringLiteral("Заполнение базы данных классификатора")));
        QVERIFY(prompt.contains(QStringLiteral("файла вопросов")));
        QVERIFY2(afterSection.contains(QStringLiteral("№2")) && afterSection.contains(QStringLiteral("файла")), qPrintable(afterSection));
        QVERIFY(!Forms::frmBGD_Samopodgotovka->isVisible());
        QCOMPARE(count(Messages::Kind::Information, QStringLiteral("записано вопросов: 4")), 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Классификатор ЗОРВЕК"));
        // Outside the import the chooser speaks of the mode again.
        Global::RegimRaboty = Global::RegimView;
        whenShown(Forms::frmOpenBD, [&] {
            modeLine = Forms::frmOpenBD->Label4->text();
            Forms::frmOpenBD->actExitExecute();
        });
        w->action(QStringLiteral("actViewExe"))->trigger();
        QVERIFY(modeLine.endsWith(QStringLiteral("\"Просмотр\"")));
    }

    void cancelledFileDialogChangesNothing()
    {
        const QByteArray before = fileChecksum(bank(2));
        FileDialogs::setNextFileName(QString());
        answerPassword(RightPassword);
        answerChooser(2, 3);
        runImport();
        QVERIFY(m_chooserShown);
        QCOMPARE(fileChecksum(bank(2)), before);
        QVERIFY(m_messages.isEmpty());
    }

    void unreadableFileChangesNothing()
    {
        const QByteArray before = fileChecksum(bank(2));
        FileDialogs::setNextFileName(m_data->filePath(QStringLiteral("нет такого.txt")));
        answerPassword(RightPassword);
        answerChooser(2, 3);
        runImport();
        QCOMPARE(count(Messages::Kind::Error, QStringLiteral("не найден")), 1);
        QCOMPARE(fileChecksum(bank(2)), before);
    }

    void fillsTheChosenCategorysSection()
    {
        // Another category's bank is open, as a mode window left it.
        Forms::frmADODataModule->connectCategoryBank(0, m_data->path());
        const QByteArray firstBank = fileChecksum(bank(1));
        FileDialogs::setNextFileName(writeFile(QStringLiteral("раздел3.txt"), questions(3, 7, true)));
        answerPassword(RightPassword);
        answerChooser(4, 3);
        runImport();

        QCOMPARE(count(Messages::Kind::Warning, QStringLiteral("Ошибка превышения границ")), 1);
        // The section's picture is not in the file: asked first.
        QCOMPARE(count(Messages::Kind::Question, QStringLiteral("В разделе «Раздел_3» сейчас 1 рисунок")), 1);
        QCOMPARE(count(Messages::Kind::Information, QStringLiteral("записано вопросов: 7")), 1);
        QCOMPARE(count(Messages::Kind::Information, QStringLiteral("Файл прочитан в кодировке Windows-1251")),
                 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Классификатор ЗОРВЕК"));
        QCOMPARE(fileChecksum(bank(1)), firstBank);
        const QSqlDatabase& db = Forms::frmADODataModule->ADOConnection;
        QCOMPARE(db.databaseName(), bank(4));
        QCOMPARE(Db::scalar(db, QStringLiteral("Select Count(*) From Раздел_3")).toInt(), 7);
        QCOMPARE(Db::scalar(db, QStringLiteral("Select Вопрос From Раздел_3 Where Индекс = 7")).toString(),
                 QStringLiteral("7. Вопрос 7\r"));
    }

    void pictureLossDeclinedChangesNothing()
    {
        m_answer = QMessageBox::No;
        const QByteArray before = fileChecksum(bank(2));
        FileDialogs::setNextFileName(writeFile(QStringLiteral("р9.txt"), questions(9, 2)));
        answerPassword(RightPassword);
        answerChooser(2, 9);
        runImport();
        QCOMPARE(count(Messages::Kind::Question, QStringLiteral("1 рисунок")), 1);
        QCOMPARE(count(Messages::Kind::Information, QStringLiteral("Заполнение отменено")), 1);
        QCOMPARE(fileChecksum(bank(2)), before);
    }

    void nothingStoredSaysWhy()
    {
        // The file's only question is cut short: the note names it, and the lines do begin with «3.».
        const QByteArray before = fileChecksum(bank(2));
        FileDialogs::setNextFileName(
            writeFile(QStringLiteral("обрыв.txt"),
                      QuestionFile::encode(QStringLiteral("T\r\n3.1. Вопрос\r\nОтв.1. Да\r\n"
                                                          "Верно\r\nОтв.2. Нет\r\n"))));
        answerPassword(RightPassword);
        answerChooser(2, 3);
        runImport();
        QCOMPARE(
            count(Messages::Kind::Warning,
                  QStringLiteral("Вопрос, начатый в строке 2, оборван концом файла и не записан: у второго "
                                 "ответа нет строки отметки")),
            1);
        QCOMPARE(count(Messages::Kind::Warning, QStringLiteral("Ни одна строка файла не начинается")), 0);
        QCOMPARE(fileChecksum(bank(2)), before);
    }

    void utf8WithoutByteOrderMarkIsReadAsUtf8()
    {
        FileDialogs::setNextFileName(writeFile(
            QStringLiteral("utf8.txt"),
            QStringLiteral(
                "Заголовок\r\n1.1. Вопрос «ёмкость»\r\nОтв.1. Да\r\nВерно\r\nОтв.2. Нет\r\nНеверно\r\n")
                .toUtf8()));
        answerPassword(RightPassword);
        answerChooser(2, 1);
        runImport();
        QCOMPARE(count(Messages::Kind::Warning, QStringLiteral("Ошибка превышения границ")), 0);
        QCOMPARE(count(Messages::Kind::Information, QStringLiteral("Файл прочитан в кодировке UTF-8")), 1);
        const QSqlDatabase& db = Forms::frmADODataModule->ADOConnection;
        QCOMPARE(Db::scalar(db, QStringLiteral("Select Вопрос From Раздел_1 Where Индекс = 1")).toString(),
                 QStringLiteral("1. Вопрос «ёмкость»\r"));
    }

    void fileWithoutQuestionsChangesNothing()
    {
        const QByteArray before = fileChecksum(bank(5));
        FileDialogs::setNextFileName(writeFile(QStringLiteral("чужой.txt"), questions(2, 3)));
        answerPassword(RightPassword);
        answerChooser(5, 6);
        runImport();
        QCOMPARE(count(Messages::Kind::Warning, QStringLiteral("не найдено ни одного вопроса")), 1);
        QCOMPARE(fileChecksum(bank(5)), before);
    }
};

QTEST_MAIN(TestImportWindow)
#include "test_import_window.moc"
