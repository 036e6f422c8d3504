#pragma once
// What the program sends to zorvek-xlsx-writer on its standard input (a QDataStream): the magic
// number, the output path and the sheet name, then records until Finish:
//   Width  column widthChars         Header column text
//   Cell   row column value (QString, double, QDate or QDateTime)
//   Finish rows columns
// The helper answers with exit status 0, or 1 and the cause in Russian on standard error.
#include <QDataStream>
#include <QString>

namespace XlsxWriterProtocol {

inline constexpr quint32 Magic = 0x5a584c31; // "ZXL1"
inline constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_4;
inline const QString HelperName = QStringLiteral("zorvek-xlsx-writer");

enum Record : quint8 { Width = 1, Header = 2, Cell = 3, Finish = 4 };

} // namespace XlsxWriterProtocol
