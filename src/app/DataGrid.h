#pragma once
// The main window's data grid and the drop-down list editor of its personnel columns.
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>

class DataGrid : public QTableView
{
    Q_OBJECT
public:
    using QTableView::QTableView;

    // Writes the cell being typed into the model and closes its editor (before posting).
    void commitEditor();
    // Closes the cell editor without taking what was typed (before cancelling).
    void discardEditor();
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
