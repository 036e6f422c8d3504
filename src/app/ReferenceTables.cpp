// The reference tables of the main database shown in the main window's grid, and the ribbon's
// navigation and editing commands that act on the table shown.
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/TfrmClassificatorZorvek.h"
#include "core/PersonnelRow.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "ui/Guarded.h"
#include "ui/Messages.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSqlRecord>

namespace {
const char* const EditingCommands[] = {"DataSetInsert1", "DataSetDelete1", "DataSetEdit1",
                                       "DataSetPost1",   "DataSetCancel1", "DataSetRefresh1"};
const char* const NavigationCommands[] = {"DataSetFirst1", "DataSetPrior1", "DataSetNext1", "DataSetLast1"};

// Set while the program itself removes, reverts or re-reads rows: the grid then moves its cursor
// off rows that go away, and that is no leaving to post.
struct RowWork {
    explicit RowWork(bool& flag) : f(flag), was(flag) { f = true; }
    ~RowWork() { f = was; }
    bool& f;
    bool was;
};

bool rowPending(const SqlTableModel* table, int row)
{
    for (int c = 0; c < table->columnCount(); ++c) {
        if (table->isDirty(table->index(row, c)))
            return true;
    }
    return false;
}

// The row of a staff number after the table was read again; `fallback` when it is gone.
int rowOfCode(const SqlTableModel* table, const QVariant& code, int fallback)
{
    const int column = table->column(PersonnelRow::ColumnCode);
    if (column < 0 || code.isNull())
        return fallback;
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->data(table->index(r, column), Qt::EditRole) == code)
            return r;
    }
    return fallback;
}
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
        DBGrid->setLeavingRow([this](int row, int* toRow) { return leaveRow(row, toRow); });
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
    switch (Messages::questionWithCancel(
        this, QStringLiteral("В таблице «%1» есть несохранённые изменения. Сохранить их?\r"
                             "«Да» — сохранить, «Нет» — отказаться от них, «Отмена» — вернуться к таблице.")
                  .arg(table->tableName()))) {
    case Messages::Choice::No: {
        const RowWork work(m_rowWork);
        table->revertAll();
        return true;
    }
    case Messages::Choice::Cancel:
        return false;
    case Messages::Choice::Yes:
        break;
    }
    // At most the current row is pending; from the last, so a dropped row moves none still to post.
    for (int row = table->rowCount() - 1; row >= 0; --row) {
        if (rowPending(table, row) && !postRow(row))
            return false;
    }
    return true;
}

bool TfrmClassificatorZorvek::postRow(int row)
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly() || row < 0 || !rowPending(table, row))
        return true;
    const RowWork work(m_rowWork);
    if (table == Forms::frmADODataModule->ADOPersonal) {
        QHash<QString, QVariant> values;
        for (int c = 0; c < table->columnCount(); ++c)
            values.insert(table->record().fieldName(c), table->data(table->index(row, c), Qt::EditRole));
        const PersonnelRow::Decision d = PersonnelRow::decide(values, table->isNewRow(row));
        if (d.verdict == PersonnelRow::Verdict::Drop) {
            table->revertRow(row);
            return true;
        }
        if (d.verdict == PersonnelRow::Verdict::Refuse) {
            const int column = table->column(d.column);
            Messages::warning(this, PersonnelRow::refusalMessage(
                                        table->headerData(column, Qt::Horizontal).toString()));
            DBGrid->setCurrentIndex(table->index(row, column));
            return false;
        }
    }
    // On failure the data module leaves the change pending: the row stays as typed.
    return guarded(this, [&] { Forms::frmADODataModule->submit(table); });
}

bool TfrmClassificatorZorvek::leaveRow(int row, int* toRow)
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly() || m_rowWork)
        return true;
    DBGrid->commitEditor();
    if (!rowPending(table, row))
        return true;
    const bool newRow = table->isNewRow(row);
    const int codeColumn = table->column(PersonnelRow::ColumnCode);
    const QVariant targetCode =
        codeColumn >= 0 ? table->data(table->index(*toRow, codeColumn), Qt::EditRole) : QVariant();
    const int rowsBefore = table->rowCount();
    if (!postRow(row))
        return false;
    // A dropped new row moves the rows below it up; a stored one may have been sorted elsewhere.
    if (newRow && table->rowCount() < rowsBefore && *toRow > row)
        --*toRow;
    else
        *toRow = rowOfCode(table, targetCode, qMin(*toRow, table->rowCount() - 1));
    return true;
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
    // The row being left is posted first; the new one goes before the record that was current.
    const int current = DBGrid->currentIndex().row();
    const int codeColumn = table->column(PersonnelRow::ColumnCode);
    const QVariant currentCode =
        current >= 0 && codeColumn >= 0 ? table->data(table->index(current, codeColumn), Qt::EditRole) : QVariant();
    if (current >= 0 && !postRow(current))
        return;
    const int row = current < 0 ? 0 : rowOfCode(table, currentCode, qMax(0, qMin(current, table->rowCount())));
    if (!table->insertRow(row))
        return;
    int column = 0;
    if (codeColumn >= 0) {
        // The next free staff number is proposed; the name is typed first.
        int next = 1;
        for (int r = 0; r < table->rowCount(); ++r)
            next = qMax(next, table->data(table->index(r, codeColumn), Qt::EditRole).toInt() + 1);
        table->setData(table->index(row, codeColumn), next);
        column = qMax(0, table->column(PersonnelRow::ColumnFio));
    }
    DBGrid->setCurrentIndex(table->index(row, column));
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
    const RowWork work(m_rowWork);
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
    if (!current.isValid())
        return;
    const int codeColumn = table->column(PersonnelRow::ColumnCode);
    const QVariant code = codeColumn >= 0 ? table->data(table->index(current.row(), codeColumn), Qt::EditRole) : QVariant();
    if (!postRow(current.row()) || table->rowCount() == 0)
        return;
    const int row = rowOfCode(table, code, qMin(current.row(), table->rowCount() - 1));
    DBGrid->setCurrentIndex(table->index(row, current.column()));
}

void TfrmClassificatorZorvek::gridCancel()
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly())
        return;
    DBGrid->discardEditor();
    // Only the current row can be pending: it alone goes back to what is stored.
    const int row = DBGrid->currentIndex().row();
    const RowWork work(m_rowWork);
    if (row >= 0)
        table->revertRow(row);
}

void TfrmClassificatorZorvek::gridRefresh()
{
    SqlTableModel* table = shownTable();
    if (!table || table->isReadOnly())
        return;
    DBGrid->discardEditor();
    const int row = DBGrid->currentIndex().row();
    {
        const RowWork work(m_rowWork);
        guarded(this, [&] {
            table->revertAll();
            Forms::frmADODataModule->refresh(table);
        });
    }
    moveToRow(row);
}
