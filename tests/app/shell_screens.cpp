// Pictures of the shell's windows for a visual check (not a test): the main window with each
// reference table, the chooser with a category picked, the password dialog, the staff list
// preview and the start window.
// Usage: shell_screens <output folder>
#include "TestDataFolder.h"
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/TPasswordDlg.h"
#include "app/TfrmClassificatorZorvek.h"
#include "app/TfrmStart.h"
#include "staff/TfrmStaffImport.h"
#include "core/Global.h"
#include "select/TfrmOpenBD.h"
#include "ui/Messages.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    Messages::setHook([](const Messages::Message& m) {
        qWarning("message: %s", qPrintable(m.text));
        return QMessageBox::Ok;
    });
    TfrmOpenBD::autoDropDown = false;
    TestDataFolder data;
    TfrmClassificatorZorvek* w = Forms::createAll();
    w->FormCreate();
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("window not exposed");
    QTest::qWait(200);
    const auto save = [&](QWidget* widget, const QString& name) {
        QTest::qWait(100);
        widget->grab().save(out.filePath(name));
    };
    save(w, QStringLiteral("main.png"));
    w->Ribbon1->setCurrentTab(0);
    save(w, QStringLiteral("main_tab1.png"));
    w->Ribbon1->setCurrentTab(1);
    save(w, QStringLiteral("main_tab2.png"));
    w->Ribbon1->setCurrentTab(2);

    for (const char* cmd : {"actPersonal", "actCategorii", "actCriterii", "actDopuski", "actVoprosyToRazdely",
                            "actGurnalAll"}) {
        if (QByteArray(cmd) == "actPersonal")
            QTimer::singleShot(0, [] {
                Forms::PasswordDlg->Password->setText(QStringLiteral("47750261938814"));
                Forms::PasswordDlg->OKBtnClick();
            });
        w->action(QString::fromLatin1(cmd))->trigger();
        save(w, QStringLiteral("table_") + QString::fromLatin1(cmd) + QStringLiteral(".png"));
        if (QByteArray(cmd) == "actPersonal") {
            // The drop-down list of a category cell.
            QAbstractItemModel* model = w->DBGrid->model();
            for (int c = 0; c < model->columnCount(); ++c)
                if (model->headerData(c, Qt::Horizontal).toString() == QStringLiteral("Группа")) {
                    const QModelIndex cell = model->index(2, c);
                    w->DBGrid->setCurrentIndex(cell);
                    w->DBGrid->edit(cell);
                }
            save(w, QStringLiteral("table_actPersonal_picklist.png"));
            w->DBGrid->discardEditor();
        }
    }

    Global::RegimRaboty = Global::RegimView;
    TfrmOpenBD* chooser = Forms::frmOpenBD;
    chooser->show();
    chooser->pickCategory(3);
    chooser->actDaleeExecute();
    save(chooser, QStringLiteral("chooser.png"));
    chooser->pickCategory(7);
    save(chooser, QStringLiteral("chooser_position7.png"));
    chooser->hide();

    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The list drops down by itself on activation, once: closing it must not open it again.
        TfrmOpenBD::autoDropDown = true;
        chooser->show();
        chooser->activateWindow();
        QTest::qWait(800);
        qWarning("list open after activation: %d", chooser->DBLookupComboBox->view()->isVisible());
        QGuiApplication::primaryScreen()->grabWindow(0).save(out.filePath(QStringLiteral("chooser_dropdown.png")));
        chooser->DBLookupComboBox->hidePopup();
        QTest::qWait(800);
        qWarning("list open after closing it: %d", chooser->DBLookupComboBox->view()->isVisible());
        chooser->hide();
    }

    Forms::PasswordDlg->show();
    QTest::keyClicks(Forms::PasswordDlg->Password, QStringLiteral("1234"));
    save(Forms::PasswordDlg, QStringLiteral("password.png"));
    Forms::PasswordDlg->hide();

    // The preview of a staff list with one refused row.
    {
        QFile csv(data.filePath(QStringLiteral("staff.csv")));
        csv.open(QIODevice::WriteOnly);
        csv.write(QStringLiteral("№;ФИО;Должность;Группа;Система;Категория_специалиста\n"
                                 "101;Орлов Олег Олегович;Электромонтёр;III;постоянного тока;Электромонтёры III группа\n"
                                 "102;Зуев Захар Захарович;Мастер;IV;трёхфазного;Сварщики\n"
                                 "103;Белов Борис Борисович;Электромеханик;V;переменного тока;Энергодиспетчеры\n")
                      .toUtf8());
        csv.close();
        TfrmStaffImport preview(*Forms::frmADODataModule,
                                StaffImport::prepare(*Forms::frmADODataModule, csv.fileName()), w);
        preview.show();
        save(&preview, QStringLiteral("staff_import.png"));
    }
    Forms::destroyAll();
    TfrmStart start;
    start.setNotice(QStringLiteral("В папке данных «/home/operator/Зорвек», открытой в прошлый раз, больше нет "
                                   "основной базы данных BGD.mdb."));
    start.show();
    save(&start, QStringLiteral("start.png"));
    return 0;
}
