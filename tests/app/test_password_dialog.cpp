// The password dialog: only the exact password typed at this showing passes; the box is empty at
// every showing and its old text cannot be brought back.
#include "app/TPasswordDlg.h"
#include "core/Global.h"
#include "ui/Messages.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

class TestPasswordDialog : public QObject
{
    Q_OBJECT

    QList<Messages::Message> m_messages;
    TPasswordDlg* m_dlg = nullptr;

    // Shows the dialog modally; `whileShown` runs inside the showing.
    int runDialog(const std::function<void()>& whileShown)
    {
        QTimer::singleShot(0, m_dlg, [this, whileShown] {
            QVERIFY(m_dlg->isVisible());
            whileShown();
            if (m_dlg->isVisible())
                m_dlg->reject(); // never leave the test hanging
        });
        return m_dlg->exec();
    }

    void typeAndPressOk(const QString& text)
    {
        runDialog([this, text] {
            QVERIFY2(m_dlg->Password->text().isEmpty(), "the box must start empty");
            QTest::keyClicks(m_dlg->Password, text);
            m_dlg->OKBtnClick();
        });
    }

private slots:
    void init()
    {
        Global::resetAll();
        m_messages.clear();
        Messages::setHook([this](const Messages::Message& m) {
            m_messages << m;
            return QMessageBox::Ok;
        });
        m_dlg = new TPasswordDlg;
    }
    void cleanup()
    {
        delete m_dlg;
        Messages::setHook({});
    }

    void layout()
    {
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Окно ввода пароля"));
        // The notice wraps at the dialog's width and the dialog ends just below it.
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg));
        QLabel* notice = m_dlg->Label2;
        QCOMPARE(m_dlg->width(), 491);
        QVERIFY(notice->text().contains(QStringLiteral("поставляемом в соответствующее подразделение.")));
        QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
        QVERIFY(notice->geometry().bottom() < m_dlg->height());
        QVERIFY(m_dlg->height() - notice->geometry().bottom() < m_dlg->height() / 6);
        m_dlg->hide();
        QCOMPARE(m_dlg->Password->echoMode(), QLineEdit::Password);
        QVERIFY(m_dlg->OKBtn->isDefault());
        QCOMPARE(m_dlg->findChild<QAction*>(QStringLiteral("N1"))->text(),
                 QStringLiteral("Стереть пароль в окне ввода"));
    }

    void rightPasswordPasses()
    {
        typeAndPressOk(QStringLiteral("47750261938814"));
        QCOMPARE(Global::ParolVveden, quint8(1));
        QVERIFY(m_messages.isEmpty());
    }

    void wrongInputsLeaveZero_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("wrong") << QStringLiteral("12345");
        QTest::newRow("empty box") << QString();
        QTest::newRow("trailing blank") << QStringLiteral("47750261938814 ");
        QTest::newRow("leading blank") << QStringLiteral(" 47750261938814");
        QTest::newRow("one digit short") << QStringLiteral("4775026193881");
    }
    void wrongInputsLeaveZero()
    {
        QFETCH(QString, typed);
        Global::ParolVveden = 1; // a pass of an earlier showing counts for nothing
        typeAndPressOk(typed);
        QCOMPARE(Global::ParolVveden, quint8(0));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().text, QStringLiteral("Не верный пароль"));
    }

    void cancelAndCloseLeaveZero()
    {
        typeAndPressOk(QStringLiteral("47750261938814"));
        QCOMPARE(Global::ParolVveden, quint8(1));
        // The right password typed, then Cancel.
        runDialog([this] {
            QTest::keyClicks(m_dlg->Password, QStringLiteral("47750261938814"));
            m_dlg->CancelBtnClick();
        });
        QCOMPARE(Global::ParolVveden, quint8(0));

        // Esc.
        Global::ParolVveden = 1;
        runDialog([this] {
            QTest::keyClicks(m_dlg->Password, QStringLiteral("47750261938814"));
            QTest::keyClick(m_dlg->Password, Qt::Key_Escape);
        });
        QCOMPARE(Global::ParolVveden, quint8(0));
        QVERIFY(m_messages.isEmpty());
    }

    void boxEmptyAtEveryShowingWithoutUndo()
    {
        typeAndPressOk(QStringLiteral("47750261938814"));
        // Cleared as soon as the dialog closed, not only at the next showing.
        QVERIFY(m_dlg->Password->text().isEmpty());
        QVERIFY(!m_dlg->Password->isUndoAvailable());
        runDialog([this] {
            QVERIFY(m_dlg->Password->text().isEmpty());
            QVERIFY(!m_dlg->Password->isUndoAvailable());
            // Ctrl+Z brings nothing back either.
            QTest::keyClick(m_dlg->Password, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(m_dlg->Password->text().isEmpty());
            m_dlg->OKBtnClick();
        });
        QCOMPARE(Global::ParolVveden, quint8(0));
        // After a Cancel too.
        runDialog([this] {
            QTest::keyClicks(m_dlg->Password, QStringLiteral("4775"));
            m_dlg->CancelBtnClick();
        });
        QVERIFY(m_dlg->Password->text().isEmpty());
        QVERIFY(!m_dlg->Password->isUndoAvailable());
    }

    void contextItemErasesTheBox()
    {
        runDialog([this] {
            QTest::keyClicks(m_dlg->Password, QStringLiteral("4775"));
            m_dlg->N1->trigger();
            QVERIFY(m_dlg->Password->text().isEmpty());
            QVERIFY(!m_dlg->Password->isUndoAvailable());
            m_dlg->CancelBtnClick();
        });
    }

    void windowSystemCloseIsRefused()
    {
        // Alt+F4 reaches the dialog as the window system's close request: it is refused, the
        // dialog stays in its modal loop, and the password typed counts for nothing until OK.
        Global::ParolVveden = 1;
        bool stayed = false;
        const int result = runDialog([this, &stayed] {
            QTest::keyClicks(m_dlg->Password, QStringLiteral("47750261938814"));
            QCloseEvent close;
            QCoreApplication::sendEvent(m_dlg, &close);
            QVERIFY(!close.isAccepted());
            QVERIFY(!m_dlg->close());
            stayed = m_dlg->isVisible();
            QCOMPARE(Global::ParolVveden, quint8(0));
            m_dlg->OKBtnClick();
        });
        QVERIFY(stayed);
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(Global::ParolVveden, quint8(1));
        QVERIFY(!(m_dlg->windowFlags() & Qt::WindowCloseButtonHint));
    }
};

QTEST_MAIN(TestPasswordDialog)
#include "test_password_dialog.moc"
