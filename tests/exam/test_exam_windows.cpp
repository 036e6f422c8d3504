// A whole exam driven through the windows on the demo data, from registration to Журнал_All, and
// the windows' own rules: the silver mark, one answer per question, leaving, the detailed results.
#include "ExamTestSupport.h"
#include "TestDataFolder.h"

#include "app/Forms.h"
#include "core/Clock.h"
#include "data/Schema.h"
#include "exam/ExamModal.h"
#include "exam/ExamSequence.h"
#include "exam/TfrmBGD_Examenation.h"
#include "exam/TfrmResult.h"
#include "exam/TfrmResultAll.h"
#include "exam/flow/ExamFlow.h"
#include "ui/Messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <memory>

using namespace ExamTest;

class TestExamWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wholeExamThroughTheWindows();
    void chosenAnswerMarkAndOneAnswerPerQuestion();
    void leavingAfterNineOfTenShowsNoResults();
    void closingThroughTheFrameIsTheExitCommand();
    void detailedResultsFollowTheQuestionNumber();
    void detailedResultsHintStaysUntilTheNextClick();
    void registrationWithoutEarlierCheck();
    void cliLeavesTheSameJournalRowAsTheWindows();
    void reasonChangedAtResultsStageStillEntersOnce();
    void windowSystemCloseIsRefused();
    void cliRefusesWhatItCannotStore();

private:
    // Runs the exam sequence with the windows driven by the test: worker `code`, `answers` by
    // question order (1..3), leaving after `answerCount` answers (all when -1).
    void runExam(int code, const QString& reason, const QList<int>& answers, int answerCount = -1);
    void screenshot(QWidget* window, const QString& name);
    QVariantList lastJournalAllRow() const;

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<TfrmADODataModule> m_dm;
    std::unique_ptr<TfrmResult> m_result;
    std::unique_ptr<TfrmBGD_Examenation> m_exam;
    std::unique_ptr<TfrmResultAll> m_detail;
    QStringList m_messages;
    int m_resultShows = 0;
    int m_detailShows = 0;
    QList<int> m_chosen;   // the answers the examinee chose, in question order
    bool m_operatorAtResults = false;   // the results stage is shown for real, the operator at the keys
};

