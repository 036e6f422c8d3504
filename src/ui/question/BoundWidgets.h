#pragma once
// Small data-bound boxes of the question page. Each has a property the page's QDataWidgetMapper
// binds to, with a reset so that an empty (NULL) field clears the box instead of leaving the
// previous question's text in it.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

// A multi-line text box. Stored texts separate lines with a lone carriage return; the box shows
// them as lines and gives them back in that stored form.
class MemoBox : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString storedText READ storedText WRITE setStoredText RESET clearStoredText USER true)
public:
    explicit MemoBox(QWidget* parent = nullptr);
    QString storedText() const;
    void setStoredText(const QString& text);
    void clearStoredText() { setStoredText(QString()); }
};

// A flag label ("Верно", "Неверно" ...) bound to a Верно_Неверно column.
class FlagLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString flagText READ text WRITE setText RESET clear USER true)
public:
    explicit FlagLabel(QWidget* parent = nullptr) : QLabel(parent) {}
};

// A flag box of the editor: a list of flags that also takes typed text.
class FlagComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString flagText READ flagText WRITE setFlagText RESET clearFlagText USER true)
public:
    explicit FlagComboBox(QWidget* parent = nullptr);
    QString flagText() const { return currentText(); }
    void setFlagText(const QString& text);
    void clearFlagText() { setFlagText(QString()); }
};
