// Self-training window: the answer marks, the reset before every move and exit, the navigation
// availability, the question hint, routing of the page's own moves, opening failures, and that the
// bank file is never changed.
#include "ModeWindowFixture.h"
#include "core/question/QuestionHint.h"
#include "select/TfrmOpenBD.h"
#include "training/TfrmBGD_Samopodgotovka.h"
#include "ui/question/BoundWidgets.h"

#include <QAction>
#include <QDataWidgetMapper>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using Window = TfrmBGD_Samopodgotovka;

namespace {
enum class Look { Plain, Right, Wrong, Incomplete, Other };

Look lookOf(Window& w, int k)
{
    MemoBox* box = w.DBCtrlGrid1->answerBox(k);
    const QColor c = box->palette().color(QPalette::Text);
    const QFont f = box->font();
    if (c == QColor(0, 0, 0) && !f.bold() && !f.italic() && !f.underline() && !f.strikeOut() &&
        !w.DBCtrlGrid1->flagLabel(k)->isVisibleTo(&w) && !w.mark(k)->isVisibleTo(&w))
        return Look::Plain;
    if (c == Window::rightColor() && f.bold() && f.underline() && !f.italic() && !f.strikeOut())
        return Look::Right;
    if (f.bold() && f.italic() && f.strikeOut() && !f.underline()) {
        if (c == Window::wrongColor())
            return Look::Wrong;
        if (c == Window::incompleteColor())
            return Look::Incomplete;
    }
    return Look::Other;
}

bool allPlain(Window& w)
{
    return lookOf(w, 1) == Look::Plain && lookOf(w, 2) == Look::Plain && lookOf(w, 3) == Look::Plain;
}
} // namespace
Q_DECLARE_METATYPE(Look)

class TestTraining : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ModeWindowFixture> fx;
    std::unique_ptr<Window> w;

    void open(int position = 0, int section = 1)
    {
        fx->choose(position, section);
        w = std::make_unique<Window>();
        QVERIFY(w->FormShow());
    }
    void revealAll()
    {
        w->actAnswer1SamopodgotovkaExecute();
        w->actAnswer2SamopodgotovkaExecute();
        w->actAnswer3SamopodgotovkaExecute();
        QVERIFY(!allPlain(*w));
    }

