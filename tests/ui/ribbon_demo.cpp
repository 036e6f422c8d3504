// Renders the ribbons of the program's windows in their schemes, a screen tip and the icon set into
// PNG files, for a person to look at: ribbon_demo <output folder>.
#include "ui/help/HelpWindow.h"
#include "ui/ribbon/Ribbon.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {
QAction* act(QWidget* owner, const char* name, const char* text)
{
    auto a = new QAction(Icons::icon(QString::fromLatin1(name)), QString::fromUtf8(text), owner);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void addLarge(RibbonGroup* g, QWidget* owner,
              std::initializer_list<std::pair<const char*, const char*>> items)
{
    for (const auto& [name, text] : items)
        g->addLargeAction(act(owner, name, text));
}

Ribbon* mainRibbon(QWidget* owner)
{
    auto r = new Ribbon(owner);
    r->setCaption(
        QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
    const int home = r->addTab(QStringLiteral("Главная"));
    const int banks = r->addTab(QStringLiteral("Базы данных вопросов и ответов"));
    const int tables = r->addTab(
        QStringLiteral("Персонал, категории специалистов, критерии оценки и журнал проверки знаний"));
    addLarge(r->addGroup(home, QStringLiteral("Руководство, протокол, журнал")), owner,
             {{"actClose", "Выход"},
              {"actManagement", "Печать руководства по эксплуатации"},
              {"act", "Печать протокола"},
              {"actGurnal", "Печать журнала"}});
    addLarge(r->addGroup(home, QStringLiteral("Справочная система Классификатора ЗОРВЕК")), owner,
             {{"actView", "Просмотр "},
              {"actPersonal_Editor", "Заполнение таблицы \"Персонал\""},
              {"actExamenation", "Ээкзамен"},
              {"actSelf_training", "Самоподготовка"},
              {"actEditor", "Редактирование"}});
    RibbonGroup* modes = r->addGroup(home, QStringLiteral("Режимы работы Классификатора ЗОРВЕК"));
    modes->addLargeAction(act(owner, "actViewExe", "Просмотр"), QStringLiteral("Просмотр базы данных"));
    addLarge(modes, owner, {{"actExamenationExe", "Экзамен"}, {"actSelf_trainingExe", "Самоподготовка"}});
    modes->addLargeAction(act(owner, "actEditorExe", "Редактирование"),
                          QStringLiteral("Редактирование базы данных"));
    addLarge(
        r->addGroup(banks, QStringLiteral("База данных  вопросов и ответов для 9 категориий специалитсов")),
        owner,
        {{"actelectroeconomy", "Админ. техн. персонал"},
         {"actOtvetsvennyeWorks", "Ответственные руководители работ"},
         {"actGivingOrder", "Выдающие наряд"},
         {"actVManufacturersWorks", "Производители работ"},
         {"actElectrical_engineers_II", "Электромонтёры II группа"},
         {"actElectrical_engineers_III", "Электромонтёры III группа"},
         {"actElectrical_engineers_IV", "Электромонтёры и электромеханики IV группа"},
         {"actElectrical_engineers_V", "Электромонтёры и электромеханики V группа"},
         {"actPower_Dispatcher", "Энергодиспетчеры"}});
    addLarge(r->addGroup(tables, QStringLiteral("Таблицы")), owner,
             {{"actPersonal", "Персонал"},
              {"actCategorii", "Категории специалистов"},
              {"actDopuski", "Допуски на оценки"},
              {"actCriterii", "Критерии оценки знаний"},
              {"actVoprosyToRazdely", "Количество вопросов по разделам"},
              {"actGurnalAll", "Журнал"}});
    RibbonGroup* nav = r->addGroup(tables, QStringLiteral("Навигация по таблице"));
    for (auto [n, t] : {std::pair{"DataSetFirst1", "Первая"},
                        {"DataSetPrior1", "Предыдущая"},
                        {"DataSetNext1", "Следующая"},
                        {"DataSetLast1", "Последняя"}})
        nav->addSmallAction(act(owner, n, t));
    RibbonGroup* edit = r->addGroup(tables, QStringLiteral("Редактирование таблицы"));
    for (auto [n, t] : {std::pair{"DataSetInsert1", "Вставить"},
                        {"DataSetDelete1", "Удалить"},
                        {"DataSetEdit1", "Редактировать"},
                        {"DataSetPost1", "Сохранить изменения"},
                        {"DataSetCancel1", "Отменить редактирование"},
                        {"DataSetRefresh1", "Восстановить текущую запись из таблицы"}}) {
        QAction* a = act(owner, n, t);
        a->setEnabled(QByteArray(n) != "DataSetPost1" && QByteArray(n) != "DataSetCancel1");
        edit->addSmallAction(a);
    }
    r->addQuickAccess(act(owner, "actExamenationExe", "Экзамен"));
    r->addQuickAccess(act(owner, "actExamenation", "Экзамен"));
    r->addQuickAccess(act(owner, "actClose", "Выход"));
    r->applicationMenu()->addAction(act(owner, "actLoadText", "Заполнение базы данных классификатора"));
    return r;
}

Ribbon* trainingRibbon(QWidget* owner, Ribbon::Scheme scheme, bool answers)
{
    auto r = new Ribbon(owner);
    r->setScheme(scheme);
    r->setCaption(
        QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
    const int tab = r->addTab(answers ? QStringLiteral("Работа классификатора в режиме самоподготовки")
                                      : QStringLiteral("Работа классификатора в режиме просмотра"));
    RibbonGroup* nav = r->addGroup(tab, QStringLiteral("Навигация"));
    nav->setSmallRows(2);
    for (auto [n, t] : {std::pair{"actFirstView", "Первая"},
                        {"acttNextView", "Следующая"},
                        {"actLastView", "Последняя"},
                        {"actPriorView", "Предыдущая"}})
        nav->addSmallAction(act(owner, n, t));
    if (answers) {
        RibbonGroup* g = r->addGroup(tab, QStringLiteral("Выбор верного ответа"));
        for (int i = 1; i <= 3; ++i)
            g->addLargeAction(act(owner,
                                  QStringLiteral("actAnswer%1Samopodgotovka").arg(i).toLatin1().constData(),
                                  QStringLiteral("Ответ №%1").arg(i).toUtf8().constData()),
                              QStringLiteral("Ответ №&%1").arg(i));
    }
    RibbonGroup* cmd = r->addGroup(tab, answers ? QStringLiteral("Команды управления")
                                                : QStringLiteral("Отмена форматирования, выход"));
    addLarge(cmd, owner, {{"actFromRazdelView", "Выход из раздела"}});
    if (answers)
        addLarge(cmd, owner, {{"actFormat", "Отменить форматирование"}});
    addLarge(cmd, owner,
             {{"actOutView", answers ? "Выход из режима самоподготовки" : "Выход из режима просмотра"}});
    return r;
}

void save(QWidget* w, int width, const QString& file)
{
    w->resize(width, w->sizeHint().height());
    w->show();
    QApplication::processEvents();
    w->grab().save(file);
    if (qEnvironmentVariableIsSet("RIBBON_DEBUG"))
        for (QToolButton* b : w->findChildren<QToolButton*>())
            qInfo() << b->objectName() << b->text() << b->sizeHint() << b->geometry() << b->font().toString();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp"));
    QFont tipFont(QStringLiteral("Times New Roman"));
    tipFont.setPixelSize(16);
    ScreenTips::installHintSettings(tipFont);

    QWidget owner;
    const std::pair<Ribbon::Scheme, const char*> schemes[] = {{Ribbon::Scheme::Silver, "silver"},
                                                              {Ribbon::Scheme::Obsidian, "obsidian"},
                                                              {Ribbon::Scheme::Luna, "luna"}};
    for (const auto& [scheme, name] : schemes) {
        Ribbon* r = mainRibbon(&owner);
        r->setParent(nullptr);
        r->setScheme(scheme);
        for (int tab = 0; tab < r->tabCount(); ++tab) {
            r->setCurrentTab(tab);
            save(r, 1200,
                 out.filePath(QStringLiteral("ribbon_%1_tab%2.png").arg(QLatin1String(name)).arg(tab)));
        }
        delete r;
    }
    Ribbon* training = trainingRibbon(&owner, Ribbon::Scheme::Silver, true);
    training->setParent(nullptr);
    save(training, 1000, out.filePath(QStringLiteral("ribbon_training.png")));
    Ribbon* view = trainingRibbon(&owner, Ribbon::Scheme::Obsidian, false);
    view->setParent(nullptr);
    save(view, 1000, out.filePath(QStringLiteral("ribbon_view.png")));

    // The main window's look: ribbon over the background picture.
    QWidget mainWindow;
    auto layout = new QVBoxLayout(&mainWindow);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Ribbon* r = mainRibbon(&mainWindow);
    r->setCurrentTab(2);
    layout->addWidget(r);
    auto picture = new QLabel(&mainWindow);
    picture->setPixmap(QIcon(QStringLiteral(":/background/background.svg")).pixmap(1200, 614));
    layout->addWidget(picture);
    mainWindow.resize(1200, 757);
    mainWindow.show();
    QApplication::processEvents();
    mainWindow.grab().save(out.filePath(QStringLiteral("main_mock.png")));

    // A screen tip as the user sees it.
    QAction* close = r->quickAccessActions().last();
    ScreenTips::set(close, {QStringLiteral("Выход"),
                            {QStringLiteral("Завершение работы Классификатора  ЗОРВЕК")},
                            ScreenTips::HelpFooter});
    QAction* gurnal = nullptr;
    for (QAction* a : r->groups(0).first()->actions())
        if (a->objectName() == QLatin1String("actGurnal"))
            gurnal = a;
    ScreenTips::set(
        gurnal,
        {QStringLiteral("Печать журнала"),
         {QStringLiteral("Печать журнала учёта проверки знаний НОРМ и ПРАВИЛ безопасности при эксплуатации"),
          QStringLiteral("контактной сети и устройств электроснабжения"),
          QStringLiteral("автоблокировки железных дорог")},
         ScreenTips::HelpFooter});
    r->setCurrentTab(0);
    QApplication::processEvents();
    QToolButton* b = r->buttonFor(gurnal);
    QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), b->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(b, &help);
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            w->grab().save(out.filePath(QStringLiteral("screentip.png")));

    // The help pages as the help window shows them.
    for (int topic = 0; topic <= 5; ++topic) {
        HelpWindow::closeIfOpen();
        HelpWindow::showTopic(topic);
        QApplication::processEvents();
        HelpWindow::instance()->grab().save(out.filePath(QStringLiteral("help_topic%1.png").arg(topic)));
    }
    HelpWindow::closeIfOpen();

    // The icon set at 96 pixels and at its own 24, in a sheet of eight columns.
    QStringList names =
        QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    const int cols = 8, cellW = 150, cellH = 140;
    QImage sheet(cols * cellW, int((names.size() + cols - 1) / cols) * cellH, QImage::Format_ARGB32);
    sheet.fill(QColor(0xee, 0xf1, 0xf5));
    QPainter p(&sheet);
    QFont small = app.font();
    small.setPixelSize(10);
    p.setFont(small);
    for (int i = 0; i < names.size(); ++i) {
        const QRect cell((i % cols) * cellW, (i / cols) * cellH, cellW, cellH);
        QSvgRenderer svg(QStringLiteral(":/icons/") + names[i]);
        svg.render(&p, QRectF(cell.left() + 10, cell.top() + 8, 96, 96));
        p.drawPixmap(cell.left() + 114, cell.top() + 8,
                     QIcon(QStringLiteral(":/icons/") + names[i]).pixmap(24, 24));
        p.drawText(QRect(cell.left(), cell.top() + 110, cellW, 20), Qt::AlignCenter, names[i].chopped(4));
    }
    p.end();
    sheet.save(out.filePath(QStringLiteral("icons_sheet.png")));
    return 0;
}
