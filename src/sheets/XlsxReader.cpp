#include "sheets/XlsxReader.h"

#include "core/Error.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <pugixml.hpp>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <algorithm>
#include <cmath>

namespace XlsxReader {

namespace {

constexpr qint64 MaxPartBytes = 64LL * 1024 * 1024;

[[noreturn]] void refuse(const QString& path, const QString& why)
{
    throw zorvek::Error(QStringLiteral("Файл «%1» не читается как таблица .xlsx: %2")
                            .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), why));
}

QString text(const pugi::xml_node& node)
{
    return QString::fromUtf8(node.text().get());
}

QString attr(const pugi::xml_node& node, const char* name)
{
    return QString::fromUtf8(node.attribute(name).value());
}

class Workbook
{
public:
    explicit Workbook(const QString& path) : m_path(path), m_zip(path)
    {
        if (!QFileInfo(path).isFile())
            refuse(path, QStringLiteral("файл не найден."));
        if (!m_zip.open(QuaZip::mdUnzip))
            refuse(path, QStringLiteral("это не zip-архив книги .xlsx или он повреждён."));
    }

    // A part of the package; an empty document when `optional` and the part is absent.
    pugi::xml_document part(const QString& name, bool optional = false)
    {
        pugi::xml_document doc;
        if (!m_zip.setCurrentFile(name)) {
            if (optional)
                return doc;
            refuse(m_path, QStringLiteral("нет части «%1».").arg(name));
        }
        QuaZipFileInfo64 info;
        if (!m_zip.getCurrentFileInfo(&info) || info.uncompressedSize > quint64(MaxPartBytes))
            refuse(m_path, QStringLiteral("часть «%1» повреждена или слишком велика.").arg(name));
        QuaZipFile file(&m_zip);
        if (!file.open(QIODevice::ReadOnly))
            refuse(m_path, QStringLiteral("часть «%1» не читается.").arg(name));
        const QByteArray bytes = file.read(MaxPartBytes + 1);
        file.close();
        if (bytes.size() > MaxPartBytes)
            refuse(m_path, QStringLiteral("часть «%1» слишком велика.").arg(name));
        if (!doc.load_buffer(bytes.constData(), size_t(bytes.size())))
            refuse(m_path, QStringLiteral("часть «%1» — не XML.").arg(name));
        return doc;
    }

    const QString& path() const { return m_path; }

private:
    QString m_path;
    QuaZip m_zip;
};

// "worksheets/sheet1.xml" relative to xl/, or "/xl/worksheets/sheet1.xml" absolute.
QString partPath(const QString& target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    return QDir::cleanPath(QStringLiteral("xl/") + target);
}

QString firstSheetPath(Workbook& book, bool& date1904)
{
    const pugi::xml_document wb = book.part(QStringLiteral("xl/workbook.xml"));
    const pugi::xml_node workbook = wb.child("workbook");
    date1904 = QString::fromUtf8(workbook.child("workbookPr").attribute("date1904").value()) == QLatin1String("1") ||
               QString::fromUtf8(workbook.child("workbookPr").attribute("date1904").value()) == QLatin1String("true");
    const pugi::xml_node sheet = workbook.child("sheets").child("sheet");
    if (!sheet)
        refuse(book.path(), QStringLiteral("в книге нет ни одного листа."));
    const QString id = attr(sheet, "r:id");
    const pugi::xml_document rels = book.part(QStringLiteral("xl/_rels/workbook.xml.rels"));
    for (pugi::xml_node rel : rels.child("Relationships").children("Relationship")) {
        if (attr(rel, "Id") == id)
            return partPath(attr(rel, "Target"));
    }
    refuse(book.path(), QStringLiteral("не найден первый лист книги."));
}

// The text of a string item: plain <t>, or the runs <r><t> of rich text; phonetic runs left out.
QString stringItem(const pugi::xml_node& si)
{
    if (pugi::xml_node t = si.child("t"))
        return text(t);
    QString s;
    for (pugi::xml_node r : si.children("r"))
        s += text(r.child("t"));
    return s;
}

QStringList sharedStrings(Workbook& book)
{
    QStringList list;
    const pugi::xml_document doc = book.part(QStringLiteral("xl/sharedStrings.xml"), true);
    for (pugi::xml_node si : doc.child("sst").children("si"))
        list << stringItem(si);
    return list;
}

