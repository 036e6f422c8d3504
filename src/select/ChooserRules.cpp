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

QString importLine()
{
    return QStringLiteral("Работа классификатора базы данных в режиме - \"Заполнение базы данных "
                          "классификатора\"");
}

QString sectionPrompt(bool forImport)
{
    const QString prompt = QStringLiteral("Для выбора № раздела из списка разделов нажмите \"Далее\"");
    if (!forImport)
        return prompt;
    return prompt + QStringLiteral(". После выбора раздела откроется выбор файла вопросов, которым он будет "
                                   "заполнен");
}

QString importFollows(int section)
{
    return QStringLiteral("Выбран раздел №%1. Далее: выбор файла вопросов для его заполнения").arg(section);
}

QString sectionCaption(const QString& category, int section)
{
    return category + QStringLiteral(";  ") + Categories::sectionTableName(section);
}

} // namespace ChooserRules
