// ExamenationExe: the quota check, the draw and the working tables of the exam.
#include "exam/flow/ExamFlow.h"

#include "core/Categories.h"
#include "core/Clock.h"
#include "core/Global.h"
#include "core/exam/ExamDraw.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

#include <QFileInfo>
#include <QSqlError>

namespace {

// Whether the question holds a system's mark, in words both engines accept: the text changes when
// the mark is taken out of it.
const QString HoldsMark = QStringLiteral("Replace(Вопрос, ?, '') <> Вопрос");

// Eligible question numbers (Индекс) of a section for the system, in ascending order.
QList<int> eligibleRows(const QSqlDatabase& bank, const QString& table, const QString& system)
{
    QSqlQuery q = Db::exec(bank,
                           QStringLiteral("Select Индекс, ") + HoldsMark + QStringLiteral(", ") + HoldsMark
                               + QStringLiteral(" From ") + table
                               + QStringLiteral(" Order By Индекс"),
                           {ExamDraw::MarkAc, ExamDraw::MarkDc});
    QList<int> rows;
    while (q.next()) {
        if (ExamDraw::eligibleByMarks(q.value(1).toBool(), q.value(2).toBool(), system))
            rows << q.value(0).toInt();
    }
    return rows;
}

// Draws a section's quota: by looking at random questions only, as a rule; a section too short or
// too sparse for that is read whole. Returns the eligible count as far as it is known (at least the
// quota when the draw succeeded, the exact count otherwise).
int drawSection(const QSqlDatabase& bank, const QString& table, int quota, const QString& system, QList<int>* chosen)
{
    // Min and Max asked apiece: each is then a single look into the table's key, not a pass over it.
    const int lo = Db::scalar(bank, QStringLiteral("Select Min(Индекс) From ") + table).toInt();
    const int hi = Db::scalar(bank, QStringLiteral("Select Max(Индекс) From ") + table).toInt();
    Global::KolZapisey = hi;   // the section numbers its questions 1..N

    QSqlQuery probe(bank);
    if (!probe.prepare(QStringLiteral("Select ") + HoldsMark + QStringLiteral(", ") + HoldsMark + QStringLiteral(" From ") + table
                       + QStringLiteral(" Where Индекс = ?")))
        throw DbError::fromSqlError(probe.lastError(), table);
    auto isEligible = [&](int k) {
        probe.bindValue(0, ExamDraw::MarkAc);
        probe.bindValue(1, ExamDraw::MarkDc);
        probe.bindValue(2, k);
        if (!probe.exec())
            throw DbError::fromSqlError(probe.lastError(), table);
        const bool ok = probe.next() && ExamDraw::eligibleByMarks(probe.value(0).toBool(), probe.value(1).toBool(), system);
        probe.finish();
        return ok;
    };
    if (ExamDraw::sample(lo, hi, quota, isEligible, Random::engine(), 20 * quota + 100, chosen))
        return quota;
    const QList<int> eligible = eligibleRows(bank, table, system);
    if (eligible.size() < quota)
        return int(eligible.size());
    *chosen = ExamDraw::choose(eligible, quota, Random::engine());
    return quota;
}

QString bankName(const QSqlDatabase& bank)
{
    if (SqlDialect::engineOf(bank) == SqlDialect::Engine::Postgres)
        return Db::serverPlacement(bank).homeSchema;
    return QFileInfo(bank.databaseName()).fileName();
}

} // namespace

