#include "app/DataGrid.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QPointer>

namespace {

// Lets the grid post the row the cursor is leaving before the cursor moves.
class RowLeavingSelection : public QItemSelectionModel
{
public:
    RowLeavingSelection(QAbstractItemModel* model, DataGrid* grid) : QItemSelectionModel(model, grid), m_grid(grid) {}

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override
    {
        const QModelIndex from = currentIndex();
        if (m_guarding || !m_grid || !from.isValid() || !index.isValid() || index.row() == from.row()) {
            QItemSelectionModel::setCurrentIndex(index, command);
            return;
        }
        const int column = index.column();
        int to = index.row();
        m_guarding = true;
        const bool may = m_grid->mayLeaveRow(from.row(), &to);
        m_guarding = false;
        if (may)
            QItemSelectionModel::setCurrentIndex(model()->index(to, column), command);
    }

private:
    QPointer<DataGrid> m_grid;
    bool m_guarding = false;
};

} // namespace

void DataGrid::setModel(QAbstractItemModel* model)
{
    if (model && model == this->model() && dynamic_cast<RowLeavingSelection*>(selectionModel()))
        return;
    QTableView::setModel(model);
    if (!model)
        return;
    QItemSelectionModel* made = selectionModel();
    setSelectionModel(new RowLeavingSelection(model, this));
    if (made)
        made->deleteLater();
}

void DataGrid::commitEditor()
{
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataGrid::discardEditor()
{
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

QWidget* PickListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("PickList"));
    box->addItems(m_items);
    return box;
}

void PickListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* box = static_cast<QComboBox*>(editor);
    box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString()));
}

void PickListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const auto* box = static_cast<QComboBox*>(editor);
    if (box->currentIndex() >= 0)
        model->setData(index, box->currentText(), Qt::EditRole);
}
