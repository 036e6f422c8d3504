// Every window on a 1366 × 768 desktop: the windows are driven as a user opens them, with the
// longest category name of the demo data, and each must lie inside the work area with room for
// its title bar, its layout not squeezed, and the parts that matter wholly inside it.
#include "TestDataFolder.h"
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/Startup.h"
#include "app/TPasswordDlg.h"
#include "app/TfrmClassificatorZorvek.h"
#include "core/Global.h"
#include "editor/TfrmBGD_Editor.h"
#include "exam/TfrmBGD_Examenation.h"
#include "exam/TfrmResult.h"
#include "exam/TfrmResultAll.h"
#include "select/TfrmOpenBD.h"
#include "training/TfrmBGD_Samopodgotovka.h"
#include "ui/Messages.h"
#include "ui/question/BoundWidgets.h"
#include "ui/question/QuestionPage.h"
#include "ui/ribbon/Ribbon.h"
#include "ui/ribbon/RibbonPage.h"
#include "view/TfrmBGD_View.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

namespace {
// A title bar as the usual desktops draw it, above the window's client area and borders.
constexpr int TitleBar = 30;
const QString AdminCategory = QStringLiteral(
    "Административно технический персонал - ответственные за электрохозяйство и работники их замещающие");
} // namespace

class TestWindowFit : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_data;
    TfrmClassificatorZorvek* w = nullptr;
    QList<QPointer<QTimer>> m_timers;
    QStringList m_messages;
    QStringList m_failures;

    // Inside a modal window's loop a failed check is noted and the window still closed.
    void check(bool ok, const QString& what)
    {
        if (!ok)
            m_failures << what;
    }

    // Runs `fn` once `window` is shown (inside its modal loop).
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
    void answerPassword()
    {
        whenShown(Forms::PasswordDlg, [] {
            Forms::PasswordDlg->Password->setText(TPasswordDlg::StaffPassword);
            Forms::PasswordDlg->OKBtnClick();
        });
    }
    void trigger(QWidget* owner, const char* name)
    {
        owner->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }

    // The window, framed and with its title bar, inside the work area; its layout gets at least
    // the room it asks for; every part named lies wholly inside the window and is shown.
    static bool fits(QWidget* window, const QList<QWidget*>& parts = {})
    {
        QCoreApplication::processEvents();
        const QRect area = window->screen()->availableGeometry();
        const QRect outer = window->frameGeometry().adjusted(0, -TitleBar, 0, 0);
        const QString name = window->objectName();
        // A maximised window is the window system's to fit to the work area.
        if (!window->isMaximized() && !area.contains(outer)) {
            qWarning("%s: %d,%d %dx%d outside the work area %dx%d", qPrintable(name), outer.x(), outer.y(),
                     outer.width(), outer.height(), area.width(), area.height());
            return false;
        }
        const QSize wanted = window->minimumSizeHint();
        if (wanted.width() > window->width() || wanted.height() > window->height()) {
            qWarning("%s: squeezed, %dx%d for a layout of %dx%d", qPrintable(name), window->width(),
                     window->height(), wanted.width(), wanted.height());
            return false;
        }
        for (QWidget* part : parts) {
            const QRect r(part->mapTo(window, QPoint()), part->size());
            if (!part->isVisibleTo(window) || !window->rect().contains(r)) {
                qWarning("%s: %s at %d,%d %dx%d not inside %dx%d", qPrintable(name),
                         qPrintable(part->objectName()), r.x(), r.y(), r.width(), r.height(), window->width(),
                         window->height());
                return false;
            }
        }
        return true;
    }
    // A label shows its whole text: wrapped within its height, or elided with the whole text in
    // its tip.
    static bool showsWholly(QLabel* label, const QString& text)
    {
        if (label->wordWrap())
            return label->text() == text && label->heightForWidth(label->width()) <= label->height();
        return label->toolTip().contains(text) ||
               label->fontMetrics().horizontalAdvance(text) <= label->width();
    }

