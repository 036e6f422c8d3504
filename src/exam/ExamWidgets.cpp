#include "exam/ExamWidgets.h"

#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ExamWidgets {

QPlainTextEdit* memo(const QString& objectName, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    // The commands' shortcuts (Ctrl+Insert) must not be taken as "copy" by a focused box.
    box->setFocusPolicy(Qt::NoFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setBackground(box, Qt::white);
    return box;
}

QString forDisplay(const QString& stored)
{
    QString t = stored;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void setStoredText(QPlainTextEdit* box, const QString& text)
{
    QString t = forDisplay(text);
    if (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    box->setPlainText(t);
}

QString storedText(const QPlainTextEdit* box)
{
    QString t = box->toPlainText();
    t.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return t;
}

void setBackground(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QLineEdit* lineBox(const QString& objectName, QWidget* parent, bool readOnly)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(readOnly);
    return box;
}

QAction* action(QWidget* window, const QString& objectName, const QString& text, const QString& hint)
{
    auto* a = new QAction(Icons::icon(objectName), text, window);
    a->setObjectName(objectName);
    a->setToolTip(hint.isEmpty() ? text : hint);
    a->setShortcutContext(Qt::WindowShortcut);
    window->addAction(a);
    return a;
}

} // namespace ExamWidgets
