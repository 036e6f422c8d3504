#include "ui/question/BoundWidgets.h"

#include <QLineEdit>

MemoBox::MemoBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

QString MemoBox::storedText() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

void MemoBox::setStoredText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(shown);
}

FlagComboBox::FlagComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void FlagComboBox::setFlagText(const QString& text)
{
    const int i = findText(text, Qt::MatchExactly);
    if (i >= 0)
        setCurrentIndex(i);
    setEditText(text);
    // Show a long flag from its beginning.
    if (lineEdit())
        lineEdit()->setCursorPosition(0);
}
