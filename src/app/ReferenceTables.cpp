// The reference tables of the main database shown in the main window's grid, and the ribbon's
// navigation and editing commands that act on the table shown.
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/TfrmClassificatorZorvek.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "ui/Guarded.h"
#include "ui/Messages.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>

namespace {
const char* const EditingCommands[] = {"DataSetInsert1", "DataSetDelete1", "DataSetEdit1",
                                       "DataSetPost1",   "DataSetCancel1", "DataSetRefresh1"};
const char* const NavigationCommands[] = {"DataSetFirst1", "DataSetPrior1", "DataSetNext1", "DataSetLast1"};
} // namespace

SqlTableModel* TfrmClassificatorZorvek::shownTable() const
{
    return qobject_cast<SqlTableModel*>(DBGrid->model());
}

void TfrmClassificatorZorvek::showTable(SqlTableModel* table, const QString& tableName, const QString& orderColumn,
                                        bool editable)
{
    TfrmADODataModule* dm = Forms::frmADODataModule;
    if (!settlePendingChanges())
        return;
    guarded(this, [&] {
        dm->openTable(table, tableName, orderColumn);
        table->setReadOnly(!editable);
        dm->DataSource = table;
        clearPickLists();
        QItemSelectionModel* oldSelection = DBGrid->selectionModel();
        DBGrid->setTable(table);
        if (oldSelection && oldSelection != DBGrid->selectionModel())
            oldSelection->deleteLater();
        DBGrid->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                               | QAbstractItemView::AnyKeyPressed
                                         : QAbstractItemView::NoEditTriggers);
        if (table->rowCount() > 0)
            DBGrid->setCurrentIndex(table->index(0, 0));
        Image1->hide();
        DBGrid->show();
    });
    updateEditingCommands();
}

bool TfrmClassificatorZorvek::settlePendingChanges()
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly())
        return true;
    DBGrid->commitEditor();
    if (!table->isDirty())
        return true;
    if (!Messages::question(this,
                            QStringLiteral("В таблице «%1» есть несохранённые изменения. Сохранить их?")
                                .arg(table->tableName()),
                            true)) {
        table->revertAll();
        return true;
    }
    return guarded(this, [&] { Forms::frmADODataModule->submit(table); });
}

void TfrmClassificatorZorvek::clearPickLists()
{
    if (const QAbstractItemModel* model = DBGrid->model())
        for (int c = 0; c < model->columnCount(); ++c)
            DBGrid->setItemDelegateForColumn(c, nullptr);
}

void TfrmClassificatorZorvek::fillPersonalPickLists()
{
    TfrmADODataModule* dm = Forms::frmADODataModule;
    // The lists are filled anew each time, so each value is offered once.
    m_categoryList->setItems(dm->categoryNames());
    m_systemList->setItems({QStringLiteral("постоянного тока"), QStringLiteral("переменного тока")});
    m_groupList->setItems({QStringLiteral("II"), QStringLiteral("III"), QStringLiteral("IV"), QStringLiteral("V")});
    const SqlTableModel* p = dm->ADOPersonal;
    DBGrid->setItemDelegateForColumn(p->column(QStringLiteral("Категория_специалиста")), m_categoryList);
    DBGrid->setItemDelegateForColumn(p->column(QStringLiteral("Система_тока")), m_systemList);
    DBGrid->setItemDelegateForColumn(p->column(QStringLiteral("Группа_по_электробезопасности")), m_groupList);
}

void TfrmClassificatorZorvek::updateEditingCommands()
{
    const SqlTableModel* table = shownTable();
    const bool editable = table && !table->isReadOnly();
    for (const char* name : EditingCommands)
        action(QString::fromLatin1(name))->setEnabled(editable);
    for (const char* name : NavigationCommands)
        action(QString::fromLatin1(name))->setEnabled(table != nullptr);
}

