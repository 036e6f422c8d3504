#include "editor/import/BankCheck.h"

#include "core/Categories.h"
#include "core/RussianPlural.h"
#include "core/exam/ExamDraw.h"
#include "core/question/AnswerFlag.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

#include <QHash>
#include <QMap>
#include <QSqlQuery>
#include <algorithm>
#include <array>

namespace BankCheck {

namespace {

constexpr int MaxSectionQuestions = 255;

struct Criteria
{
    int kolVoprosov = 0;
    std::array<int, 10> quota{}; // sections 1..9
    int otlichno = 0, khorosho = 0, udovl = 0, neudovl = 0;
};

struct Section
{
    bool present = false;
    QStringList texts; // in Индекс order
};

class Checker
{
public:
    Checker(TfrmADODataModule& dm, const QString& folder) : m_dm(dm), m_folder(folder) {}

    QStringList notes() const { return m_notes; }

    QStringList run()
    {
        const QSqlDatabase& main = m_dm.ADOConnectionGlb;
        for (const QString& t : {Schema::Gruppa, Schema::Criterii, Schema::VoprosyToRazdely}) {
            if (!Db::hasTable(main, t))
                m_problems << QStringLiteral("BGD.mdb: нет таблицы «%1»").arg(t);
        }
        if (!m_problems.isEmpty())
            return m_problems;
        const QStringList names = m_dm.categoryNames();
        if (names.size() != Categories::BankCount)
            m_problems << QStringLiteral("BGD.mdb: в таблице «%1» %2 вместо %3")
                              .arg(Schema::Gruppa, RussianPlural::categories(names.size()),
                                   QString::number(Categories::BankCount));
        readCriteria();
        readRegisteredCounts();
        for (int p = 0; p < std::min<int>(int(names.size()), Categories::BankCount); ++p)
            checkCategory(p, names.at(p));
        for (auto it = m_registered.cbegin(); it != m_registered.cend(); ++it) {
            if (!names.contains(it.key().first) || !Categories::sectionNumber(it.key().second))
                m_problems << QStringLiteral(
                                  "%1: строка «%2», «%3» не относится ни к одной категории и разделу")
                                  .arg(Schema::VoprosyToRazdely, it.key().first, it.key().second);
        }
        return m_problems;
    }

private:
    static QString where(const QString& category, int section = 0, int question = 0)
    {
        QString w = QStringLiteral("«%1»").arg(category);
        if (section)
            w += QStringLiteral(", %1").arg(Categories::sectionTableName(section));
        if (question)
            w += QStringLiteral(", вопрос № %1").arg(question);
        return w + QStringLiteral(": ");
    }

    void readCriteria()
    {
        QString sql = QStringLiteral("Select Категория_специалиста, Кол_вопросов");
        for (int s = 1; s <= 9; ++s)
            sql += QStringLiteral(", По_разделу_%1").arg(s);
        sql += QStringLiteral(", Отлично, Хорошо, Удовлетворительно, Неудовлетворительно From ") +
               Schema::Criterii;
        try {
            QSqlQuery q = Db::exec(m_dm.ADOConnectionGlb, sql);
            while (q.next()) {
                Criteria c;
                c.kolVoprosov = q.value(1).toInt();
                for (int s = 1; s <= 9; ++s)
                    c.quota[s] = q.value(1 + s).toInt();
                c.otlichno = q.value(11).toInt();
                c.khorosho = q.value(12).toInt();
                c.udovl = q.value(13).toInt();
                c.neudovl = q.value(14).toInt();
                const QString name = q.value(0).toString().trimmed();
                if (!m_criteria.contains(name)) // the first matching row is the one the exam loads
                    m_criteria.insert(name, c);
            }
        } catch (const zorvek::Error& e) {
            m_problems
                << QStringLiteral("BGD.mdb: таблица «%1» не читается: %2").arg(Schema::Criterii, e.message());
        }
    }

    void readRegisteredCounts()
    {
        try {
            QSqlQuery q = Db::exec(
                m_dm.ADOConnectionGlb,
                QStringLiteral("Select Категория_специалиста, Название_раздела, Количество_вопросов From ") +
                    Schema::VoprosyToRazdely);
            while (q.next()) {
                const std::pair key{q.value(0).toString(), q.value(1).toString()};
                if (m_registered.contains(key))
                    m_problems << where(key.first, Categories::sectionNumber(key.second)) +
                                      QStringLiteral("в таблице «%1» раздел указан дважды")
                                          .arg(Schema::VoprosyToRazdely);
                else
                    m_registered.insert(key, q.value(2).toInt());
            }
        } catch (const zorvek::Error& e) {
            m_problems << QStringLiteral("BGD.mdb: таблица «%1» не читается: %2")
                              .arg(Schema::VoprosyToRazdely, e.message());
        }
    }

