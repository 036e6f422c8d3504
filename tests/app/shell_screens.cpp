// Pictures of every window for a visual check (not a test), taken of the whole screen as the user
// sees it: the main window with each reference table, the password dialog, the chooser (also for
// the import), registration, the exam window for the longest and for a short category, the results
// and the detailed results with a hint, self-training with a right, a wrong and an incomplete
// answer revealed, the viewer, the editor on a locked and on an editable page, the staff list
// preview and the start window.
// Run it on a real X display (Xvfb) of the desktop size wanted: shell_screens <output folder>.
// It also writes titles.txt: every window's title as the X server holds it.
#include "TestDataFolder.h"
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/Startup.h"
#include "app/TPasswordDlg.h"
#include "app/TfrmClassificatorZorvek.h"
#include "app/TfrmStart.h"
#include "core/Global.h"
#include "editor/TfrmBGD_Editor.h"
#include "exam/ExamModal.h"
#include "exam/TfrmBGD_Examenation.h"
#include "exam/TfrmResult.h"
#include "exam/TfrmResultAll.h"
#include "select/TfrmOpenBD.h"
#include "staff/TfrmStaffImport.h"
#include "training/TfrmBGD_Samopodgotovka.h"
#include "ui/Messages.h"
#include "ui/question/BoundWidgets.h"
#include "ui/ribbon/Ribbon.h"
#include "view/TfrmBGD_View.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

QDir g_out;
QStringList g_titles;

void settle(int ms = 250)
{
    QTest::qWait(ms);
}

// The whole screen, and the X server's title of every window shown.
void shot(const QString& name)
{
    settle();
    QGuiApplication::primaryScreen()->grabWindow(0).save(g_out.filePath(name + QStringLiteral(".png")));
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || top->windowType() == Qt::ToolTip || top->windowType() == Qt::Popup)
            continue;
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(top->winId()), QStringLiteral("_NET_WM_NAME")});
        xprop.waitForFinished(3000);
        g_titles << name + QStringLiteral(": ") + top->objectName() + QStringLiteral(" ")
                        + QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    }
}

