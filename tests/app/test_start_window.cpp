// Starting without a data folder: which folder the program takes (--data, the working directory,
// the folder remembered from an earlier start), the start window's three choices as the user
// makes them, and the staff list and journal spreadsheet commands of the main window.
#include "TestDataFolder.h"
#include "app/DataFolderStart.h"
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/TPasswordDlg.h"
#include "app/TfrmClassificatorZorvek.h"
#include "app/TfrmStart.h"
#include "core/Global.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "data/unit/UnitDatabase.h"
#include "print/TfrmGurnal.h"
#include "sheets/XlsxReader.h"
#include "staff/TfrmStaffImport.h"
#include "ui/Messages.h"

#include <QCommandLinkButton>
#include <QLineEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

namespace {
const QString RightPassword = QStringLiteral("47750261938814");
const QString StaffCsv = QStringLiteral("ФИО;Категория_специалиста;Система\n"
                                        "Орлов Олег Олегович;Энергодиспетчеры;постоянного тока\n"
                                        "Белов Борис Борисович;Электромонтёры III группа;переменного тока\n");
} // namespace

class TestStartWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_previousDir;
    QList<Messages::Message> m_messages;

    QString folder(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }
    void writeFile(const QString& path, const QString& text)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    // Runs `fn` once the application's modal window is a `T`.
    template <typename T> void whenModal(std::function<void(T*)> fn)
    {
        auto* timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [timer, fn] {
            auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!w || !w->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            fn(w);
        });
        timer->start();
    }
    void answerPassword()
    {
        whenModal<TPasswordDlg>([](TPasswordDlg* d) {
            d->Password->setText(RightPassword);
            d->OKBtnClick();
        });
    }
    int staffCount() const
    {
        return Db::scalar(Forms::frmADODataModule->ADOConnectionGlb, QStringLiteral("Select Count(*) From Персонал")).toInt();
    }
    TfrmClassificatorZorvek* startIn(const QString& dataFolder)
    {
        QDir::setCurrent(dataFolder);
        TfrmClassificatorZorvek* w = Forms::createAll();
        w->FormCreate();
        w->show();
        return w;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("settings")));
        m_previousDir = QDir::currentPath();
    }
    void init()
    {
        Global::resetAll();
        m_messages.clear();
        Messages::setHook([this](const Messages::Message& m) {
            m_messages << m;
            return QMessageBox::Ok;
        });
    }
    void cleanup()
    {
        Forms::destroyAll();
        Messages::setHook({});
        QDir::setCurrent(m_previousDir);
        QSettings().clear();
    }

    void folderDecidedBeforeAnyWindow()
    {
        const QString unit = folder(QStringLiteral("decide-unit"));
        UnitDatabase::create(unit);
        const QString empty = folder(QStringLiteral("decide-empty"));
        QSettings settings;
        // The working directory with BGD.mdb, as the program has always started.
        QCOMPARE(DataFolderStart::decide({QStringLiteral("zorvek")}, unit, settings).folder, QDir(unit).absolutePath());
        // Nothing there and nothing remembered: the start window asks.
        DataFolderStart::Decision d = DataFolderStart::decide({QStringLiteral("zorvek")}, empty, settings);
        QVERIFY(d.folder.isEmpty());
        QVERIFY(d.notice.isEmpty());
        // --data wins over the working directory; a folder without BGD.mdb is said so.
        QCOMPARE(DataFolderStart::decide({QStringLiteral("zorvek"), QStringLiteral("--data"), unit}, empty, settings).folder,
                 QDir(unit).absolutePath());
        d = DataFolderStart::decide({QStringLiteral("zorvek"), QStringLiteral("--data=") + empty}, unit, settings);
        QVERIFY(d.folder.isEmpty());
        QVERIFY(d.notice.contains(QDir::toNativeSeparators(empty)));
        // The folder chosen at an earlier start opens directly while it holds BGD.mdb.
        DataFolderStart::remember(settings, unit);
        QCOMPARE(DataFolderStart::decide({QStringLiteral("zorvek")}, empty, settings).folder, QDir(unit).absolutePath());
        QFile::remove(QDir(unit).filePath(QStringLiteral("BGD.mdb")));
        d = DataFolderStart::decide({QStringLiteral("zorvek")}, empty, settings);
        QVERIFY(d.folder.isEmpty());
        QVERIFY(!d.notice.isEmpty());
    }

    void startWindowFitsAndOffersThreeChoices()
    {
        TfrmStart start;
        start.show();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        QVERIFY2(start.frameGeometry().width() <= 1366 && start.frameGeometry().height() <= 768,
                 qPrintable(QStringLiteral("%1x%2").arg(start.frameGeometry().width()).arg(start.frameGeometry().height())));
        for (QCommandLinkButton* b : {start.btnOpenFolder, start.btnNewDatabase, start.btnDemoFolder})
            QVERIFY(b->isVisible());
        QVERIFY(!start.btnSharedServer->isVisible());
        // Enter opens a folder; Escape leaves without one.
        FileDialogs::setNextFileName(QString());
        QTest::keyClick(&start, Qt::Key_Escape);
        QCOMPARE(start.result(), int(QDialog::Rejected));
        QVERIFY(start.chosenFolder().isEmpty());
    }

    void openingAFolderWithoutDatabaseIsRefused()
    {
        const QString empty = folder(QStringLiteral("open-empty"));
        TfrmStart start;
        start.show();
        FileDialogs::setNextFileName(empty);
        QTest::mouseClick(start.btnOpenFolder, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().text.contains(QStringLiteral("BGD.mdb")));
        QVERIFY(start.isVisible());
        QVERIFY(start.chosenFolder().isEmpty());
        QVERIFY(QDir(empty).isEmpty()); // nothing created
    }

    void newDatabaseOnlyInAnEmptyFolder()
    {
        const QString busy = folder(QStringLiteral("new-busy"));
        writeFile(QDir(busy).filePath(QStringLiteral("заметки.txt")), QStringLiteral("x"));
        TfrmStart start;
        start.show();
        FileDialogs::setNextFileName(busy);
        QTest::mouseClick(start.btnNewDatabase, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(QDir(busy).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("заметки.txt")});
        QVERIFY(start.isVisible());

        const QString empty = folder(QStringLiteral("new-empty"));
        FileDialogs::setNextFileName(empty);
        QTest::mouseClick(start.btnNewDatabase, Qt::LeftButton);
        QCOMPARE(start.result(), int(QDialog::Accepted));
        QCOMPARE(start.chosenFolder(), QDir(empty).absolutePath());
        QVERIFY(DataFolderStart::holdsMainDatabase(empty));
        QCOMPARE(QDir(empty).entryList(QDir::Files).size(), 10);
    }

    void chosenFolderIsRememberedAndBecomesTheDataFolder()
    {
        const QString empty = folder(QStringLiteral("run-empty"));
        const QString demo = folder(QStringLiteral("run-demo"));
        QDir::setCurrent(empty);
        whenModal<TfrmStart>([demo](TfrmStart* start) {
            FileDialogs::setNextFileName(demo);
            QTest::mouseClick(start->btnDemoFolder, Qt::LeftButton);
        });
        QVERIFY(DataFolderStart::run({QStringLiteral("zorvek")}));
        QCOMPARE(QDir::currentPath(), QDir(demo).absolutePath());
        QVERIFY(DataFolderStart::holdsMainDatabase(demo));
        QVERIFY(QDir(empty).isEmpty());
        QCOMPARE(QSettings().value(DataFolderStart::RememberedKey).toString(), QDir(demo).absolutePath());
        // The next start from anywhere opens it without asking.
        QDir::setCurrent(empty);
        QVERIFY(DataFolderStart::run({QStringLiteral("zorvek")}));
        QCOMPARE(QDir::currentPath(), QDir(demo).absolutePath());
    }

    void staffListCommandPreviewsThenStores()
    {
        const QString unit = folder(QStringLiteral("cmd-unit"));
        UnitDatabase::create(unit);
        const QString csv = m_dir.filePath(QStringLiteral("staff.csv"));
        writeFile(csv, StaffCsv);
        TfrmClassificatorZorvek* w = startIn(unit);
        QAction* command = w->action(QStringLiteral("actStaffImport"));
        QVERIFY(command);

        // Cancelled at the preview: nothing stored.
        answerPassword();
        FileDialogs::setNextFileName(csv);
        whenModal<TfrmStaffImport>([](TfrmStaffImport* p) {
            QVERIFY(p->btnLoad->isEnabled());
            QCOMPARE(p->Rows->rowCount(), 2);
            QTest::mouseClick(p->btnCancel, Qt::LeftButton);
        });
        command->trigger();
        QCOMPARE(staffCount(), 0);

        // Loaded: both workers in the table, the counts said, the table shown.
        answerPassword();
        FileDialogs::setNextFileName(csv);
        whenModal<TfrmStaffImport>([](TfrmStaffImport* p) { QTest::mouseClick(p->btnLoad, Qt::LeftButton); });
        command->trigger();
        QCOMPARE(staffCount(), 2);
        QCOMPARE(m_messages.last().text, QStringLiteral("Добавлено работников: 2, обновлено: 0."));
        QCOMPARE(w->DBGrid->model(), Forms::frmADODataModule->ADOPersonal);
        QCOMPARE(Forms::frmADODataModule->ADOPersonal->rowCount(), 2);

        // A refused row: the preview names it and offers no loading.
        writeFile(csv, StaffCsv + QStringLiteral("Зуев Захар;Сварщики;\n"));
        answerPassword();
        FileDialogs::setNextFileName(csv);
        bool refusedShown = false;
        whenModal<TfrmStaffImport>([&refusedShown](TfrmStaffImport* p) {
            refusedShown = !p->btnLoad->isEnabled() && p->Rows->item(0, 5)->text().contains(QStringLiteral("Сварщики"));
            QTest::keyClick(p, Qt::Key_Escape);
        });
        command->trigger();
        QVERIFY(refusedShown);
        QCOMPARE(staffCount(), 2);
    }

    void journalSpreadsheetCommand()
    {
        TestDataFolder data;
        QVERIFY(data.isValid());
        TfrmClassificatorZorvek* w = startIn(data.path());
        QUrl opened;
        TfrmGurnal::setOpenUrlHook([&opened](const QUrl& url) {
            opened = url;
            return true;
        });
        FileDialogs::setNextFileName(data.filePath(QStringLiteral("журнал-выгрузка")));
        w->action(QStringLiteral("actGurnalXlsx"))->trigger();
        TfrmGurnal::setOpenUrlHook({});
        const QString written = data.filePath(QStringLiteral("журнал-выгрузка.xlsx"));
        QCOMPARE(opened, QUrl::fromLocalFile(written));
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.isEmpty() ? QString() : m_messages.first().text));
        QCOMPARE(XlsxReader::read(written).rows.size(),
                 1 + Db::scalar(Forms::frmADODataModule->ADOConnectionGlb, QStringLiteral("Select Count(*) From Журнал_All")).toInt());
    }
};

QTEST_MAIN(TestStartWindow)
#include "test_start_window.moc"