// Which cell styles (indexes into cellXfs) show numbers as dates.
QSet<int> dateStyles(Workbook& book)
{
    const pugi::xml_document doc = book.part(QStringLiteral("xl/styles.xml"), true);
    const pugi::xml_node styles = doc.child("styleSheet");
    QHash<int, QString> formats;
    for (pugi::xml_node f : styles.child("numFmts").children("numFmt"))
        formats.insert(f.attribute("numFmtId").as_int(), attr(f, "formatCode"));
    QSet<int> dates;
    int index = 0;
    for (pugi::xml_node xf : styles.child("cellXfs").children("xf")) {
        const int id = xf.attribute("numFmtId").as_int();
        const bool builtInDate = (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
        if (formats.contains(id) ? isDateFormat(formats.value(id)) : builtInDate)
            dates.insert(index);
        ++index;
    }
    return dates;
}

QVariant dateOf(double serial, bool date1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465)
        return serial;
    const QDate epoch = date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    const qint64 days = qint64(std::floor(serial));
    const double fraction = serial - double(days);
    const QDate date = epoch.addDays(days);
    if (fraction < 1.0 / 86400)
        return date;
    return QDateTime(date, QTime(0, 0).addSecs(int(std::lround(fraction * 86400))));
}

} // namespace

int columnOf(const QString& cellReference)
{
    int column = 0;
    int letters = 0;
    for (QChar c : cellReference) {
        const char16_t u = c.toUpper().unicode();
        if (u < 'A' || u > 'Z')
            break;
        column = column * 26 + (u - 'A' + 1);
        ++letters;
        if (letters > 3)
            return -1;
    }
    return letters ? column - 1 : -1;
}

bool isDateFormat(const QString& formatCode)
{
    bool quoted = false, bracket = false, escaped = false;
    bool date = false;
    QString inBracket;
    for (QChar c : formatCode) {
        if (escaped) {
            escaped = false;
            continue;
        }
        if (c == u'\\') {
            escaped = true;
        } else if (quoted) {
            quoted = c != u'"';
        } else if (bracket) {
            if (c == u']') {
                bracket = false;
                // "[h]", "[mm]", "[ss]": elapsed time, not a date.
                if (!inBracket.isEmpty() && std::all_of(inBracket.cbegin(), inBracket.cend(), [](QChar b) {
                        return b == u'h' || b == u'm' || b == u's';
                    }))
                    return false;
                inBracket.clear();
            } else {
                inBracket += c.toLower();
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u'[') {
            bracket = true;
        } else if (c == u';') {
            break; // the first section decides
        } else {
            const char16_t l = c.toLower().unicode();
            if (l == 'd' || l == 'y' || l == 'm')
                date = true;
            if (l == 'h' || l == 's')
                return false; // "mm" beside hours or seconds are minutes: a time of day
        }
    }
    return date;
}

SheetTable read(const QString& path)
{
    Workbook book(path);
    bool date1904 = false;
    const QString sheetPath = firstSheetPath(book, date1904);
    const QStringList strings = sharedStrings(book);
    const QSet<int> dates = dateStyles(book);
    const pugi::xml_document sheet = book.part(sheetPath);

    SheetTable table;
    int nextRow = 1;
    for (pugi::xml_node r : sheet.child("worksheet").child("sheetData").children("row")) {
        SheetRow row;
        row.number = r.attribute("r") ? r.attribute("r").as_int() : nextRow;
        nextRow = row.number + 1;
        int nextColumn = 0;
        for (pugi::xml_node c : r.children("c")) {
            const QString ref = attr(c, "r");
            const int column = ref.isEmpty() ? nextColumn : columnOf(ref);
            if (column < 0 || column > 16383)
                refuse(path, QStringLiteral("недопустимая ссылка на ячейку «%1».").arg(ref));
            nextColumn = column + 1;
            const QString type = attr(c, "t");
            const QString v = text(c.child("v"));
            QVariant value;
            if (type == QLatin1String("s")) {
                bool ok = false;
                const int i = v.toInt(&ok);
                if (!ok || i < 0 || i >= strings.size())
                    refuse(path, QStringLiteral("ячейка %1 ссылается на несуществующую строку.").arg(ref));
                value = strings.at(i);
            } else if (type == QLatin1String("inlineStr")) {
                value = stringItem(c.child("is"));
            } else if (type == QLatin1String("str") || type == QLatin1String("e")) {
                value = v;
            } else if (type == QLatin1String("b")) {
                value = v == QLatin1String("1");
            } else if (type == QLatin1String("d")) {
                value = QDateTime::fromString(v, Qt::ISODate);
            } else if (!v.isEmpty()) {
                bool ok = false;
                const double d = v.toDouble(&ok);
                if (!ok)
                    value = v;
                else if (dates.contains(c.attribute("s").as_int()))
                    value = dateOf(d, date1904);
                else
                    value = d;
            }
            if (value.isValid() && !(value.metaType().id() == QMetaType::QString && value.toString().isEmpty())) {
                while (row.cells.size() <= column)
                    row.cells << QVariant();
                row.cells[column] = value;
            }
        }
        table.rows << row;
    }
    return table;
}

} // namespace XlsxReader
