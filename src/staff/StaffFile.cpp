#include "staff/StaffFile.h"

#include "core/Error.h"
#include "core/staff/StaffCsv.h"
#include "sheets/XlsxReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StaffFile {

namespace {

constexpr qint64 MaxCsvBytes = 32LL * 1024 * 1024;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

Contents read(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw zorvek::Error(QStringLiteral("Файл «%1» не найден.").arg(shown(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw zorvek::Error(QStringLiteral("Файл «%1» не открывается: %2.").arg(shown(path), file.errorString()));
    const QByteArray head = file.peek(8);
    if (head.startsWith("PK\x03\x04")) {
        file.close();
        return {XlsxReader::read(path), QStringLiteral("таблица XLSX, первый лист")};
    }
    if (head.startsWith("\xD0\xCF\x11\xE0"))
        throw zorvek::Error(QStringLiteral("Файл «%1» — книга старого формата .xls. Сохраните её в программе "
                                           "электронных таблиц как .xlsx или CSV и загрузите снова.")
                                .arg(shown(path)));
    if (file.size() > MaxCsvBytes)
        throw zorvek::Error(QStringLiteral("Файл «%1» больше %2 МБ: это не список персонала.")
                                .arg(shown(path))
                                .arg(MaxCsvBytes / (1024 * 1024)));
    const QByteArray bytes = file.readAll();
    const StaffCsv::Decoded decoded = StaffCsv::decode(bytes);
    const QChar separator = StaffCsv::separator(decoded.text);
    return {StaffCsv::parse(decoded.text, separator),
            QStringLiteral("CSV, разделитель «%1», кодировка %2")
                .arg(separator)
                .arg(decoded.encoding == StaffCsv::Encoding::Utf8 ? QStringLiteral("UTF-8")
                                                                  : QStringLiteral("Windows-1251"))};
}

} // namespace StaffFile