    Section readSection(const QString& category, int s)
    {
        const QSqlDatabase& bank = m_dm.ADOConnection;
        const QString table = Categories::sectionTableName(s);
        Section section;
        if (!Db::hasTable(bank, table)) {
            m_problems << where(category, s) + QStringLiteral("нет таблицы раздела");
            return section;
        }
        const QStringList columns = Db::columnNames(bank, table);
        if (columns != Schema::questionColumns()) {
            m_problems << where(category, s) + QStringLiteral("столбцы «%1» вместо «%2»")
                                                   .arg(columns.join(QStringLiteral(", ")),
                                                        Schema::questionColumns().join(QStringLiteral(", ")));
            return section;
        }
        section.present = true;
        QSqlQuery q =
            Db::exec(bank, QStringLiteral("Select Индекс, Вопрос, Верно_Неверно_1, Верно_Неверно_2, Ответ_3, "
                                          "Верно_Неверно_3 From ") +
                               table + QStringLiteral(" Order By Индекс"));
        QList<int> indexes;
        while (q.next()) {
            const int index = q.value(0).toInt();
            indexes << index;
            section.texts << q.value(1).toString();
            const bool third =
                !q.value(4).toString().trimmed().isEmpty() || !q.value(5).toString().trimmed().isEmpty();
            for (int k = 1; k <= (third ? 3 : 2); ++k)
                checkFlag(category, s, index, k, q.value(k == 3 ? 5 : 1 + k).toString());
        }
        q.finish();
        checkNumbering(category, s, indexes);
        return section;
    }

    void checkFlag(const QString& category, int s, int index, int answer, const QString& flag)
    {
        if (AnswerFlag::isStandard(flag))
            return;
        QString shown = flag; // leading blanks tell, the column's padding does not
        while (shown.endsWith(QLatin1Char(' ')))
            shown.chop(1);
        // A flag the two readers take alike is worth knowing of, one they take differently is wrong.
        QStringList& list = AnswerFlag::readersAgree(flag) ? m_notes : m_problems;
        list << where(category, s, index) +
                    (AnswerFlag::trimmed(flag).isEmpty()
                         ? QStringLiteral("у ответа %1 нет отметки «Верно» или «Неверно»").arg(answer)
                         : QStringLiteral("отметка ответа %1 «%2» — не «Верно» и не «Неверно»")
                               .arg(QString::number(answer), shown)) +
                    QStringLiteral(": ") + AnswerFlag::readings(flag);
    }

    void checkNumbering(const QString& category, int s, QList<int> indexes)
    {
        if (indexes.size() > MaxSectionQuestions)
            m_problems << where(category, s) + QStringLiteral("%1, экзамен выбирает только из первых %2")
                                                   .arg(RussianPlural::questions(indexes.size()))
                                                   .arg(MaxSectionQuestions);
        std::sort(indexes.begin(), indexes.end());
        int expected = 1;
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const int index = indexes[i];
            if (i > 0 && index == indexes[i - 1]) {
                m_problems << where(category, s, index) + QStringLiteral("номер Индекс повторяется");
                continue;
            }
            if (index > expected)
                m_problems << where(category, s) +
                                  (index - 1 == expected
                                       ? QStringLiteral("пропущен номер Индекс %1").arg(expected)
                                       : QStringLiteral("пропущены номера Индекс %1 … %2")
                                             .arg(expected)
                                             .arg(index - 1));
            else if (index < expected)
                m_problems << where(category, s, index) + QStringLiteral("недопустимый номер Индекс");
            expected = std::max(expected, index + 1);
        }
    }

    void checkCriteria(const QString& category, const Criteria& c)
    {
        const QString w = where(category) + QStringLiteral("Критерии_оценки: ");
        int sum = 0;
        for (int s = 1; s <= 9; ++s) {
            sum += c.quota[s];
            if (c.quota[s] < 0 || c.quota[s] > 255)
                m_problems << w + QStringLiteral("По_разделу_%1 = %2 вне 0..255").arg(s).arg(c.quota[s]);
        }
        if (c.kolVoprosov < 0 || c.kolVoprosov > 255)
            m_problems << w + QStringLiteral("Кол_вопросов = %1 вне 0..255").arg(c.kolVoprosov);
        if (c.kolVoprosov != sum)
            m_problems << w + QStringLiteral("Кол_вопросов = %1, а сумма По_разделу_1 … По_разделу_9 = %2")
                                  .arg(c.kolVoprosov)
                                  .arg(sum);
        if (!(c.otlichno > c.khorosho && c.khorosho > c.udovl && c.udovl > c.neudovl))
            m_problems << w + QStringLiteral(
                                  "пороги не по порядку: Отлично %1, Хорошо %2, Удовлетворительно %3, "
                                  "Неудовлетворительно %4")
                                  .arg(c.otlichno)
                                  .arg(c.khorosho)
                                  .arg(c.udovl)
                                  .arg(c.neudovl);
        else if (c.udovl != c.neudovl + 1)
            m_problems << w + QStringLiteral(
                                  "между Неудовлетворительно (%1) и Удовлетворительно (%2) остаются числа "
                                  "верных ответов без оценки")
                                  .arg(c.neudovl)
                                  .arg(c.udovl);
        if (c.otlichno > c.kolVoprosov)
            m_problems << w + QStringLiteral("Отлично = %1 больше числа вопросов %2")
                                  .arg(c.otlichno)
                                  .arg(c.kolVoprosov);
    }