void TestExamWindows::init()
{
    Global::resetAll();
    Random::seed(77);
    m_folder = std::make_unique<TestDataFolder>();
    QVERIFY(m_folder->isValid());
    m_dm = std::make_unique<TfrmADODataModule>();
    m_dm->openMainDatabase(m_folder->path());
    m_result = std::make_unique<TfrmResult>();
    m_exam = std::make_unique<TfrmBGD_Examenation>();
    m_detail = std::make_unique<TfrmResultAll>();
    Forms::frmResult = m_result.get();
    Forms::frmBGD_Examenation = m_exam.get();
    Forms::frmResultAll = m_detail.get();
    m_messages.clear();
    m_resultShows = m_detailShows = 0;
    m_chosen.clear();
    m_operatorAtResults = false;
    Messages::setHook([this](const Messages::Message& m) {
        m_messages << m.text;
        return m.kind == Messages::Kind::Question ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

void TestExamWindows::cleanup()
{
    ExamModal::setRunner({});
    Messages::setHook({});
    Forms::frmResult = nullptr;
    Forms::frmBGD_Examenation = nullptr;
    Forms::frmResultAll = nullptr;
    m_detail.reset();
    m_exam.reset();
    m_result.reset();
    m_dm.reset();
    m_folder.reset();
}

void TestExamWindows::screenshot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("ZORVEK_SCREENS_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->resize(1280, 800);
    window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    if (QGuiApplication::platformName() == QLatin1String("xcb") && window == m_exam.get()) {
        // On a real X display (Xvfb) also a picture of the screen itself.
        const bool wasVisible = window->isVisible();
        window->move(0, 0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(400);
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                     dir + QLatin1Char('/') + name + QStringLiteral("-xvfb.png")});
        if (!wasVisible)
            window->hide();
    }
}

QVariantList TestExamWindows::lastJournalAllRow() const
{
    return rows(m_dm->ADOConnectionGlb, QStringLiteral("Select * From Журнал_All Where rowid = (Select Max(rowid) From Журнал_All)")).value(0);
}

void TestExamWindows::runExam(int code, const QString& reason, const QList<int>& answers, int answerCount)
{
    ExamModal::setRunner([=, this](QDialog* d) {
        if (d == m_result.get() && m_result->actFIO->isEnabled()) {
            ++m_resultShows;
            m_result->FormShow();
            QVERIFY(!m_result->actFIOPost->isEnabled());
            m_result->actFIOExecute();
            QVERIFY(m_result->DBGrid1->isVisibleTo(m_result.get()));
            QVERIFY(m_result->selectWorker(code));
            m_result->actFIOPostExecute();
            QVERIFY(!m_result->DBGrid1->isVisibleTo(m_result.get()));
            if (!reason.isEmpty()) {
                m_result->DBComboBox1->setCurrentText(reason);
                m_result->DBComboBox1Change();
            }
            screenshot(m_result.get(), QStringLiteral("exam-registration"));
            QVERIFY(m_result->actExamenationBegin->isEnabled());
            m_result->actExamenationBeginExecute();
        } else if (d == m_exam.get()) {
            m_exam->FormShow();
            QVERIFY(m_exam->Label6->text().startsWith(QStringLiteral("Категория специалиста - ")));
            const int total = answerCount < 0 ? m_exam->questionCount() : answerCount;
            for (int n = 1; n <= total; ++n) {
                QCOMPARE(m_exam->currentQuestion(), n);
                int a = answers.value(n - 1, 1);
                if (a == 3 && !m_exam->actAnswer3Examenation->isEnabled())
                    a = 1;   // a question with two answers
                m_chosen << a;
                if (n == 2 && QGuiApplication::platformName() == QLatin1String("xcb")
                    && !qEnvironmentVariableIsEmpty("ZORVEK_SCREENS_DIR")) {
                    m_exam->show();   // shown before the answer is marked, so the mark stays
                    QVERIFY(QTest::qWaitForWindowExposed(m_exam.get()));
                }
                if (a == 1)
                    m_exam->actAnswer1ExamenationExecute();
                else if (a == 2)
                    m_exam->actAnswer2ExamenationExecute();
                else
                    m_exam->actAnswer3ExamenationExecute();
                if (n == 2)
                    screenshot(m_exam.get(), QStringLiteral("exam-window"));
                m_exam->actPostExamenationExecute();
            }
            m_exam->actOutExamenationExecute();
        } else if (d == m_result.get() && m_operatorAtResults) {
            ++m_resultShows;
            QTimer::singleShot(0, m_result.get(), [this] {
                // The operator picks another reason and clicks "Начать экзамен" ...
                QTest::keyClick(m_result->DBComboBox1, Qt::Key_Up);   // "Первичная"
                m_result->actExamenationBegin->trigger();
                if (!m_result->isVisible())
                    return;   // the window was left without "Выход"
                // ... then grades and leaves as the window asks.
                m_result->actResultView->trigger();
                m_result->actExitResult->trigger();
                if (m_result->isVisible())
                    m_result->done(QDialog::Rejected);
            });
            m_result->exec();
        } else if (d == m_result.get()) {
            ++m_resultShows;
            m_result->FormShow();
            QVERIFY(m_result->actResultView->isEnabled());
            QVERIFY(!m_result->actExitResult->isEnabled());
            QVERIFY(!m_result->actExamenationOut->isEnabled());
            m_result->actResultViewExecute();
            QVERIFY(m_result->actDetail->isEnabled());
            QVERIFY(!m_result->actFIO->isEnabled());
            m_result->actDetailExecute();
            screenshot(m_result.get(), QStringLiteral("exam-results"));
            m_result->actExitResultExecute();
        } else if (d == m_detail.get()) {
            ++m_detailShows;
            m_detail->FormShow();
            screenshot(m_detail.get(), QStringLiteral("exam-detailed-results"));
            m_detail->actCloseDetailExecute();
        }
    });
    ExamSequence::run(nullptr, *m_dm, *m_result, *m_exam);
    QCOMPARE(Global::ExamCancelled, quint8(1));
}

void TestExamWindows::wholeExamThroughTheWindows()
{
    const int before = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    QList<int> answers;
    for (int n = 1; n <= 20; ++n)
        answers << 1 + n % 3;
    runExam(13, QStringLiteral("Первичная"), answers);   // a name with a double quote
    QVERIFY(m_messages.contains(QStringLiteral("Вы ответили на все вопросы экзаменатора")));
    QCOMPARE(m_resultShows, 2);
    QCOMPARE(m_detailShows, 1);
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
    const QVariantList journal = rows(m_dm->ADOConnectionGlb, QStringLiteral("Select * From Журнал")).value(0);
    QCOMPARE(lastJournalAllRow(), journal);
    const QStringList cols = Schema::journalColumns();
    QCOMPARE(journal.at(cols.indexOf(QStringLiteral("ФИО"))).toString(),
             Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Фамилия_Имя_Отчество From Персонал Where Код = 13")).toString());
    QCOMPARE(journal.at(cols.indexOf(QStringLiteral("Количество_вопросов"))).toInt(), 20);
    QCOMPARE(m_result->DBEdit8->text(), QStringLiteral("20"));
    QCOMPARE(m_result->DBEdit9->text().toInt() + m_result->DBEdit10->text().toInt(), 20);
    QVERIFY(!m_result->DBEdit5->text().isEmpty());
    // The answers went in as chosen, one per question.
    const auto recorded = rows(m_dm->ADOConnectionGlb, QStringLiteral("Select Номер_вопроса, Ответ_экзаменуемого From Ответы Order By Индекс"));
    QCOMPARE(recorded.size(), 20);
    for (int n = 1; n <= 20; ++n) {
        QCOMPARE(recorded.at(n - 1).at(0).toInt(), n);
        const QVariant expected = Db::scalar(m_dm->ADOConnection,
                                             QStringLiteral("Select Ответ_%1 From Вопросы_ответы Where Индекс = ?").arg(m_chosen.at(n - 1)), {n});
        QCOMPARE(recorded.at(n - 1).at(1).toString(), expected.isNull() ? QString() : expected.toString());
    }
}

void TestExamWindows::chosenAnswerMarkAndOneAnswerPerQuestion()
{
    ExamFlow flow(*m_dm);
    m_exam->setFlow(&flow);
    flow.start();
    flow.registerWorker(14);
    flow.setReason(QStringLiteral("Первичная"));
    flow.begin();
    QCOMPARE(flow.acceptRegistration(), QString());
    m_exam->ExamenationExe();
    m_exam->FormShow();
    QCOMPARE(m_exam->questionCount(), 10);
    QVERIFY(!m_exam->actPostExamenation->isEnabled());
    // The examinee at the keys: Ctrl+F2 marks answer 2, Ctrl+F3 answer 3 instead, Ctrl+Insert confirms.
    m_exam->show();
    m_exam->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_exam.get()));
    QTest::keyClick(m_exam.get(), Qt::Key_Insert, Qt::ControlModifier);   // nothing chosen yet
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 0);
    QTest::keyClick(m_exam.get(), Qt::Key_F2, Qt::ControlModifier);
    QCOMPARE(m_exam->DBMemo_Otvet2->palette().color(QPalette::Base), QColor(192, 192, 192));
    QTest::keyClick(m_exam.get(), Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(m_exam->DBMemo_Otvet3->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(m_exam->DBMemo_Otvet2->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(m_exam->actPostExamenation->isEnabled());
    QTest::keyClick(m_exam.get(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Ответ_экзаменуемого From Ответы")).toString(),
             Db::scalar(m_dm->ADOConnection, QStringLiteral("Select Coalesce(Ответ_3, '') From Вопросы_ответы Where Индекс = 1")).toString());
    QCOMPARE(m_exam->currentQuestion(), 2);
    QVERIFY(!m_exam->actPostExamenation->isEnabled());
    QCOMPARE(m_exam->DBMemo_Otvet3->palette().color(QPalette::Base), QColor(Qt::white));
    // Back to the answered question: it says so and takes no second answer.
    QCOMPARE(m_exam->LabelCount->text(), QStringLiteral("Отвечено 1 из 10"));
    m_exam->showQuestion(1);
    QCOMPARE(m_exam->LabelAnswered->text(), QStringLiteral("Ответ №3 подтверждён"));
    QCOMPARE(m_exam->DBMemo_Otvet3->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(m_exam->DBMemo_Otvet1->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(!m_exam->actAnswer1Examenation->isEnabled());
    m_exam->actAnswer1ExamenationExecute();
    m_exam->actPostExamenationExecute();
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 1);
    // Answering question 3 first, the next confirmation of 2 moves on to 4, then 10 wraps to 5.
    m_exam->showQuestion(3);
    m_exam->actAnswer1ExamenationExecute();
    m_exam->actPostExamenationExecute();
    QCOMPARE(m_exam->currentQuestion(), 4);
    m_exam->showQuestion(2);
    m_exam->actAnswer1ExamenationExecute();
    m_exam->actPostExamenationExecute();
    QCOMPARE(m_exam->currentQuestion(), 4);
    // The hint the examinee sees when the mouse rests on the question box.
    const QString hint = m_exam->questionHint();
    QVERIFY(hint.startsWith(QStringLiteral("Вопрос\r")));
    QVERIFY(hint.contains(QStringLiteral("----------------\rОтвет №2.\r")));
    QWidget* box = m_exam->DBMemo_Vopros->viewport();
    const QPoint at = box->rect().center();
    QHelpEvent rest(QEvent::ToolTip, at, box->mapToGlobal(at));
    QCoreApplication::sendEvent(box, &rest);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(m_exam->DBMemo_Otvet2->toPlainText().toHtmlEscaped().section(QLatin1Char('\n'), 0, 0)));
    QWidget* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QTipLabel"))
            tip = w;
    QVERIFY(tip);
    QCOMPARE(tip->palette().color(QPalette::ToolTipText), QColor(0, 0, 255));
    QCOMPARE(QFontInfo(tip->font()).pointSize(), 12);
    QToolTip::hideText();
    m_exam->hide();
    m_exam->setFlow(nullptr);
}

void TestExamWindows::leavingAfterNineOfTenShowsNoResults()
{
    const int before = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    runExam(14, QStringLiteral("Первичная"), {}, 9);
    QCOMPARE(m_resultShows, 1);
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before);
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 9);
}

void TestExamWindows::closingThroughTheFrameIsTheExitCommand()
{
    ExamFlow flow(*m_dm);
    m_exam->setFlow(&flow);
    flow.start();
    flow.registerWorker(14);
    flow.setReason(QStringLiteral("Первичная"));
    flow.begin();
    flow.acceptRegistration();
    m_exam->ExamenationExe();
    m_exam->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_exam.get()));
    m_exam->actAnswer1ExamenationExecute();
    m_exam->actPostExamenationExecute();
    m_exam->close();   // the frame's close button
    QVERIFY(!m_exam->isVisible());
    QCOMPARE(Global::ExamCancelled, quint8(1));   // incomplete: abandoned, no results
    QVERIFY(m_messages.last().contains(QStringLiteral("не на все вопросы")));
    m_exam->setFlow(nullptr);
}