// Runs `fn` as soon as `window` is shown (inside its modal loop).
void whenShown(QWidget* window, std::function<void()> fn)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, window, fn] {
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

void mainWindow(TfrmClassificatorZorvek* w)
{
    shot(QStringLiteral("01-main"));
    w->Ribbon1->setCurrentTab(0);
    shot(QStringLiteral("02-main-tab1"));
    w->Ribbon1->setCurrentTab(2);
    answerPassword();
    int n = 3;
    for (const char* cmd : {"actPersonal", "actCategorii", "actCriterii", "actDopuski", "actVoprosyToRazdely",
                            "actGurnalAll"}) {
        trigger(w, cmd);
        shot(QStringLiteral("%1-table-%2").arg(n++, 2, 10, QLatin1Char('0')).arg(QString::fromLatin1(cmd)));
    }
}

void passwordAndChooser(TfrmClassificatorZorvek* w)
{
    whenShown(Forms::PasswordDlg, [] {
        QTest::keyClicks(Forms::PasswordDlg->Password, QStringLiteral("1234"));
        shot(QStringLiteral("10-password"));
        Forms::PasswordDlg->CancelBtnClick();
    });
    trigger(w, "actEditorExe");

    whenShown(Forms::frmOpenBD, [] {
        TfrmOpenBD* c = Forms::frmOpenBD;
        c->pickCategory(1);
        c->actDaleeExecute();
        shot(QStringLiteral("11-chooser"));
        c->actExitExecute();
    });
    trigger(w, "actViewExe");

    // The import's chooser, then its file dialog is cancelled.
    FileDialogs::setNextFileName(QString());
    answerPassword();
    whenShown(Forms::frmOpenBD, [] {
        TfrmOpenBD* c = Forms::frmOpenBD;
        c->pickCategory(4);
        shot(QStringLiteral("12-chooser-import"));
        c->actDaleeExecute();
        c->razdel(3)->trigger();
    });
    trigger(w, "actLoadText");
}

// One exam through the windows for the worker `code`; pictures named after `tag`.
void exam(TfrmClassificatorZorvek* w, int code, const QString& tag, bool details)
{
    TfrmResult* r = Forms::frmResult;
    TfrmBGD_Examenation* e = Forms::frmBGD_Examenation;
    TfrmResultAll* all = Forms::frmResultAll;
    bool registration = true;
    ExamModal::setRunner([&](QDialog* d) {
        d->show();
        if (!QTest::qWaitForWindowExposed(d))
            qWarning("%s not exposed", qPrintable(d->objectName()));
        if (d == r && registration) {
            registration = false;
            r->actFIOExecute();
            r->selectWorker(code);
            r->actFIOPostExecute();
            shot(tag + QStringLiteral("-1-registration"));
            r->actExamenationBeginExecute();
        } else if (d == e) {
            e->actAnswer2ExamenationExecute();
            shot(tag + QStringLiteral("-2-exam-chosen"));
            for (int n = 1; n <= e->questionCount(); ++n) {
                e->actAnswer2ExamenationExecute();
                e->actPostExamenationExecute();
                if (n == 3) {
                    e->showQuestion(2);
                    shot(tag + QStringLiteral("-3-exam-confirmed"));
                    e->showQuestion(4);
                }
            }
            e->actOutExamenationExecute();
        } else if (d == r) {
            r->actResultViewExecute();
            shot(tag + QStringLiteral("-4-results"));
            if (details)
                r->actDetailExecute();
            r->actExitResultExecute();
        } else if (d == all) {
            shot(tag + QStringLiteral("-5-detailed"));
            QTest::mouseClick(all->panels().at(1).DBMemo_Vopros->viewport(), Qt::LeftButton, {}, QPoint(30, 12));
            settle(400);
            shot(tag + QStringLiteral("-6-detailed-hint"));
            all->actCloseDetailExecute();
        }
        if (d->isVisible())
            d->hide();
    });
    trigger(w, "actExamenationExe");
    ExamModal::setRunner({});
}

// Opens a mode window on a section through the chooser; `fn` runs in it, then it is left.
void inSection(TfrmClassificatorZorvek* w, const char* command, int category, int section, QDialog* mode,
               std::function<void()> fn)
{
    whenShown(mode, fn);
    whenShown(Forms::frmOpenBD, [=] {
        Forms::frmOpenBD->pickCategory(category);
        Forms::frmOpenBD->actDaleeExecute();
        Forms::frmOpenBD->razdel(section)->trigger();
    });
    if (QByteArray(command) == "actEditorExe")
        answerPassword();
    trigger(w, command);
}

void modeWindows(TfrmClassificatorZorvek* w)
{
    TfrmBGD_Samopodgotovka* t = Forms::frmBGD_Samopodgotovka;
    inSection(w, "actSelf_trainingExe", 1, 1, t, [t] {
        for (int i = 1; i < 7; ++i)
            t->acttNext1SamopodgotovkaExecute();
        t->actAnswer1SamopodgotovkaExecute();
        t->actAnswer2SamopodgotovkaExecute();
        t->actAnswer3SamopodgotovkaExecute();
        shot(QStringLiteral("40-self-training-three-marks"));
        t->actOutSamopodgotovkaExecute();
    });
    TfrmBGD_View* v = Forms::frmBGD_View;
    inSection(w, "actViewExe", 1, 1, v, [v] {
        shot(QStringLiteral("41-viewer"));
        v->actOutViewExecute();
    });
    TfrmBGD_Editor* ed = Forms::frmBGD_Editor;
    inSection(w, "actEditorExe", 1, 1, ed, [ed] {
        shot(QStringLiteral("42-editor-locked"));
        ed->DataSetAppendEditorExecute();
        ed->DBMemo_Vopros->setStoredText(QStringLiteral("Новый вопрос местной инструкции"));
        shot(QStringLiteral("43-editor-editable"));
        ed->DataSetCancelEditorExecute();
        ed->actOutEditorExecute();
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    g_out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    Messages::setHook([](const Messages::Message& m) {
        qWarning("message: %s", qPrintable(m.text));
        return m.kind == Messages::Kind::Question ? QMessageBox::Yes : QMessageBox::Ok;
    });
    TfrmOpenBD::autoDropDown = false;
    TestDataFolder data;
    TfrmClassificatorZorvek* w = Forms::createAll();
    w->FormCreate();
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("window not exposed");
    settle(400);

    mainWindow(w);
    passwordAndChooser(w);
    exam(w, 1, QStringLiteral("20-exam-admin"), true);
    exam(w, 4, QStringLiteral("30-exam-short"), false);
    modeWindows(w);
    // The personnel table after the exams: widths as before.
    answerPassword();
    trigger(w, "actPersonal");
    shot(QStringLiteral("50-table-personal-after-exams"));

    // The preview of a staff list with one refused row.
    {
        QFile csv(data.filePath(QStringLiteral("staff.csv")));
        if (csv.open(QIODevice::WriteOnly))
            csv.write(QStringLiteral("№;ФИО;Должность;Группа;Система;Категория_специалиста\n"
                                     "101;Орлов Олег Олегович;Электромонтёр;III;постоянного тока;Электромонтёры III группа\n"
                                     "102;Зуев Захар Захарович;Мастер;IV;трёхфазного;Сварщики\n"
                                     "103;Белов Борис Борисович;Электромеханик;V;переменного тока;Энергодиспетчеры\n")
                          .toUtf8());
        csv.close();
        TfrmStaffImport preview(*Forms::frmADODataModule,
                                StaffImport::prepare(*Forms::frmADODataModule, csv.fileName()), w);
        preview.show();
        shot(QStringLiteral("60-staff-import"));
    }
    Forms::destroyAll();
    TfrmStart start;
    start.setNotice(QStringLiteral("В папке данных «/home/operator/Зорвек», открытой в прошлый раз, больше нет "
                                   "основной базы данных BGD.mdb."));
    start.show();
    shot(QStringLiteral("61-start"));

    QFile titles(g_out.filePath(QStringLiteral("titles.txt")));
    if (titles.open(QIODevice::WriteOnly))
        titles.write(g_titles.join(QLatin1Char('\n')).toUtf8());
    return 0;
}
