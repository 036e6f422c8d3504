// The main window's commands and their places on the ribbon.
#include "app/DataGrid.h"
#include "app/MainCommands.h"
#include "app/TfrmClassificatorZorvek.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QSet>

void TfrmClassificatorZorvek::createActions()
{
    for (const MainCommands::Text& text : MainCommands::all()) {
        auto* a = new QAction(Icons::icon(text.name), text.caption, this);
        a->setObjectName(text.name);
        a->setToolTip(text.hint.isEmpty() ? text.caption : text.hint);
        a->setStatusTip(text.hint);
        if (!text.tipLines.isEmpty())
            ScreenTips::set(a, {text.tipHeader.isEmpty() ? text.caption : text.tipHeader, text.tipLines,
                                ScreenTips::HelpFooter});
        addAction(a);
        m_actions.insert(text.name, a);
    }
}

void TfrmClassificatorZorvek::buildRibbon()
{
    Ribbon1->setCaption(QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
    QFont captionFont(QStringLiteral("DejaVu Serif"), 12);
    captionFont.setBold(true);
    Ribbon1->setCaptionFont(captionFont);
    Ribbon1->setScheme(Ribbon::Scheme::Silver);

    const auto large = [this](RibbonGroup* group, const char* name, const QString& shownAs = QString()) {
        QAction* a = action(QString::fromLatin1(name));
        if (shownAs.isEmpty())
            group->addLargeAction(a);
        else
            group->addLargeAction(a, shownAs);
    };
    const auto small = [this](RibbonGroup* group, const char* name) {
        group->addSmallAction(action(QString::fromLatin1(name)));
    };

    const int home = Ribbon1->addTab(QStringLiteral("Главная"));
    RibbonGroup* g = Ribbon1->addGroup(home, QStringLiteral("Руководство, протокол, журнал"));
    for (const char* name : {"actClose", "actManagement", "act", "actGurnal", "actGurnalXlsx"})
        large(g, name);
    g = Ribbon1->addGroup(home, QStringLiteral("Справочная система Классификатора ЗОРВЕК"));
    for (const char* name : {"actView", "actPersonal_Editor", "actExamenation", "actSelf_training", "actEditor"})
        large(g, name);
    g = Ribbon1->addGroup(home, QStringLiteral("Режимы работы Классификатора ЗОРВЕК"));
    large(g, "actViewExe", QStringLiteral("Просмотр базы данных"));
    large(g, "actExamenationExe");
    large(g, "actSelf_trainingExe");
    large(g, "actEditorExe", QStringLiteral("Редактирование базы данных"));

    const int banks = Ribbon1->addTab(QStringLiteral("Базы данных вопросов и ответов"));
    g = Ribbon1->addGroup(banks, QStringLiteral("База данных  вопросов и ответов для 9 категориий специалитсов"));
    large(g, "actelectroeconomy");
    large(g, "actOtvetsvennyeWorks", QStringLiteral("Ответственные руководители работ"));
    large(g, "actGivingOrder", QStringLiteral("Выдающие наряд"));
    for (const char* name : {"actVManufacturersWorks", "actElectrical_engineers_II", "actElectrical_engineers_III",
                             "actElectrical_engineers_IV", "actElectrical_engineers_V"})
        large(g, name);
    large(g, "actPower_Dispatcher", QStringLiteral("Энергодиспетчеры"));

    const int tables = Ribbon1->addTab(
        QStringLiteral("Персонал, категории специалистов, критерии оценки и журнал проверки знаний"));
    g = Ribbon1->addGroup(tables, QStringLiteral("Таблицы"));
    for (const char* name : {"actPersonal", "actCategorii", "actDopuski", "actCriterii", "actVoprosyToRazdely"})
        large(g, name);
    large(g, "actGurnalAll", QStringLiteral("Журнал"));
    large(g, "actStaffImport");
    g = Ribbon1->addGroup(tables, QStringLiteral("Навигация по таблице"));
    g->setSmallRows(2);
    for (const char* name : {"DataSetFirst1", "DataSetPrior1", "DataSetNext1", "DataSetLast1"})
        small(g, name);
    g = Ribbon1->addGroup(tables, QStringLiteral("Редактирование таблицы"));
    for (const char* name : {"DataSetInsert1", "DataSetDelete1", "DataSetEdit1", "DataSetPost1", "DataSetCancel1",
                             "DataSetRefresh1"})
        small(g, name);

    QMenu* menu = Ribbon1->applicationMenu();
    menu->addAction(action(QStringLiteral("actLoadText")));
    menu->addAction(action(QStringLiteral("actClose")));
    for (const char* name : {"actExamenationExe", "actExamenation", "actClose"})
        Ribbon1->addQuickAccess(action(QString::fromLatin1(name)));

    Ribbon1->setCurrentTab(tables);
}

void TfrmClassificatorZorvek::connectHandlers()
{
    using Handler = void (TfrmClassificatorZorvek::*)();
    const QList<QPair<const char*, Handler>> handlers = {
        {"actClose", &TfrmClassificatorZorvek::actCloseExecute},
        {"actViewExe", &TfrmClassificatorZorvek::actViewExeExecute},
        {"actExamenationExe", &TfrmClassificatorZorvek::actExamenationExeExecute},
        {"actSelf_trainingExe", &TfrmClassificatorZorvek::actSelf_trainingExeExecute},
        {"actEditorExe", &TfrmClassificatorZorvek::actEditorExeExecute},
        {"actLoadText", &TfrmClassificatorZorvek::actLoadTextExecute},
        {"actView", &TfrmClassificatorZorvek::actViewExecute},
        {"actExamenation", &TfrmClassificatorZorvek::actExamenationExecute},
        {"actSelf_training", &TfrmClassificatorZorvek::actSelf_trainingExecute},
        {"actEditor", &TfrmClassificatorZorvek::actEditorExecute},
        {"actPersonal_Editor", &TfrmClassificatorZorvek::actPersonal_EditorExecute},
        {"actPersonal", &TfrmClassificatorZorvek::actPersonalExecute},
        {"actCategorii", &TfrmClassificatorZorvek::actCategoriiExecute},
        {"actCriterii", &TfrmClassificatorZorvek::actCriteriiExecute},
        {"actDopuski", &TfrmClassificatorZorvek::actDopuskiExecute},
        {"actVoprosyToRazdely", &TfrmClassificatorZorvek::actVoprosyToRazdelyExecute},
        {"actGurnalAll", &TfrmClassificatorZorvek::actGurnalAllExecute},
        {"actStaffImport", &TfrmClassificatorZorvek::actStaffImportExecute},
        {"DataSetInsert1", &TfrmClassificatorZorvek::gridInsert},
        {"DataSetDelete1", &TfrmClassificatorZorvek::gridDelete},
        {"DataSetEdit1", &TfrmClassificatorZorvek::gridEdit},
        {"DataSetPost1", &TfrmClassificatorZorvek::gridPost},
        {"DataSetCancel1", &TfrmClassificatorZorvek::gridCancel},
        {"DataSetRefresh1", &TfrmClassificatorZorvek::gridRefresh},
    };
    // Every command that leaves, hides or reopens the shown table (a mode, the exam, printing, the
    // import, another table, leaving the program) settles its pending change first; the help
    // commands and the grid's own commands leave it where it is.
    const QSet<QByteArray> keepTable = {"actView", "actExamenation", "actSelf_training", "actEditor",
                                        "actPersonal_Editor", "DataSetInsert1", "DataSetDelete1", "DataSetEdit1",
                                        "DataSetPost1", "DataSetCancel1", "DataSetRefresh1"};
    for (const auto& [name, handler] : handlers) {
        if (keepTable.contains(name))
            connect(action(QString::fromLatin1(name)), &QAction::triggered, this, handler);
        else
            connect(action(QString::fromLatin1(name)), &QAction::triggered, this, [this, handler = handler] {
                if (settlePendingChanges())
                    (this->*handler)();
            });
    }

    // Print commands click the items of the hidden print window.
    const QList<QPair<const char*, const char*>> printItems = {
        {"act", "N3"},
        {"actGurnal", "Word1"},
        {"actGurnalXlsx", "GurnalXlsx"},
        {"actManagement", "N18"},
        {"actelectroeconomy", "N4"},
        {"actVManufacturersWorks", "N5"},
        {"actGivingOrder", "N6"},
        {"actOtvetsvennyeWorks", "N7"},
        {"actElectrical_engineers_II", "N8"},
        {"actElectrical_engineers_III", "N9"},
        {"actElectrical_engineers_IV", "N10"},
        {"actElectrical_engineers_V", "N11"},
        {"actPower_Dispatcher", "N19"},
    };
    for (const auto& [name, item] : printItems)
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, [this, item = QString::fromLatin1(item)] {
            if (settlePendingChanges())
                printItem(item);
        });

    // Navigation moves the grid's current row.
    connect(action(QStringLiteral("DataSetFirst1")), &QAction::triggered, this, [this] { moveToRow(0); });
    connect(action(QStringLiteral("DataSetPrior1")), &QAction::triggered, this,
            [this] { moveToRow(qMax(0, DBGrid->currentIndex().row() - 1)); });
    connect(action(QStringLiteral("DataSetNext1")), &QAction::triggered, this,
            [this] { moveToRow(DBGrid->currentIndex().row() + 1); });
    connect(action(QStringLiteral("DataSetLast1")), &QAction::triggered, this, [this] { moveToRow(INT_MAX); });

    connect(Ribbon1, &Ribbon::tabChanged, this, &TfrmClassificatorZorvek::Ribbon1TabChange);
}