void TestExamWindows::detailedResultsFollowTheQuestionNumber()
{
    ExamFlow flow(*m_dm);
    flow.start();
    flow.registerWorker(14);
    flow.setReason(QStringLiteral("Первичная"));
    flow.begin();
    flow.acceptRegistration();
    flow.prepare();
    for (int n = 10; n >= 1; --n)   // answered in reverse order
        flow.confirm(n, 1);
    m_detail->FormShow();
    QCOMPARE(m_detail->panels().size(), 10);
    const auto& panel = m_detail->panels().at(3);
    // Panels in question order, whatever order the answers came in.
    for (int i = 0; i < 10; ++i)
        QCOMPARE(m_detail->panels().at(i).DBText1->text(), QString::number(i + 1));
    QCOMPARE(panel.DBText1->text(), QStringLiteral("4"));
    const QString question4 = Db::scalar(m_dm->ADOConnection, QStringLiteral("Select Вопрос From Вопросы_ответы Where Индекс = 4")).toString();
    m_detail->DBMemo_VoprosMouseDown(3);
    const QString hint = m_detail->shownHint(3);
    QVERIFY(hint.startsWith(QStringLiteral("Вопрос\r") + question4 + QStringLiteral("Ответ №1\r")));
    QVERIFY(hint.endsWith(QString(35, QLatin1Char('-')) + QStringLiteral("  ")));
    m_detail->DBMemo_VoprosMouseDown(3);   // the second click hides it
    QVERIFY(m_detail->shownHint(3).isEmpty());
    m_detail->DBMemo_VoprosMouseDown(0);   // the third shows the clicked question's hint
    QVERIFY(m_detail->shownHint(0).contains(
        Db::scalar(m_dm->ADOConnection, QStringLiteral("Select Вопрос From Вопросы_ответы Where Индекс = 1")).toString()));
    m_detail->FormShow();   // reopened: the first click shows again
    m_detail->DBMemo_VoprosMouseDown(1);
    QVERIFY(!m_detail->shownHint(1).isEmpty());
}

