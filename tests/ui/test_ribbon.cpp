// The ribbon: buttons follow their actions, tabs report switches, screen tips and hint settings.
#include "ui/ribbon/Ribbon.h"
#include "ui/ribbon/RibbonButton.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMainWindow>
#include <QMenu>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>

namespace {
QAction* makeAction(QObject* owner, const QString& name, const QString& text)
{
    auto action = new QAction(text, owner);
    action->setObjectName(name);
    return action;
}
} // namespace

class TestRibbon : public QObject
{
    Q_OBJECT
private slots:
    void buttonsFollowGroupsInOrder();
    void buttonsFollowTheirActions();
    void buttonCaptionOfItsOwnSurvivesActionChanges();
    void largeCaptionsWrapIntoTwoBalancedLines();
    void smallButtonsFillColumns();
    void tabSwitchReportsNewAndOldIndex();
    void quickAccessAndApplicationMenu();
    void shortcutsStayWindowActions();
    void screenTipHtml();
    void hintSettings();
    void schemesAndHeight();
};

void TestRibbon::buttonsFollowGroupsInOrder()
{
    Ribbon ribbon;
    const int home = ribbon.addTab(QStringLiteral("Главная"));
    const int tables = ribbon.addTab(QStringLiteral("Таблицы"));
    QCOMPARE(ribbon.tabCount(), 2);
    QCOMPARE(ribbon.tabTitle(tables), QStringLiteral("Таблицы"));
    RibbonGroup* print = ribbon.addGroup(home, QStringLiteral("Руководство, протокол, журнал"));
    RibbonGroup* modes = ribbon.addGroup(home, QStringLiteral("Режимы работы"));
    QList<QAction*> printActions{makeAction(&ribbon, "actClose", "Выход"),
                                 makeAction(&ribbon, "act", "Печать протокола"),
                                 makeAction(&ribbon, "actGurnal", "Печать журнала")};
    for (QAction* a : printActions)
        print->addLargeAction(a);
    QAction* view = makeAction(&ribbon, "actViewExe", "Просмотр");
    modes->addLargeAction(view, QStringLiteral("Просмотр базы данных"));

    QCOMPARE(ribbon.groups(home), (QList<RibbonGroup*>{print, modes}));
    QVERIFY(ribbon.groups(tables).isEmpty());
    QCOMPARE(print->actions(), printActions);
    QCOMPARE(print->caption(), QStringLiteral("Руководство, протокол, журнал"));

    ribbon.resize(1200, 143);
    ribbon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ribbon));
    int lastRight = -1;
    for (QAction* a : printActions) {
        QToolButton* b = print->button(a);
        QVERIFY(b);
        QCOMPARE(b->defaultAction(), a);
        QCOMPARE(ribbon.buttonFor(a), b);
        QVERIFY2(b->geometry().left() > lastRight, "buttons stand left to right in the order added");
        lastRight = b->geometry().right();
    }
    QVERIFY(print->geometry().right() < modes->geometry().left());
    QCOMPARE(ribbon.buttonFor(view)->text(), QStringLiteral("Просмотр базы данных"));
    QVERIFY(!ribbon.buttonFor(new QAction(&ribbon)));
}

void TestRibbon::buttonsFollowTheirActions()
{
    Ribbon ribbon;
    RibbonGroup* group = ribbon.addGroup(ribbon.addTab(QStringLiteral("Главная")), QStringLiteral("Таблицы"));
    QAction* post = makeAction(&ribbon, "DataSetPost1", "Сохранить изменения");
    QAction* hidden = makeAction(&ribbon, "DataSetCancel1", "Отменить редактирование");
    hidden->setVisible(false);
    group->addSmallAction(post);
    group->addSmallAction(hidden);
    ribbon.show();
    QToolButton* button = group->button(post);

    post->setEnabled(false);
    QVERIFY(!button->isEnabled());
    post->setEnabled(true);
    QVERIFY(button->isEnabled());

    QVERIFY(group->button(hidden)->isHidden());
    hidden->setVisible(true);
    QVERIFY(!group->button(hidden)->isHidden());
    post->setVisible(false);
    QVERIFY(button->isHidden());

    QSignalSpy triggered(post, &QAction::triggered);
    post->setVisible(true);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(triggered.count(), 1);
    post->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(triggered.count(), 1);
}

