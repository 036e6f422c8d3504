// Viewer: flags always shown in the dark-red look, navigation, exits, hint, routed page moves and
// an untouched bank file.
#include "../training/ModeWindowFixture.h"
#include "select/TfrmOpenBD.h"
#include "ui/question/BoundWidgets.h"
#include "view/TfrmBGD_View.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestView : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ModeWindowFixture> fx;
    std::unique_ptr<TfrmBGD_View> w;

    void open(int position = 0, int section = 1)
    {
        fx->choose(position, section);
        w = std::make_unique<TfrmBGD_View>();
        QVERIFY(w->FormShow());
    }
    void checkLook()
    {
        for (FlagLabel* flag : {w->DBText1, w->DBText2, w->DBText3})
            QVERIFY(flag->isVisibleTo(w.get()));
        for (MemoBox* memo : w->DBCtrlGrid1->textBoxes()) {
            QCOMPARE(memo->palette().color(QPalette::Base), QColor(128, 0, 0));
            QCOMPARE(memo->palette().color(QPalette::Text), QColor(Qt::white));
            QCOMPARE(memo->font().pixelSize(), 17);
            QVERIFY(memo->isReadOnly());
        }
        QCOMPARE(w->DBText1->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(w->Label6->palette().color(QPalette::Window), QColor(166, 202, 240));
        // Where the question and its first answer come from, beside the number and the answer.
        QuestionPage* page = w->DBCtrlGrid1;
        QVERIFY(page->QuestionTip->isVisibleTo(w.get()) && page->AnswerTip->isVisibleTo(w.get()));
        QVERIFY(page->QuestionTip->toolTip().contains(QStringLiteral("На основании каких документов")));
        QVERIFY(page->AnswerTip->toolTip().contains(QStringLiteral("Ответ №1")));
        QCOMPARE(page->AnswerTip->parentWidget(), page->Panel2);
    }

private slots:
    void init() { fx = std::make_unique<ModeWindowFixture>(); }
    void cleanup()
    {
        w.reset();
        Forms::frmOpenBD = nullptr;
        fx.reset();
    }

    void flagsShownWithTheQuestion()
    {
        fx->onBank(
            0, QStringLiteral("Update Раздел_1 Set Ответ_3 = NULL, Верно_Неверно_3 = NULL Where Индекс = 2"));
        open();
        checkLook();
        QCOMPARE(w->Label1->text(), QStringLiteral("Вопрос №"));
        const QString flag1 =
            fx->onBank(0, QStringLiteral("Select Верно_Неверно_1 From Раздел_1 Where Индекс = 1")).toString();
        QCOMPARE(w->DBText1->text(), flag1);
        w->acttNextViewExecute();
        QCOMPARE(w->DBEdit->text(), QStringLiteral("2"));
        QVERIFY(w->DBText3->text().isEmpty());
        QVERIFY(w->DBMemo_Otvet3->toPlainText().isEmpty());
        QVERIFY(w->DBText3->isVisibleTo(w.get()));
    }

    void navigationAndAvailability()
    {
        open();
        w->actLastViewExecute();
        QCOMPARE(w->DBCtrlGrid1->currentRow(), w->DBCtrlGrid1->rowCount() - 1);
        QVERIFY(!w->acttNextView->isEnabled() && !w->actLastView->isEnabled());
        QVERIFY(w->actFirstView->isEnabled());
        w->actFirstViewExecute();
        QCOMPARE(w->DBCtrlGrid1->currentRow(), 0);
        QVERIFY(!w->actFirstView->isEnabled() && !w->actPriorView->isEnabled());
        QTest::keyClick(w->DBCtrlGrid1, Qt::Key_PageDown);
        QCOMPARE(w->DBCtrlGrid1->currentRow(), 1);
        QVERIFY(w->actFirstView->isEnabled());
        w->DBCtrlGrid1->ScrollBar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(w->DBCtrlGrid1->currentRow(), w->DBCtrlGrid1->rowCount() - 1);
        QVERIFY(!w->actLastView->isEnabled());
    }

    void exitsAndReturn()
    {
        Forms::frmOpenBD = new TfrmOpenBD;
        std::unique_ptr<TfrmOpenBD> chooser(Forms::frmOpenBD);
        QSignalSpy chooserClosed(chooser.get(), &QDialog::rejected);
        open();
        QSignalSpy closed(w.get(), &QDialog::finished);
        w->actLastViewExecute();
        w->actFromRazdelViewExecute();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(chooserClosed.count(), 0);
        // Another section opens on its first question.
        fx->choose(0, 3);
        QVERIFY(w->FormShow());
        QCOMPARE(w->DBCtrlGrid1->currentRow(), 0);
        w->actOutViewExecute();
        QCOMPARE(closed.count(), 2);
        QCOMPARE(chooserClosed.count(), 1);
        // A later return to view mode: the same look, flags shown.
        QVERIFY(w->FormShow());
        checkLook();
    }

    void hintListsQuestionAndAnswersWithoutFlags()
    {
        open();
        w->DBMemo_VoprosMouseEnter();
        const QString hint = w->DBMemo_Vopros->property("hint").toString();
        QVERIFY(hint.startsWith(QStringLiteral("Вопрос\r")));
        QVERIFY(hint.contains(QStringLiteral("\rОтвет №1.\r")));
        QVERIFY(hint.contains(QStringLiteral("\rОтвет №3.\r")));
        QVERIFY(!hint.contains(QLatin1Char('\n')));
        QVERIFY(!hint.contains(QStringLiteral("Верно")));
    }

    void bankStaysByteIdentical()
    {
        const QByteArray before = fileChecksum(fx->bankPath(0));
        open();
        QTest::keyClicks(w->DBEdit, QStringLiteral("5"));
        QTest::keyClicks(w->DBMemo_Otvet1, QStringLiteral("x"));
        w->acttNextViewExecute();
        w->actLastViewExecute();
        w->actOutViewExecute();
        w.reset();
        QCOMPARE(fileChecksum(fx->bankPath(0)), before);
    }

    void screenshot()
    {
        if (!ModeWindowFixture::screenshotsWanted())
            QSKIP("ZORVEK_SCREENS_DIR not set");
        open(5, 3);
        w->Label6->setText(Global::NameKategorii + QStringLiteral(";  ") + Global::NameRazdela);
        w->Label6->setVisible(true);
        w->acttNextViewExecute();
        ModeWindowFixture::shoot(w.get(), QStringLiteral("viewer"));
        w->actFromRazdelViewExecute();
    }

    void missingSectionTableKeepsTheViewerClosed()
    {
        fx->onBank(2, QStringLiteral("DROP TABLE Раздел_4"));
        fx->choose(2, 4);
        w = std::make_unique<TfrmBGD_View>();
        QCOMPARE(w->exec(), int(QDialog::Rejected));
        QVERIFY(fx->saw(QStringLiteral("Раздел_4")));
    }
};

QTEST_MAIN(TestView)
#include "test_view.moc"
