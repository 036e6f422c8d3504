// The help window: one at a time, raised on the old page when open, pages bundled and linked.
#include "ui/help/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

class TestHelp : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void oneWindowKeepsItsTopic();
    void minimisedWindowIsRestored();
    void closedWindowOpensAtTheNewTopic();
    void unknownTopicOpensTheContents();
    void pagesAreBundledAndLinked();
    void usableBesideAModalWindow();
};

void TestHelp::cleanup()
{
    HelpWindow::closeIfOpen();
    QVERIFY(!HelpWindow::isOpen());
}

void TestHelp::oneWindowKeepsItsTopic()
{
    QVERIFY(!HelpWindow::isOpen());
    QCOMPARE(HelpWindow::currentTopic(), 0);
    HelpWindow::showTopic(HelpWindow::ExamMode);
    QVERIFY(HelpWindow::isOpen());
    HelpWindow* window = HelpWindow::instance();
    QCOMPARE(window->windowTitle(), QStringLiteral("Классификатор ЗОРВЕК"));
    QCOMPARE(HelpWindow::currentTopic(), 2);

    HelpWindow::showTopic(HelpWindow::EditingMode);
    QCOMPARE(HelpWindow::instance(), window);
    QCOMPARE(HelpWindow::currentTopic(), 2);
    int helpWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<HelpWindow*>(w) && w->isVisible() ? 1 : 0;
    QCOMPARE(helpWindows, 1);
}

void TestHelp::minimisedWindowIsRestored()
{
    HelpWindow::showTopic(HelpWindow::SelfTrainingMode);
    HelpWindow* window = HelpWindow::instance();
    window->showMinimized();
    QTRY_VERIFY(window->isMinimized());
    HelpWindow::showTopic(HelpWindow::ViewMode);
    QTRY_VERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());
    QCOMPARE(HelpWindow::currentTopic(), 3);
}

void TestHelp::closedWindowOpensAtTheNewTopic()
{
    HelpWindow::showTopic(HelpWindow::ViewMode);
    HelpWindow::instance()->close(); // the user closes it
    QVERIFY(!HelpWindow::isOpen());
    HelpWindow::showTopic(HelpWindow::PersonnelTable);
    QVERIFY(HelpWindow::isOpen());
    QCOMPARE(HelpWindow::currentTopic(), 5);
    auto browser = HelpWindow::instance()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Заполнение таблицы «Персонал»")));
}

void TestHelp::unknownTopicOpensTheContents()
{
    HelpWindow::showTopic(0);
    QCOMPARE(HelpWindow::currentTopic(), 0);
    auto browser = HelpWindow::instance()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Разделы справки")));
    QCOMPARE(HelpWindow::topicUrl(42), HelpWindow::topicUrl(0));
}

void TestHelp::pagesAreBundledAndLinked()
{
    const QStringList pages{QStringLiteral("index"),  QStringLiteral("topic1"), QStringLiteral("topic2"),
                            QStringLiteral("topic3"), QStringLiteral("topic4"), QStringLiteral("topic5")};
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/help/") + page + QStringLiteral(".html"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY2(html.size() > 2000, qPrintable(page)); // written pages, not stubs
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target), qPrintable(page + " -> " + target));
        }
    }
    // Each mode page names the commands the operator uses, by their captions.
    auto read = [](int topic) {
        QFile f(HelpWindow::topicUrl(topic).toString().mid(3));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    };
    QVERIFY(read(1).contains(QStringLiteral("«Выход из режима просмотра»")));
    QVERIFY(read(2).contains(QStringLiteral("Ctrl+Insert")));
    QVERIFY(read(2).contains(QStringLiteral("«Начать экзамен»")));
    QVERIFY(read(3).contains(QStringLiteral("«Отменить форматирование»")));
    QVERIFY(read(4).contains(QStringLiteral("«Добавить»")));
    QVERIFY(read(5).contains(QStringLiteral("переменного тока")));
}

namespace {
// Follows whether the application's modality blocks a window.
class BlockWatch : public QObject
{
public:
    bool blocked = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (e->type() == QEvent::WindowUnblocked)
            blocked = false;
        return false;
    }
};
} // namespace

void TestHelp::usableBesideAModalWindow()
{
    // Opened while a mode window is modal: owned by it, so not blocked by it.
    QDialog modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&modal));
    QCOMPARE(QApplication::activeModalWidget(), &modal);
    HelpWindow::showTopic(HelpWindow::SelfTrainingMode);
    QWindow* help = HelpWindow::instance()->windowHandle();
    QVERIFY(help);
    QCOMPARE(help->transientParent(), modal.windowHandle());
    modal.hide();

    // Opened freely, then a modal window comes up: blocked, until a help command raises it.
    HelpWindow::closeIfOpen();
    HelpWindow::showTopic(HelpWindow::EditingMode);
    BlockWatch watch;
    HelpWindow::instance()->windowHandle()->installEventFilter(&watch);
    QDialog next;
    next.setWindowModality(Qt::ApplicationModal);
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    QTRY_VERIFY(watch.blocked);
    HelpWindow::showTopic(HelpWindow::ViewMode);
    QTRY_VERIFY(!watch.blocked);
    QCOMPARE(HelpWindow::currentTopic(), 4);
    next.hide();
}

#include "test_help.moc"
int runHelpTests(int argc, char** argv)
{
    TestHelp t;
    return QTest::qExec(&t, argc, argv);
}
