// Rich screen tips of ribbon commands and the application-wide hint settings: hints wake up after
// 100 ms, stay up five minutes, and are drawn on a yellow gradient in the font the window gives.
#include "ui/ribbon/Ribbon.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>

namespace {
const char* const HeaderProperty = "zorvekTipHeader";
const char* const LinesProperty = "zorvekTipLines";
const char* const FooterProperty = "zorvekTipFooter";
constexpr int WakeUpDelay = 100;
constexpr int Duration = 300000;
constexpr int NoWrapLength = 90;

class HintStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return WakeUpDelay;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// Gives every plain widget hint the long display time; widgets that set a duration of their own
// and rich ribbon buttons (which answer the event themselves) are left alone.
class HintDuration : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty() || widget->toolTipDuration() > 0 || widget->inherits("RibbonButton"))
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->toolTip(), widget,
                           widget->rect(), Duration);
        return true;
    }
};
} // namespace

namespace ScreenTips {

void set(QAction* action, const ScreenTip& tip)
{
    action->setProperty(HeaderProperty, tip.header);
    action->setProperty(LinesProperty, tip.lines);
    action->setProperty(FooterProperty, tip.footer);
}

ScreenTip get(const QAction* action)
{
    return {action->property(HeaderProperty).toString(), action->property(LinesProperty).toStringList(),
            action->property(FooterProperty).toString()};
}

bool has(const QAction* action)
{
    const ScreenTip tip = get(action);
    return !tip.header.isEmpty() || !tip.lines.isEmpty() || !tip.footer.isEmpty();
}

QString toHtml(const ScreenTip& tip)
{
    QString html;
    if (!tip.header.trimmed().isEmpty())
        html += QStringLiteral("<p style='margin:0 0 3px 0'><b>") + tip.header.trimmed().toHtmlEscaped() +
                QStringLiteral("</b></p>");
    if (!tip.lines.isEmpty()) {
        QStringList lines;
        // A line of ordinary length stays one line, as written; a long description may wrap.
        for (const QString& line : tip.lines) {
            const QString text = line.trimmed().toHtmlEscaped();
            lines.append(line.size() <= NoWrapLength ? QStringLiteral("<span style='white-space:nowrap'>") +
                                                           text + QStringLiteral("</span>")
                                                     : text);
        }
        html += QStringLiteral("<p style='margin:0 0 0 8px'>") + lines.join(QStringLiteral("<br>")) +
                QStringLiteral("</p>");
    }
    if (!tip.footer.isEmpty())
        html +=
            QStringLiteral("<hr><p style='margin:0'>") + tip.footer.toHtmlEscaped() + QStringLiteral("</p>");
    return QStringLiteral("<qt>") + html + QStringLiteral("</qt>");
}

void installHintSettings(const QFont& font)
{
    // The proxy wraps a fresh instance of the style in use, so the program keeps its look.
    if (!dynamic_cast<HintStyle*>(QApplication::style()))
        QApplication::setStyle(new HintStyle(QStyleFactory::create(QApplication::style()->name())));
    static HintDuration* duration = nullptr;
    if (!duration) {
        duration = new HintDuration(qApp);
        qApp->installEventFilter(duration);
    }
    QToolTip::setFont(font);
    QPalette palette = QToolTip::palette();
    QLinearGradient yellow(0, 0, 0, 1);
    yellow.setCoordinateMode(QGradient::ObjectMode);
    yellow.setColorAt(0, QColor(255, 255, 96));
    yellow.setColorAt(1, QColor(255, 252, 226));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::ToolTipBase, QBrush(yellow));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
    }
    QToolTip::setPalette(palette);
}

} // namespace ScreenTips
