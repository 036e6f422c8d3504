#pragma once
// The chooser's texts that depend on the work mode.
#include <QString>

namespace ChooserRules {

// "Экзамен", "Самоподготовка", "Редактирование", "Просмотр" for the modes 1, 2, 5, 7; empty otherwise.
QString modeName(int regim);
// The mode line: "Работа классификатора базы данных в режиме - \"<mode name>\"".
QString modeLine(int regim);
// The mode line while the chooser picks the section a question file fills.
QString importLine();
// What the chooser says comes next, once a category is picked and once a section is.
QString sectionPrompt(bool forImport);
QString importFollows(int section);
// The caption the mode window shows: category + ";  " + "Раздел_" + N.
QString sectionCaption(const QString& category, int section);

} // namespace ChooserRules