void TestRibbon::buttonCaptionOfItsOwnSurvivesActionChanges()
{
    Ribbon ribbon;
    RibbonGroup* group =
        ribbon.addGroup(ribbon.addTab(QStringLiteral("Самоподготовка")), QStringLiteral("Выбор"));
    QAction* answer = makeAction(&ribbon, "actAnswer1Samopodgotovka", "Ответ №1");
    group->addLargeAction(answer, QStringLiteral("Ответ №&1"));
    QToolButton* button = group->button(answer);
    QCOMPARE(button->text(), QStringLiteral("Ответ №&1"));
    answer->setEnabled(false);
    answer->setEnabled(true);
    answer->setText(QStringLiteral("Ответ №1"));
    QCOMPARE(button->text(), QStringLiteral("Ответ №&1"));
    QCOMPARE(answer->text(), QStringLiteral("Ответ №1"));
}

void TestRibbon::largeCaptionsWrapIntoTwoBalancedLines()
{
    const QFontMetrics fm(QApplication::font());
    QCOMPARE(RibbonButton::captionLines(QStringLiteral("Выход"), fm), QStringList{QStringLiteral("Выход")});
    QCOMPARE(RibbonButton::captionLines(QStringLiteral("Просмотр "), fm),
             QStringList{QStringLiteral("Просмотр")});
    const QStringList two =
        RibbonButton::captionLines(QStringLiteral("Электромонтёры и электромеханики V группа"), fm);
    QCOMPARE(two.size(), 2);
    QCOMPARE(two.join(QLatin1Char(' ')), QStringLiteral("Электромонтёры и электромеханики V группа"));
    // Balanced: no other split point gives a narrower button.
    QCOMPARE(two.first(), QStringLiteral("Электромонтёры и"));

    Ribbon ribbon;
    RibbonGroup* group = ribbon.addGroup(ribbon.addTab(QStringLiteral("Базы")), QStringLiteral("Категории"));
    QAction* longOne =
        makeAction(&ribbon, "actElectrical_engineers_V", "Электромонтёры и электромеханики V группа");
    QAction* shortOne = makeAction(&ribbon, "actClose", "Выход");
    group->addLargeAction(longOne);
    group->addLargeAction(shortOne);
    const QSize big = group->button(longOne)->sizeHint();
    const QSize small = group->button(shortOne)->sizeHint();
    QCOMPARE(big.height(), small.height()); // every large button keeps room for two caption lines
    QVERIFY(big.width() < fm.horizontalAdvance(longOne->text()));
}

void TestRibbon::smallButtonsFillColumns()
{
    Ribbon ribbon;
    RibbonGroup* nav = ribbon.addGroup(ribbon.addTab(QStringLiteral("Меню")), QStringLiteral("Навигация"));
    nav->setSmallRows(2);
    QList<QAction*> actions;
    for (const char* name : {"actFirstView", "acttNextView", "actLastView", "actPriorView"}) {
        actions.append(makeAction(&ribbon, QString::fromLatin1(name), QString::fromLatin1(name)));
        nav->addSmallAction(actions.last());
    }
    ribbon.resize(800, 143);
    ribbon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ribbon));
    const QRect first = nav->button(actions[0])->geometry();
    const QRect second = nav->button(actions[1])->geometry();
    const QRect third = nav->button(actions[2])->geometry();
    QCOMPARE(second.left(), first.left()); // two to a column
    QVERIFY(second.top() > first.top());
    QVERIFY(third.left() > first.right()); // the third starts the next column
    QCOMPARE(third.top(), first.top());
}

