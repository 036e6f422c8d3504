#pragma once
// Small helpers the exam windows share: read-only text boxes that show stored texts (lines
// separated by a lone carriage return), actions with object names and icons, colours.
#include <QColor>
#include <QString>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace ExamWidgets {

inline const QColor SkyBlue(0xA6, 0xCA, 0xF0);
inline const QColor Silver(192, 192, 192);

// A read-only, scrolling, white text box named `objectName`.
QPlainTextEdit* memo(const QString& objectName, QWidget* parent);
// Shows a stored text (CR line breaks) in a box.
void setStoredText(QPlainTextEdit* box, const QString& text);
// The stored text back from a box (CR line breaks).
QString storedText(const QPlainTextEdit* box);
// A stored text as a tooltip shows it.
QString forDisplay(const QString& stored);
void setBackground(QWidget* widget, const QColor& color);
// A read-only one-line box.
QLineEdit* lineBox(const QString& objectName, QWidget* parent, bool readOnly = true);
// A command added to `window` (so its shortcut works) with its object name and icon.
QAction* action(QWidget* window, const QString& objectName, const QString& text, const QString& hint = QString());

} // namespace ExamWidgets
