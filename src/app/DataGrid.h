#pragma once
// The main window's data grid and the drop-down list editor of its personnel columns.
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>

class DataGrid : public QTableView
{
    Q_OBJECT
public:
    using QTableView::QTableView;

    // Asked before the cursor leaves `row` for `*toRow` (by keys, mouse or commands), as a
    // data-bound grid posts the row it leaves; returns false to keep the cursor on the row. When
    // posting re-reads the table, the check sets `*toRow` to where the target row now stands.
    using LeavingRow = std::function<bool(int row, int* toRow)>;
    void setLeavingRow(LeavingRow check) { m_leavingRow = std::move(check); }
    bool mayLeaveRow(int row, int* toRow) const { return !m_leavingRow || m_leavingRow(row, toRow); }

    void setModel(QAbstractItemModel* model) override;

    // Writes the cell being typed into the model and closes its editor (before posting).
    void commitEditor();
    // Closes the cell editor without taking what was typed (before cancelling).
    void discardEditor();

private:
    LeavingRow m_leavingRow;
};

// A cell editor that offers a fixed list of values in a combo box.
class PickListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Replaces the list (never appends), so each value is offered once however often it is filled.
    void setItems(const QStringList& items) { m_items = items; }
    QStringList items() const { return m_items; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList m_items;
};
