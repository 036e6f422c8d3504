#include "ui/Messages.h"

#include "core/AppInfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <optional>

namespace Messages {

QWidget* owner(QWidget* parent)
{
    // A box over a hidden window (the print window that carries the print commands) would stand
    // at the screen's corner: it goes over the window the user is working in instead.
    if (parent && parent->window()->isVisible())
        return parent->window();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->isWindow() && !(top->windowFlags() & Qt::ToolTip)
            && top->windowType() != Qt::Popup)
            return top;
    return nullptr;
}

namespace {
Hook g_hook;

QMessageBox::StandardButton show(QWidget* parent, Kind kind, const QString& text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    if (g_hook)
        return g_hook(Message{kind, text});
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
    case Kind::Information: icon = QMessageBox::Information; break;
    case Kind::Warning: icon = QMessageBox::Warning; break;
    case Kind::Error: icon = QMessageBox::Critical; break;
    case Kind::Question: icon = QMessageBox::Question; break;
    }
    // The program stores line breaks as a lone carriage return; the box wants "\n".
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, AppInfo::Title, shown, buttons, owner(parent));
    box.setDefaultButton(defaultButton);
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Да"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("Нет"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Отмена"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void setHook(Hook hook)
{
    g_hook = std::move(hook);
}

void information(QWidget* parent, const QString& text)
{
    show(parent, Kind::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void warning(QWidget* parent, const QString& text)
{
    show(parent, Kind::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void error(QWidget* parent, const QString& text)
{
    show(parent, Kind::Error, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool question(QWidget* parent, const QString& text, bool defaultYes)
{
    return show(parent, Kind::Question, text, QMessageBox::Yes | QMessageBox::No,
                defaultYes ? QMessageBox::Yes : QMessageBox::No)
           == QMessageBox::Yes;
}

Choice questionWithCancel(QWidget* parent, const QString& text)
{
    switch (show(parent, Kind::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                 QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Choice::Yes;
    case QMessageBox::No:
        return Choice::No;
    default:
        return Choice::Cancel;
    }
}

} // namespace Messages

namespace FileDialogs {

namespace {
std::optional<QString> g_next;
}

QString openFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter)
{
    if (g_next) {
        QString name = *g_next;
        g_next.reset();
        return name;
    }
    return QFileDialog::getOpenFileName(Messages::owner(parent), caption, directory, filter);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& path, const QString& filter)
{
    if (g_next) {
        QString name = *g_next;
        g_next.reset();
        return name;
    }
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

QString existingDirectory(QWidget* parent, const QString& caption, const QString& directory)
{
    if (g_next) {
        QString name = *g_next;
        g_next.reset();
        return name;
    }
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

void setNextFileName(const QString& fileName)
{
    g_next = fileName;
}

} // namespace FileDialogs