void TestRibbon::tabSwitchReportsNewAndOldIndex()
{
    Ribbon ribbon;
    QSignalSpy spy(&ribbon, &Ribbon::tabChanged);
    for (const char* title : {"Главная", "Базы данных вопросов и ответов", "Персонал"})
        ribbon.addTab(QString::fromUtf8(title));
    QCOMPARE(spy.count(), 0); // building the tabs is no switch
    QCOMPARE(ribbon.currentTab(), 0);

    ribbon.setCurrentTab(2);
    QCOMPARE(ribbon.currentTab(), 2);
    ribbon.setCurrentTab(1);
    ribbon.setCurrentTab(1);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0), (QList<QVariant>{2, 0}));
    QCOMPARE(spy.at(1), (QList<QVariant>{1, 2}));
}

void TestRibbon::quickAccessAndApplicationMenu()
{
    Ribbon ribbon;
    ribbon.addTab(QStringLiteral("Главная"));
    QAction* exam = makeAction(&ribbon, "actExamenationExe", "Экзамен");
    QAction* close = makeAction(&ribbon, "actClose", "Выход");
    ribbon.addQuickAccess(exam);
    ribbon.addQuickAccess(close);
    QCOMPARE(ribbon.quickAccessActions(), (QList<QAction*>{exam, close}));
    auto quick = ribbon.findChild<QWidget*>(QStringLiteral("RibbonQuickAccess"));
    QVERIFY(quick);
    const QList<QToolButton*> buttons = quick->findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), 2);
    for (QToolButton* b : buttons)
        QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonIconOnly);

    ribbon.show();
    auto appButton = ribbon.findChild<QToolButton*>(QStringLiteral("RibbonApplicationButton"));
    QVERIFY(appButton);
    QVERIFY(!appButton->isVisible()); // an empty menu shows no button
    ribbon.applicationMenu()->addAction(
        makeAction(&ribbon, "actLoadText", "Заполнение базы данных классификатора"));
    ribbon.applicationMenu()->addAction(close);
    QVERIFY(appButton->isVisible());
    QCOMPARE(appButton->menu(), ribbon.applicationMenu());
    ribbon.setApplicationButtonText(QStringLiteral("Меню"));
    QCOMPARE(appButton->text(), QStringLiteral("Меню"));
}

