#pragma once
// Writes one sheet of an .xlsx workbook: texts, numbers and dates as typed cells (dates shown
// "dd.mm.yyyy"), a bold header row that stays in view and filters.
//
// The workbook itself is written by libxlsxwriter in the small helper program zorvek-xlsx-writer:
// libxlsxwriter and QuaZip (which the document engine uses) each bring their own, incompatible
// copy of the zip library under the same symbol names, so the two cannot share one process. The
// cells are collected here and handed to the helper when the sheet is finished. The helper writes
// under a temporary name and puts the file in place only when complete.
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <memory>

class QDataStream;

namespace XlsxWriter {

class Sheet
{
public:
    Sheet(const QString& path, const QString& sheetName);
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    void setColumnWidth(int column, double widthChars);
    void header(int column, const QString& text);
    void text(int row, int column, const QString& text);
    void number(int row, int column, double value);
    void date(int row, int column, const QDate& date);
    void dateTime(int row, int column, const QDateTime& moment);

    // Freezes and filters the header row over `rows` data rows and `columns` columns and writes
    // the workbook. Throws zorvek::Error naming the file and the cause.
    void finish(int rows, int columns);

private:
    void cell(int row, int column, const QVariant& value);

    QString m_path;
    QByteArray m_data;
    std::unique_ptr<QDataStream> m_stream;
};

// The helper's path: beside the running program, or in ../libexec/zorvek of an installed one.
QString helperPath();

} // namespace XlsxWriter
