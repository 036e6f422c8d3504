#include "ui/WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace WorkArea {

namespace {
// A title bar and thin borders as the usual desktops draw them.
constexpr QMargins UsualFrame(4, 32, 4, 4);
} // namespace

QRect available(const QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
}

QMargins frame(const QWidget* window)
{
    QMargins m;
    if (window && window->windowHandle())
        m = window->windowHandle()->frameMargins();
    // Until the window system has framed the window its margins are not known (or come as the
    // bare borders of a window without a title bar): keep room for the usual frame.
    return QMargins(qMax(m.left(), UsualFrame.left()), qMax(m.top(), UsualFrame.top()),
                    qMax(m.right(), UsualFrame.right()), qMax(m.bottom(), UsualFrame.bottom()));
}

QSize room(const QWidget* window)
{
    return available(window).marginsRemoved(frame(window)).size();
}

void setFixedSizeWithin(QWidget* window, const QSize& wanted)
{
    window->setFixedSize(wanted.boundedTo(room(window)));
    centre(window);
}

void resizeWithin(QWidget* window, const QSize& wanted)
{
    window->resize(wanted.boundedTo(room(window)));
    centre(window);
}

void centre(QWidget* window)
{
    const QRect area = available(window);
    const QMargins f = frame(window);
    QRect framed(QPoint(), window->size().grownBy(f));
    framed.moveCenter(area.center());
    // A window larger than the area keeps its title bar on the screen.
    framed.moveLeft(qMax(area.left(), qMin(framed.left(), area.right() + 1 - framed.width())));
    framed.moveTop(qMax(area.top(), qMin(framed.top(), area.bottom() + 1 - framed.height())));
    window->setGeometry(framed.marginsRemoved(f));
}

void fill(QWidget* window)
{
    window->setGeometry(available(window).marginsRemoved(frame(window)));
}

} // namespace WorkArea
