#include "core/staff/StaffRules.h"

#include "core/Dates.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace StaffRules {

namespace {

const QString SystemDc = QStringLiteral("постоянного тока");
const QString SystemAc = QStringLiteral("переменного тока");
constexpr int HeaderSearchRows = 10;

// The longest text each text column of Персонал holds.
int maxLength(const QString& column)
{
    static const QHash<QString, int> lengths{
        {NameColumn, 100},     {QStringLiteral("Линейное_подразделение"), 100},
        {QStringLiteral("Должность"), 50}, {QStringLiteral("Стаж"), 50},
        {GroupColumn, 50},     {SystemColumn, 50},
        {CategoryColumn, 100},
    };
    return lengths.value(column, 255);
}

QString nameKey(const QString& name)
{
    return name.simplified().toCaseFolded().replace(u'ё', u'е');
}

QString cellText(const QVariant& cell)
{
    if (!cell.isValid() || cell.isNull())
        return QString();
    if (cell.metaType().id() == QMetaType::Double) {
        const double d = cell.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    if (cell.metaType().id() == QMetaType::QDate)
        return Dates::toText(cell.toDate());
    if (cell.metaType().id() == QMetaType::QDateTime)
        return Dates::toText(cell.toDateTime());
    return cell.toString().trimmed();
}

bool rowIsEmpty(const SheetRow& row)
{
    for (const QVariant& c : row.cells) {
        if (!cellText(c).isEmpty())
            return false;
    }
    return true;
}

QString quoted(const QString& text)
{
    return QStringLiteral("«") + text + QStringLiteral("»");
}

class Planner
{
public:
    explicit Planner(const Context& context) : m_context(context)
    {
        for (const Column& c : context.columns) {
            m_byKey.insert(headerKey(c.name), c.name);
            if (!c.caption.trimmed().isEmpty())
                m_byKey.insert(headerKey(c.caption), c.name);
            m_captions.insert(c.name, c.caption.trimmed().isEmpty() ? c.name : c.caption.trimmed());
        }
        // The journal's name for the same column, the one most lists use.
        if (m_captions.contains(NameColumn))
            m_byKey.insert(headerKey(QStringLiteral("ФИО")), NameColumn);
        for (const Worker& w : context.staff) {
            m_stored[nameKey(w.name)] << w;
            m_storedCodes.insert(w.code, w.name);
            m_maxCode = std::max(m_maxCode, w.code);
        }
    }

    Plan run(const SheetTable& table)
    {
        const int header = findHeader(table);
        if (header < 0) {
            m_plan.fileProblems << QStringLiteral("в первых %1 строках файла нет заголовка со столбцом %2 (или %3, "
                                                  "«ФИО»)")
                                       .arg(HeaderSearchRows)
                                       .arg(quoted(NameColumn), quoted(m_captions.value(NameColumn, NameColumn)));
            return m_plan;
        }
        mapHeader(table.rows.at(header));
        if (!m_plan.fileProblems.isEmpty())
            return m_plan;
        for (qsizetype i = header + 1; i < table.rows.size(); ++i) {
            if (rowIsEmpty(table.rows.at(i)))
                continue;
            m_plan.rows << planRow(table.rows.at(i));
        }
        if (m_plan.rows.isEmpty())
            m_plan.fileProblems << QStringLiteral("в файле нет ни одного работника под заголовком");
        assignCodes();
        return m_plan;
    }

private:
    int findHeader(const SheetTable& table)
    {
        for (qsizetype i = 0; i < std::min<qsizetype>(table.rows.size(), HeaderSearchRows); ++i) {
            for (const QVariant& c : table.rows.at(i).cells) {
                if (m_byKey.value(headerKey(cellText(c))) == NameColumn)
                    return int(i);
            }
        }
        return -1;
    }

    void mapHeader(const SheetRow& header)
    {
        m_plan.headerRow = header.number;
        for (qsizetype i = 0; i < header.cells.size(); ++i) {
            const QString text = cellText(header.cells.at(i));
            if (text.isEmpty())
                continue;
            const QString column = m_byKey.value(headerKey(text));
            if (column.isEmpty()) {
                m_plan.ignoredHeaders << text;
                continue;
            }
            if (m_plan.matched.contains(column)) {
                m_plan.fileProblems << QStringLiteral("столбец %1 назван в заголовке дважды: %2 и %3")
                                           .arg(quoted(column), quoted(m_plan.matched.value(column)), quoted(text));
                continue;
            }
            m_plan.matched.insert(column, text);
            m_cellOf.insert(column, int(i));
        }
    }

    QString caption(const QString& column) const { return quoted(m_captions.value(column, column)); }

    Row planRow(const SheetRow& source)
    {
        Row row;
        row.number = source.number;
        int fileCode = 0;
        for (auto it = m_cellOf.cbegin(); it != m_cellOf.cend(); ++it) {
            const QString& column = it.key();
            const QVariant cell = source.cells.value(it.value());
            const QString text = cellText(cell);
            if (text.isEmpty())
                continue;
            if (column == CodeColumn) {
                bool ok = false;
                const int code = text.toInt(&ok);
                if (!ok || code <= 0)
                    row.problems << caption(column) + QStringLiteral(": «%1» — не целое положительное число").arg(text);
                else
                    fileCode = code;
            } else if (Dates::isDateColumn(column)) {
                const QDate date = cellDate(cell);
                if (!date.isValid())
                    row.problems << caption(column) + QStringLiteral(": «%1» — не дата (дд.мм.гггг)").arg(text);
                else
                    row.values.insert(column, Dates::toStorage(date));
            } else {
                const QString value = textValue(column, text, row.problems);
                if (value.isEmpty())
                    continue;
                if (value.size() > maxLength(column))
                    row.problems << caption(column) + QStringLiteral(": длиннее %1 знаков").arg(maxLength(column));
                row.values.insert(column, value);
            }
        }
        row.name = row.values.value(NameColumn).toString();
        if (row.name.isEmpty()) {
            row.problems.prepend(QStringLiteral("нет ФИО работника"));
            return row;
        }
        const QString key = nameKey(row.name);
        if (m_fileNames.contains(key))
            row.problems << QStringLiteral("работник %1 уже есть в строке %2").arg(quoted(row.name)).arg(m_fileNames.value(key));
        else
            m_fileNames.insert(key, row.number);
        const QList<Worker> stored = m_stored.value(key);
        if (stored.size() > 1)
            row.problems << QStringLiteral("в таблице «Персонал» %1 работников с ФИО %2: неясно, кого обновить")
                                .arg(stored.size())
                                .arg(quoted(row.name));
        if (stored.size() == 1) {
            row.action = Action::Update;
            row.code = stored.first().code;
            if (fileCode && fileCode != row.code)
                row.newCode = fileCode;
        } else {
            row.action = Action::Add;
            row.code = fileCode;
        }
        const int wanted = row.newCode ? row.newCode : (row.action == Action::Add ? fileCode : 0);
        if (wanted) {
            const QString owner = m_storedCodes.value(wanted);
            if (!owner.isEmpty() && nameKey(owner) != key)
                row.problems << QStringLiteral("№ %1 уже у работника %2").arg(wanted).arg(quoted(owner));
            else if (m_fileCodes.contains(wanted))
                row.problems << QStringLiteral("№ %1 уже указан в строке %2").arg(wanted).arg(m_fileCodes.value(wanted));
            else
                m_fileCodes.insert(wanted, row.number);
            m_maxCode = std::max(m_maxCode, wanted);
        }
        if (!row.problems.isEmpty())
            row.action = Action::Refused;
        return row;
    }

    QString textValue(const QString& column, const QString& text, QStringList& problems) const
    {
        if (column == NameColumn)
            return text.simplified();
        if (column == CategoryColumn) {
            if (m_context.categories.contains(text))
                return text;
            for (const QString& c : m_context.categories) {
                if (nameKey(c) == nameKey(text))
                    return c;
            }
            problems << QStringLiteral("неизвестная категория специалиста %1").arg(quoted(text));
            return QString();
        }
        if (column == SystemColumn) {
            const QString key = nameKey(text);
            if (key.startsWith(QStringLiteral("постоян")))
                return SystemDc;
            if (key.startsWith(QStringLiteral("перемен")))
                return SystemAc;
            problems << QStringLiteral("неизвестная система тока %1: ожидается «%2» или «%3»")
                            .arg(quoted(text), SystemDc, SystemAc);
            return QString();
        }
        if (column == GroupColumn) {
            static const QHash<QString, QString> groups{{QStringLiteral("ii"), QStringLiteral("II")},
                                                        {QStringLiteral("iii"), QStringLiteral("III")},
                                                        {QStringLiteral("iv"), QStringLiteral("IV")},
                                                        {QStringLiteral("v"), QStringLiteral("V")},
                                                        {QStringLiteral("2"), QStringLiteral("II")},
                                                        {QStringLiteral("3"), QStringLiteral("III")},
                                                        {QStringLiteral("4"), QStringLiteral("IV")},
                                                        {QStringLiteral("5"), QStringLiteral("V")}};
            const QString group = groups.value(text.toCaseFolded());
            if (group.isEmpty())
                problems << QStringLiteral("группа по электробезопасности %1: ожидается II, III, IV или V").arg(quoted(text));
            return group;
        }
        return text;
    }

    // New workers without a number get the next free ones, in the file's order.
    void assignCodes()
    {
        for (Row& row : m_plan.rows) {
            if (row.action == Action::Add && row.code == 0)
                row.code = ++m_maxCode;
        }
    }

    const Context& m_context;
    Plan m_plan;
    QHash<QString, QString> m_byKey;     // header key -> column
    QHash<QString, QString> m_captions;  // column -> caption
    QMap<QString, int> m_cellOf;         // column -> cell index in the file
    QHash<QString, QList<Worker>> m_stored;
    QHash<int, QString> m_storedCodes;
    QHash<QString, int> m_fileNames;     // name key -> row number
    QHash<int, int> m_fileCodes;         // Код -> row number
    int m_maxCode = 0;
};

} // namespace

int Plan::count(Action action) const
{
    return int(std::count_if(rows.cbegin(), rows.cend(), [action](const Row& r) { return r.action == action; }));
}

QStringList Plan::problemLines() const
{
    QStringList lines = fileProblems;
    for (const Row& r : rows) {
        for (const QString& p : r.problems)
            lines << QStringLiteral("строка %1: %2").arg(r.number).arg(p);
    }
    return lines;
}

QString headerKey(const QString& header)
{
    QString key = header.toCaseFolded();
    key.replace(u'ё', u'е').replace(u'_', u' ');
    key = key.simplified();
    while (key.endsWith(u':') || key.endsWith(u'.'))
        key.chop(1);
    return key.trimmed();
}

QDate cellDate(const QVariant& cell)
{
    switch (cell.metaType().id()) {
    case QMetaType::QDate:
        return cell.toDate();
    case QMetaType::QDateTime:
        return cell.toDateTime().date();
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong: {
        // Spreadsheet day numbers count from 30.12.1899; whole days only, and within 1900..9999.
        const double serial = cell.toDouble();
        if (serial < 1 || serial > 2958465)
            return QDate();
        return QDate(1899, 12, 30).addDays(qint64(std::floor(serial)));
    }
    default:
        break;
    }
    const QString text = cell.toString().trimmed();
    QDate date = Dates::fromText(text);
    if (!date.isValid())
        date = QDate::fromString(text.left(10), Qt::ISODate);
    return date;
}

Plan plan(const SheetTable& table, const Context& context)
{
    return Planner(context).run(table);
}

} // namespace StaffRules