void TestRibbon::shortcutsStayWindowActions()
{
    QMainWindow window;
    auto ribbon = new Ribbon(&window);
    window.setMenuWidget(ribbon);
    const int first = ribbon->addTab(QStringLiteral("Главная"));
    const int second = ribbon->addTab(QStringLiteral("Экзамен"));
    ribbon->addGroup(first, QStringLiteral("Команды"));
    RibbonGroup* answers = ribbon->addGroup(second, QStringLiteral("Выбор верного ответа"));
    QAction* answer = makeAction(&window, "actAnswer1Examenation", "Ответ №1");
    answer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    window.addAction(answer);
    answers->addLargeAction(answer);
    ribbon->addQuickAccess(answer);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // The action's page is not shown; the window still owns the shortcut, and it fires once.
    QCOMPARE(ribbon->currentTab(), first);
    QSignalSpy triggered(answer, &QAction::triggered);
    QTest::keyClick(&window, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    answer->setEnabled(false);
    QTest::keyClick(&window, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(ribbon->buttonFor(answer)->focusPolicy(), Qt::NoFocus);
}

void TestRibbon::screenTipHtml()
{
    const ScreenTip tip{
        QStringLiteral("Выход из раздела"),
        {QStringLiteral("Выход из текущего раздела:"), QStringLiteral("1. Для перехода в <другой> раздел;")},
        ScreenTips::HelpFooter};
    const QString html = ScreenTips::toHtml(tip);
    QVERIFY(html.contains(QStringLiteral("<b>Выход из раздела</b>")));
    const int first = html.indexOf(QStringLiteral("Выход из текущего раздела:"));
    const int second = html.indexOf(QStringLiteral("1. Для перехода в &lt;другой&gt; раздел;"));
    const int rule = html.indexOf(QStringLiteral("<hr"));
    const int footer = html.indexOf(QStringLiteral("F1 - вызов справки"));
    QVERIFY(first > 0 && second > first && rule > second && footer > rule);
    QVERIFY(Qt::mightBeRichText(html));

    const QString noFooter = ScreenTips::toHtml({QStringLiteral("Выход"), {QStringLiteral("Выход")}, {}});
    QVERIFY(!noFooter.contains(QStringLiteral("<hr")));

    QAction action;
    QVERIFY(!ScreenTips::has(&action));
    action.setToolTip(QStringLiteral("Выход из раздела для перехода в другой раздел"));
    ScreenTips::set(&action, tip);
    QVERIFY(ScreenTips::has(&action));
    QCOMPARE(ScreenTips::get(&action).header, tip.header);
    QCOMPARE(ScreenTips::get(&action).lines, tip.lines);
    QCOMPARE(ScreenTips::get(&action).footer, tip.footer);
    QCOMPARE(action.toolTip(), QStringLiteral("Выход из раздела для перехода в другой раздел"));
}

void TestRibbon::hintSettings()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ScreenTips::installHintSettings(font);
    auto proxy = qobject_cast<QProxyStyle*>(QApplication::style());
    QVERIFY(proxy);
    QCOMPARE(proxy->baseStyle()->name().toLower(), QStringLiteral("fusion")); // the program keeps its look
    ScreenTips::installHintSettings(font); // a second window installing them changes nothing else
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);
    QCOMPARE(QToolTip::font().family(), font.family());
    QCOMPARE(QToolTip::font().pixelSize(), 16);
    const QBrush base = QToolTip::palette().brush(QPalette::ToolTipBase);
    QVERIFY(base.gradient());
    const QGradientStops stops = base.gradient()->stops();
    QCOMPARE(stops.first().second, QColor(255, 255, 96)); // starts from yellow
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipText), QColor(Qt::black));

    // A button with a screen tip shows it, rich, at once on a tool-tip event.
    Ribbon ribbon;
    RibbonGroup* group = ribbon.addGroup(ribbon.addTab(QStringLiteral("Главная")), QStringLiteral("Команды"));
    QAction* close = makeAction(&ribbon, "actClose", "Выход");
    ScreenTips::set(close,
                    {QStringLiteral("Выход"), {QStringLiteral("Завершение работы")}, ScreenTips::HelpFooter});
    group->addLargeAction(close);
    ribbon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ribbon));
    QToolButton* button = group->button(close);
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &event);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(QStringLiteral("F1 - вызов справки")));
    QToolTip::hideText();
}

void TestRibbon::schemesAndHeight()
{
    Ribbon ribbon;
    ribbon.setCaption(
        QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
    RibbonGroup* group = ribbon.addGroup(ribbon.addTab(QStringLiteral("Главная")), QStringLiteral("Команды"));
    group->addLargeAction(makeAction(&ribbon, "actClose", "Выход"));
    QCOMPARE(ribbon.scheme(), Ribbon::Scheme::Silver);
    for (Ribbon::Scheme s : {Ribbon::Scheme::Obsidian, Ribbon::Scheme::Luna, Ribbon::Scheme::Silver}) {
        ribbon.setScheme(s);
        QCOMPARE(ribbon.scheme(), s);
    }
    QVERIFY(ribbon.caption().startsWith(QStringLiteral("Классификатор")));
    QVERIFY2(qAbs(ribbon.sizeHint().height() - 143) <= 6,
             qPrintable(QString::number(ribbon.sizeHint().height())));
    QCOMPARE(ribbon.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
}

#include "test_ribbon.moc"
// Run together with the help window and icon tests by main.cpp.
int runRibbonTests(int argc, char** argv)
{
    TestRibbon t;
    return QTest::qExec(&t, argc, argv);
}
