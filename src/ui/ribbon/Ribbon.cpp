// The ribbon: a caption bar with the quick-access buttons, a row with the application menu button
// and the tabs, and one page of groups per tab. The ribbon paints its own bands in the colours of
// its scheme; the buttons and groups look the scheme up while painting.
#include "ui/ribbon/Ribbon.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonColors.h"
#include "ui/ribbon/RibbonPage.h"

#include <QActionEvent>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int CaptionHeight = 26;
constexpr int TabHeight = 24;
// Keeps the whole ribbon at 143 pixels with the usual 9-point interface font.
constexpr int PanelMinimumHeight = 93;
} // namespace

class Ribbon::Private
{
public:
    QString caption;
    QFont captionFont;
    Scheme scheme = Scheme::Silver;
    QWidget* quickBar = nullptr;
    QHBoxLayout* quickLayout = nullptr;
    QList<QAction*> quickActions;
    QToolButton* appButton = nullptr;
    QMenu* appMenu = nullptr;
    QTabBar* tabBar = nullptr;
    QStackedWidget* stack = nullptr;
    QList<QList<RibbonGroup*>> groups; // per tab
    int current = -1;
};

Ribbon::Ribbon(QWidget* parent) : QWidget(parent), d(new Private)
{
    setObjectName(QStringLiteral("Ribbon1"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Ribbons use a compact interface font, so that a 1200-pixel window holds all its groups;
    // a window may still give the ribbon a font of its own with setFont().
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);
    d->captionFont = QFont(QStringLiteral("Times New Roman"), 13, QFont::Bold);
    d->captionFont.setStyleHint(QFont::Serif);

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    d->quickBar = new QWidget(this);
    d->quickBar->setObjectName(QStringLiteral("RibbonQuickAccess"));
    d->quickLayout = new QHBoxLayout(d->quickBar);
    d->quickLayout->setContentsMargins(4, 2, 4, 2);
    d->quickLayout->setSpacing(1);
    auto captionRow = new QHBoxLayout;
    captionRow->addWidget(d->quickBar);
    captionRow->addStretch();
    auto captionBox = new QWidget(this);
    captionBox->setFixedHeight(CaptionHeight);
    captionBox->setLayout(captionRow);
    captionRow->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(captionBox);

    d->appMenu = new QMenu(this);
    d->appMenu->setObjectName(QStringLiteral("RibbonApplicationMenu"));
    d->appMenu->installEventFilter(this);
    d->appButton = new QToolButton(this);
    d->appButton->setObjectName(QStringLiteral("RibbonApplicationButton"));
    d->appButton->setText(QStringLiteral("Файл"));
    d->appButton->setMenu(d->appMenu);
    d->appButton->setPopupMode(QToolButton::InstantPopup);
    d->appButton->setFocusPolicy(Qt::NoFocus);
    d->appButton->setFixedHeight(TabHeight - 3);
    d->appButton->hide();
    d->tabBar = new QTabBar(this);
    d->tabBar->setObjectName(QStringLiteral("RibbonTabs"));
    d->tabBar->setDrawBase(false);
    d->tabBar->setExpanding(false);
    d->tabBar->setElideMode(Qt::ElideNone);
    d->tabBar->setFocusPolicy(Qt::NoFocus);
    auto tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(4, 0, 4, 0);
    tabRow->setSpacing(6);
    tabRow->addWidget(d->appButton, 0, Qt::AlignBottom);
    tabRow->addWidget(d->tabBar, 0, Qt::AlignBottom);
    tabRow->addStretch();
    auto tabBox = new QWidget(this);
    tabBox->setFixedHeight(TabHeight);
    tabBox->setLayout(tabRow);
    layout->addWidget(tabBox);

    d->stack = new QStackedWidget(this);
    d->stack->setMinimumHeight(PanelMinimumHeight);
    layout->addWidget(d->stack);

    connect(d->tabBar, &QTabBar::currentChanged, this, [this](int index) {
        const int old = d->current;
        d->current = index;
        d->stack->setCurrentIndex(index);
        // The very first tab becoming current while the ribbon is built is no switch.
        if (old >= 0 && old != index)
            emit tabChanged(index, old);
    });
    setScheme(Scheme::Silver);
}

Ribbon::~Ribbon()
{
    // The menu outlives this body (children go last); it must not call the filter meanwhile.
    d->appMenu->removeEventFilter(this);
    delete d;
    d = nullptr;
}

void Ribbon::setCaption(const QString& caption)
{
    d->caption = caption;
    update();
}

QString Ribbon::caption() const
{
    return d->caption;
}

void Ribbon::setCaptionFont(const QFont& font)
{
    d->captionFont = font;
    update();
}

void Ribbon::setScheme(Scheme scheme)
{
    d->scheme = scheme;
    const RibbonColors& c = ribbonColors(scheme);
    d->tabBar->setStyleSheet(
        QStringLiteral("QTabBar::tab { color: %1; background: transparent; padding: 2px 12px 3px 12px;"
                       " margin-right: 2px; border: 1px solid transparent; border-bottom: none;"
                       " border-top-left-radius: 3px; border-top-right-radius: 3px; }"
                       "QTabBar::tab:selected { color: %2; background: %3; border-color: %4; }"
                       "QTabBar::tab:hover:!selected { border-color: %4; }")
            .arg(c.tabText.name(), c.tabSelectedText.name(), c.panelTop.name(), c.panelBorder.name()));
    d->appButton->setStyleSheet(
        QStringLiteral("QToolButton { color: white; font-weight: bold; padding: 1px 12px;"
                       " border: 1px solid %2; border-radius: 3px;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2); }"
                       "QToolButton::menu-indicator { image: none; width: 0px; }")
            .arg(c.appButtonTop.name(), c.appButtonBottom.name()));
    update();
    for (QWidget* w : findChildren<QWidget*>())
        w->update();
}

Ribbon::Scheme Ribbon::scheme() const
{
    return d ? d->scheme : Scheme::Silver;
}

int Ribbon::addTab(const QString& title)
{
    // A page narrower than its groups scrolls: the window keeps its width.
    d->stack->addWidget(new RibbonPage(d->stack));
    d->groups.append(QList<RibbonGroup*>());
    return d->tabBar->addTab(title);
}

int Ribbon::tabCount() const
{
    return d->tabBar->count();
}

QString Ribbon::tabTitle(int index) const
{
    return d->tabBar->tabText(index);
}

RibbonGroup* Ribbon::addGroup(int tab, const QString& caption)
{
    Q_ASSERT(tab >= 0 && tab < d->groups.size());
    auto* page = static_cast<RibbonPage*>(d->stack->widget(tab));
    QHBoxLayout* row = page->row();
    auto group = new RibbonGroup(caption, page->widget());
    row->insertWidget(row->count() - 1, group); // before the closing stretch
    d->groups[tab].append(group);
    return group;
}

QList<RibbonGroup*> Ribbon::groups(int tab) const
{
    return d->groups.value(tab);
}

void Ribbon::setCurrentTab(int index)
{
    d->tabBar->setCurrentIndex(index);
}

int Ribbon::currentTab() const
{
    return d->tabBar->currentIndex();
}

QMenu* Ribbon::applicationMenu()
{
    return d->appMenu;
}

void Ribbon::addQuickAccess(QAction* action)
{
    d->quickActions.append(action);
    d->quickLayout->addWidget(new RibbonButton(action, RibbonButton::Kind::IconOnly, QString(), d->quickBar));
}

QList<QAction*> Ribbon::quickAccessActions() const
{
    return d->quickActions;
}

void Ribbon::setApplicationButtonText(const QString& text)
{
    d->appButton->setText(text);
}

QToolButton* Ribbon::buttonFor(const QAction* action) const
{
    for (const QList<RibbonGroup*>& tab : d->groups) {
        for (RibbonGroup* group : tab) {
            if (QToolButton* b = group->button(action))
                return b;
        }
    }
    return nullptr;
}

bool Ribbon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->appMenu &&
        (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved))
        d->appButton->setVisible(!d->appMenu->actions().isEmpty());
    return QWidget::eventFilter(watched, event);
}

