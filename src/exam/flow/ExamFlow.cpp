// The journal row's start and its values.
#include "exam/flow/ExamFlow.h"

#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Global.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

ExamFlow::ExamFlow(TfrmADODataModule& dataModule) : m_dm(dataModule) {}

QString ExamFlow::start()
{
    Global::RegimRaboty = Global::RegimExam;
    Global::ExamCancelled = 0;
    m_workerCode = -1;
    m_started = false;
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    m_dm.ADOGurnal->clear();
    Schema::ensureTable(db, Schema::ExamStage, Schema::createExamStage());

    const QString message = takeUpLeftExam();
    Db::Transaction tx(db);
    Db::exec(db, QStringLiteral("Delete From Журнал"));
    Db::exec(db, QStringLiteral("Insert Into Журнал (Дата_проверки) Values (?)"), {Dates::toStorage(Clock::today())});
    Db::exec(db, QStringLiteral("Delete From Состояние_экзамена"));
    Db::exec(db, QStringLiteral("Insert Into Состояние_экзамена (Стадия) Values (?)"),
             {ExamProgress::toText(ExamProgress::Stage::Registration)});
    tx.commit();
    m_started = true;
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