    // A section the exam draws from but which holds no question yet (a new unit's database):
    // one line per category names them all, instead of a shortage per system and section.
    QList<int> emptySections(const Criteria& c, const std::array<Section, 10>& sections)
    {
        QList<int> empty;
        for (int s = 1; s <= 9; ++s) {
            if (c.quota[s] > 0 && sections[s].present && sections[s].texts.isEmpty())
                empty << s;
        }
        return empty;
    }

    void checkQuotas(const QString& category, const Criteria& c, const std::array<Section, 10>& sections)
    {
        const QList<int> empty = emptySections(c, sections);
        if (!empty.isEmpty()) {
            QStringList named;
            for (int s : empty)
                named << QStringLiteral("%1 (вопросов в экзамене: %2)").arg(Categories::sectionTableName(s)).arg(c.quota[s]);
            m_problems << where(category) + QStringLiteral("до проведения экзаменов нужно заполнить разделы: ") +
                              named.join(QStringLiteral(", "));
        }
        for (const QString& system : {ExamDraw::SystemAc, ExamDraw::SystemDc}) {
            for (int s = 1; s <= 9; ++s) {
                if (c.quota[s] <= 0 || !sections[s].present || empty.contains(s))
                    continue;
                const auto eligible =
                    std::count_if(sections[s].texts.cbegin(), sections[s].texts.cend(),
                                  [&](const QString& t) { return ExamDraw::VoprosDopustim(t, system); });
                if (eligible < c.quota[s])
                    m_problems << where(category, s) +
                                      QStringLiteral("для участков %1 нужно %2, а подходящих только %3")
                                          .arg(system, RussianPlural::questions(c.quota[s]),
                                               QString::number(eligible));
            }
        }
    }

    void checkCategory(int position, const QString& category)
    {
        try {
            m_dm.connectCategoryBank(position, m_folder);
        } catch (const zorvek::Error& e) {
            m_problems << where(category) + e.message();
            return;
        }
        std::array<Section, 10> sections;
        for (int s = 1; s <= 9; ++s) {
            try {
                sections[s] = readSection(category, s);
            } catch (const zorvek::Error& e) {
                m_problems << where(category, s) + e.message();
            }
            if (!sections[s].present)
                continue;
            const auto it = m_registered.constFind({category, Categories::sectionTableName(s)});
            const int real = int(sections[s].texts.size());
            if (it == m_registered.cend() && real > 0)
                m_problems << where(category, s) + QStringLiteral("нет строки в «%1» (вопросов в разделе %2)")
                                                       .arg(Schema::VoprosyToRazdely)
                                                       .arg(real);
            else if (it != m_registered.cend() && *it != real)
                m_problems << where(category, s) + QStringLiteral("в «%1» указано %2, а в разделе %3")
                                                       .arg(Schema::VoprosyToRazdely,
                                                            RussianPlural::questions(*it),
                                                            QString::number(real));
        }
        if (!Db::hasTable(m_dm.ADOConnection, Schema::Vybor))
            m_problems << where(category) + QStringLiteral("нет таблицы «%1», без неё экзамен не начнётся")
                                                .arg(Schema::Vybor);
        const auto c = m_criteria.constFind(category.trimmed());
        if (c == m_criteria.cend()) {
            m_problems << where(category) + QStringLiteral("нет строки в «%1»").arg(Schema::Criterii);
            return;
        }
        checkCriteria(category, *c);
        checkQuotas(category, *c, sections);
    }

    TfrmADODataModule& m_dm;
    QString m_folder;
    QStringList m_problems;
    QStringList m_notes;
    QHash<QString, Criteria> m_criteria;
    QMap<std::pair<QString, QString>, int> m_registered;
};

} // namespace

Report review(TfrmADODataModule& dataModule, const QString& folder)
{
    Checker checker(dataModule, folder);
    Report report;
    report.problems = checker.run();
    report.notes = checker.notes();
    return report;
}

QStringList run(TfrmADODataModule& dataModule, const QString& folder)
{
    return review(dataModule, folder).problems;
}

} // namespace BankCheck