void TfrmClassificatorZorvek::actPersonalExecute()
{
    if (!passwordConfirmed())
        return;
    TfrmADODataModule* dm = Forms::frmADODataModule;
    showTable(dm->ADOPersonal, Schema::Personal, QStringLiteral("Код"), true);
    if (shownTable() == dm->ADOPersonal)
        guarded(this, [this] { fillPersonalPickLists(); });
}

void TfrmClassificatorZorvek::actCategoriiExecute()
{
    showTable(Forms::frmADODataModule->ADOGruppa, Schema::Gruppa, QStringLiteral("Порядковый_номер"), false);
}

void TfrmClassificatorZorvek::actCriteriiExecute()
{
    showTable(Forms::frmADODataModule->ADOCriterii, Schema::Criterii, QStringLiteral("Индекс"), false);
}

void TfrmClassificatorZorvek::actDopuskiExecute()
{
    showTable(Forms::frmADODataModule->ADOProcent, Schema::Procent, QStringLiteral("Индекс"), false);
}

void TfrmClassificatorZorvek::actVoprosyToRazdelyExecute()
{
    showTable(Forms::frmADODataModule->ADOVoprosyToRasdely, Schema::VoprosyToRazdely, QStringLiteral("Индекс"),
              false);
}

void TfrmClassificatorZorvek::actGurnalAllExecute()
{
    showTable(Forms::frmADODataModule->ADOGurnalAll, Schema::GurnalAll, QStringLiteral("Дата_проверки"), false);
}

// ---- navigation and editing of the shown table ----

void TfrmClassificatorZorvek::moveToRow(int row)
{
    const SqlTableModel* table = shownTable();
    if (!table || table->rowCount() == 0)
        return;
    DBGrid->commitEditor();
    row = qBound(0, row, table->rowCount() - 1);
    const int column = qMax(0, DBGrid->currentIndex().column());
    DBGrid->setCurrentIndex(table->index(row, column));
    DBGrid->scrollTo(DBGrid->currentIndex());
}

void TfrmClassificatorZorvek::gridInsert()
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly())
        return;
    DBGrid->commitEditor();
    const int row = qMax(0, DBGrid->currentIndex().row());
    if (!table->insertRow(row))
        return;
    DBGrid->setCurrentIndex(table->index(row, 0));
    DBGrid->edit(DBGrid->currentIndex());
}

void TfrmClassificatorZorvek::gridDelete()
{
    SqlTableModel* table = shownTable();
    const int row = DBGrid->currentIndex().row();
    if (!table || table->isReadOnly() || row < 0)
        return;
    if (!Messages::question(this, QStringLiteral("Удалить запись?")))
        return;
    DBGrid->commitEditor();
    guarded(this, [&] {
        table->removeRow(row);
        try {
            Forms::frmADODataModule->submit(table);
        } catch (...) {
            // The row stays; other pending changes stay pending.
            table->revertRow(row);
            throw;
        }
    });
}

void TfrmClassificatorZorvek::gridEdit()
{
    const SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly() || !DBGrid->currentIndex().isValid())
        return;
    DBGrid->edit(DBGrid->currentIndex());
}

void TfrmClassificatorZorvek::gridPost()
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly())
        return;
    DBGrid->commitEditor();
    const QModelIndex current = DBGrid->currentIndex();
    // On failure the data module leaves every change pending: the row stays as typed.
    if (guarded(this, [&] { Forms::frmADODataModule->submit(table); }) && current.isValid())
        DBGrid->setCurrentIndex(table->index(qMin(current.row(), table->rowCount() - 1), current.column()));
}

void TfrmClassificatorZorvek::gridCancel()
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly())
        return;
    DBGrid->discardEditor();
    table->revertAll();
}

void TfrmClassificatorZorvek::gridRefresh()
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly())
        return;
    DBGrid->discardEditor();
    const int row = DBGrid->currentIndex().row();
    guarded(this, [&] {
        table->revertAll();
        Forms::frmADODataModule->refresh(table);
    });
    moveToRow(row);
}
