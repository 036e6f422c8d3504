#pragma once
// The main window's data grid and the drop-down list editor of its personnel columns.
#include <QHeaderView>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>

class SqlTableModel;

// The grid's column widths follow the data module's field table (in characters of the grid's
// font) each time the table's rows are read, however often and by whichever window; a column
// never takes more than a third of the grid, its cells then elided with the whole text in a tip.
// Titles wrap at their underscores and blanks. At the left, a row marker instead of row numbers.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    // Shows a table object and sizes its columns.
    void setTable(SqlTableModel* table);
    void applyColumnWidths();

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

protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    LeavingRow m_leavingRow;
    QMetaObject::Connection m_reset;
};

// The grid's row header: a mark at the current row ("▶") and at a row with unsaved changes
// ("✎"), no numbers.
class RowMarkerHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit RowMarkerHeader(QTableView* grid);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QTableView* m_grid;
};

// Column titles that wrap at underscores and blanks onto as many lines as they need.
class WrappedTitleHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit WrappedTitleHeader(QWidget* parent = nullptr);
    // The title as it wraps: a break allowed after each underscore.
    static QString wrappable(const QString& title);
    // The widest word of a title, in this header's font.
    int widestWord(const QString& title) const;
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
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