void Ribbon::paintEvent(QPaintEvent*)
{
    const RibbonColors& c = ribbonColors(d->scheme);
    QPainter p(this);
    const QRect captionRect(0, 0, width(), CaptionHeight);
    QLinearGradient captionFill(captionRect.topLeft(), captionRect.bottomLeft());
    captionFill.setColorAt(0, c.captionTop);
    captionFill.setColorAt(1, c.captionBottom);
    p.fillRect(captionRect, captionFill);
    p.fillRect(QRect(0, CaptionHeight, width(), TabHeight), c.tabBand);

    const QRect panel(0, CaptionHeight + TabHeight, width(), height() - CaptionHeight - TabHeight);
    QLinearGradient panelFill(panel.topLeft(), panel.bottomLeft());
    panelFill.setColorAt(0, c.panelTop);
    panelFill.setColorAt(0.75, c.panelBottom);
    panelFill.setColorAt(1, c.panelBottom.darker(104));
    p.fillRect(panel, panelFill);
    p.setPen(c.panelBorder);
    p.drawLine(panel.topLeft(), panel.topRight());
    p.drawLine(panel.bottomLeft(), panel.bottomRight());

    // The caption is centred on the whole width unless that would run into the quick-access bar.
    p.setFont(d->captionFont);
    p.setPen(c.captionText);
    const QFontMetrics fm(d->captionFont);
    const int left = d->quickBar->geometry().right() + 12;
    const QString text = fm.elidedText(d->caption, Qt::ElideRight, width() - left - 8);
    const int textWidth = fm.horizontalAdvance(text);
    const int x = qMax(left, (width() - textWidth) / 2);
    p.drawText(QRect(x, 0, textWidth + 2, CaptionHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
}
