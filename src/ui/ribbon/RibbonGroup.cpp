// A group of ribbon buttons with its caption at the bottom and a separator at its right edge.
#include "ui/ribbon/Ribbon.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonColors.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

class RibbonGroup::Private
{
public:
    QString caption;
    QHBoxLayout* row = nullptr;
    QVBoxLayout* column = nullptr; // the column that takes the next small button
    int smallRows = 3;
    QList<RibbonButton*> buttons;
};

namespace {
constexpr int CaptionHeight = 17;

int captionWidth(const QWidget* w, const QString& caption)
{
    return w->fontMetrics().horizontalAdvance(caption.simplified()) + 14;
}
} // namespace

RibbonGroup::RibbonGroup(const QString& caption, QWidget* parent) : QWidget(parent), d(new Private)
{
    d->caption = caption;
    setObjectName(QStringLiteral("RibbonGroup"));
    d->row = new QHBoxLayout(this);
    d->row->setContentsMargins(4, 3, 6, CaptionHeight);
    d->row->setSpacing(2);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize RibbonGroup::sizeHint() const
{
    const QSize buttons = QWidget::sizeHint();
    return {qMax(buttons.width(), captionWidth(this, d->caption)), buttons.height()};
}

QSize RibbonGroup::minimumSizeHint() const
{
    return sizeHint();
}

RibbonGroup::~RibbonGroup()
{
    delete d;
}

QString RibbonGroup::caption() const
{
    return d->caption;
}

void RibbonGroup::addLargeAction(QAction* action)
{
    addLargeAction(action, QString());
}

void RibbonGroup::addSmallAction(QAction* action)
{
    addSmallAction(action, QString());
}

void RibbonGroup::addLargeAction(QAction* action, const QString& buttonCaption)
{
    auto button = new RibbonButton(action, RibbonButton::Kind::Large, buttonCaption, this);
    d->buttons.append(button);
    d->row->addWidget(button, 0, Qt::AlignTop);
    d->column = nullptr;
}

void RibbonGroup::addSmallAction(QAction* action, const QString& buttonCaption)
{
    auto button = new RibbonButton(action, RibbonButton::Kind::Small, buttonCaption, this);
    d->buttons.append(button);
    if (!d->column || d->column->count() >= d->smallRows) {
        d->column = new QVBoxLayout;
        d->column->setSpacing(0);
        d->column->setAlignment(Qt::AlignTop);
        d->row->addLayout(d->column);
    }
    d->column->addWidget(button);
}

void RibbonGroup::setSmallRows(int rows)
{
    d->smallRows = qMax(1, rows);
    d->column = nullptr;
}

QList<QAction*> RibbonGroup::actions() const
{
    QList<QAction*> result;
    for (RibbonButton* b : d->buttons)
        result.append(b->defaultAction());
    return result;
}

QToolButton* RibbonGroup::button(const QAction* action) const
{
    for (RibbonButton* b : d->buttons) {
        if (b->defaultAction() == action)
            return b;
    }
    return nullptr;
}

void RibbonGroup::paintEvent(QPaintEvent*)
{
    const RibbonColors& colors = ribbonColorsFor(this);
    QPainter p(this);
    p.setPen(colors.groupSeparator);
    p.drawLine(width() - 1, 4, width() - 1, height() - 4);
    p.setPen(colors.groupCaption);
    p.drawText(QRect(0, height() - CaptionHeight, width() - 2, CaptionHeight - 2), Qt::AlignCenter,
               d->caption.simplified());
}
