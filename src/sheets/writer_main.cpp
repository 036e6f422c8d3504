// zorvek-xlsx-writer: writes one .xlsx sheet with libxlsxwriter from the records the program sends
// on standard input (see XlsxWriterProtocol.h). It links no zip library but libxlsxwriter's own.
#include "sheets/XlsxWriterProtocol.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <cstdio>
#include <xlsxwriter.h>

namespace {

int fail(const QString& message)
{
    const QByteArray utf8 = message.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stderr);
    std::fputc('\n', stderr);
    return 1;
}

lxw_datetime toLxw(const QDate& date, const QTime& time)
{
    lxw_datetime dt{};
    dt.year = date.year();
    dt.month = date.month();
    dt.day = date.day();
    dt.hour = time.hour();
    dt.min = time.minute();
    dt.sec = time.second();
    return dt;
}

} // namespace

int main()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return fail(QStringLiteral("нет входных данных"));
    QDataStream in(&input);
    in.setVersion(XlsxWriterProtocol::StreamVersion);
    quint32 magic = 0;
    QString path, sheetName;
    in >> magic >> path >> sheetName;
    if (magic != XlsxWriterProtocol::Magic || path.isEmpty())
        return fail(QStringLiteral("неверные входные данные"));

    const QString temp = QFileInfo(path).absolutePath() + QStringLiteral("/.") + QFileInfo(path).fileName() +
                         QStringLiteral(".part");
    const QByteArray tempName = QFile::encodeName(temp);
    lxw_workbook* book = workbook_new(tempName.constData());
    if (!book)
        return fail(QStringLiteral("книга не создаётся (не хватает памяти)"));
    const QByteArray sheetUtf8 = sheetName.toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetUtf8.constData());
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "dd.mm.yyyy");
    lxw_format* dateTimeFormat = workbook_add_format(book);
    format_set_num_format(dateTimeFormat, "dd.mm.yyyy hh:mm:ss");
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_SHEETNAME_LENGTH_EXCEEDED;
    const auto check = [&error](lxw_error e) {
        if (e != LXW_NO_ERROR && error == LXW_NO_ERROR)
            error = e;
    };

    bool finished = false;
    while (sheet && !finished && in.status() == QDataStream::Ok && !in.atEnd()) {
        quint8 record = 0;
        in >> record;
        qint32 row = 0, column = 0;
        switch (record) {
        case XlsxWriterProtocol::Width: {
            double width = 0;
            in >> column >> width;
            check(worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), width, nullptr));
            break;
        }
        case XlsxWriterProtocol::Header: {
            QString text;
            in >> column >> text;
            const QByteArray utf8 = text.toUtf8();
            check(worksheet_write_string(sheet, 0, lxw_col_t(column), utf8.constData(), bold));
            break;
        }
        case XlsxWriterProtocol::Cell: {
            QVariant value;
            in >> row >> column >> value;
            const auto r = lxw_row_t(row);
            const auto c = lxw_col_t(column);
            if (value.metaType().id() == QMetaType::Double) {
                check(worksheet_write_number(sheet, r, c, value.toDouble(), nullptr));
            } else if (value.metaType().id() == QMetaType::QDate) {
                lxw_datetime dt = toLxw(value.toDate(), QTime(0, 0));
                check(worksheet_write_datetime(sheet, r, c, &dt, dateFormat));
            } else if (value.metaType().id() == QMetaType::QDateTime) {
                const QDateTime moment = value.toDateTime();
                lxw_datetime dt = toLxw(moment.date(), moment.time());
                check(worksheet_write_datetime(sheet, r, c, &dt, dateTimeFormat));
            } else {
                const QByteArray utf8 = value.toString().toUtf8();
                check(worksheet_write_string(sheet, r, c, utf8.constData(), nullptr));
            }
            break;
        }
        case XlsxWriterProtocol::Finish:
            in >> row >> column;
            worksheet_freeze_panes(sheet, 1, 0);
            if (column > 0)
                check(worksheet_autofilter(sheet, 0, 0, lxw_row_t(row), lxw_col_t(column - 1)));
            finished = true;
            break;
        default:
            in.setStatus(QDataStream::ReadCorruptData);
        }
    }
    const lxw_error closed = workbook_close(book);
    if (!finished) {
        QFile::remove(temp);
        return fail(error != LXW_NO_ERROR ? QString::fromUtf8(lxw_strerror(error))
                                          : QStringLiteral("входные данные оборваны"));
    }
    check(closed);
    if (error != LXW_NO_ERROR) {
        QFile::remove(temp);
        if (error == LXW_ERROR_CREATING_XLSX_FILE || error == LXW_ERROR_CREATING_TMPFILE)
            return fail(QStringLiteral("файл не создаётся: папка недоступна для записи или диск полон."));
        return fail(QString::fromUtf8(lxw_strerror(error)));
    }
    QFile::remove(path);
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        return fail(QStringLiteral("файл занят другой программой или папка недоступна для записи."));
    }
    return 0;
}
