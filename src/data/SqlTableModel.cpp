#include "data/SqlTableModel.h"

#include "core/Dates.h"
#include "data/SqlDialect.h"

#include <QSqlRecord>

SqlTableModel::SqlTableModel(const QString& objectName, QObject* parent, const QSqlDatabase& db)
    : QSqlTableModel(parent, db)
{
    setObjectName(objectName);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
}

void SqlTableModel::setTable(const QString& tableName)
{
    // The base clears the model (and with it the name) first.
    QSqlTableModel::setTable(SqlDialect::storedName(tableName, SqlDialect::engineOf(database())));
    m_name = tableName;
}

void SqlTableModel::clear()
{
    m_name.clear();
    QSqlTableModel::clear();
}

QVariant SqlTableModel::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && (role == Qt::DisplayRole || role == Qt::EditRole)
        && Dates::isDateColumn(record().fieldName(index.column()))) {
        return Dates::storageToText(QSqlTableModel::data(index, Qt::EditRole));
    }
    return QSqlTableModel::data(index, role);
}

bool SqlTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (m_readOnly)
        return false;
    if (index.isValid() && role == Qt::EditRole
        && Dates::isDateColumn(record().fieldName(index.column()))) {
        QVariant stored;
        switch (value.metaType().id()) {
        case QMetaType::QDate:
            stored = Dates::toStorage(value.toDate());
            break;
        case QMetaType::QDateTime:
            stored = Dates::toStorage(value.toDateTime().date());
            break;
        default: {
            bool ok = true;
            const QString text = value.toString();
            // Accept both the shown form and the stored ISO form.
            stored = Dates::fromStorage(text).isValid() ? QVariant(text) : Dates::textToStorage(text, &ok);
            if (!ok)
                return false;
        }
        }
        return QSqlTableModel::setData(index, stored, role);
    }
    return QSqlTableModel::setData(index, value, role);
}

Qt::ItemFlags SqlTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QSqlTableModel::flags(index);
    if (m_readOnly)
        f &= ~Qt::ItemIsEditable;
    return f;
}

QVariant SqlTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const auto it = m_captions.constFind(record().fieldName(section));
        if (it != m_captions.cend() && !it->text.isEmpty())
            return it->text;
    }
    return QSqlTableModel::headerData(section, orientation, role);
}

int SqlTableModel::columnWidthChars(int column) const
{
    const QString name = record().fieldName(column);
    const auto it = m_captions.constFind(name);
    return it == m_captions.cend() ? 0 : it->width;
}

QVariant SqlTableModel::value(int row, const QString& fieldName) const
{
    return record(row).value(fieldName);
}

bool SqlTableModel::isNewRow(int row) const
{
    // The table model marks the rows it holds for insertion with "*" in its row header.
    return QSqlTableModel::headerData(row, Qt::Vertical, Qt::DisplayRole).toString() == QLatin1String("*");
}

void SqlTableModel::setFieldCaption(const QString& fieldName, const QString& caption, int widthChars)
{
    m_captions.insert(fieldName, Caption{caption, widthChars});
}

void SqlTableModel::applyCaptions()
{
    const QSqlRecord rec = record();
    for (int c = 0; c < rec.count(); ++c) {
        const QString name = rec.fieldName(c);
        const auto it = m_captions.constFind(name);
        setHeaderData(c, Qt::Horizontal, (it == m_captions.cend() || it->text.isEmpty()) ? name : it->text,
                      Qt::DisplayRole);
    }
}
