#include "core/question/EditorRules.h"

#include <algorithm>

namespace EditorRules {

bool isRegistered(int registered, int position)
{
    return position >= 1 && position <= registered;
}

bool isRegistered(int registered, int position, bool addedSinceShown)
{
    return !addedSinceShown && isRegistered(registered, position);
}

int openingPosition(int registered, int rowCount)
{
    if (rowCount <= 0)
        return 0;
    return std::clamp(registered, 1, rowCount);
}

std::optional<int> firstPosition(int registered, int rowCount)
{
    const int first = std::max(registered, 0) + 1;
    if (first > rowCount)
        return std::nullopt;
    return first;
}

int priorPosition(int registered, int position)
{
    return position > std::max(registered, 0) + 1 ? position - 1 : position;
}

NextStep next(int registered, int position, int rowCount)
{
    NextStep step;
    step.unlock = position > registered;
    step.position = position < rowCount ? position + 1 : position;
    return step;
}

int lastPosition(int rowCount)
{
    return std::max(rowCount, 0);
}

bool editable(bool unlocked, int registered, int position, bool addedSinceShown)
{
    return unlocked && position >= 1 && !isRegistered(registered, position, addedSinceShown);
}

int nextIndex(const QList<int>& indexes)
{
    if (indexes.isEmpty())
        return 1;
    return std::max(*std::max_element(indexes.cbegin(), indexes.cend()), 0) + 1;
}

QString deletePrompt(int number, bool registered)
{
    if (registered)
        return QStringLiteral("Вопрос №%1 входит в число зарегистрированных вопросов раздела: "
                              "его удаление оставит пропуск в нумерации, по которой проводится экзамен.\r"
                              "Удалить вопрос №%1?")
            .arg(number);
    return QStringLiteral("Удалить вопрос №%1?").arg(number);
}

} // namespace EditorRules
