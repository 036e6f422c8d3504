#pragma once
// Windows against the desktop work area (the screen less its task bars). A window never reaches
// past the work area: one of a given size keeps it where the area allows and is shrunk to the area
// otherwise; the windows that fill the area leave room for their frame, so the title bar and the
// lower edge stay on the screen.
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace WorkArea {

// The work area of the screen the window is on (the primary screen before it is placed).
QRect available(const QWidget* window);
// What the window's frame adds around its client area: the window system's figures once it has
// framed the window, and until then room for a usual title bar and borders.
QMargins frame(const QWidget* window);
// The largest client size whose framed window fits the work area.
QSize room(const QWidget* window);

// A window of a given client size: that size where the work area allows it, otherwise the work
// area; fixed (it cannot be resized) and centred on the work area.
void setFixedSizeWithin(QWidget* window, const QSize& wanted);
// A resizable window of a wanted size, bounded by the work area, centred.
void resizeWithin(QWidget* window, const QSize& wanted);
// Centres the framed window on the work area, keeping all of it inside.
void centre(QWidget* window);
// The whole work area, from its top-left corner, frame included.
void fill(QWidget* window);

} // namespace WorkArea
