#pragma once
// What the self-training window, the viewer and the editor do first on every showing: connect the
// question bank of the chosen category and open the chosen section on the data module's section
// table object, ordered by question number.
class QWidget;

namespace SectionOpener {

// Connects the bank of Global::NameKategorii (from the data folder) and opens Global::NameRazdela
// on ADOVoprosy_Otvety ordered by Индекс. When the category is unknown, or the bank file or the
// section table cannot be opened, says which in a message box and returns false: the window then
// does not open and the user stays in the chooser.
bool open(QWidget* window);

// Places a mode window over the desktop work area, from its top-left corner.
void sizeToWorkArea(QWidget* window);

} // namespace SectionOpener
