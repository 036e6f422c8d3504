#pragma once
// Dates as users see them ("dd.mm.yyyy", time "hh:mm:ss", whatever the machine's locale) and
// as the database files keep them (ISO-8601 text, so that ordering, equality and Max work).
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace Dates {

inline constexpr const char* DisplayDateFormat = "dd.MM.yyyy";
inline constexpr const char* DisplayTimeFormat = "hh:mm:ss";
inline constexpr const char* StorageDateFormat = "yyyy-MM-dd";
inline constexpr const char* StorageDateTimeFormat = "yyyy-MM-ddTHH:mm:ss";

// "31.01.2024"; empty for an invalid date.
QString toText(const QDate& date);
// "31.01.2024", followed by " hh:mm:ss" only when the time of day is not midnight.
QString toText(const QDateTime& dateTime);
// Parses "dd.mm.yyyy" (one-digit day and month accepted, an optional time after a blank);
// an invalid date when the text is no date.
QDate fromText(const QString& text);

// The stored form: "yyyy-MM-dd", or a null value for an invalid date.
QVariant toStorage(const QDate& date);
// The stored form of a moment: "yyyy-MM-ddTHH:mm:ss".
QVariant toStorage(const QDateTime& dateTime);
// Reads a stored value (ISO text with or without time, or a date value of the engine);
// an invalid QDateTime for null, empty or unreadable values.
QDateTime fromStorage(const QVariant& value);
// A stored value as users see it; empty for null.
QString storageToText(const QVariant& value);
// A user's text converted to the stored form; a null value for empty text.
// Returns false in ok when the text is neither empty nor a date.
QVariant textToStorage(const QString& text, bool* ok = nullptr);

// Adds months keeping the day of the month, clamped to the last day of the resulting month.
QDate addMonths(const QDate& date, int months);

// Columns whose name starts with "Дата" hold dates.
bool isDateColumn(const QString& columnName);

} // namespace Dates
