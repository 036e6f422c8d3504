#include "app/DataGrid.h"

#include "data/SqlTableModel.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QToolTip>

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

namespace {
constexpr int CellPadding = 8;
constexpr int MarkerWidth = 18;
// A cell shrunk to share the grid keeps this many characters.
constexpr int MinimumChars = 10;
// A title word this long may break with a hyphen.
constexpr int LongWord = 13;
} // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    setHorizontalHeader(new WrappedTitleHeader(this));
    setVerticalHeader(new RowMarkerHeader(this));
    setTextElideMode(Qt::ElideRight);
    setWordWrap(false);
}

void DataGrid::setTable(SqlTableModel* table)
{
    disconnect(m_reset);
    setModel(table);
    // Another window may read the same table object's rows again: the widths are set again each
    // time, from the same field table.
    m_reset = connect(table, &QAbstractItemModel::modelReset, this, &DataGrid::applyColumnWidths,
                      Qt::QueuedConnection);
    // The row marker follows the current row.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, verticalHeader()->viewport(),
            qOverload<>(&QWidget::update), Qt::UniqueConnection);
    applyColumnWidths();
}

void DataGrid::applyColumnWidths()
{
    const auto* table = qobject_cast<const SqlTableModel*>(model());
    auto* header = static_cast<WrappedTitleHeader*>(horizontalHeader());
    if (!table)
        return;
    // The room for the cells, whether or not the rows need a scroll bar just now: the widths do
    // not change as rows come and go.
    const int room = contentsRect().width() - verticalHeader()->sizeHint().width()
                     - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int third = std::max(60, room / 3);
    const int charWidth = fontMetrics().averageCharWidth();
    struct Column
    {
        int width = 0;
        int least = 0;     // the title's widest word, or a few characters of the cells
        bool fixed = false; // its width comes from the field table
    };
    QList<Column> columns;
    int total = 0;
    for (int c = 0; c < table->columnCount(); ++c) {
        Column col;
        const QString title = table->headerData(c, Qt::Horizontal).toString();
        const int titleWidth = header->widestWord(title) + CellPadding;
        col.fixed = table->columnWidthChars(c) > 0;
        const int wanted = col.fixed ? table->columnWidthChars(c) * charWidth + CellPadding : sizeHintForColumn(c);
        col.width = std::min(third, std::max(wanted, titleWidth));
        col.least = std::min(col.width, std::max(titleWidth, MinimumChars * charWidth));
        total += col.width;
        columns << col;
    }
    // A table without widths of its own gives up the room of its widest cells first, so that all of
    // its columns are in view where their titles allow it.
    for (int excess = total - room; excess > 0;) {
        int widest = -1;
        for (int c = 0; c < columns.size(); ++c)
            if (!columns[c].fixed && columns[c].width > columns[c].least
                && (widest < 0 || columns[c].width > columns[widest].width))
                widest = c;
        if (widest < 0)
            break;
        const int cut = std::min(excess, columns[widest].width - columns[widest].least);
        // Cut in steps, so that two wide columns share the loss.
        const int step = std::max(1, std::min(cut, 16));
        columns[widest].width -= step;
        excess -= step;
    }
    for (int c = 0; c < columns.size(); ++c)
        header->resizeSection(c, columns[c].width);
    // The titles' height follows the new widths.
    updateGeometries();
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    // A third of the grid is measured on the grid as it is shown.
    applyColumnWidths();
}

bool DataGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid()) {
            const QString text = index.data(Qt::DisplayRole).toString();
            const int room = columnWidth(index.column()) - CellPadding;
            if (fontMetrics().horizontalAdvance(text) > room) {
                // The cell is elided: its whole text in the tip.
                QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QTableView::viewportEvent(event);
}

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

RowMarkerHeader::RowMarkerHeader(QTableView* grid) : QHeaderView(Qt::Vertical, grid), m_grid(grid)
{
    setSectionsClickable(true);
    setHighlightSections(true);
}

QSize RowMarkerHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setWidth(MarkerWidth);
    return size;
}

void RowMarkerHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    const auto* table = qobject_cast<const QSqlTableModel*>(model());
    bool changed = false;
    if (table)
        for (int c = 0; c < table->columnCount() && !changed; ++c)
            changed = table->isDirty(table->index(logicalIndex, c));
    QString mark;
    if (changed)
        mark = QStringLiteral("✎");
    else if (m_grid->currentIndex().isValid() && m_grid->currentIndex().row() == logicalIndex)
        mark = QStringLiteral("▶");
    if (!mark.isEmpty()) {
        painter->save();
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(rect, Qt::AlignCenter, mark);
        painter->restore();
    }
}

WrappedTitleHeader::WrappedTitleHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setDefaultAlignment(Qt::AlignCenter);
    setSectionsClickable(true);
    setHighlightSections(true);
}

namespace {
bool isVowel(QChar c)
{
    return QStringLiteral("аеёиоуыэюяaeiouy").contains(c.toLower());
}

// Near the middle of a word, after a vowel that a consonant follows ("Удовлетво-рительно").
qsizetype hyphenPoint(const QString& word)
{
    const qsizetype half = (word.size() + 1) / 2;
    for (qsizetype shift = 0; shift <= 4; ++shift)
        for (const qsizetype at : {half + shift, half - shift})
            if (at > 1 && at < word.size() - 1 && isVowel(word[at - 1]) && !isVowel(word[at])
                && !QStringLiteral("ьъй").contains(word[at].toLower()))
                return at;
    return half;
}
} // namespace

QString WrappedTitleHeader::wrappable(const QString& title)
{
    // A break after each underscore, and a hyphen halfway through a long word.
    static const QRegularExpression longWord(QStringLiteral("[^\\s_]{%1,}").arg(LongWord));
    QString text = title.trimmed();
    for (qsizetype at = 0;;) {
        const QRegularExpressionMatch m = longWord.match(text, at);
        if (!m.hasMatch())
            break;
        text.insert(m.capturedStart() + hyphenPoint(m.captured()), QChar(0x00AD));
        at = m.capturedEnd() + 1;
    }
    text.replace(QLatin1Char('_'), QStringLiteral("_\u200B"));
    return text;
}

int WrappedTitleHeader::widestWord(const QString& title) const
{
    static const QRegularExpression breaks(QStringLiteral("[\\s\u200B]+"));
    int widest = 0;
    const QFontMetrics metrics(font());
    for (const QString& word : wrappable(title).split(breaks, Qt::SkipEmptyParts)) {
        // A word broken with a hyphen shows the hyphen after its first part.
        const QStringList parts = word.split(QChar(0x00AD));
        for (qsizetype i = 0; i < parts.size(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(i + 1 < parts.size() ? parts[i] + QLatin1Char('-')
                                                                                      : parts[i]));
    }
    return widest;
}

QSize WrappedTitleHeader::sectionSizeFromContents(int logicalIndex) const
{
    return QSize(widestWord(model() ? model()->headerData(logicalIndex, orientation()).toString() : QString())
                     + CellPadding * 2,
                 QHeaderView::sectionSizeFromContents(logicalIndex).height());
}

QSize WrappedTitleHeader::sizeHint() const
{
    // Tall enough for the title that wraps onto the most lines.
    QSize size = QHeaderView::sizeHint();
    if (!model())
        return size;
    const QFontMetrics metrics(font());
    int height = metrics.height();
    for (int c = 0; c < count(); ++c) {
        const QRect room(0, 0, std::max(1, sectionSize(c) - CellPadding), 10000);
        const QString title = wrappable(model()->headerData(c, orientation()).toString());
        height = std::max(height, metrics.boundingRect(room, Qt::TextWordWrap, title).height());
    }
    size.setHeight(height + CellPadding);
    return size;
}

void WrappedTitleHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    const QString title = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    painter->save();
    painter->setFont(font());
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(rect.adjusted(CellPadding / 2, 2, -CellPadding / 2, -2),
                      Qt::AlignCenter | Qt::TextWordWrap, wrappable(title));
    painter->restore();
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
