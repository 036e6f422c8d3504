// The journal row's start and the search for a graded row that never reached Журнал_All.
#include "exam/flow/ExamFlow.h"

#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Global.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

namespace {

// A graded Журнал row (J) with no equal row in Журнал_All (A); columns compared null-safely, in
// words both engines accept.
QString unsavedGradedRowCondition()
{
    QStringList equal;
    for (const QString& c : Schema::journalColumns())
        equal << QStringLiteral("(A.%1 = J.%1 Or (A.%1 Is Null And J.%1 Is Null))").arg(c);
    return QStringLiteral(" Where Coalesce(Trim(J.Результат_проверки_знаний), '') <> ''"
                          " And Not Exists (Select 1 From Журнал_All A Where ")
           + equal.join(QStringLiteral(" And ")) + QStringLiteral(")");
}

} // namespace

ExamFlow::ExamFlow(TfrmADODataModule& dataModule) : m_dm(dataModule) {}

QString ExamFlow::start()
{
    Global::RegimRaboty = Global::RegimExam;
    Global::ExamCancelled = 0;
    m_workerCode = -1;
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    m_dm.ADOGurnal->clear();

    QString message;
    Db::Transaction tx(db);
    QSqlQuery lost = Db::exec(db, QStringLiteral("Select J.ФИО, J.Дата_проверки, J.Категория_специалиста From Журнал J")
                                      + unsavedGradedRowCondition());
    QStringList names;
    QList<std::pair<QVariant, QVariant>> workers;
    while (lost.next()) {
        names << QStringLiteral("«%1» от %2").arg(lost.value(0).toString(), Dates::storageToText(lost.value(1)));
        workers.append({lost.value(0), lost.value(2)});
    }
    lost.finish();
    if (!names.isEmpty()) {
        Db::exec(db, QStringLiteral("Insert InTo Журнал_All Select J.* From Журнал J") + unsavedGradedRowCondition());
        // The date of the exam goes to the worker's record together with the result.
        for (const auto& w : workers)
            Db::exec(db, QStringLiteral("Update Персонал Set Дата_сдачи_экзамена = (Select Max(Дата_проверки) From Журнал) "
                                        "Where Фамилия_Имя_Отчество = ? And Категория_специалиста = ?"),
                     {w.first, w.second});
        message = QStringLiteral("Результат прошлого экзамена (%1) не был записан в журнал проверки знаний: "
                                 "программа была закрыта до команды «Выход».\rРезультат записан в журнал сейчас.")
                      .arg(names.join(QStringLiteral(", ")));
    }
    Db::exec(db, QStringLiteral("Delete From Журнал"));
    Db::exec(db, QStringLiteral("Insert Into Журнал (Дата_проверки) Values (?)"), {Dates::toStorage(Clock::today())});
    tx.commit();
    m_dm.openTable(m_dm.ADOGurnal, Schema::Gurnal);
    return message;
}

void ExamFlow::updateJournal(const QString& assignments, const QVariantList& values)
{
    Db::Transaction tx(m_dm.ADOConnectionGlb);
    QSqlQuery q = Db::exec(m_dm.ADOConnectionGlb, QStringLiteral("Update Журнал Set ") + assignments, values);
    if (q.numRowsAffected() < 1)
        throw zorvek::Error(QStringLiteral("В таблице «Журнал» нет строки текущего экзамена. Начните экзамен заново."));
    tx.commit();
    if (!m_dm.ADOGurnal->tableName().isEmpty())
        m_dm.refresh(m_dm.ADOGurnal);
}

QVariantList ExamFlow::journalValues() const
{
    QSqlQuery q = Db::exec(m_dm.ADOConnectionGlb,
                           QStringLiteral("Select ") + Schema::journalColumns().join(QStringLiteral(", "))
                               + QStringLiteral(" From Журнал"));
    QVariantList values;
    if (q.next()) {
        for (int i = 0; i < Schema::journalColumns().size(); ++i)
            values << q.value(i);
    }
    return values;
}

ExamRegistration::Row ExamFlow::journalRow() const
{
    const QVariantList v = journalValues();
    ExamRegistration::Row r;
    if (v.isEmpty())
        return r;
    const QStringList cols = Schema::journalColumns();
    auto text = [&](const char* column) {
        const QVariant value = v.at(cols.indexOf(QString::fromUtf8(column)));
        return Dates::isDateColumn(QString::fromUtf8(column)) ? Dates::storageToText(value) : value.toString();
    };
    r.category = text("Категория_специалиста");
    r.fio = text("ФИО");
    r.post = text("Должность");
    r.unit = text("Наименование_подразделения");
    r.previousCheck = text("Дата_предыдущей_проверки");
    r.checkDate = text("Дата_проверки");
    r.nextCheck = text("Дата_следующей_проверки");
    r.system = text("Система_тока");
    r.experience = text("Стаж_работы_в_должности");
    r.reason = text("Причина_проверки_знаний");
    return r;
}

QVariant ExamFlow::previousCheck(const QString& fio) const
{
    const QVariant v = Db::scalar(m_dm.ADOConnectionGlb,
                                  QStringLiteral("Select Max(Дата_проверки) as Дата From Журнал_All Where ФИО = ?"), {fio});
    if (v.isNull() || v.toString().trimmed().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return v;
}
