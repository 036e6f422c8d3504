#include "core/staff/StaffCsv.h"

#include "core/import/Cp1251.h"

#include <QStringDecoder>

namespace StaffCsv {

Decoded decode(QByteArrayView bytes)
{
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    if (bytes.startsWith(QByteArrayView(Bom, 3)))
        return {QString::fromUtf8(bytes.sliced(3)), Encoding::Utf8};
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return {text, Encoding::Utf8};
    return {Cp1251::decode(bytes), Encoding::Windows1251};
}

QChar separator(QStringView text)
{
    int semicolons = 0, commas = 0;
    bool quoted = false, seenText = false;
    for (QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u'\n' || c == u'\r')) {
            if (seenText)
                break;
        } else if (!quoted && c == u';') {
            ++semicolons;
        } else if (!quoted && c == u',') {
            ++commas;
        }
        if (!c.isSpace())
            seenText = true;
    }
    return commas > semicolons ? QChar(u',') : QChar(u';');
}

SheetTable parse(QStringView text, QChar separator)
{
    SheetTable table;
    SheetRow row;
    QString cell;
    bool quoted = false, cellQuoted = false, rowHasText = false;
    int line = 1;
    row.number = 1;
    const auto endCell = [&] {
        const QString value = cellQuoted ? cell : cell.trimmed();
        if (!value.isEmpty())
            rowHasText = true;
        row.cells << (value.isEmpty() ? QVariant() : QVariant(value));
        cell.clear();
        cellQuoted = false;
    };
    const auto endRow = [&] {
        endCell();
        if (rowHasText)
            table.rows << row;
        row = SheetRow();
        row.number = line;
        rowHasText = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                if (c != u'\r')
                    cell += c;
            }
        } else if (c == u'"' && cell.trimmed().isEmpty()) {
            cell.clear();
            quoted = cellQuoted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRow();
        } else {
            cell += c;
        }
    }
    endRow();
    return table;
}

SheetTable read(QByteArrayView bytes)
{
    const Decoded decoded = decode(bytes);
    return parse(decoded.text, separator(decoded.text));
}

} // namespace StaffCsv
