#include "ui/help/HelpWindow.h"

#include "core/AppInfo.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

namespace {
QPointer<HelpWindow> g_window;

// The open window; one that was closed and only waits for its deletion no longer counts.
HelpWindow* openWindow()
{
    return g_window && g_window->isVisible() ? g_window.data() : nullptr;
}

QAction* toolAction(QToolBar* bar, const QString& icon, const QString& text, const QKeySequence& key)
{
    QAction* action = bar->addAction(Icons::icon(icon), text);
    action->setShortcut(key);
    return action;
}
} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(AppInfo::Title);
    resize(920, 680);

    auto bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});

    QAction* back =
        toolAction(bar, QStringLiteral("DataSetPrior1"), QStringLiteral("Назад"), QKeySequence::Back);
    QAction* forward =
        toolAction(bar, QStringLiteral("DataSetNext1"), QStringLiteral("Вперёд"), QKeySequence::Forward);
    QAction* home = toolAction(bar, QStringLiteral("actGurnalAll"), QStringLiteral("Содержание"),
                               QKeySequence(Qt::ALT | Qt::Key_Home));
    bar->addSeparator();
    QAction* close =
        toolAction(bar, QStringLiteral("actClose"), QStringLiteral("Закрыть"), QKeySequence(Qt::Key_Escape));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { m_browser->setSource(topicUrl(0)); });
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
}

QUrl HelpWindow::topicUrl(int topic)
{
    if (topic >= ViewMode && topic <= PersonnelTable)
        return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

void HelpWindow::showTopic(int topic)
{
    if (!openWindow()) {
        g_window = new HelpWindow;
        g_window->m_browser->setSource(topicUrl(topic));
        g_window->show();
    } else if (g_window->isMinimized()) {
        g_window->showNormal();
    }
    // Showing the widget re-derives its window's owner, so the owner is set after it.
    g_window->attachToModalWindow();
    g_window->raise();
    g_window->activateWindow();
}

// The program's mode windows are application-modal; a help window that belongs to none of them
// would be blocked by them. Owned by the modal window on top, it stays usable beside it.
void HelpWindow::attachToModalWindow()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this)
        return;
    winId(); // creates the native window, so that it has a QWindow to attach
    if (QWindow* own = windowHandle(); own && modal->windowHandle())
        own->setTransientParent(modal->windowHandle());
}

void HelpWindow::closeIfOpen()
{
    if (HelpWindow* window = openWindow())
        window->close();
}

bool HelpWindow::isOpen()
{
    return openWindow() != nullptr;
}

HelpWindow* HelpWindow::instance()
{
    return openWindow();
}

int HelpWindow::currentTopic()
{
    if (!openWindow())
        return 0;
    static const QRegularExpression page(QStringLiteral("topic(\\d+)\\.html$"));
    const QRegularExpressionMatch match = page.match(g_window->m_browser->source().path());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}
