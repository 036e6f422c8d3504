#include "data/unit/UnitDatabase.h"

#include "core/AppInfo.h"
#include "core/Categories.h"
#include "core/Error.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/demo/DemoData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QUuid>
#include <array>

namespace UnitDatabase {

namespace {

struct Tolerance
{
    const char* grade;
    int percent;
};
constexpr std::array<Tolerance, 4> Tolerances{{{"Отлично", 90},
                                               {"Хорошо", 80},
                                               {"Удовлетворительно", 70},
                                               {"Неудовлетворительно", 69}}};

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// One database file built under a temporary name in `dir`; renamed into place by place().
class FileBuild
{
public:
    FileBuild(const QDir& dir, const QString& fileName)
        : m_target(dir.filePath(fileName)), m_temp(dir.filePath(QStringLiteral(".") + fileName + QStringLiteral(".part")))
    {
        QFile::remove(m_temp);
        m_name = QStringLiteral("unit-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(m_temp);
        if (!m_db.open())
            throw zorvek::Error(QStringLiteral("Не удалось создать файл «%1».").arg(shown(m_temp)));
    }
    ~FileBuild()
    {
        close();
        if (!m_placed)
            QFile::remove(m_temp);
    }
    FileBuild(const FileBuild&) = delete;
    FileBuild& operator=(const FileBuild&) = delete;

    QSqlDatabase& db() { return m_db; }

    void place()
    {
        close();
        if (!QFile::rename(m_temp, m_target))
            throw zorvek::Error(QStringLiteral("Не удалось записать файл «%1».").arg(shown(m_target)));
        m_placed = true;
    }

private:
    void close()
    {
        if (m_name.isEmpty())
            return;
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        m_name.clear();
    }

    QString m_target, m_temp, m_name;
    QSqlDatabase m_db;
    bool m_placed = false;
};

void fillMain(const QSqlDatabase& db)
{
    Db::Transaction tx(db);
    for (const QString& statement : Schema::mainDatabaseStatements())
        Db::exec(db, statement);
    const QStringList names = DemoData::categoryNames();
    for (int p = 0; p < names.size(); ++p) {
        Db::exec(db,
                 QStringLiteral("Insert Into Группа_по_безопасности (Порядковый_номер, Название_группы) Values (?, ?)"),
                 {(p + 1) * 10, names.at(p)});
        const QList<int> quota = DemoData::quotas(p);
        int total = 0;
        for (int s = 1; s <= Categories::SectionCount; ++s)
            total += quota.at(s);
        const Thresholds t = thresholds(total);
        QVariantList values{p + 1, names.at(p), total};
        for (int s = 1; s <= Categories::SectionCount; ++s)
            values << quota.at(s);
        values << t.otlichno << t.khorosho << t.udovl << t.neudovl;
        Db::exec(db, QStringLiteral("Insert Into Критерии_оценки (Индекс, Категория_специалиста, Кол_вопросов, "
                                    "По_разделу_1, По_разделу_2, По_разделу_3, По_разделу_4, По_разделу_5, "
                                    "По_разделу_6, По_разделу_7, По_разделу_8, По_разделу_9, Отлично, Хорошо, "
                                    "Удовлетворительно, Неудовлетворительно) "
                                    "Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 values);
        // No question is registered yet: the unit's own questions may go anywhere in a section.
        for (int s = 1; s <= Categories::SectionCount; ++s)
            Db::exec(db, QStringLiteral("Insert Into Количество_вопросов_по_разделам (Категория_специалиста, "
                                        "Название_раздела, Количество_вопросов) Values (?, ?, ?)"),
                     {names.at(p), Categories::sectionTableName(s), 0});
    }
    for (int i = 0; i < int(Tolerances.size()); ++i)
        Db::exec(db, QStringLiteral("Insert Into Procent (Индекс, Оценка, Допуск) Values (?, ?, ?)"),
                 {i + 1, QString::fromUtf8(Tolerances[i].grade), double(Tolerances[i].percent)});
    tx.commit();
}

void fillBank(const QSqlDatabase& db)
{
    Db::Transaction tx(db);
    for (const QString& statement : Schema::bankStatements())
        Db::exec(db, statement);
    tx.commit();
}

} // namespace

QStringList files()
{
    return QStringList{AppInfo::MainDatabaseFile} + Categories::bankFiles();
}

Thresholds thresholds(int questions)
{
    const auto least = [questions](int percent) { return (questions * percent + 99) / 100; };
    Thresholds t;
    t.otlichno = least(Tolerances[0].percent);
    t.khorosho = least(Tolerances[1].percent);
    t.udovl = least(Tolerances[2].percent);
    t.neudovl = t.udovl - 1;
    return t;
}

QString refusal(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QString();
    if (!info.isDir())
        return QStringLiteral("«%1» — это файл, а не папка.").arg(shown(folder));
    if (!QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QStringLiteral("Папка «%1» не пуста. Новая база данных создаётся только в пустой папке, чтобы "
                              "не смешаться с другими файлами.")
            .arg(shown(folder));
    return QString();
}

QStringList create(const QString& folder)
{
    const QString refused = refusal(folder);
    if (!refused.isEmpty())
        throw zorvek::Error(refused);
    if (!QDir().mkpath(folder))
        throw zorvek::Error(QStringLiteral("Не удалось создать папку «%1».").arg(shown(folder)));
    const QDir dir(folder);
    const QStringList names = files();
    QStringList written;
    try {
        for (int i = 0; i < names.size(); ++i) {
            FileBuild build(dir, names.at(i));
            if (i == 0)
                fillMain(build.db());
            else
                fillBank(build.db());
            build.place();
            written << names.at(i);
        }
    } catch (...) {
        // A half-made unit database is worse than none: the program would open it as it is.
        for (const QString& name : written)
            QFile::remove(dir.filePath(name));
        throw;
    }
    return written;
}

} // namespace UnitDatabase
