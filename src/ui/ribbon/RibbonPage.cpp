#include "ui/ribbon/RibbonPage.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {
constexpr int ArrowWidth = 18;
constexpr int Step = 160;
} // namespace

RibbonPage::RibbonPage(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("RibbonPage"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundRole(QPalette::NoRole);
    viewport()->setAutoFillBackground(false);

    auto* groups = new QWidget;
    groups->setAutoFillBackground(false);
    m_row = new QHBoxLayout(groups);
    m_row->setContentsMargins(3, 2, 3, 2);
    m_row->setSpacing(2);
    m_row->addStretch();
    setWidget(groups);
    viewport()->installEventFilter(this);

    const auto arrow = [this](Qt::ArrowType type, const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setArrowType(type);
        // A light strip over the cut-off groups, so that the arrow stands out.
        button->setStyleSheet(QStringLiteral("QToolButton { background: rgba(255, 255, 255, 230); "
                                             "border: 1px solid #7f93ad; border-radius: 2px; }"));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->hide();
        return button;
    };
    m_left = arrow(Qt::LeftArrow, "RibbonScrollLeft");
    m_right = arrow(Qt::RightArrow, "RibbonScrollRight");
    m_left->setToolTip(QStringLiteral("Команды слева"));
    m_right->setToolTip(QStringLiteral("Ещё команды справа"));
    connect(m_left, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_right, &QToolButton::clicked, this, [this] { step(1); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &RibbonPage::placeArrows);
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, &RibbonPage::placeArrows);
}

QSize RibbonPage::minimumSizeHint() const
{
    // As narrow as two arrows and a group's worth of room: the rest scrolls.
    const QSize groups = widget()->minimumSizeHint();
    return {std::min(groups.width(), 200), groups.height()};
}

void RibbonPage::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    placeArrows();
}

bool RibbonPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Wheel && horizontalScrollBar()->maximum() > 0) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint delta = wheel->angleDelta();
        step((delta.y() != 0 ? -delta.y() : -delta.x()) > 0 ? 1 : -1);
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void RibbonPage::step(int direction)
{
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(bar->value() + direction * Step);
}

void RibbonPage::placeArrows()
{
    const QScrollBar* bar = horizontalScrollBar();
    m_left->setGeometry(0, 0, ArrowWidth, height());
    m_right->setGeometry(width() - ArrowWidth, 0, ArrowWidth, height());
    m_left->setVisible(bar->value() > bar->minimum());
    m_right->setVisible(bar->value() < bar->maximum());
    m_left->raise();
    m_right->raise();
}
