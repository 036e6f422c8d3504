#pragma once
// The rows of the knowledge-check journal Журнал_All as the protocol and the journal document
// type them: in the table's order, texts as stored, dates as "dd.mm.yyyy" (with the time of day
// only when it is not midnight), a stored date the program cannot read as the text stored, empty
// fields as empty text.
#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <vector>

namespace JournalRows {

struct Row
{
    QString fio;           // ФИО
    QString dolgnost;      // Должность
    QString podrazdelenie; // Наименование_подразделения
    QString rezultat;      // Результат_проверки_знаний
    QString prichina;      // Причина_проверки_знаний
    QString datePrev;      // Дата_предыдущей_проверки, as typed
    QString date;          // Дата_проверки, as typed
    QString dateNext;      // Дата_следующей_проверки, as typed
    // The exam day when Дата_проверки is that day at midnight exactly; invalid otherwise (empty,
    // unreadable, or with a time of day), so such a row belongs to no day's protocol.
    QDate checkDay;

    bool heldOn(const QDate& day) const { return day.isValid() && checkDay == day; }
};

// Which fields a document needs: the protocol ФИО, Должность, Наименование_подразделения,
// Результат_проверки_знаний, Причина_проверки_знаний and the exam day; the journal ФИО and the
// three dates. Fields not read stay empty.
enum class Fields { Protocol, Journal };

// Reads every row of Журнал_All on `db` (the main database) in the table's order. Every row is
// read before returning, so the table holds up no other connection. Throws DbError.
std::vector<Row> read(const QSqlDatabase& db, Fields fields);

// A stored date value as the documents type it (an unreadable one as stored); a fast path for the
// stored ISO forms.
QString dateText(const QVariant& stored);

} // namespace JournalRows
