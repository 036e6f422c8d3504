#pragma once
// Every message box and file dialog of the program goes through here, so that tests can answer
// them without a modal window: setHook() receives each message and returns the button pressed,
// setNextFileName() gives the answer of the next file dialog.
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace Messages {

enum class Kind { Information, Warning, Error, Question };

struct Message {
    Kind kind;
    QString text;
};

// Replaces the real message boxes: the hook gets each message and returns the button pressed
// (QMessageBox::Yes/No/Ok ...). An empty hook restores the real boxes.
using Hook = std::function<QMessageBox::StandardButton(const Message&)>;
void setHook(Hook hook);

// The window a box is shown over: the parent's window while it is on the screen, otherwise the
// window the user is working in (the active modal window, the active window, a visible one).
QWidget* owner(QWidget* parent);

// Shown with the application title as caption, centred on owner(parent).
void information(QWidget* parent, const QString& text);
void warning(QWidget* parent, const QString& text);
void error(QWidget* parent, const QString& text);
// Yes/No question; true for Yes. `defaultYes` picks the button Enter presses.
bool question(QWidget* parent, const QString& text, bool defaultYes = false);
// Yes/No/Cancel ("Да", "Нет", "Отмена"), Yes the default; a hook's answer other than Yes or No
// counts as Cancel.
enum class Choice { Yes, No, Cancel };
Choice questionWithCancel(QWidget* parent, const QString& text);

} // namespace Messages

namespace FileDialogs {

// The file chosen in an open-file dialog; empty when cancelled.
// `filter` uses Qt's form ("Текстовые файлы (*.txt);;Все файлы (*)").
QString openFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter);

// The file name chosen in a save-file dialog (which asks before replacing a file); empty when cancelled.
QString saveFileName(QWidget* parent, const QString& caption, const QString& path, const QString& filter);
// The folder chosen in a folder dialog; empty when cancelled.
QString existingDirectory(QWidget* parent, const QString& caption, const QString& directory);

// Tests: the next dialog returns this name at once (an empty string = cancelled) instead of showing.
void setNextFileName(const QString& fileName);

} // namespace FileDialogs
