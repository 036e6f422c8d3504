#pragma once
// A table object of the data module: Qt's QSqlTableModel that shows the stored ISO dates as
// "dd.mm.yyyy" (and takes them back in that form), and carries the grid captions and widths.
#include <QHash>
#include <QSqlTableModel>

class SqlTableModel : public QSqlTableModel
{
    Q_OBJECT
public:
    explicit SqlTableModel(const QString& objectName, QObject* parent, const QSqlDatabase& db);

    // The table under the program's spelling of its name; the engine may keep it as another
    // spelling ("Журнал_All" on the server is "Журнал_all"), which the model's SQL uses.
    void setTable(const QString& tableName) override;
    QString tableName() const { return m_name; }
    void clear() override;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A column's caption from the field table, however the rows were read again.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Display width in characters of a column as the grids show it; 0 for the grid's default.
    int columnWidthChars(int column) const;
    // Column number of a field name; -1 when the table has no such column.
    int column(const QString& fieldName) const { return fieldIndex(fieldName); }
    // The stored value of a field of a row (dates as stored, ISO text).
    QVariant value(int row, const QString& fieldName) const;
    // Whether a row was inserted and not stored yet.
    bool isNewRow(int row) const;

    // Refuses every edit, whatever view shows the model (read-only reference tables).
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }

    // Caption and width for a column, applied whenever the table is (re)opened.
    void setFieldCaption(const QString& fieldName, const QString& caption, int widthChars = 0);
    // The caption set for a column; empty when it has none.
    QString fieldCaption(const QString& fieldName) const { return m_captions.value(fieldName).text; }
    void applyCaptions();

private:
    struct Caption {
        QString text;
        int width = 0;
    };
    QHash<QString, Caption> m_captions;
    QString m_name;
    bool m_readOnly = false;
};