private slots:
    void init() { fx = std::make_unique<ModeWindowFixture>(); }
    void cleanup()
    {
        w.reset();
        Forms::frmOpenBD = nullptr;
        fx.reset();
    }

    void answerLooks_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<Look>("look");
        QTest::newRow("Верно") << QStringLiteral("Верно") << Look::Right;
        QTest::newRow("Неверно") << QStringLiteral("Неверно") << Look::Wrong;
        QTest::newRow("leading blanks") << QStringLiteral("  Неверно") << Look::Wrong;
        QTest::newRow("НЕВЕРНО") << QStringLiteral("НЕВЕРНО") << Look::Right;
        QTest::newRow("Нет") << QStringLiteral("Нет") << Look::Wrong;
        QTest::newRow("Не верно") << QStringLiteral("Не верно") << Look::Wrong;
        QTest::newRow("incomplete") << QStringLiteral("Неверно, неполный ответ") << Look::Incomplete;
        QTest::newRow("Неполный") << QStringLiteral("Неверно (Неполный)") << Look::Wrong;
        QTest::newRow("right incomplete") << QStringLiteral("Верно, но неполный") << Look::Right;
    }
    void answerLooks()
    {
        QFETCH(QString, flag);
        QFETCH(Look, look);
        fx->onBank(0, QStringLiteral("Update Раздел_1 Set Верно_Неверно_2 = ? Where Индекс = 1"), {flag});
        open();
        QVERIFY(allPlain(*w));
        w->actAnswer2SamopodgotovkaExecute();
        QCOMPARE(lookOf(*w, 2), look);
        QCOMPARE(lookOf(*w, 1), Look::Plain);
        QVERIFY(w->DBText2->isVisibleTo(w.get()));
        QCOMPARE(w->DBText2->text(), flag);
        QCOMPARE(Global::Stroka, flag.trimmed().left(2));
        // The flag label takes the answer's colour and font, without the strike-out.
        const QFont lf = w->DBText2->font();
        QCOMPARE(w->DBText2->palette().color(QPalette::WindowText),
                 w->DBMemo_Otvet2->palette().color(QPalette::Text));
        QVERIFY(lf.bold());
        QVERIFY(!lf.strikeOut());
        QCOMPARE(lf.underline(), look == Look::Right);
        // The verdict also reads without its colour, in the mark beside the answer's header.
        QLabel* mark = w->Mark2;
        QVERIFY(mark->isVisibleTo(w.get()));
        QCOMPARE(mark->parentWidget(), w->DBCtrlGrid1->Panel3);
        const QString word = look == Look::Right ? QStringLiteral("✔ верно")
                             : look == Look::Wrong ? QStringLiteral("✘ неверно")
                                                   : QStringLiteral("◐ неполный");
        QVERIFY2(mark->text().startsWith(word), qPrintable(mark->text()));
        QCOMPARE(mark->palette().color(QPalette::WindowText), QColor(Qt::black));
        // Pressing again gives the same look.
        w->actAnswer2SamopodgotovkaExecute();
        QCOMPARE(lookOf(*w, 2), look);
    }

    void emptyThirdAnswerCountsAsRight()
    {
        fx->onBank(
            0, QStringLiteral("Update Раздел_1 Set Ответ_3 = NULL, Верно_Неверно_3 = NULL Where Индекс = 1"));
        open();
        w->actAnswer3SamopodgotovkaExecute();
        QCOMPARE(lookOf(*w, 3), Look::Right);
        QVERIFY(w->DBText3->text().isEmpty());
        QVERIFY(w->DBMemo_Otvet3->toPlainText().isEmpty());
    }

    void resetBeforeEveryMove()
    {
        open();
        using Cmd = void (Window::*)();
        const QList<Cmd> commands{&Window::acttNext1SamopodgotovkaExecute,
                                  &Window::actPrior1SamopodgotovkaExecute,
                                  &Window::actLast1SamopodgotovkaExecute,
                                  &Window::actFirst1SamopodgotovkaExecute, &Window::actFormatExecute};
        for (Cmd c : commands) {
            revealAll();
            (w.get()->*c)();
            QVERIFY(allPlain(*w));
        }
        // The question text is never restyled.
        QVERIFY(!w->DBMemo_Vopros->font().bold());
    }

    void pageMovesGoThroughTheCommands()
    {
        open();
        revealAll();
        QTest::keyClick(w->DBCtrlGrid1, Qt::Key_Down);
        QCOMPARE(w->DBCtrlGrid1->currentRow(), 1);
        QVERIFY(allPlain(*w));
        revealAll();
        QTest::keyClick(w->DBMemo_Otvet1, Qt::Key_End); // a read-only box passes the move on
        QCOMPARE(w->DBCtrlGrid1->currentRow(), w->DBCtrlGrid1->rowCount() - 1);
        QVERIFY(allPlain(*w));
        QVERIFY(!w->acttNext1Samopodgotovka->isEnabled());
        revealAll();
        w->DBCtrlGrid1->ScrollBar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(w->DBCtrlGrid1->currentRow(), w->DBCtrlGrid1->rowCount() - 2);
        QCOMPARE(w->DBCtrlGrid1->ScrollBar->value(), w->DBCtrlGrid1->currentRow());
        QVERIFY(allPlain(*w));
        revealAll();
        QTest::keyClick(w->DBCtrlGrid1, Qt::Key_Home);
        QCOMPARE(w->DBCtrlGrid1->currentRow(), 0);
        QVERIFY(allPlain(*w));
    }

    void navigationAvailability()
    {
        open();
        auto state = [&] {
            return QList<bool>{
                w->actFirst1Samopodgotovka->isEnabled(), w->actPrior1Samopodgotovka->isEnabled(),
                w->acttNext1Samopodgotovka->isEnabled(), w->actLast1Samopodgotovka->isEnabled()};
        };
        QCOMPARE(state(), (QList<bool>{true, true, true, true})); // fresh section: no mark
        w->actPrior1SamopodgotovkaExecute();                      // nothing earlier
        QCOMPARE(state(), (QList<bool>{false, false, true, true}));
        w->acttNext1SamopodgotovkaExecute();
        QCOMPARE(state(), (QList<bool>{true, true, true, true}));
        w->actFirst1SamopodgotovkaExecute();
        QCOMPARE(state(), (QList<bool>{false, false, true, true}));
        w->actLast1SamopodgotovkaExecute();
        QCOMPARE(state(), (QList<bool>{true, true, false, false}));
        QCOMPARE(w->DBEdit->text().toInt(), w->DBCtrlGrid1->rowCount());
        w->actPrior1SamopodgotovkaExecute();
        QCOMPARE(state(), (QList<bool>{true, true, true, true}));
    }

    void hintByteForByte()
    {
        fx->onBank(0,
                   QStringLiteral("Update Раздел_1 Set Вопрос = ?, Ответ_1 = ?, Ответ_2 = ?, Ответ_3 = NULL "
                                  "Where Индекс = 1"),
                   {QStringLiteral("Строка 1\rСтрока 2\r"), QStringLiteral("Да"), QStringLiteral("Нет\r")});
        open();
        w->DBMemo_VoprosMouseEnter();
        const QByteArray expected = QByteArrayLiteral("Вопрос\rСтрока 1\rСтрока 2\r----------------\r"
                                                      "Ответ №1.\rДа----------------\r"
                                                      "Ответ №2.\rНет\r----------------\r"
                                                      "Ответ №3.\r----------------\r");
        QCOMPARE(w->DBMemo_Vopros->property("hint").toString().toUtf8(), expected);
        QVERIFY(!w->DBMemo_Vopros->toolTip().isEmpty());
        w->DBMemo_VoprosMouseLeave();
        QVERIFY(w->DBMemo_Vopros->toolTip().isEmpty());
    }

    void showSetsTheStartState()
    {
        Global::PokazPodskazki = 0;
        open();
        QCOMPARE(Global::PokazPodskazki, quint8(1));
        QCOMPARE(w->Label1->text(), QStringLiteral("Вопрос №"));
        QCOMPARE(w->DBEdit->text(), QStringLiteral("1"));
        QVERIFY(w->DBMemo_Vopros->isReadOnly());
        revealAll();
        // A second showing, another section: no feedback left over, first question.
        fx->choose(0, 2);
        QVERIFY(w->FormShow());
        QVERIFY(allPlain(*w));
        QCOMPARE(w->DBCtrlGrid1->currentRow(), 0);
    }

    void exitsResetAndClose()
    {
        Forms::frmOpenBD = new TfrmOpenBD;
        std::unique_ptr<TfrmOpenBD> chooser(Forms::frmOpenBD);
        QSignalSpy chooserClosed(chooser.get(), &QDialog::rejected);
        open();
        QSignalSpy closed(w.get(), &QDialog::finished);
        revealAll();
        w->actFromRazdelSamopodgotovkaExecute();
        QVERIFY(allPlain(*w));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(chooserClosed.count(), 0);
        QVERIFY(w->FormShow());
        revealAll();
        w->actOutSamopodgotovkaExecute();
        QVERIFY(allPlain(*w));
        QCOMPARE(closed.count(), 2);
        QCOMPARE(chooserClosed.count(), 1);
        // The shared section table takes edits again for the other windows.
        QVERIFY(!fx->dm->ADOVoprosy_Otvety->isReadOnly());
    }

    void bankStaysByteIdentical()
    {
        const QByteArray before = fileChecksum(fx->bankPath(0));
        open();
        revealAll();
        QTest::keyClicks(w->DBEdit, QStringLiteral("77"));
        QTest::keyClicks(w->DBMemo_Vopros, QStringLiteral("abc"));
        QCOMPARE(w->DBEdit->text(), QStringLiteral("1"));
        w->DBCtrlGrid1->mapper()->submit();
        QVERIFY(!fx->dm->ADOVoprosy_Otvety->isDirty());
        w->acttNext1SamopodgotovkaExecute();
        w->actLast1SamopodgotovkaExecute();
        w->actFromRazdelSamopodgotovkaExecute();
        w.reset();
        QCOMPARE(fileChecksum(fx->bankPath(0)), before);
    }

    // The chooser's section command opens the window modally; leaving the mode ends both.
    void openedByTheChooser()
    {
        Global::RegimRaboty = Global::RegimSelfTraining;
        fx->choose(0, 1);
        auto chooser = std::make_unique<TfrmOpenBD>();
        Forms::frmOpenBD = chooser.get();
        w = std::make_unique<Window>(chooser.get());
        Forms::frmBGD_Samopodgotovka = w.get();
        QSignalSpy chooserClosed(chooser.get(), &QDialog::rejected);
        bool seen = false;
        QTimer::singleShot(0, w.get(), [&] {
            seen = w->isVisible() && w->Label6->isVisibleTo(w.get()) &&
                   w->Label6->text().endsWith(QStringLiteral("Раздел_1")) &&
                   w->DBEdit->text() == QStringLiteral("1");
            w->actAnswer1Samopodgotovka->trigger();
            w->actOutSamopodgotovka->trigger();
        });
        chooser->actRazdel1Execute();
        QVERIFY(seen);
        QVERIFY(!w->isVisible());
        QCOMPARE(chooserClosed.count(), 1);
        QVERIFY(allPlain(*w));
        Forms::frmBGD_Samopodgotovka = nullptr;
        w.reset();
    }

    void screenshot()
    {
        if (!ModeWindowFixture::screenshotsWanted())
            QSKIP("ZORVEK_SCREENS_DIR not set");
        open(0, 2);
        w->Label6->setText(Global::NameKategorii + QStringLiteral(";  ") + Global::NameRazdela);
        w->Label6->setVisible(true);
        w->acttNext1SamopodgotovkaExecute();
        // One right and one wrong answer revealed.
        int right = 0, wrong = 0;
        for (int k = 1; k <= 3; ++k) {
            const bool isRight =
                !w->DBCtrlGrid1->flagLabel(k)->text().trimmed().startsWith(QStringLiteral("Не"));
            if (isRight && !right)
                right = k;
            if (!isRight && !wrong)
                wrong = k;
        }
        QVERIFY(right && wrong);
        for (int k : {right, wrong})
            (k == 1   ? w->actAnswer1Samopodgotovka
             : k == 2 ? w->actAnswer2Samopodgotovka
                      : w->actAnswer3Samopodgotovka)
                ->trigger();
        ModeWindowFixture::shoot(w.get(), QStringLiteral("self-training"));
        w->actFromRazdelSamopodgotovkaExecute();
    }

    void sectionThatCannotBeOpenedKeepsTheWindowClosed()
    {
        fx->choose(0, 1);
        Global::NameRazdela = QStringLiteral("Раздел_10");
        w = std::make_unique<Window>();
        QCOMPARE(w->exec(), int(QDialog::Rejected));
        QVERIFY(!w->isVisible());
        QVERIFY(fx->saw(QStringLiteral("Раздел_10")));

        fx->messages.clear();
        fx->choose(0, 1);
        Global::NameKategorii = QStringLiteral("Нет такой категории");
        QVERIFY(!w->FormShow());
        QVERIFY(fx->saw(QStringLiteral("Нет такой категории")));

        fx->messages.clear();
        fx->choose(1, 1);
        QVERIFY(QFile::remove(fx->bankPath(1)));
        QVERIFY(!w->FormShow());
        QVERIFY(fx->saw(Categories::bankFileForPosition(1)));

        fx->messages.clear();
        Global::NameRazdela.clear();
        QVERIFY(!w->FormShow());
        QVERIFY(fx->saw(QStringLiteral("База данных не существует.")));
    }
};

QTEST_MAIN(TestTraining)
#include "test_training.moc"