QList<DrawnQuestion> ExamFlow::prepare()
{
    if (Global::ExamCancelled)
        return {};
    const QSqlDatabase& bank = m_dm.ADOConnection;
    const QSqlDatabase& main = m_dm.ADOConnectionGlb;
    if (!bank.isOpen())
        throw DbError(QStringLiteral("База вопросов категории «%1» не подключена.").arg(Global::NameKategorii));
    if (!Db::hasTable(bank, Schema::Vybor))
        throw DbError(QStringLiteral("В базе вопросов «%1» нет таблицы «%2».").arg(bankName(bank), Schema::Vybor));

    // Every section's supply is checked before anything is drawn or written.
    ExamDraw::Supply supply;
    supply.category = Global::KategoriyaExamena.isEmpty() ? Global::NameKategorii : Global::KategoriyaExamena;
    supply.systemToka = Global::SystemToka;
    supply.questionCount = Global::KolVoprosov;
    std::array<QList<int>, 10> chosen;
    QList<DrawnQuestion> drawn;
    for (int s = 1; s <= 9; ++s) {
        supply.quota[s] = Global::KolVoprosovRazdel[s];
        if (supply.quota[s] == 0)
            continue;
        const QString table = Categories::sectionTableName(s);
        if (!Db::hasTable(bank, table))
            throw DbError(QStringLiteral("В базе вопросов «%1» нет таблицы «%2».").arg(bankName(bank), table));
        supply.eligible[s] = drawSection(bank, table, supply.quota[s], Global::SystemToka, &chosen[s]);
    }
    // Nothing has been written yet: a short section or a wrong question count cancels the exam here.
    const QStringList problems = ExamDraw::quotaProblems(supply);
    if (!problems.isEmpty()) {
        Global::ExamCancelled = 1;
        throw ExamCannotStart(ExamDraw::quotaMessage(supply, problems));
    }
    for (int s = 1; s <= 9; ++s) {
        for (int index : chosen[s])
            drawn.append({int(drawn.size()) + 1, s, index});
        if (!chosen[s].isEmpty())
            Global::VyborSet = QSet<int>(chosen[s].begin(), chosen[s].end());
    }

    // The models let go of the working tables before they are dropped.
    for (SqlTableModel* t : {m_dm.ADOVoprosy_Otvety, m_dm.ADORazdel, m_dm.ADOIndex, m_dm.ADOOtvety})
        t->clear();

    const QStringList cols = Schema::questionColumns().mid(1);
    QStringList fromSection;
    for (const QString& c : cols)
        fromSection << QStringLiteral("T.") + c;
    {
        Db::Transaction tx(bank);
        Schema::recreateTable(bank, Schema::VoprosyOtvety, Schema::createVoprosyOtvety());
        for (int s = 1; s <= 9; ++s) {
            Db::exec(bank, QStringLiteral("Delete From Выбор"));
            if (chosen[s].isEmpty())
                continue;
            QStringList marks;
            QVariantList values;
            for (int index : chosen[s]) {
                marks << QStringLiteral("(?)");
                values << index;
            }
            Db::exec(bank, QStringLiteral("Insert Into Выбор (Индекс) Values ") + marks.join(QLatin1Char(',')), values);
            // Exactly the rows drawn, in ascending Индекс; Вопросы_ответы numbers them on.
            Db::exec(bank, QStringLiteral("Insert Into Вопросы_ответы (") + cols.join(QStringLiteral(", "))
                               + QStringLiteral(") Select ") + fromSection.join(QStringLiteral(", ")) + QStringLiteral(" From ")
                               + Categories::sectionTableName(s)
                               + QStringLiteral(" T Where T.Индекс In (Select Индекс From Выбор) Order By T.Индекс"));
        }
        const int copied = Db::scalar(bank, QStringLiteral("Select Count(*) From Вопросы_ответы")).toInt();
        if (copied != drawn.size())
            throw DbError(QStringLiteral("В таблицу «Вопросы_ответы» скопировано %1 вопр. вместо %2.")
                              .arg(copied)
                              .arg(drawn.size()));
        tx.commit();
    }

    try {
        Db::Transaction tx(main);
        Schema::recreateTable(main, Schema::Otvety, Schema::createOtvety());
        // From here on the exam is the program's to finish: a crash leaves it to the next start.
        if (m_started)
            writeStage(ExamProgress::Stage::Answering);
        tx.commit();
    } catch (const zorvek::Error& e) {
        Global::ExamCancelled = 1;
        throw DbError(QStringLiteral("Ошибка при создании таблицы \"Ответы\". Режим экзамена завершается.\r") + e.message());
    }
    m_dm.openTable(m_dm.ADOVoprosy_Otvety, Schema::VoprosyOtvety, QStringLiteral("Индекс"));
    m_dm.openTable(m_dm.ADOOtvety, Schema::Otvety, QStringLiteral("Индекс"));
    return drawn;
}
