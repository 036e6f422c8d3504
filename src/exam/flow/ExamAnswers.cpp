// The examinee's answers, the grading and the journal entry.
#include "exam/flow/ExamFlow.h"

#include "core/Global.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

#include <algorithm>

int ExamFlow::questionCount() const
{
    if (!Db::hasTable(m_dm.ADOConnection, Schema::VoprosyOtvety))
        return 0;
    return Db::scalar(m_dm.ADOConnection, QStringLiteral("Select Count(*) From Вопросы_ответы"), {}, 0).toInt();
}

QSet<int> ExamFlow::answeredQuestions() const
{
    QSet<int> answered;
    QSqlQuery q = Db::exec(m_dm.ADOConnectionGlb, QStringLiteral("Select Distinct Номер_вопроса From Ответы"));
    while (q.next())
        answered.insert(q.value(0).toInt());
    return answered;
}

bool ExamFlow::isAnswered(int questionNumber) const
{
    return Db::scalar(m_dm.ADOConnectionGlb, QStringLiteral("Select Count(*) From Ответы Where Номер_вопроса = ?"),
                      {questionNumber}, 0)
               .toInt()
           > 0;
}

int ExamFlow::confirmedAnswer(int questionNumber) const
{
    const QVariant chosen = Db::scalar(
        m_dm.ADOConnectionGlb,
        QStringLiteral("Select Ответ_экзаменуемого From Ответы Where Номер_вопроса = ?"), {questionNumber});
    if (!chosen.isValid())
        return 0;
    QSqlQuery q =
        Db::exec(m_dm.ADOConnection,
                 QStringLiteral("Select Ответ_1, Ответ_2, Ответ_3 From Вопросы_ответы Where Индекс = ?"),
                 {questionNumber});
    if (!q.next())
        return 0;
    // Ответы keeps the chosen answer's text; an absent third answer was recorded as empty text.
    for (int k = 0; k < 3; ++k)
        if (q.value(k).toString() == chosen.toString())
            return k + 1;
    return 0;
}

bool ExamFlow::isComplete() const
{
    const int total = questionCount();
    return total > 0 && answeredQuestions().size() >= total;
}

int ExamFlow::nextUnanswered(int questionNumber) const
{
    const int total = questionCount();
    const QSet<int> answered = answeredQuestions();
    for (int step = 1; step <= total; ++step) {
        const int n = (questionNumber - 1 + step) % total + 1;
        if (!answered.contains(n))
            return n;
    }
    return 0;
}

bool ExamFlow::hasThirdAnswer(int questionNumber) const
{
    const QVariant third = Db::scalar(m_dm.ADOConnection, QStringLiteral("Select Ответ_3 From Вопросы_ответы Where Индекс = ?"),
                                      {questionNumber});
    return !third.isNull() && !third.toString().trimmed().isEmpty();
}

void ExamFlow::confirm(int questionNumber, int answerNumber)
{
    if (answerNumber < 1 || answerNumber > 3)
        throw zorvek::Error(QStringLiteral("Номер ответа должен быть от 1 до 3, а не %1.").arg(answerNumber));
    if (answerNumber == 3 && !hasThirdAnswer(questionNumber))
        throw zorvek::Error(QStringLiteral("У вопроса №%1 два ответа: ответ 3 выбрать нельзя.").arg(questionNumber));
    const QString n = QString::number(answerNumber);
    QSqlQuery q = Db::exec(m_dm.ADOConnection,
                           QStringLiteral("Select Вопрос, Ответ_") + n + QStringLiteral(", Верно_Неверно_") + n
                               + QStringLiteral(" From Вопросы_ответы Where Индекс = ?"),
                           {questionNumber});
    if (!q.next())
        throw zorvek::Error(QStringLiteral("В экзамене нет вопроса №%1.").arg(questionNumber));
    // Ответы keeps texts Not Null: an absent third answer is recorded as empty text.
    auto text = [&](int i) { return q.value(i).isNull() ? QStringLiteral("") : q.value(i).toString(); };
    const QVariantList row{questionNumber, text(0), text(1), text(2)};
    q.finish();

    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    Db::Transaction tx(db);
    if (Db::scalar(db, QStringLiteral("Select Count(*) From Ответы Where Номер_вопроса = ?"), {questionNumber}, 0).toInt() > 0)
        throw zorvek::Error(QStringLiteral("На вопрос №%1 ответ уже подтверждён.").arg(questionNumber));
    Db::exec(db, QStringLiteral("Insert Into Ответы (Номер_вопроса, Вопрос, Ответ_экзаменуемого, Верно_Неверно) "
                                "Values (?, ?, ?, ?)"),
             row);
    tx.commit();
    Global::KolOtvetov = quint8(std::min<qsizetype>(answeredQuestions().size(), 255));
}