private slots:
    // The program's own start-up settings (fonts, translations).
    void initTestCase() { Startup::configureApplication(*static_cast<QApplication*>(QCoreApplication::instance())); }

    void init()
    {
        Global::resetAll();
        m_messages.clear();
        m_failures.clear();
        Messages::setHook([this](const Messages::Message& m) {
            m_messages << m.text;
            return m.kind == Messages::Kind::Question ? QMessageBox::Yes : QMessageBox::Ok;
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
    }

    // Run by CTest on the small desktop's screen.
    void screenIsTheSmallDesktop()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1366, 768));
    }

    void mainWindowWithEveryTable()
    {
        QVERIFY(fits(w, {w->Ribbon1, w->Image1}));
        answerPassword();
        trigger(w, "actPersonal");
        for (const char* table : {"actPersonal", "actCategorii", "actCriterii", "actDopuski",
                                  "actVoprosyToRazdely", "actGurnalAll"}) {
            if (QByteArray(table) != "actPersonal")
                trigger(w, table);
            QVERIFY2(fits(w, {w->Ribbon1, w->DBGrid}), table);
        }
    }

    // A ribbon tab whose groups are wider than the window scrolls: its arrow brings the last group
    // into view.
    void ribbonTabsScrollInsteadOfWidening()
    {
        for (int tab = 0; tab < w->Ribbon1->tabCount(); ++tab) {
            w->Ribbon1->setCurrentTab(tab);
            QCoreApplication::processEvents();
            RibbonGroup* last = w->Ribbon1->groups(tab).constLast();
            auto* page = qobject_cast<RibbonPage*>(last->parentWidget()->parentWidget()->parentWidget());
            QVERIFY(page);
            const auto lastInView = [&] {
                const QRect r(last->mapTo(page, QPoint()), last->size());
                return page->rect().contains(r);
            };
            if (lastInView()) {
                QVERIFY(!page->scrollRight()->isVisible());
                continue;
            }
            QVERIFY2(page->scrollRight()->isVisible(), qPrintable(w->Ribbon1->tabTitle(tab)));
            for (int i = 0; i < 20 && !lastInView(); ++i)
                QTest::mouseClick(page->scrollRight(), Qt::LeftButton);
            QVERIFY(lastInView());
            QVERIFY(page->scrollLeft()->isVisible());
        }
        w->Ribbon1->setCurrentTab(2);
    }

    void passwordDialogAndChooser()
    {
        bool checked = false;
        whenShown(Forms::PasswordDlg, [&] {
            check(fits(Forms::PasswordDlg, {Forms::PasswordDlg->Label2, Forms::PasswordDlg->OKBtn}),
                  QStringLiteral("password dialog"));
            checked = true;
            Forms::PasswordDlg->CancelBtnClick();
        });
        trigger(w, "actEditorExe");
        QVERIFY(checked);
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(QLatin1Char('\n'))));

        checked = false;
        whenShown(Forms::frmOpenBD, [&] {
            TfrmOpenBD* c = Forms::frmOpenBD;
            c->pickCategory(1);
            c->actDaleeExecute();
            check(fits(c, {c->Ribbon1, c->DBLookupComboBox, c->Label3, c->Label5}),
                  QStringLiteral("chooser"));
            check(showsWholly(c->Label3, QLatin1Char('"') + AdminCategory + QLatin1Char('"')),
                  QStringLiteral("chosen category"));
            checked = true;
            c->actExitExecute();
        });
        trigger(w, "actViewExe");
        QVERIFY(checked);
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(QLatin1Char('\n'))));
    }

    // The three section windows on the longest category's first section.
    void sectionWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("exit");
        QTest::newRow("viewer") << "actViewExe"
                                << "TfrmBGD_View"
                                << "actOutView";
        QTest::newRow("self-training") << "actSelf_trainingExe"
                                       << "TfrmBGD_Samopodgotovka"
                                       << "actOutSamopodgotovka";
        QTest::newRow("editor") << "actEditorExe"
                                << "TfrmBGD_Editor"
                                << "actOutEditor";
    }
    void sectionWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, exit);
        auto* mode = w->findChild<QDialog*>(window);
        QVERIFY(mode);
        bool checked = false;
        whenShown(mode, [&] {
            auto* page = mode->findChild<QuestionPage*>();
            check(fits(mode, {page, page->Label6, page->DBMemo_Vopros, page->DBMemo_Otvet3, page->ScrollBar}),
                  QStringLiteral("section window ") + window);
            check(showsWholly(page->Label6, AdminCategory + QStringLiteral(";  Раздел_1")),
                  QStringLiteral("section label ") + window);
            checked = true;
            mode->findChild<QAction*>(exit)->trigger();
        });
        whenShown(Forms::frmOpenBD, [] {
            Forms::frmOpenBD->pickCategory(1);
            Forms::frmOpenBD->actDaleeExecute();
            Forms::frmOpenBD->razdel(1)->trigger();
        });
        if (command == QLatin1String("actEditorExe"))
            answerPassword();
        trigger(w, qPrintable(command));
        QVERIFY(checked);
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(QLatin1Char('\n'))));
    }

    // A whole exam of the administrative category: registration, the exam window (also once an
    // answer has been confirmed), the results and the detailed results.
    void examWindows()
    {
        TfrmResult* r = Forms::frmResult;
        TfrmBGD_Examenation* e = Forms::frmBGD_Examenation;
        TfrmResultAll* all = Forms::frmResultAll;
        int stage = 0;
        whenShown(r, [&] {
            ++stage;
            r->actFIOExecute();
            check(r->selectWorker(1), QStringLiteral("worker 1"));
            r->actFIOPostExecute();
            check(r->DBEdit4->text() == AdminCategory, QStringLiteral("category"));
            check(fits(r, {r->ribbon, r->DBEdit4, r->DBEdit12}), QStringLiteral("registration"));
            r->actExamenationBeginExecute();
        });
        whenShown(e, [&] {
            ++stage;
            check(fits(e, {e->ribbon, e->Label6, e->ScrollBar, e->DBMemo_Vopros, e->DBMemo_Otvet3}),
                  QStringLiteral("exam window"));
            check(showsWholly(e->Label6, e->Label6->text()), QStringLiteral("category line"));
            check(e->Label6->text().contains(AdminCategory), QStringLiteral("category in the line"));
            for (int n = 1; n <= e->questionCount(); ++n) {
                e->actAnswer1ExamenationExecute();
                e->actPostExamenationExecute();
                if (n == 1) {
                    e->showQuestion(1);
                    check(fits(e, {e->Label6, e->LabelAnswered, e->ScrollBar}),
                          QStringLiteral("exam window, answered question"));
                    e->showQuestion(2);
                }
            }
            whenShown(r, [&] {
                ++stage;
                r->actResultViewExecute();
                check(fits(r, {r->ribbon, r->DBEdit7, r->DBEdit10}), QStringLiteral("results"));
                whenShown(all, [&] {
                    ++stage;
                    check(fits(all, {all->ribbon, all->DBCtrlGrid1}), QStringLiteral("detailed results"));
                    all->actCloseDetailExecute();
                });
                r->actDetailExecute();
                r->actExitResultExecute();
            });
            e->actOutExamenationExecute();
        });
        trigger(w, "actExamenationExe");
        QCOMPARE(stage, 4);
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestWindowFit)
#include "test_window_fit.moc"
