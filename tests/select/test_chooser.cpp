// The category and section chooser: the mode line, "Далее" only after a real pick, the sections
// offered per category position, and what a section command opens.
#include "TestDataFolder.h"
#include "app/Forms.h"
#include "app/TfrmClassificatorZorvek.h"
#include "core/Global.h"
#include "editor/TfrmBGD_Editor.h"
#include "training/TfrmBGD_Samopodgotovka.h"
#include "view/TfrmBGD_View.h"
#include "select/ChooserRules.h"
#include "select/TfrmOpenBD.h"
#include "ui/Messages.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QCloseEvent>
#include <QTest>
#include <QTimer>
#include <memory>

class TestChooser : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_data;
    TfrmOpenBD* c = nullptr;
    QList<Messages::Message> m_messages;

    // Which section commands are enabled, as "1234569".
    QString enabledSections() const
    {
        QString s;
        for (int n = 1; n <= 9; ++n)
            if (c->razdel(n)->isEnabled())
                s += QString::number(n);
        return s;
    }

private slots:
    void init()
    {
        Global::resetAll();
        m_messages.clear();
        Messages::setHook([this](const Messages::Message& m) {
            m_messages << m;
            return QMessageBox::Ok;
        });
        TfrmOpenBD::autoDropDown = false;
        m_data = std::make_unique<TestDataFolder>();
        QVERIFY(m_data->isValid());
        Forms::createAll()->FormCreate();
        c = Forms::frmOpenBD;
    }
    void cleanup()
    {
        if (c->isVisible())
            c->actExitExecute();
        Forms::destroyAll();
        m_data.reset();
        Messages::setHook({});
        QVERIFY(m_messages.isEmpty());
    }

    void firstShowing()
    {
        c->show();
        QCOMPARE(c->windowTitle(), QStringLiteral("Выбор категории специалиста"));
        QCOMPARE(c->size(), QSize(897, 550));
        QVERIFY(!(c->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(c->DBLookupComboBox->count(), 9);
        QCOMPARE(c->DBLookupComboBox->currentIndex(), -1);
        QCOMPARE(Global::NameKategorii, QString());
        QVERIFY(!c->actDalee->isEnabled());
        QCOMPARE(enabledSections(), QString());
        QCOMPARE(c->Label1->text(), QStringLiteral("Выберите категорию специалиста из списка"));
        QVERIFY(c->Label2->isHidden());
        Global::ExamCancelled = 1;
        c->FormShow();
        QCOMPARE(Global::ExamCancelled, quint8(0));
    }

    void modeLine_data()
    {
        QTest::addColumn<int>("regim");
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("exam") << 1 << QStringLiteral("Экзамен");
        QTest::newRow("self-training") << 2 << QStringLiteral("Самоподготовка");
        QTest::newRow("editing") << 5 << QStringLiteral("Редактирование");
        QTest::newRow("view") << 7 << QStringLiteral("Просмотр");
        QTest::newRow("other") << 3 << QString();
    }
    void modeLine()
    {
        QFETCH(int, regim);
        QFETCH(QString, name);
        Global::RegimRaboty = quint8(regim);
        c->show();
        QCOMPARE(c->Label4->text(),
                 QStringLiteral("Работа классификатора базы данных в режиме - \"") + name + QLatin1Char('"'));
    }

    void daleeOnlyAfterAPick()
    {
        c->show();
        // The list opened and closed without a pick.
        c->DBLookupComboBox->showPopup();
        c->DBLookupComboBox->hidePopup();
        c->DBLookupComboBoxCloseUp();
        QVERIFY(!c->actDalee->isEnabled());
        QCOMPARE(Global::NameKategorii, QString());
        QVERIFY(c->Label3->isHidden());
        c->actDaleeExecute(); // even called directly, nothing is offered
        QCOMPARE(enabledSections(), QString());

        // A pick from the open list.
        c->DBLookupComboBox->showPopup();
        QAbstractItemView* list = c->DBLookupComboBox->view();
        const QModelIndex third = list->model()->index(2, 0);
        list->setCurrentIndex(third);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(c->actDalee->isEnabled());
        QCOMPARE(Global::NameKategorii, c->DBLookupComboBox->itemText(2));
        QVERIFY(!Global::NameKategorii.isEmpty());
        QVERIFY(c->Label3->isVisible());
        QCOMPARE(c->Label3->text(), QLatin1Char('"') + Global::NameKategorii + QLatin1Char('"'));
        QVERIFY(c->Label3->font().underline());
        QCOMPARE(c->Label5->text(), QStringLiteral("Для выбора № раздела из списка разделов нажмите \"Далее\""));
        QCOMPARE(enabledSections(), QString()); // nothing enabled before "Далее"
    }

    void sectionRules_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("offered");
        for (int p = 1; p <= 4; ++p)
            QTest::addRow("position %d", p) << p << QStringLiteral("123456789");
        QTest::newRow("position 5") << 5 << QStringLiteral("1234569");
        for (int p = 6; p <= 9; ++p)
            QTest::addRow("position %d", p) << p << QStringLiteral("123459");
    }
    void sectionRules()
    {
        QFETCH(int, position);
        QFETCH(QString, offered);
        c->show();
        c->pickCategory(position);
        QVERIFY(c->actDalee->isEnabled());
        QCOMPARE(enabledSections(), QString());
        c->actDaleeExecute();
        QCOMPARE(enabledSections(), offered);
    }

    void anotherCategoryDisablesAtOnceEnablesOnlyAfterDalee()
    {
        c->show();
        c->pickCategory(7);
        c->actDaleeExecute();
        QCOMPARE(enabledSections(), QStringLiteral("123459"));
        c->pickCategory(2);
        QCOMPARE(enabledSections(), QStringLiteral("123459")); // 6, 7, 8 wait for "Далее"
        c->actDaleeExecute();
        QCOMPARE(enabledSections(), QStringLiteral("123456789"));
        c->pickCategory(5);
        QCOMPARE(enabledSections(), QStringLiteral("1234569")); // disabled at once
    }

    void lastCategoryKeptBetweenShowings()
    {
        Global::RegimRaboty = Global::RegimView;
        c->show();
        c->pickCategory(4);
        const QString chosen = Global::NameKategorii;
        c->actExitExecute();
        QVERIFY(!c->isVisible());
        Global::NameKategorii.clear();
        c->show();
        QCOMPARE(c->DBLookupComboBox->currentText(), chosen);
        QCOMPARE(Global::NameKategorii, chosen);
        QVERIFY(!c->actDalee->isEnabled());
        QCOMPARE(enabledSections(), QString());
    }

    void sectionWithoutModeOnlyRecorded()
    {
        Global::RegimRaboty = Global::RegimNone;
        c->show();
        c->pickCategory(1);
        c->actDaleeExecute();
        c->actRazdel3Execute();
        QCOMPARE(Global::NameRazdela, QStringLiteral("Раздел_3"));
        QVERIFY(c->isVisible());
        QCOMPARE(ChooserRules::sectionCaption(QStringLiteral("Энергодиспетчеры"), 3),
                 QStringLiteral("Энергодиспетчеры;  Раздел_3"));
    }

    void sectionOpensTheModeWindow_data()
    {
        QTest::addColumn<int>("regim");
        QTest::newRow("self-training") << 2;
        QTest::newRow("editing") << 5;
        QTest::newRow("view") << 7;
    }
    void sectionOpensTheModeWindow()
    {
        QFETCH(int, regim);
        QDialog* window = regim == 2 ? static_cast<QDialog*>(Forms::frmBGD_Samopodgotovka)
            : regim == 5             ? static_cast<QDialog*>(Forms::frmBGD_Editor)
                                     : static_cast<QDialog*>(Forms::frmBGD_View);
        QLabel* caption = window->findChild<QLabel*>(QStringLiteral("Label6"));
        QVERIFY(caption);
        Global::RegimRaboty = quint8(regim);
        c->show();
        c->pickCategory(2);
        c->actDaleeExecute();
        bool shown = false;
        QString text;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&] {
            if (!window->isVisible())
                return;
            poll->stop();
            shown = true;
            text = caption->isVisible() ? caption->text() : QString();
            window->reject();
        });
        poll->start(5);
        c->actRazdel4Execute();
        delete poll;
        QVERIFY(shown);
        QCOMPARE(Global::NameRazdela, QStringLiteral("Раздел_4"));
        QCOMPARE(text, c->DBLookupComboBox->itemText(1) + QStringLiteral(";  Раздел_4"));
        QVERIFY(c->isVisible()); // the chooser waits under the mode window
        m_messages.clear();      // what the mode window itself reported is its own business here
    }

    void windowSystemCloseIsRefused()
    {
        // Alt+F4 reaches the window as the window system's close request; only "Выход" closes it.
        c->show();
        QCloseEvent close;
        QCoreApplication::sendEvent(c, &close);
        QVERIFY(!close.isAccepted());
        QVERIFY(c->isVisible());
        QVERIFY(!c->close());
        QVERIFY(c->isVisible());
        c->actExitExecute();
        QVERIFY(!c->isVisible());
    }

    void listDropsDownOnActivation()
    {
        TfrmOpenBD::autoDropDown = true;
        c->show();
        c->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(c));
        QTRY_VERIFY(c->DBLookupComboBox->view()->isVisible());
        QCOMPARE(c->DBLookupComboBox->maxVisibleItems(), 9);
        c->DBLookupComboBox->hidePopup();
        TfrmOpenBD::autoDropDown = false;
    }
};

QTEST_MAIN(TestChooser)
#include "test_chooser.moc"
