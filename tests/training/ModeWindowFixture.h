#pragma once
// Shared set-up of the self-training, viewer and editor tests: a fresh demo data folder, the data
// module on it, message boxes answered by the test, and small helpers to reshape a bank.
#include "TestDataFolder.h"
#include "app/Forms.h"
#include "core/Categories.h"
#include "core/Global.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "ui/Messages.h"

#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QTest>
#include <QUuid>
#include <QWidget>

class ModeWindowFixture
{
public:
    ModeWindowFixture()
    {
        Global::resetAll();
        dm = new TfrmADODataModule;
        Forms::frmADODataModule = dm;
        dm->openMainDatabase(folder.path());
        Messages::setHook([this](const Messages::Message& m) {
            messages << m;
            return answer;
        });
    }
    ~ModeWindowFixture()
    {
        Messages::setHook({});
        Forms::frmADODataModule = nullptr;
        delete dm;
    }
    ModeWindowFixture(const ModeWindowFixture&) = delete;
    ModeWindowFixture& operator=(const ModeWindowFixture&) = delete;

    QString category(int position) { return dm->categoryNames().value(position); }
    void choose(int position, int section)
    {
        Global::NameKategorii = category(position);
        Global::NameRazdela = Categories::sectionTableName(section);
    }
    QString bankPath(int position) const
    {
        return folder.filePath(Categories::bankFileForPosition(position));
    }

    // Runs statements on a database file through a connection of its own, closed afterwards.
    static QVariant onFile(const QString& file, const QString& sql, const QVariantList& values = {})
    {
        const QString name = QUuid::createUuid().toString();
        QVariant result;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            Db::openDatabaseFile(db, file);
            QSqlQuery q = Db::exec(db, sql, values);
            if (q.isSelect() && q.next())
                result = q.value(0);
            q = QSqlQuery();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return result;
    }
    QVariant onBank(int position, const QString& sql, const QVariantList& values = {})
    {
        return onFile(bankPath(position), sql, values);
    }
    QVariant onMain(const QString& sql, const QVariantList& values = {})
    {
        return onFile(folder.filePath(QStringLiteral("BGD.mdb")), sql, values);
    }

    bool saw(const QString& part) const
    {
        for (const Messages::Message& m : messages)
            if (m.text.contains(part))
                return true;
        return false;
    }

    // Screenshots for review: only when ZORVEK_SCREENS_DIR names a folder. Under a real X server
    // the screen's pixels are taken, elsewhere the widget paints itself.
    static bool screenshotsWanted() { return !qEnvironmentVariableIsEmpty("ZORVEK_SCREENS_DIR"); }
    static void shoot(QWidget* window, const QString& name)
    {
        window->show();
        window->raise();
        window->activateWindow();
        QTest::qWait(400);
        const QString file =
            qEnvironmentVariable("ZORVEK_SCREENS_DIR") + QLatin1Char('/') + name + QStringLiteral(".png");
        QPixmap shot;
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            shot = window->screen()->grabWindow(0, window->x(), window->y(), window->frameGeometry().width(),
                                                window->frameGeometry().height());
        else
            shot = window->grab();
        shot.save(file);
    }

    TestDataFolder folder;
    TfrmADODataModule* dm = nullptr;
    QList<Messages::Message> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};
