#include "sheets/XlsxWriter.h"

#include "core/Error.h"
#include "sheets/XlsxWriterProtocol.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#ifndef ZORVEK_BUILD_BIN_DIR
#define ZORVEK_BUILD_BIN_DIR ""
#endif

namespace XlsxWriter {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString helperPath()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {bin.filePath(XlsxWriterProtocol::HelperName),
                                     bin.filePath(QStringLiteral("../libexec/zorvek/") + XlsxWriterProtocol::HelperName),
                                     QDir(QStringLiteral(ZORVEK_BUILD_BIN_DIR)).filePath(XlsxWriterProtocol::HelperName)}) {
        if (QFileInfo(candidate).isExecutable() && QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

Sheet::Sheet(const QString& path, const QString& sheetName)
    : m_path(QFileInfo(path).absoluteFilePath()), m_stream(std::make_unique<QDataStream>(&m_data, QIODevice::WriteOnly))
{
    m_stream->setVersion(XlsxWriterProtocol::StreamVersion);
    *m_stream << XlsxWriterProtocol::Magic << m_path << sheetName;
}

Sheet::~Sheet() = default;

void Sheet::setColumnWidth(int column, double widthChars)
{
    *m_stream << quint8(XlsxWriterProtocol::Width) << qint32(column) << widthChars;
}

void Sheet::header(int column, const QString& text)
{
    *m_stream << quint8(XlsxWriterProtocol::Header) << qint32(column) << text;
}

void Sheet::cell(int row, int column, const QVariant& value)
{
    *m_stream << quint8(XlsxWriterProtocol::Cell) << qint32(row) << qint32(column) << value;
}

void Sheet::text(int row, int column, const QString& text)
{
    if (!text.isEmpty())
        cell(row, column, text);
}

void Sheet::number(int row, int column, double value)
{
    cell(row, column, value);
}

void Sheet::date(int row, int column, const QDate& date)
{
    cell(row, column, date);
}

void Sheet::dateTime(int row, int column, const QDateTime& moment)
{
    cell(row, column, moment);
}

void Sheet::finish(int rows, int columns)
{
    *m_stream << quint8(XlsxWriterProtocol::Finish) << qint32(rows) << qint32(columns);
    const QString helper = helperPath();
    if (helper.isEmpty())
        throw zorvek::Error(QStringLiteral("Не удалось записать книгу «%1»: не найдена программа %2, которая "
                                           "записывает таблицы XLSX (программа установлена не полностью).")
                                .arg(shown(m_path), XlsxWriterProtocol::HelperName));
    QProcess process;
    process.start(helper, {});
    if (!process.waitForStarted(10000))
        throw zorvek::Error(QStringLiteral("Не удалось записать книгу «%1»: программа %2 не запускается: %3")
                                .arg(shown(m_path), helper, process.errorString()));
    process.write(m_data);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QString cause = QString::fromUtf8(process.readAllStandardError()).trimmed();
        if (cause.isEmpty())
            cause = QStringLiteral("программа %1 завершилась с ошибкой").arg(XlsxWriterProtocol::HelperName);
        throw zorvek::Error(QStringLiteral("Не удалось записать книгу «%1»: %2").arg(shown(m_path), cause));
    }
}

} // namespace XlsxWriter
