#include "ui/ribbon/RibbonButton.h"

#include "ui/ribbon/RibbonColors.h"

#include <QActionEvent>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QToolTip>

namespace {
constexpr int LargeIcon = 24;
constexpr int SmallIcon = 16;
constexpr int SmallHeight = 22;
// A caption wider than this is split into two lines when it has a blank to split at.
constexpr int OneLineWidth = 72;
constexpr int TipDuration = 300000;

QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int textWidth(const QFontMetrics& fm, const QString& text)
{
    return fm.horizontalAdvance(withoutMnemonic(text));
}

// The icon's silhouette in `halo`, drawn one pixel around it, then the icon itself.
void drawIcon(QPainter& p, const QRect& target, const QPixmap& pixmap, const QColor& halo)
{
    if (halo.isValid()) {
        QPixmap shape(pixmap.size());
        shape.setDevicePixelRatio(pixmap.devicePixelRatio());
        shape.fill(Qt::transparent);
        QPainter s(&shape);
        s.drawPixmap(0, 0, pixmap);
        s.setCompositionMode(QPainter::CompositionMode_SourceIn);
        s.fillRect(shape.rect(), halo);
        s.end();
        for (const QPoint& d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            p.drawPixmap(target.translated(d), shape);
    }
    p.drawPixmap(target, pixmap);
}
} // namespace

RibbonButton::RibbonButton(QAction* action, Kind kind, const QString& caption, QWidget* parent)
    : QToolButton(parent), m_kind(kind), m_caption(caption)
{
    setObjectName(QStringLiteral("btn_") + action->objectName());
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setIconSize(kind == Kind::Large ? QSize(LargeIcon, LargeIcon) : QSize(SmallIcon, SmallIcon));
    setToolButtonStyle(kind == Kind::IconOnly ? Qt::ToolButtonIconOnly
                       : kind == Kind::Large  ? Qt::ToolButtonTextUnderIcon
                                              : Qt::ToolButtonTextBesideIcon);
    setDefaultAction(action);
    if (!m_caption.isEmpty())
        setText(m_caption);
    if (!action->isVisible())
        setVisible(false);
    setAttribute(Qt::WA_Hover);
}

QStringList RibbonButton::captionLines(const QString& text, const QFontMetrics& fm)
{
    const QString plain = text.simplified();
    const QStringList words = plain.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2 || textWidth(fm, plain) <= OneLineWidth)
        return {plain};
    QStringList best;
    int bestWidth = INT_MAX;
    for (int i = 1; i < words.size(); ++i) {
        const QString first = words.mid(0, i).join(QLatin1Char(' '));
        const QString second = words.mid(i).join(QLatin1Char(' '));
        const int w = qMax(textWidth(fm, first), textWidth(fm, second));
        if (w < bestWidth) {
            bestWidth = w;
            best = {first, second};
        }
    }
    return best;
}

QSize RibbonButton::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    switch (m_kind) {
    case Kind::Large: {
        int w = LargeIcon;
        for (const QString& line : captionLines(text(), fm))
            w = qMax(w, textWidth(fm, line));
        return {qMax(40, w + 10), 4 + LargeIcon + 3 + 2 * fm.height() + 4};
    }
    case Kind::Small:
        return {4 + SmallIcon + 5 + textWidth(fm, text().simplified()) + 5,
                qMax(SmallHeight, fm.height() + 6)};
    case Kind::IconOnly:
        return {SmallHeight, SmallHeight};
    }
    return {};
}

bool RibbonButton::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        showTip(static_cast<QHelpEvent*>(e)->globalPos());
        return true;
    }
    return QToolButton::event(e);
}

void RibbonButton::actionEvent(QActionEvent* e)
{
    // The base class copies the action's text back on every change; a button caption of our own stays.
    QToolButton::actionEvent(e);
    if (e->action() != defaultAction())
        return;
    if (!m_caption.isEmpty() && text() != m_caption)
        setText(m_caption);
    if (e->type() == QEvent::ActionChanged) {
        // QToolButton follows the action's enabled state itself, but not its visibility.
        if (isHidden() == e->action()->isVisible())
            setVisible(e->action()->isVisible());
        updateGeometry();
    }
}

void RibbonButton::showTip(const QPoint& globalPos)
{
    QAction* action = defaultAction();
    if (!action)
        return;
    QString tip;
    if (ScreenTips::has(action)) {
        tip = ScreenTips::toHtml(ScreenTips::get(action));
    } else {
        const QString hint = action->toolTip();
        // A hint that only repeats the caption is shown for icon-only buttons alone.
        if (m_kind == Kind::IconOnly || hint != withoutMnemonic(action->text()))
            tip = hint;
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, tip, this, rect(), TipDuration);
}

void RibbonButton::paintEvent(QPaintEvent*)
{
    const RibbonColors& colors = ribbonColorsFor(this);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (enabled && (down || underMouse())) {
        QLinearGradient g(frame.topLeft(), frame.bottomLeft());
        g.setColorAt(0, down ? colors.pressTop : colors.hoverTop);
        g.setColorAt(1, down ? colors.pressBottom : colors.hoverBottom);
        p.setPen(colors.hoverBorder);
        p.setBrush(g);
        p.drawRoundedRect(frame, 3, 3);
    }
    const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
    const QColor textColor = enabled ? colors.buttonText : colors.buttonDisabledText;
    const int iconSide = m_kind == Kind::Large ? LargeIcon : SmallIcon;
    const QPixmap pixmap = icon().pixmap(QSize(iconSide, iconSide), devicePixelRatioF(), mode);
    p.setPen(textColor);
    const int flags = Qt::TextShowMnemonic;
    switch (m_kind) {
    case Kind::Large: {
        drawIcon(p, QRect((width() - iconSide) / 2, 4, iconSide, iconSide), pixmap, colors.iconHalo);
        const QFontMetrics fm = fontMetrics();
        int y = 4 + iconSide + 3;
        for (const QString& line : captionLines(text(), fm)) {
            p.drawText(QRect(2, y, width() - 4, fm.height()), flags | Qt::AlignHCenter | Qt::AlignTop, line);
            y += fm.height();
        }
        break;
    }
    case Kind::Small:
        drawIcon(p, QRect(4, (height() - iconSide) / 2, iconSide, iconSide), pixmap, colors.iconHalo);
        p.drawText(rect().adjusted(4 + iconSide + 5, 0, -2, 0), flags | Qt::AlignLeft | Qt::AlignVCenter,
                   text().simplified());
        break;
    case Kind::IconOnly:
        drawIcon(p, QRect((width() - iconSide) / 2, (height() - iconSide) / 2, iconSide, iconSide), pixmap,
                 colors.iconHalo);
        break;
    }
}
