// Registration of the examinee: the worker copied into the journal row, the reason, the category
// and its criteria.
#include "exam/flow/ExamFlow.h"

#include "core/Categories.h"
#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Global.h"
#include "core/exam/ExamCriteria.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

#include <QSqlRecord>

using namespace ExamRegistration;

Completeness ExamFlow::registerWorker(int code)
{
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    QSqlQuery w = Db::exec(db, QStringLiteral("Select Фамилия_Имя_Отчество, Категория_специалиста, Должность, "
                                              "Линейное_подразделение, Стаж, Система_тока From Персонал Where Код = ?"),
                           {code});
    if (!w.next())
        throw zorvek::Error(QStringLiteral("Работник с кодом %1 не найден в таблице «Персонал».").arg(code));
    const QString fio = w.value(0).toString();
    const QString category = w.value(1).toString();
    const QVariantList worker{w.value(0), w.value(1), w.value(2), w.value(3), w.value(4), w.value(5)};
    w.finish();

    const QDate today = Clock::today();
    QVariantList values = worker;
    values.insert(2, ReasonPeriodicheskaya);
    values << Dates::toStorage(today) << Dates::toStorage(Categories::nextCheckDate(today, category))
           << previousCheck(fio);
    updateJournal(QStringLiteral("ФИО = ?, Категория_специалиста = ?, Причина_проверки_знаний = ?, Должность = ?, "
                                 "Наименование_подразделения = ?, Стаж_работы_в_должности = ?, Система_тока = ?, "
                                 "Дата_проверки = ?, Дата_следующей_проверки = ?, Дата_предыдущей_проверки = ?"),
                  values);
    m_workerCode = code;
    if (m_started) {
        Db::Transaction tx(db);
        Db::exec(db, QStringLiteral("Update Состояние_экзамена Set Код_работника = ?"), {code});
        tx.commit();
    }
    return check(journalRow());
}

bool ExamFlow::setReason(const QString& reason)
{
    if (!isReason(reason))
        throw zorvek::Error(unknownReasonMessage(reason));
    const Row row = journalRow();
    if (reason == ReasonPervichnaya)
        updateJournal(QStringLiteral("Причина_проверки_знаний = ?, Дата_предыдущей_проверки = ?"),
                      {reason, QVariant(QMetaType::fromType<QString>())});
    else
        updateJournal(QStringLiteral("Причина_проверки_знаний = ?, Дата_предыдущей_проверки = ?"),
                      {reason, previousCheck(row.fio)});
    return canBegin(journalRow());
}

void ExamFlow::begin()
{
    Global::SystemToka = journalRow().system;
}

QString ExamFlow::acceptRegistration()
{
    if (Global::ExamCancelled)
        return QString();
    Global::NameKategorii = journalRow().category;
    const int position = m_dm.categoryPosition(Global::NameKategorii);
    if (position < 0) {
        Global::ExamCancelled = 1;
        return categoryNotFoundMessage();
    }
    m_dm.connectCategoryBank(position, TfrmADODataModule::dataFolder());
    if (Global::RegimRaboty != Global::RegimExam)
        return QString();
    if (!loadCriteria(Global::NameKategorii)) {
        Global::ExamCancelled = 1;
        return categoryNotFoundMessage();
    }
    return QString();
}

bool ExamFlow::readCriteria(const QString& category, ExamCriteriaRow* criteria) const
{
    QSqlQuery q = Db::exec(m_dm.ADOConnectionGlb, QStringLiteral("Select * From Критерии_оценки Order By Индекс"));
    const QString wanted = category.trimmed();
    while (q.next()) {
        const QSqlRecord rec = q.record();
        if (rec.value(QStringLiteral("Категория_специалиста")).toString().trimmed() != wanted)
            continue;
        auto byte = [&](const QString& column) -> quint8 {
            if (rec.indexOf(column) < 0)
                throw zorvek::Error(QStringLiteral("В таблице «Критерии_оценки» нет столбца «%1».").arg(column));
            const ExamCriteria::Cell cell = ExamCriteria::read(category, column, rec.value(column));
            if (!cell.error.isEmpty())
                throw zorvek::Error(cell.error);
            return cell.value;
        };
        ExamCriteriaRow row;
        row.category = category;
        row.questionCount = byte(QStringLiteral("Кол_вопросов"));
        for (int s = 1; s <= 9; ++s)
            row.quota[s] = byte(QStringLiteral("По_разделу_%1").arg(s));
        row.thresholds.otlichno = byte(QStringLiteral("Отлично"));
        row.thresholds.khorosho = byte(QStringLiteral("Хорошо"));
        row.thresholds.udovletvoritelno = byte(QStringLiteral("Удовлетворительно"));
        row.thresholds.neudovletvoritelno = byte(QStringLiteral("Неудовлетворительно"));
        *criteria = row;
        return true;
    }
    return false;
}

bool ExamFlow::loadCriteria(const QString& category)
{
    ExamCriteriaRow row;
    if (!readCriteria(category, &row))
        return false;
    Global::KolVoprosov = row.questionCount;
    for (int s = 1; s <= 9; ++s)
        Global::KolVoprosovRazdel[s] = row.quota[s];
    Global::PorogOtlichno = quint8(row.thresholds.otlichno);
    Global::PorogKhorosho = quint8(row.thresholds.khorosho);
    Global::PorogUdovletvoritelno = quint8(row.thresholds.udovletvoritelno);
    Global::PorogNeudovletvoritelno = quint8(row.thresholds.neudovletvoritelno);
    Global::KategoriyaExamena = category;
    return true;
}
