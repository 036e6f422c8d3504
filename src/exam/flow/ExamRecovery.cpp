// The stage recorded beside the journal row, and taking up at the next start the exam the
// program left unfinished (a crash, a power cut): only what the program itself recorded.
#include "exam/flow/ExamFlow.h"

#include "core/Dates.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

using ExamProgress::Recovery;
using ExamProgress::Stage;

ExamProgress::Stage ExamFlow::recordedStage() const
{
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    if (!Db::hasTable(db, Schema::ExamStage))
        return Stage::None;
    return ExamProgress::fromText(Db::scalar(db, QStringLiteral("Select Стадия From Состояние_экзамена")).toString());
}

QString ExamFlow::recordedExaminee() const
{
    QSqlQuery q = Db::exec(m_dm.ADOConnectionGlb, QStringLiteral("Select ФИО, Дата_проверки From Журнал"));
    if (!q.next())
        return ExamProgress::examOf(QString(), QString());
    return ExamProgress::examOf(q.value(0).toString(), Dates::storageToText(q.value(1)));
}

void ExamFlow::writeStage(Stage stage)
{
    Db::exec(m_dm.ADOConnectionGlb, QStringLiteral("Update Состояние_экзамена Set Стадия = ?"),
             {ExamProgress::toText(stage)});
}

void ExamFlow::abandon()
{
    if (!m_started)
        return;
    Db::Transaction tx(m_dm.ADOConnectionGlb);
    writeStage(Stage::Abandoned);
    tx.commit();
}

QString ExamFlow::takeUpLeftExam()
{
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    const Stage stage = recordedStage();
    if (stage != Stage::Answering && stage != Stage::Graded)
        return QString();
    QSqlQuery row = Db::exec(db, QStringLiteral("Select Категория_специалиста, Оценка, Результат_проверки_знаний From Журнал"));
    if (!row.next())
        return QString();
    const QString category = row.value(0).toString();
    const QString ocenka = row.value(1).toString(), result = row.value(2).toString();
    row.finish();
    const QVariant workerCode = Db::scalar(db, QStringLiteral("Select Код_работника From Состояние_экзамена"));
    const QString who = recordedExaminee();

    if (stage == Stage::Graded) {
        Db::Transaction tx(db);
        enterRow(workerCode);
        tx.commit();
        return ExamProgress::enteredNowMessage(who, ocenka, result);
    }

    // Answering: the drawn questions and their confirmed answers decide.
    try {
        m_dm.connectCategoryBank(category, TfrmADODataModule::dataFolder());
        const int questions = questionCount();
        const int answered = int(answeredQuestions().size());
        if (ExamProgress::recoveryFor(stage, questions, answered) != Recovery::GradeAndEnter)
            return ExamProgress::cutOffMessage(who, answered, questions);
        ExamCriteriaRow criteria;
        if (!readCriteria(category, &criteria))
            return ExamProgress::cannotGradeMessage(
                who, QStringLiteral("для категории «%1» нет строки в таблице «Критерии_оценки».").arg(category));
        Db::Transaction tx(db);
        const ExamResult r = gradeRow(criteria);
        enterRow(workerCode);
        tx.commit();
        return ExamProgress::gradedNowMessage(who, r.grade.ocenka, r.grade.result);
    } catch (const zorvek::Error& e) {
        return ExamProgress::cannotGradeMessage(who, e.message());
    }
}
