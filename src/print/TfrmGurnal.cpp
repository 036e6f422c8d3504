#include "print/TfrmGurnal.h"

#include "core/Clock.h"
#include "core/Error.h"
#include "data/TfrmADODataModule.h"
#include "print/DocumentPlaces.h"
#include "print/MyWord.h"
#include "print/PrintHooks.h"
#include "print/PrintJobs.h"
#include "ui/Messages.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace {

TfrmGurnal::OpenUrl& openUrlHook()
{
    static TfrmGurnal::OpenUrl hook;
    return hook;
}

TfrmADODataModule& dataModule()
{
    TfrmADODataModule* module = TfrmADODataModule::instance();
    if (!module)
        throw zorvek::Error(QStringLiteral("Нет соединения с основной базой данных."));
    return *module;
}

QSqlDatabase mainDatabase()
{
    return dataModule().ADOConnectionGlb;
}

} // namespace

TfrmGurnal::TfrmGurnal(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfrmGurnal"));
    setWindowTitle(QStringLiteral("Печать"));

    // The jobs report through the program's message boxes; a failure they cannot go on from
    // ends the program by leaving its event loop.
    PrintHooks::setShowMessage([](const QString& text) { Messages::error(nullptr, text); });
    PrintHooks::setTerminate([] { QCoreApplication::exit(1); });

    N3 = addItem(QStringLiteral("N3"), QStringLiteral("Печать протокола"), &TfrmGurnal::N3Click);
    Word1 = addItem(QStringLiteral("Word1"), QStringLiteral("Загрузить Word"), &TfrmGurnal::Word1Click);
    N18 = addItem(QStringLiteral("N18"), QStringLiteral("Печать руководства по эксплуатации"),
                  &TfrmGurnal::N18Click);
    N4 = addItem(QStringLiteral("N4"), QStringLiteral("Печать вопросов Адм"), &TfrmGurnal::N4Click);
    N5 = addItem(QStringLiteral("N5"), QStringLiteral("Печать вопросов Отв"), &TfrmGurnal::N5Click);
    N6 = addItem(QStringLiteral("N6"), QStringLiteral("Выдающие наряд ЭЧЭ"), &TfrmGurnal::N6Click);
    N7 = addItem(QStringLiteral("N7"), QStringLiteral("Допускающие ЭЧЭ"), &TfrmGurnal::N7Click);
    N8 = addItem(QStringLiteral("N8"), QStringLiteral("Оперативно-ремонтный ЭЧЭ два"), &TfrmGurnal::N8Click);
    N9 = addItem(QStringLiteral("N9"), QStringLiteral("Оперативно-ремонтный ЭЧЭ три"), &TfrmGurnal::N9Click);
    N10 = addItem(QStringLiteral("N10"), QStringLiteral("Оперативно-ремонтный ЭЧЭ четыре"),
                  &TfrmGurnal::N10Click);
    N11 = addItem(QStringLiteral("N11"), QStringLiteral("Оперативно-ремонтный ЭЧЭ пять"),
                  &TfrmGurnal::N11Click);
    N19 = addItem(QStringLiteral("N19"), QStringLiteral("Печать вопросов для энергодиспетчеров"),
                  &TfrmGurnal::N19Click);
    GurnalXlsx = addItem(QStringLiteral("GurnalXlsx"), QStringLiteral("Журнал в XLSX"), &TfrmGurnal::GurnalXlsxClick);
}

void TfrmGurnal::setOpenUrlHook(OpenUrl hook)
{
    openUrlHook() = std::move(hook);
}

QAction* TfrmGurnal::addItem(const QString& name, const QString& caption, void (TfrmGurnal::*handler)())
{
    QMenu* printMenu = menuBar()->findChild<QMenu*>(QStringLiteral("MenuPrint"));
    if (!printMenu) {
        printMenu = menuBar()->addMenu(QStringLiteral("Печать"));
        printMenu->setObjectName(QStringLiteral("MenuPrint"));
    }
    QAction* action = printMenu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TfrmGurnal::runJob(const std::function<QPair<QString, QString>()>& job)
{
    try {
        const auto [path, notice] = job();
        showResult(path, notice);
    } catch (const MyWord::Fatal&) {
        // Already told to the user; the program is ending.
    } catch (const zorvek::Error& e) {
        Messages::error(this, e.message());
    } catch (const std::exception& e) {
        Messages::error(this, QString::fromLocal8Bit(e.what()));
    }
}

void TfrmGurnal::showResult(const QString& path, const QString& notice)
{
    if (!notice.isEmpty())
        Messages::information(this, notice);
    const QUrl url = QUrl::fromLocalFile(path);
    const bool opened = openUrlHook() ? openUrlHook()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        Messages::information(this, QStringLiteral("Нет программы, которая открывает документы .docx.\n"
                                                   "Документ находится здесь: «") +
                                        QDir::toNativeSeparators(path) + QStringLiteral("»."));
}

void TfrmGurnal::N3Click()
{
    runJob([] {
        const PrintJobs::Output out =
            PrintJobs::printProtocol(mainDatabase(), Clock::today(), DocumentPlaces::folders());
        return qMakePair(out.path, out.notice);
    });
}

void TfrmGurnal::Word1Click()
{
    runJob([] {
        const PrintJobs::Output out = PrintJobs::printJournal(mainDatabase(), DocumentPlaces::folders());
        return qMakePair(out.path, out.notice);
    });
}

void TfrmGurnal::openDelivered(const QString& fileName)
{
    runJob([&] {
        return qMakePair(
            PrintJobs::copyDocument(DocumentPlaces::folders(), fileName, DocumentPlaces::newCopyFolder()),
            QString());
    });
}

void TfrmGurnal::openCategoryDocument(int position)
{
    runJob([position] {
        const PrintJobs::Output out = PrintJobs::printCategoryQuestions(
            dataModule(), position, TfrmADODataModule::dataFolder(), DocumentPlaces::folders());
        return qMakePair(out.path, out.notice);
    });
}

// Category positions in Порядковый_номер order (see Categories::bankFileForPosition).
void TfrmGurnal::N4Click()
{
    openCategoryDocument(0);
}
void TfrmGurnal::N19Click()
{
    openCategoryDocument(1);
}
void TfrmGurnal::N6Click()
{
    openCategoryDocument(2);
}
void TfrmGurnal::N7Click()
{
    openCategoryDocument(3);
}
void TfrmGurnal::N5Click()
{
    openCategoryDocument(4);
}
void TfrmGurnal::N11Click()
{
    openCategoryDocument(5);
}
void TfrmGurnal::N10Click()
{
    openCategoryDocument(6);
}
void TfrmGurnal::N9Click()
{
    openCategoryDocument(7);
}
void TfrmGurnal::N8Click()
{
    openCategoryDocument(8);
}

void TfrmGurnal::N18Click()
{
    openDelivered(PrintJobs::ManualFile);
}