ExamResult ExamFlow::grade()
{
    ExamCriteriaRow criteria;
    criteria.category = Global::KategoriyaExamena;
    criteria.thresholds = {Global::PorogOtlichno, Global::PorogKhorosho, Global::PorogUdovletvoritelno,
                           Global::PorogNeudovletvoritelno};
    Db::Transaction tx(m_dm.ADOConnectionGlb);
    const ExamResult r = gradeRow(criteria);
    tx.commit();
    if (!m_dm.ADOGurnal->tableName().isEmpty())
        m_dm.refresh(m_dm.ADOGurnal);
    return r;
}

ExamResult ExamFlow::gradeRow(const ExamCriteriaRow& criteria)
{
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    ExamResult r;
    r.right = Db::scalar(db, QStringLiteral("Select Count(Верно_Неверно) as Ocenka From Ответы "
                                            "Where Верно_Неверно Like ? or Верно_Неверно Like ?"),
                         {QStringLiteral("ве%"), QStringLiteral("Ве%")}, 0)
                  .toInt();
    r.questions = questionCount();
    r.wrong = r.questions - r.right;
    const QString previous = Db::scalar(db, QStringLiteral("Select Оценка From Журнал")).toString();
    r.grade = ExamGrading::grade(r.right, criteria.thresholds, previous);
    QSqlQuery q = Db::exec(db, QStringLiteral("Update Журнал Set Категория_специалиста = ?, Количество_вопросов = ?, "
                                              "Количество_верных_ответов = ?, Количество_неверных_ответов = ?, "
                                              "Оценка = ?, Результат_проверки_знаний = ?"),
                           {criteria.category, r.questions, r.right, r.wrong,
                            r.grade.ocenka.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(r.grade.ocenka),
                            r.grade.result});
    if (q.numRowsAffected() < 1)
        throw zorvek::Error(QStringLiteral("В таблице «Журнал» нет строки текущего экзамена. Начните экзамен заново."));
    if (Db::hasTable(db, Schema::ExamStage))
        writeStage(ExamProgress::Stage::Graded);
    return r;
}

void ExamFlow::enterRow(const QVariant& workerCode)
{
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    QSqlQuery row = Db::exec(db, QStringLiteral("Select ФИО, Категория_специалиста, Результат_проверки_знаний From Журнал"));
    if (!row.next() || row.value(2).toString().trimmed().isEmpty())
        throw zorvek::Error(QStringLiteral("Экзамен не оценён: выполните команду «Просмотр» перед записью в журнал."));
    const QVariantList worker{row.value(0), row.value(1)};
    row.finish();
    Db::exec(db, QStringLiteral("Insert InTo Журнал_All Select * From Журнал"));
    if (!workerCode.isNull())
        Db::exec(db, QStringLiteral("Update Персонал Set Дата_сдачи_экзамена = (Select Дата_проверки From Журнал) "
                                    "Where Код = ?"),
                 {workerCode});
    else
        Db::exec(db, QStringLiteral("Update Персонал Set Дата_сдачи_экзамена = (Select Дата_проверки From Журнал) "
                                    "Where Фамилия_Имя_Отчество = ? And Категория_специалиста = ?"),
                 worker);
    if (Db::hasTable(db, Schema::ExamStage))
        writeStage(ExamProgress::Stage::Entered);
}

void ExamFlow::finish(const QString& resultText)
{
    const QSqlDatabase& db = m_dm.ADOConnectionGlb;
    m_dm.ADOGurnal->clear();
    Db::Transaction tx(db);
    if (!resultText.isNull())
        Db::exec(db, QStringLiteral("Update Журнал Set Результат_проверки_знаний = ?"), {resultText});
    enterRow(m_workerCode >= 0 ? QVariant(m_workerCode) : QVariant());
    tx.commit();
    Global::ExamCancelled = 1;
}
