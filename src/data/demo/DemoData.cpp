#include "data/demo/DemoData.h"

#include "core/Categories.h"
#include "core/Dates.h"
#include "core/Error.h"
#include "core/exam/ExamGrading.h"
#include "data/Db.h"
#include "data/Schema.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSqlDatabase>
#include <QSvgRenderer>
#include <QUuid>
#include <numeric>
#include <random>

namespace DemoData {

namespace {

const QString MarkAc = QStringLiteral("а) Участки переменного тока");
const QString MarkDc = QStringLiteral("б) Участки постоянного тока");

QJsonObject readJson(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw zorvek::Error(QStringLiteral("Не найден файл примера данных «%1».").arg(resource));
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull())
        throw zorvek::Error(QStringLiteral("Файл примера данных «%1» повреждён: %2").arg(resource, error.errorString()));
    return doc.object();
}

// A picture as the banks keep it: a Windows bitmap.
QByteArray renderPicture(const QString& name)
{
    if (name.isEmpty())
        return QByteArray();
    QSvgRenderer renderer(QStringLiteral(":/demo/pictures/") + name);
    if (!renderer.isValid())
        return QByteArray();
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The grading thresholds of a category whose exam asks `total` questions.
ExamGrading::Thresholds thresholds(int total)
{
    if (total <= 10)
        return {10, 9, 8, 7};
    return {18, 16, 14, 13};
}

int questionTotal(int position)
{
    const QList<int> q = quotas(position);
    return std::accumulate(q.cbegin() + 1, q.cend(), 0);
}

// Stored texts separate lines with a lone carriage return and end with one.
QString stored(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return t + QLatin1Char('\r');
}

// Opens a brand-new database file for building; the caller renames it into place.
class NewDatabase
{
public:
    explicit NewDatabase(const QString& path) : m_path(path)
    {
        QFile::remove(path);
        m_name = QStringLiteral("demo-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(path);
        if (!m_db.open())
            throw zorvek::Error(QStringLiteral("Не удалось создать файл «%1».").arg(QDir::toNativeSeparators(path)));
    }
    ~NewDatabase()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase& db() { return m_db; }

private:
    QString m_path;
    QString m_name;
    QSqlDatabase m_db;
};

void fillBank(QSqlDatabase& db, int position, const QJsonArray& sections)
{
    Db::Transaction tx(db);
    for (const QString& statement : Schema::bankStatements())
        Db::exec(db, statement);
    for (const QJsonValue& sv : sections) {
        const QJsonObject section = sv.toObject();
        const int number = section.value(QStringLiteral("section")).toInt();
        QJsonArray questions = section.value(QStringLiteral("questions")).toArray();
        // Each category gets the section's questions in an order of its own.
        QList<int> order(questions.size());
        std::iota(order.begin(), order.end(), 0);
        std::mt19937 gen(static_cast<unsigned>(position * 10 + number));
        std::shuffle(order.begin(), order.end(), gen);
        const QString insert = QStringLiteral("Insert Into ") + Categories::sectionTableName(number)
                               + QStringLiteral(" (Индекс, Вопрос, Фото, Ответ_1, Верно_Неверно_1, Ответ_2, "
                                                "Верно_Неверно_2, Ответ_3, Верно_Неверно_3, Количество_ответов) "
                                                "Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        int index = 0;
        for (int i : order) {
            const QJsonObject q = questions.at(i).toObject();
            ++index;
            QString text = QString::number(index) + QStringLiteral(". ") + q.value(QStringLiteral("text")).toString();
            const QString system = q.value(QStringLiteral("system")).toString();
            if (system == QLatin1String("ac"))
                text += QLatin1Char('\r') + MarkAc;
            else if (system == QLatin1String("dc"))
                text += QLatin1Char('\r') + MarkDc;
            const QJsonArray answers = q.value(QStringLiteral("answers")).toArray();
            auto answer = [&](int n) { return answers.size() > n ? stored(answers.at(n)[QStringLiteral("text")].toString()) : QString(); };
            auto flag = [&](int n) { return answers.size() > n ? answers.at(n)[QStringLiteral("flag")].toString() : QString(); };
            const QByteArray picture = renderPicture(q.value(QStringLiteral("picture")).toString());
            Db::exec(db, insert,
                     {index, stored(text), picture.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(picture),
                      answer(0), flag(0), answer(1), flag(1),
                      answers.size() > 2 ? QVariant(answer(2)) : QVariant(QMetaType::fromType<QString>()),
                      answers.size() > 2 ? QVariant(flag(2)) : QVariant(QMetaType::fromType<QString>()),
                      int(answers.size())});
        }
    }
    tx.commit();
}

struct JournalEntry {
    int worker;          // index into workers
    QDate day;
    int right;
    QString reason;
};

void fillMain(QSqlDatabase& db, const QJsonObject& staff, const QJsonArray& sections)
{
    Db::Transaction tx(db);
    for (const QString& statement : Schema::mainDatabaseStatements())
        Db::exec(db, statement);

    const QStringList names = categoryNames();
    for (int p = 0; p < names.size(); ++p)
        Db::exec(db, QStringLiteral("Insert Into Группа_по_безопасности (Порядковый_номер, Название_группы) Values (?, ?)"),
                 {(p + 1) * 10, names.at(p)});

    for (int p = 0; p < names.size(); ++p) {
        const QList<int> q = quotas(p);
        const int total = questionTotal(p);
        const ExamGrading::Thresholds t = thresholds(total);
        QVariantList values{p + 1, names.at(p), total};
        for (int s = 1; s <= 9; ++s)
            values << q.at(s);
        values << t.otlichno << t.khorosho << t.udovletvoritelno << t.neudovletvoritelno;
        Db::exec(db, QStringLiteral("Insert Into Критерии_оценки (Индекс, Категория_специалиста, Кол_вопросов, "
                                    "По_разделу_1, По_разделу_2, По_разделу_3, По_разделу_4, По_разделу_5, "
                                    "По_разделу_6, По_разделу_7, По_разделу_8, По_разделу_9, Отлично, Хорошо, "
                                    "Удовлетворительно, Неудовлетворительно) "
                                    "Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 values);
        for (const QJsonValue& sv : sections) {
            const QJsonObject section = sv.toObject();
            const int number = section.value(QStringLiteral("section")).toInt();
            Db::exec(db, QStringLiteral("Insert Into Количество_вопросов_по_разделам (Категория_специалиста, "
                                        "Название_раздела, Количество_вопросов) Values (?, ?, ?)"),
                     {names.at(p), Categories::sectionTableName(number),
                      int(section.value(QStringLiteral("questions")).toArray().size())});
        }
    }

    const QList<std::pair<QString, double>> tolerances{{QStringLiteral("Отлично"), 90.0},
                                                       {QStringLiteral("Хорошо"), 80.0},
                                                       {QStringLiteral("Удовлетворительно"), 70.0},
                                                       {QStringLiteral("Неудовлетворительно"), 69.0}};
    for (int i = 0; i < tolerances.size(); ++i)
        Db::exec(db, QStringLiteral("Insert Into Procent (Индекс, Оценка, Допуск) Values (?, ?, ?)"),
                 {i + 1, tolerances.at(i).first, tolerances.at(i).second});

    const QJsonArray posts = staff.value(QStringLiteral("posts")).toArray();
    for (const QJsonValue& post : posts)
        Db::exec(db, QStringLiteral("Insert Into Должность (Название_должности) Values (?)"), {post.toString()});

    const QJsonArray workers = staff.value(QStringLiteral("workers")).toArray();
    // A few finished checks over several dates, so the journal and the previous-check date have data.
    const QList<JournalEntry> journal{
        {0, QDate(2024, 3, 12), 19, QStringLiteral("Периодическая")},
        {2, QDate(2025, 3, 12), 17, QStringLiteral("Периодическая")},
        {5, QDate(2025, 3, 12), 12, QStringLiteral("Первичная")},
        {8, QDate(2025, 9, 15), 9, QStringLiteral("Периодическая")},
        {11, QDate(2025, 9, 15), 7, QStringLiteral("Внеочередная")},
        {14, QDate(2026, 2, 10), 10, QStringLiteral("Периодическая")},
        {0, QDate(2026, 2, 10), 16, QStringLiteral("Периодическая")},
        {17, QDate(2026, 6, 3), 8, QStringLiteral("Первичная")},
    };
    QHash<int, std::pair<QDate, QDate>> lastCheck;  // worker -> (exam day, next check)
    QHash<int, QDate> previous;
    for (const JournalEntry& e : journal) {
        if (e.worker >= workers.size())
            continue;
        const QJsonObject w = workers.at(e.worker).toObject();
        const int position = w.value(QStringLiteral("category")).toInt();
        const QString category = names.value(position);
        const int total = questionTotal(position);
        const int right = std::min(e.right, total);
        // The journal reads as the exam would have written it.
        const ExamGrading::Grade grade = ExamGrading::grade(right, thresholds(total));
        const QDate next = Categories::nextCheckDate(e.day, category);
        Db::exec(db, QStringLiteral("Insert Into Журнал_All (ФИО, Должность, Стаж_работы_в_должности, "
                                    "Дата_предыдущей_проверки, Дата_проверки, Дата_следующей_проверки, "
                                    "Наименование_подразделения, Результат_проверки_знаний, Причина_проверки_знаний, "
                                    "Оценка, Количество_вопросов, Количество_верных_ответов, "
                                    "Количество_неверных_ответов, Категория_специалиста, Система_тока) "
                                    "Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {w.value(QStringLiteral("name")).toString(), w.value(QStringLiteral("post")).toString(),
                  w.value(QStringLiteral("experience")).toString(), Dates::toStorage(previous.value(e.worker)),
                  Dates::toStorage(e.day), Dates::toStorage(next), w.value(QStringLiteral("unit")).toString(), grade.result,
                  e.reason, grade.ocenka, total, right, total - right, category, w.value(QStringLiteral("system")).toString()});
        previous[e.worker] = e.day;
        lastCheck[e.worker] = {e.day, next};
    }

    for (int i = 0; i < workers.size(); ++i) {
        const QJsonObject w = workers.at(i).toObject();
        const auto check = lastCheck.value(i);
        Db::exec(db, QStringLiteral("Insert Into Персонал (Код, Фамилия_Имя_Отчество, Линейное_подразделение, "
                                    "Должность, Стаж, Группа_по_электробезопасности, Дата_сдачи_экзамена, "
                                    "Дата_следующей_сдачи_экзамена, Система_тока, Категория_специалиста) "
                                    "Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {w.value(QStringLiteral("code")).toInt(), w.value(QStringLiteral("name")).toString(),
                  w.value(QStringLiteral("unit")).toString(), w.value(QStringLiteral("post")).toString(),
                  w.value(QStringLiteral("experience")).toString(), w.value(QStringLiteral("group")).toString(),
                  Dates::toStorage(check.first), Dates::toStorage(check.second),
                  w.value(QStringLiteral("system")).toString(),
                  names.value(w.value(QStringLiteral("category")).toInt())});
    }
    tx.commit();
}

// Builds one file under a temporary name and renames it into place once complete.
template <typename Fill>
void build(const QDir& dir, const QString& fileName, Report& report, Fill fill)
{
    const QString target = dir.filePath(fileName);
    if (QFileInfo::exists(target)) {
        report.kept << fileName;
        return;
    }
    const QString temp = dir.filePath(QStringLiteral(".") + fileName + QStringLiteral(".part"));
    {
        NewDatabase database(temp);
        fill(database.db());
    }
    if (!QFile::rename(temp, target)) {
        QFile::remove(temp);
        throw zorvek::Error(QStringLiteral("Не удалось записать файл «%1».").arg(QDir::toNativeSeparators(target)));
    }
    report.created << fileName;
}

} // namespace

QStringList categoryNames()
{
    return {Categories::AdminCategory,
            QStringLiteral("Энергодиспетчеры"),
            QStringLiteral("Выдающие наряд, распоряжение"),
            QStringLiteral("Ответственные руководители работ"),
            QStringLiteral("Производители работ"),
            QStringLiteral("Электромонтёры и электромеханики V группа"),
            QStringLiteral("Электромонтёры и электромеханики IV группа"),
            QStringLiteral("Электромонтёры III группа"),
            QStringLiteral("Электромонтёры II группа")};
}

QList<int> quotas(int position)
{
    if (position <= 3)
        return {0, 3, 3, 2, 2, 2, 2, 2, 2, 2};
    if (position == 4)
        return {0, 3, 3, 3, 3, 2, 2, 0, 0, 4};
    return {0, 2, 2, 2, 2, 1, 0, 0, 0, 1};
}

Report create(const QString& folder)
{
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        throw zorvek::Error(QStringLiteral("Не удалось создать папку «%1».").arg(QDir::toNativeSeparators(folder)));
    const QJsonArray sections = readJson(QStringLiteral(":/demo/questions.json")).value(QStringLiteral("sections")).toArray();
    const QJsonObject staff = readJson(QStringLiteral(":/demo/staff.json"));

    Report report;
    build(dir, QStringLiteral("BGD.mdb"), report, [&](QSqlDatabase& db) { fillMain(db, staff, sections); });
    const QStringList files = Categories::bankFiles();
    for (int p = 0; p < files.size(); ++p)
        build(dir, files.at(p), report, [&](QSqlDatabase& db) { fillBank(db, p, sections); });
    return report;
}

} // namespace DemoData