void TestExamWindows::detailedResultsHintStaysUntilTheNextClick()
{
    ExamFlow flow(*m_dm);
    flow.start();
    flow.registerWorker(14);
    flow.setReason(QStringLiteral("Первичная"));
    flow.begin();
    flow.acceptRegistration();
    flow.prepare();
    for (int n = 1; n <= 10; ++n)
        flow.confirm(n, 1);
    QString longAnswer;
    for (int line = 1; line <= 12; ++line)
        longAnswer += QStringLiteral("Строка %1 выбранного ответа, достаточно длинная, чтобы переноситься.\r")
                          .arg(line);
    Db::exec(m_dm->ADOConnectionGlb,
             QStringLiteral("Update Ответы Set Ответ_экзаменуемого = ? Where Номер_вопроса = 2"),
             {longAnswer});
    m_detail->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_detail.get()));
    QTest::qWait(50);

    // The chosen answer is shown whole: its box needs no scrolling.
    const auto& second = m_detail->panels().at(1);
    QVERIFY(second.DBMemo_Otvet->toPlainText().contains(QStringLiteral("Строка 12")));
    QCOMPARE(second.DBMemo_Otvet->verticalScrollBar()->maximum(), 0);

    // A click shows the hint; it is still shown after the button is released and time passes.
    QWidget* question = m_detail->panels().at(0).DBMemo_Vopros->viewport();
    QTest::mouseClick(question, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::qWait(100);
    QVERIFY(m_detail->HintBox->isVisible());
    QVERIFY(m_detail->shownHint(0).startsWith(QStringLiteral("Вопрос\r")));
    QVERIFY(m_detail->HintBox->text().contains(QStringLiteral("Ответ №3")));
    QVERIFY(m_detail->rect().contains(m_detail->HintBox->geometry()));
    QTest::mouseMove(m_detail->panels().at(2).DBMemo_Vopros->viewport(), QPoint(10, 10));
    QTest::qWait(100);
    QVERIFY(m_detail->HintBox->isVisible());
    // The next click hides it.
    QTest::mouseClick(m_detail->panels().at(2).DBMemo_Vopros->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::qWait(50);
    QVERIFY(!m_detail->HintBox->isVisible());
    m_detail->actCloseDetailExecute();
}

void TestExamWindows::registrationWithoutEarlierCheck()
{
    ExamFlow flow(*m_dm);
    m_result->setFlow(&flow);
    flow.start();
    m_result->setRegistrationStage();
    m_result->FormShow();
    m_result->actFIOExecute();
    QVERIFY(m_result->selectWorker(4));
    m_result->actFIOPostExecute();
    QCOMPARE(m_result->DBEdit6->text(), QString());   // no 30.12.1899
    QVERIFY(!m_result->actExamenationBegin->isEnabled());
    QVERIFY(m_messages.last().contains(QStringLiteral("«Первичная»")));
    m_result->DBComboBox1->setCurrentText(QStringLiteral("Первичная"));
    m_result->DBComboBox1Change();
    QVERIFY(m_result->actExamenationBegin->isEnabled());
    // Leaving the registration: the exam is cancelled, nothing more is written.
    m_result->actExamenationOutExecute();
    QCOMPARE(Global::ExamCancelled, quint8(1));
    m_result->setFlow(nullptr);
}

void TestExamWindows::cliLeavesTheSameJournalRowAsTheWindows()
{
    // The same demo data in a second folder, examined by zorvek-cli with the same seed and answers.
    QTemporaryDir cliFolder;
    for (const QString& f : QDir(m_folder->path()).entryList(QDir::Files))
        QVERIFY(QFile::copy(m_folder->filePath(f), cliFolder.filePath(f)));
    QList<int> answers;
    QString answerFile;
    for (int n = 1; n <= 20; ++n) {
        answers << 1 + (n * 7) % 2;   // answers 1 and 2: every question has them
        answerFile += QString::number(answers.last()) + QLatin1Char('\n');
    }
    QFile file(cliFolder.filePath(QStringLiteral("answers.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(answerFile.toUtf8());
    file.close();

    Random::seed(99);
    runExam(11, QStringLiteral("Первичная"), answers);   // worker 11 has no earlier check
    const QVariantList windows = lastJournalAllRow();

    QProcess cli;
    cli.setWorkingDirectory(cliFolder.path());
    cli.start(QStringLiteral(ZORVEK_CLI), {QStringLiteral("exam"), QStringLiteral("--worker"), QStringLiteral("11"),
                                          QStringLiteral("--reason"), QStringLiteral("Первичная"), QStringLiteral("--seed"),
                                          QStringLiteral("99"), QStringLiteral("--answers"), file.fileName()});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    QCOMPARE(out.count(QStringLiteral("подтверждён ответ на вопрос")), 20);
    {
        TfrmADODataModule other;
        other.openMainDatabase(cliFolder.path() + QLatin1Char('/'));
        const QVariantList cliRow =
            rows(other.ADOConnectionGlb, QStringLiteral("Select * From Журнал_All Where rowid = (Select Max(rowid) From Журнал_All)")).value(0);
        // Both ran today; dates compare as they are.
        QCOMPARE(cliRow, windows);
    }
}

void TestExamWindows::reasonChangedAtResultsStageStillEntersOnce()
{
    const int before = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    m_operatorAtResults = true;
    runExam(1, QStringLiteral("Периодическая"), {});   // a worker checked before
    QCOMPARE(m_resultShows, 2);
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
    const QVariantList entered = lastJournalAllRow();
    QCOMPARE(entered, rows(m_dm->ADOConnectionGlb, QStringLiteral("Select * From Журнал")).value(0));
    QCOMPARE(entered.at(Schema::journalColumns().indexOf(QStringLiteral("Причина_проверки_знаний"))).toString(),
             QStringLiteral("Периодическая"));
    QVERIFY(!m_result->DBComboBox1->isEnabled());
    QVERIFY(!m_result->actExamenationBegin->isEnabled());
    QVERIFY(!m_result->actFIO->isEnabled() && !m_result->actExamenationOut->isEnabled());
    // Nothing is left for the next start to take up.
    ExamFlow next(*m_dm);
    QVERIFY(next.start().isEmpty());
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
}

void TestExamWindows::windowSystemCloseIsRefused()
{
    // Alt+F4 reaches a window as the window system's close request: the registration and result
    // window and the detailed results window refuse it and stay in their modal loops.
    auto refusesClose = [](QDialog* window) {
        bool stayed = false;
        QTimer::singleShot(0, window, [window, &stayed] {
            QCloseEvent close;
            QCoreApplication::sendEvent(window, &close);
            stayed = !close.isAccepted() && window->isVisible() && !window->close() && window->isVisible();
            window->done(QDialog::Rejected);
        });
        window->exec();
        return stayed;
    };
    ExamFlow flow(*m_dm);
    m_result->setFlow(&flow);
    flow.start();
    m_result->setRegistrationStage();
    QVERIFY(refusesClose(m_result.get()));
    flow.registerWorker(14);
    flow.setReason(QStringLiteral("Первичная"));
    flow.begin();
    QCOMPARE(flow.acceptRegistration(), QString());
    flow.prepare();
    for (int n = 1; n <= 10; ++n)
        flow.confirm(n, 1);
    m_result->setResultsStage();
    QVERIFY(refusesClose(m_result.get()));
    QVERIFY(refusesClose(m_detail.get()));
    m_result->setFlow(nullptr);
}

void TestExamWindows::cliRefusesWhatItCannotStore()
{
    auto cli = [&](const QStringList& args) {
        QProcess p;
        p.setWorkingDirectory(m_folder->path());
        p.start(QStringLiteral(ZORVEK_CLI), args);
        p.waitForFinished(60000);
        return std::pair{p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    };
    const int journal = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    const QStringList exam{QStringLiteral("exam"), QStringLiteral("--worker"), QStringLiteral("14"), QStringLiteral("--seed"),
                           QStringLiteral("5")};
    auto [code, err] = cli(exam + QStringList{QStringLiteral("--reason"), QStringLiteral("Плановая")});
    QCOMPARE(code, 1);
    QVERIFY2(err.contains(QStringLiteral("«Плановая»")) && err.contains(QStringLiteral("«Внеочередная»")), qPrintable(err));

    // Answer 3 to every question: the first two-answer question stops the exam before any answer.
    QFile answers(m_folder->filePath(QStringLiteral("threes.txt")));
    QVERIFY(answers.open(QIODevice::WriteOnly));
    answers.write(QByteArray("3\n").repeated(10));
    answers.close();
    std::tie(code, err) = cli(exam + QStringList{QStringLiteral("--reason"), QStringLiteral("Первичная"), QStringLiteral("--answers"),
                                                 answers.fileName()});
    QCOMPARE(code, 1);
    QVERIFY2(err.contains(QStringLiteral("два ответа")), qPrintable(err));
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 0);
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), journal);

    // An exam being answered, then graded but not entered: the draw leaves its tables alone.
    const QStringList draw{QStringLiteral("draw"), QStringLiteral("--category"), Dispatchers, QStringLiteral("--system"),
                           QStringLiteral("переменного тока")};
    ExamFlow flow(*m_dm);
    flow.start();
    flow.registerWorker(14);
    flow.setReason(QStringLiteral("Первичная"));
    flow.begin();
    QCOMPARE(flow.acceptRegistration(), QString());
    flow.prepare();
    flow.confirm(1, 1);
    const auto questions = rows(m_dm->ADOConnection, QStringLiteral("Select * From Вопросы_ответы"));
    std::tie(code, err) = cli(draw);
    QCOMPARE(code, 1);
    QVERIFY2(err.contains(QStringLiteral("идёт экзамен")) && err.contains(QStringLiteral("Морозов")), qPrintable(err));
    for (int n = 2; n <= 10; ++n)
        flow.confirm(n, 1);
    flow.grade();
    std::tie(code, err) = cli(draw);
    QCOMPARE(code, 1);
    QVERIFY2(err.contains(QStringLiteral("не записан")), qPrintable(err));
    QCOMPARE(rows(m_dm->ADOConnection, QStringLiteral("Select * From Вопросы_ответы")), questions);
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 10);
    flow.finish();
    QCOMPARE(cli(draw).first, 0);
}

QTEST_MAIN(TestExamWindows)
#include "test_exam_windows.moc"
