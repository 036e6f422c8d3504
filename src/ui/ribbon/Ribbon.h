#pragma once
// A small ribbon command bar: caption, tabs, groups of large and small buttons bound to QActions,
// an application menu, a quick-access bar, colour schemes and rich screen tips.
// Every command is a QAction (object name, text, tool tip, shortcut); the ribbon only shows it.
#include <QAction>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QMenu;
class QToolButton;
class RibbonGroup;

// A rich screen tip: a bold header, description lines and an optional footer ("F1 - вызов справки").
struct ScreenTip {
    QString header;
    QStringList lines;
    QString footer;
};

namespace ScreenTips {
// The footer most commands carry.
inline const QString HelpFooter = QStringLiteral("F1 - вызов справки");
// Attaches a screen tip to an action; ribbon buttons show it on hover. The action's status tip /
// hint stays in QAction::toolTip when the tip is empty.
void set(QAction* action, const ScreenTip& tip);
ScreenTip get(const QAction* action);
bool has(const QAction* action);
// The tip as rich text (what the tooltip shows).
QString toHtml(const ScreenTip& tip);
// Application-wide hint settings: wake-up delay 100 ms, shown for 300000 ms, the given font.
void installHintSettings(const QFont& font);
} // namespace ScreenTips

class Ribbon : public QWidget
{
    Q_OBJECT
public:
    enum class Scheme { Silver, Obsidian, Luna };

    explicit Ribbon(QWidget* parent = nullptr);
    ~Ribbon() override;

    void setCaption(const QString& caption);
    QString caption() const;
    void setCaptionFont(const QFont& font);
    void setScheme(Scheme scheme);
    Scheme scheme() const;

    // Adds a tab; returns its index (0-based).
    int addTab(const QString& title);
    int tabCount() const;
    QString tabTitle(int index) const;
    // Adds a group with a caption to a tab.
    RibbonGroup* addGroup(int tab, const QString& caption);
    QList<RibbonGroup*> groups(int tab) const;

    void setCurrentTab(int index);
    int currentTab() const;

    // The application menu (the round button at the left of the tabs); add QActions to it.
    QMenu* applicationMenu();
    // Quick-access bar above the tabs: icon-only buttons.
    void addQuickAccess(QAction* action);
    QList<QAction*> quickAccessActions() const;

    // Text of the application menu button (default "Файл"); the button is hidden while the menu is empty.
    void setApplicationButtonText(const QString& text);
    // The button that shows `action` in any group of any tab, or nullptr.
    QToolButton* buttonFor(const QAction* action) const;

signals:
    // Emitted after the current tab changed.
    void tabChanged(int newIndex, int oldIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Private;
    Private* d;
};

class RibbonGroup : public QWidget
{
    Q_OBJECT
public:
    explicit RibbonGroup(const QString& caption, QWidget* parent = nullptr);
    ~RibbonGroup() override;
    QString caption() const;
    // A large button: 24 x 24 icon over its caption.
    void addLargeAction(QAction* action);
    // A small button: icon beside its caption, three to a column.
    void addSmallAction(QAction* action);
    // The same, with a button caption other than the action's text (e.g. "Ответ №&1" with a mnemonic).
    void addLargeAction(QAction* action, const QString& buttonCaption);
    void addSmallAction(QAction* action, const QString& buttonCaption);
    // Small buttons per column (default 3; 2 for a navigation block "in two rows").
    void setSmallRows(int rows);
    QList<QAction*> actions() const;
    QToolButton* button(const QAction* action) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    class Private;
    Private* d;
};

namespace Icons {
// An icon of the project's set (resources/icons/<name>.svg); a neutral placeholder when missing.
QIcon icon(const QString& name);
// True when the set has a picture of that name.
bool has(const QString& name);
} // namespace Icons
