#include "select/ChooserRules.h"

#include "core/Categories.h"
#include "core/Global.h"

namespace ChooserRules {

QString modeName(int regim)
{
    switch (regim) {
    case Global::RegimExam:
        return QStringLiteral("Экзамен");
    case Global::RegimSelfTraining:
        return QStringLiteral("Самоподготовка");
    case Global::RegimEditor:
        return QStringLiteral("Редактирование");
    case Global::RegimView:
        return QStringLiteral("Просмотр");
    default:
        return QString();
    }
}

QString modeLine(int regim)
{
    return QStringLiteral("Работа классификатора базы данных в режиме - \"") + modeName(regim) + QLatin1Char('"');
}

QString sectionCaption(const QString& category, int section)
{
    return category + QStringLiteral(";  ") + Categories::sectionTableName(section);
}

} // namespace ChooserRules
