#include "core/Categories.h"

#include "core/Dates.h"

namespace Categories {

QStringList bankFiles()
{
    return {
        QStringLiteral("Ответственные_за_электрохозяйство.mdb"),
        QStringLiteral("Энергодиспетчер.mdb"),
        QStringLiteral("Выд_наряд.mdb"),
        QStringLiteral("Отв_рук.mdb"),
        QStringLiteral("Произв_работ.mdb"),
        QStringLiteral("Электромонтёры и электромеханики V группа.mdb"),
        QStringLiteral("Электромонтёры и электромеханики IV группа.mdb"),
        QStringLiteral("Электромонтёры III группа.mdb"),
        QStringLiteral("Электромонтёры II группа.mdb"),
    };
}

QString bankFileForPosition(int position)
{
    if (position < 0 || position >= BankCount)
        return QString();
    return bankFiles().at(position);
}

int findPosition(const QStringList& namesInOrder, const QString& name)
{
    return int(namesInOrder.indexOf(name));
}

QString sectionTableName(int section)
{
    return QStringLiteral("Раздел_") + QString::number(section);
}

int sectionNumber(const QString& tableName)
{
    static const QString prefix = QStringLiteral("Раздел_");
    if (!tableName.startsWith(prefix) || tableName.size() != prefix.size() + 1)
        return 0;
    const int n = tableName.back().digitValue();
    return (n >= 1 && n <= SectionCount) ? n : 0;
}

bool sectionOffered(int position1, int section)
{
    if (section < 1 || section > SectionCount)
        return false;
    if (position1 == 5)
        return section != 7 && section != 8;
    if (position1 >= 6 && position1 <= 9)
        return section != 6 && section != 7 && section != 8;
    return true;
}

QDate nextCheckDate(const QDate& examDay, const QString& category)
{
    return Dates::addMonths(examDay, category == AdminCategory ? 36 : 12);
}

} // namespace Categories
