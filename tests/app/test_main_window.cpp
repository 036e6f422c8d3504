// The main window: its ribbon and commands, the reference tables in the grid, the password guard,
// the tab rule, the help window and start-up without the main database.
#include "TestDataFolder.h"
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/Startup.h"
#include "app/TPasswordDlg.h"
#include "app/TfrmClassificatorZorvek.h"
#include "core/Global.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "exam/ExamModal.h"
#include "exam/TfrmResult.h"
#include "print/TfrmGurnal.h"
#include "select/TfrmOpenBD.h"
#include "ui/Messages.h"
#include "ui/help/HelpWindow.h"
#include "ui/ribbon/Ribbon.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <functional>
#include <memory>

namespace {
const QString RightPassword = QStringLiteral("47750261938814");
}

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_data;
    TfrmClassificatorZorvek* w = nullptr;
    QList<Messages::Message> m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

    void start()
    {
        w = Forms::createAll();
        w->FormCreate();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    // Runs `fn` as soon as `window` is shown (inside its modal loop).
    QTimer* whenShown(QWidget* window, std::function<void()> fn)
    {
        auto* timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [timer, window, fn] {
            if (!window->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            fn();
        });
        timer->start();
        return timer;
    }

    // Answers the next password dialog with `text` and OK.
    void answerPassword(const QString& text)
    {
        whenShown(Forms::PasswordDlg, [text] {
            Forms::PasswordDlg->Password->setText(text);
            Forms::PasswordDlg->OKBtnClick();
        });
    }

    void trigger(const char* name) { w->action(QString::fromLatin1(name))->trigger(); }
    SqlTableModel* shown() const { return qobject_cast<SqlTableModel*>(w->DBGrid->model()); }
    int errors() const
    {
        int n = 0;
        for (const auto& m : m_messages)
            n += m.kind == Messages::Kind::Error;
        return n;
    }
    void showPersonal()
    {
        answerPassword(RightPassword);
        trigger("actPersonal");
        QCOMPARE(shown(), Forms::frmADODataModule->ADOPersonal);
    }
    QVariant storedValue(const QString& sql, const QVariantList& values = {})
    {
        return Db::scalar(Forms::frmADODataModule->ADOConnectionGlb, sql, values);
    }
    QString storedName(const QVariant& code)
    {
        return storedValue(QStringLiteral("Select Фамилия_Имя_Отчество From Персонал Where Код = ?"), {code}).toString();
    }
    // Types into a cell of the shown table through the grid's own cell editor, leaving it open.
    void typeIntoCell(int row, const QString& field, const QString& text)
    {
        SqlTableModel* p = shown();
        const QModelIndex cell = p->index(row, p->column(field));
        w->DBGrid->setCurrentIndex(cell);
        w->DBGrid->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(w->DBGrid->indexWidget(cell));
        QVERIFY(editor);
        editor->selectAll();
        for (const QChar ch : text)   // Cyrillic letters too, as a keyboard layout gives them
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }

private slots:
    // The program's own start-up settings (fonts, translations).
    void initTestCase() { Startup::configureApplication(*static_cast<QApplication*>(QCoreApplication::instance())); }

    void init()
    {
        Global::resetAll();
        m_messages.clear();
        m_answer = QMessageBox::Yes;
        Messages::setHook([this](const Messages::Message& m) {
            m_messages << m;
            return m.kind == Messages::Kind::Question ? m_answer : QMessageBox::Ok;
        });
        TfrmOpenBD::autoDropDown = false;
        m_data = std::make_unique<TestDataFolder>();
        QVERIFY(m_data->isValid());
    }
    void cleanup()
    {
        HelpWindow::closeIfOpen();
        // Leave no pending edits behind for the close question.
        if (SqlTableModel* t = w ? shown() : nullptr)
            t->revertAll();
        Forms::destroyAll();
        w = nullptr;
        m_data.reset();
        Messages::setHook({});
    }

    void windowAndRibbon()
    {
        start();
        QCOMPARE(w->size(), QSize(1200, 757));
        QCOMPARE(w->Ribbon1->height(), 143);
        QCOMPARE(w->Ribbon1->caption(),
                 QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
        QCOMPARE(w->Ribbon1->tabCount(), 3);
        QCOMPARE(w->Ribbon1->currentTab(), 2);
        QVERIFY(w->Image1->isVisible());
        QVERIFY(!w->DBGrid->isVisible());
        QVERIFY(m_messages.isEmpty());

        QStringList order;
        for (int tab = 0; tab < 3; ++tab)
            for (RibbonGroup* g : w->Ribbon1->groups(tab)) {
                QStringList names;
                for (QAction* a : g->actions())
                    names << a->objectName();
                order << g->caption() + QStringLiteral(": ") + names.join(QLatin1Char(','));
            }
        const QStringList expected = {
            QStringLiteral("Руководство, протокол, журнал: actClose,actManagement,act,actGurnal,actGurnalXlsx"),
            QStringLiteral("Справочная система Классификатора ЗОРВЕК: actView,actPersonal_Editor,actExamenation,"
                           "actSelf_training,actEditor"),
            QStringLiteral("Режимы работы Классификатора ЗОРВЕК: actViewExe,actExamenationExe,actSelf_trainingExe,"
                           "actEditorExe"),
            QStringLiteral("База данных  вопросов и ответов для 9 категориий специалитсов: actelectroeconomy,"
                           "actOtvetsvennyeWorks,actGivingOrder,actVManufacturersWorks,actElectrical_engineers_II,"
                           "actElectrical_engineers_III,actElectrical_engineers_IV,actElectrical_engineers_V,"
                           "actPower_Dispatcher"),
            QStringLiteral("Таблицы: actPersonal,actCategorii,actDopuski,actCriterii,actVoprosyToRazdely,actGurnalAll,"
                           "actStaffImport"),
            QStringLiteral("Навигация по таблице: DataSetFirst1,DataSetPrior1,DataSetNext1,DataSetLast1"),
            QStringLiteral("Редактирование таблицы: DataSetInsert1,DataSetDelete1,DataSetEdit1,DataSetPost1,"
                           "DataSetCancel1,DataSetRefresh1"),
        };
        QCOMPARE(order, expected);

        QStringList quick;
        for (QAction* a : w->Ribbon1->quickAccessActions())
            quick << a->objectName();
        QCOMPARE(quick, (QStringList{"actExamenationExe", "actExamenation", "actClose"}));
        QStringList menu;
        for (QAction* a : w->Ribbon1->applicationMenu()->actions())
            menu << a->objectName();
        QCOMPARE(menu, (QStringList{"actLoadText", "actClose"}));

        // Every command has its picture; tips carry the help footer.
        for (QAction* a : w->actions()) {
            QVERIFY2(Icons::has(a->objectName()), qPrintable(a->objectName()));
            if (ScreenTips::has(a))
                QCOMPARE(ScreenTips::get(a).footer, ScreenTips::HelpFooter);
        }
        QAction* view = w->action(QStringLiteral("actView"));
        QCOMPARE(view->text(), QStringLiteral("Просмотр "));
        QCOMPARE(ScreenTips::get(view).header, QStringLiteral("Просмотр"));
        QCOMPARE(w->action(QStringLiteral("actCriterii"))->toolTip(), QStringLiteral("Критерии оценки знаний"));
        QCOMPARE(w->Ribbon1->buttonFor(w->action(QStringLiteral("actGurnalAll")))->text(), QStringLiteral("Журнал"));
        QVERIFY(!ScreenTips::has(w->action(QStringLiteral("actManagement"))));
    }

    void gridHiddenOnlyWhenLeavingThirdTab()
    {
        start();
        trigger("actCategorii");
        QVERIFY(w->DBGrid->isVisible());
        QVERIFY(!w->Image1->isVisible());
        w->Ribbon1->setCurrentTab(1); // from the third tab: hidden
        QVERIFY(!w->DBGrid->isVisible());
        QVERIFY(w->Image1->isVisible());

        w->Ribbon1->setCurrentTab(2);
        QVERIFY(!w->DBGrid->isVisible()); // coming back does not show it again
        trigger("actCategorii");
        QVERIFY(w->DBGrid->isVisible());
        w->Ribbon1TabChange(0, 1); // second -> first: unchanged
        QVERIFY(w->DBGrid->isVisible());
        w->Ribbon1TabChange(2, 0);
        QVERIFY(w->DBGrid->isVisible());
        w->Ribbon1->setCurrentTab(0);
        QVERIFY(!w->DBGrid->isVisible());
    }

    void readOnlyTablesRefuseEdits_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("table");
        QTest::newRow("categories") << "actCategorii" << "Группа_по_безопасности";
        QTest::newRow("criteria") << "actCriterii" << "Критерии_оценки";
        QTest::newRow("tolerances") << "actDopuski" << "Procent";
        QTest::newRow("per section") << "actVoprosyToRazdely" << "Количество_вопросов_по_разделам";
        QTest::newRow("journal") << "actGurnalAll" << "Журнал_All";
    }
    void readOnlyTablesRefuseEdits()
    {
        QFETCH(QString, command);
        QFETCH(QString, table);
        start();
        w->action(command)->trigger();
        SqlTableModel* t = shown();
        QVERIFY(t);
        QCOMPARE(t->tableName(), table);
        QVERIFY(t->rowCount() > 0);
        QCOMPARE(Forms::frmADODataModule->DataSource, t);
        QCOMPARE(w->DBGrid->editTriggers(), QAbstractItemView::NoEditTriggers);

        const QModelIndex cell = t->index(0, 1);
        const QVariant before = cell.data();
        QVERIFY(!(t->flags(cell) & Qt::ItemIsEditable));
        QVERIFY(!t->setData(cell, QStringLiteral("изменено")));
        w->DBGrid->setCurrentIndex(cell);
        w->DBGrid->edit(cell);
        QTest::keyClicks(w->DBGrid, QStringLiteral("xyz"));
        QTest::keyClick(w->DBGrid, Qt::Key_Return);
        QCOMPARE(cell.data(), before);
        QVERIFY(!t->isDirty());

        for (const char* name : {"DataSetInsert1", "DataSetDelete1", "DataSetEdit1", "DataSetPost1",
                                 "DataSetCancel1", "DataSetRefresh1"})
            QVERIFY2(!w->action(QString::fromLatin1(name))->isEnabled(), name);
        for (const char* name : {"DataSetFirst1", "DataSetPrior1", "DataSetNext1", "DataSetLast1"})
            QVERIFY2(w->action(QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(m_messages.isEmpty());
    }

    void captionsAndWidths()
    {
        start();
        showPersonal();
        SqlTableModel* p = shown();
        const int fio = p->column(QStringLiteral("Фамилия_Имя_Отчество"));
        QCOMPARE(p->headerData(fio, Qt::Horizontal).toString(), QStringLiteral("Фамилия Имя Отчество"));
        const int charWidth = w->DBGrid->fontMetrics().averageCharWidth();
        QVERIFY(w->DBGrid->columnWidth(fio) >= 30 * charWidth);
        QVERIFY(w->DBGrid->columnWidth(p->column(QStringLiteral("Код"))) < 10 * charWidth);
        QCOMPARE(p->data(p->index(0, 0)).toInt(), 1); // ordered by Код
    }

    void wrongPasswordGuardsPersonalAndEditor()
    {
        start();
        trigger("actCategorii");
        SqlTableModel* before = shown();
        for (const QString& typed : {QString(), QStringLiteral("47750261938814 "), QStringLiteral("1")}) {
            answerPassword(typed);
            trigger("actPersonal");
            QCOMPARE(shown(), before); // the grid is left as it was
            QCOMPARE(Global::ParolVveden, quint8(0));
        }
        // Cancel.
        whenShown(Forms::PasswordDlg, [] { Forms::PasswordDlg->CancelBtnClick(); });
        trigger("actPersonal");
        QCOMPARE(shown(), before);

        // The editing mode: the chooser is never shown, the mode is not set.
        bool chooserShown = false;
        answerPassword(QStringLiteral("000"));
        QPointer<QTimer> watch = whenShown(Forms::frmOpenBD, [&] {
            chooserShown = true;
            Forms::frmOpenBD->actExitExecute();
        });
        trigger("actEditorExe");
        QTest::qWait(50);
        delete watch.data();
        QVERIFY(!chooserShown);
        QCOMPARE(Global::RegimRaboty, quint8(0));
        QCOMPARE(m_messages.size(), 4); // "Не верный пароль" for each wrong text
    }

    void modeCommandsOpenTheChooser_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("regim");
        QTest::addColumn<bool>("password");
        QTest::newRow("view") << "actViewExe" << 7 << false;
        QTest::newRow("self-training") << "actSelf_trainingExe" << 2 << false;
        QTest::newRow("editing") << "actEditorExe" << 5 << true;
    }
    void modeCommandsOpenTheChooser()
    {
        QFETCH(QString, command);
        QFETCH(int, regim);
        QFETCH(bool, password);
        start();
        TfrmOpenBD* chooser = Forms::frmOpenBD;
        for (QLabel* l : {chooser->Label2, chooser->Label3, chooser->Label5})
            l->show();
        if (password)
            answerPassword(RightPassword);
        bool seen = false;
        whenShown(chooser, [&] {
            seen = chooser->isVisible() && chooser->Label2->isHidden() && chooser->Label3->isHidden()
                && chooser->Label5->isHidden() && Global::RegimRaboty == regim;
            chooser->actExitExecute();
        });
        w->action(command)->trigger();
        QVERIFY(seen);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(int(Global::RegimRaboty), regim);
    }

    void personalPickListsHoldEachValueOnce()
    {
        start();
        showPersonal();
        showPersonal(); // twice in a row
        SqlTableModel* p = shown();
        const QStringList categories = Forms::frmADODataModule->categoryNames();
        QCOMPARE(categories.size(), 9);
        const QList<QPair<QString, QStringList>> lists = {
            {QStringLiteral("Категория_специалиста"), categories},
            {QStringLiteral("Система_тока"), {QStringLiteral("постоянного тока"), QStringLiteral("переменного тока")}},
            {QStringLiteral("Группа_по_электробезопасности"),
             {QStringLiteral("II"), QStringLiteral("III"), QStringLiteral("IV"), QStringLiteral("V")}},
        };
        for (const auto& [field, values] : lists) {
            auto* delegate = qobject_cast<PickListDelegate*>(w->DBGrid->itemDelegateForColumn(p->column(field)));
            QVERIFY2(delegate, qPrintable(field));
            QCOMPARE(delegate->items(), values);
            // What the cell's drop-down offers.
            const QModelIndex cell = p->index(0, p->column(field));
            w->DBGrid->setCurrentIndex(cell);
            w->DBGrid->edit(cell);
            auto* box = w->DBGrid->indexWidget(cell)->findChild<QComboBox*>();
            if (!box)
                box = qobject_cast<QComboBox*>(w->DBGrid->indexWidget(cell));
            QVERIFY(box);
            QCOMPARE(box->count(), values.size());
            w->DBGrid->discardEditor();
        }
        QVERIFY(w->action(QStringLiteral("DataSetPost1"))->isEnabled());
        QVERIFY(w->DBGrid->editTriggers() != QAbstractItemView::NoEditTriggers);

        // Another table takes the lists away.
        trigger("actCategorii");
        QVERIFY(!w->DBGrid->itemDelegateForColumn(p->column(QStringLiteral("Категория_специалиста"))));
    }

    void duplicateKeyIsReportedAndKept()
    {
        start();
        showPersonal();
        SqlTableModel* p = shown();
        const int code = p->column(QStringLiteral("Код"));
        const int fio = p->column(QStringLiteral("Фамилия_Имя_Отчество"));
        const int rowsOnDisk = storedValue(QStringLiteral("Select Count(*) From Персонал")).toInt();

        // A new row whose Код is already taken.
        w->DBGrid->setCurrentIndex(p->index(1, 0));
        trigger("DataSetInsert1");
        QCOMPARE(w->DBGrid->currentIndex().row(), 1); // before the current row
        w->DBGrid->discardEditor();
        QVERIFY(p->setData(p->index(1, code), 1));
        QVERIFY(p->setData(p->index(1, fio), QStringLiteral("Новиков Н. Н.")));
        trigger("DataSetPost1");
        QCOMPARE(errors(), 1);
        QVERIFY(p->isDirty());
        QCOMPARE(p->data(p->index(1, fio)).toString(), QStringLiteral("Новиков Н. Н."));
        QCOMPARE(storedValue(QStringLiteral("Select Count(*) From Персонал")).toInt(), rowsOnDisk);

        // Corrected, it is saved.
        QVERIFY(p->setData(p->index(1, code), 999));
        trigger("DataSetPost1");
        QCOMPARE(errors(), 1);
        QVERIFY(!p->isDirty());
        QCOMPARE(storedValue(QStringLiteral("Select Фамилия_Имя_Отчество From Персонал Where Код = ?"), {999})
                     .toString(),
                 QStringLiteral("Новиков Н. Н."));
    }

    void editCancelDeleteAndNavigate()
    {
        start();
        showPersonal();
        SqlTableModel* p = shown();
        const int fio = p->column(QStringLiteral("Фамилия_Имя_Отчество"));
        const int rows = p->rowCount();
        QVERIFY(rows >= 3);

        trigger("DataSetLast1");
        QCOMPARE(w->DBGrid->currentIndex().row(), rows - 1);
        trigger("DataSetPrior1");
        QCOMPARE(w->DBGrid->currentIndex().row(), rows - 2);
        trigger("DataSetFirst1");
        QCOMPARE(w->DBGrid->currentIndex().row(), 0);
        trigger("DataSetPrior1");
        QCOMPARE(w->DBGrid->currentIndex().row(), 0);
        trigger("DataSetNext1");
        QCOMPARE(w->DBGrid->currentIndex().row(), 1);

        // Cancel drops what was typed.
        const QString name = p->data(p->index(1, fio)).toString();
        QVERIFY(p->setData(p->index(1, fio), QStringLiteral("Другое имя")));
        trigger("DataSetCancel1");
        QCOMPARE(p->data(p->index(1, fio)).toString(), name);

        // Delete asks first; No keeps the row.
        const QVariant code = p->data(p->index(1, 0));
        m_answer = QMessageBox::No;
        trigger("DataSetDelete1");
        QCOMPARE(p->rowCount(), rows);
        m_answer = QMessageBox::Yes;
        trigger("DataSetDelete1");
        QCOMPARE(m_messages.last().kind, Messages::Kind::Question);
        QCOMPARE(storedValue(QStringLiteral("Select Count(*) From Персонал Where Код = ?"), {code}).toInt(), 0);
        QCOMPARE(errors(), 0);
    }

    void unsavedChangesAreAskedAbout()
    {
        start();
        showPersonal();
        SqlTableModel* p = shown();
        const int fio = p->column(QStringLiteral("Фамилия_Имя_Отчество"));
        const QVariant code = p->data(p->index(0, 0));
        const QString sql = QStringLiteral("Select Фамилия_Имя_Отчество From Персонал Where Код = ?");
        const QString original = storedValue(sql, {code}).toString();

        // Another table with "No": the typing is dropped.
        QVERIFY(p->setData(p->index(0, fio), QStringLiteral("Отброшено")));
        m_answer = QMessageBox::No;
        trigger("actCategorii");
        QCOMPARE(m_messages.last().kind, Messages::Kind::Question);
        QCOMPARE(storedValue(sql, {code}).toString(), original);
        QVERIFY(!p->isDirty());

        // With "Yes": saved before the other table is shown.
        showPersonal();
        QVERIFY(p->setData(p->index(0, fio), QStringLiteral("Сохранено")));
        m_answer = QMessageBox::Yes;
        trigger("actDopuski");
        QCOMPARE(storedValue(sql, {code}).toString(), QStringLiteral("Сохранено"));
        QCOMPARE(shown(), Forms::frmADODataModule->ADOProcent);

        // A change that cannot be saved keeps the table shown with the change pending.
        showPersonal();
        QVERIFY(p->setData(p->index(1, 0), code)); // a taken Код
        trigger("actCriterii");
        QCOMPARE(errors(), 1);
        QCOMPARE(shown(), p);
        QVERIFY(p->isDirty());
    }

    void pendingEditSettledBeforeTheTableIsLeft()
    {
        start();
        showPersonal();
        const QVariant code = shown()->data(shown()->index(0, 0));
        const QString original = storedName(code);
        const QString fio = QStringLiteral("Фамилия_Имя_Отчество");
        int registrations = 0;
        ExamModal::setRunner([&registrations](QDialog* d) {
            ++registrations;
            auto* result = static_cast<TfrmResult*>(d);
            QTimer::singleShot(0, result, [result] { result->actExamenationOut->trigger(); });
            result->exec();   // shown for real: its showing reopens the personnel table
        });
        QAction* exam = w->action(QStringLiteral("actExamenationExe"));
        QVERIFY(w->Ribbon1->quickAccessActions().contains(exam));

        // The exam from the quick-access bar: "Отмена" stays at the table, nothing is started.
        typeIntoCell(0, fio, QStringLiteral("Ещё не сохранено"));
        m_answer = QMessageBox::Cancel;
        exam->trigger();
        QCOMPARE(m_messages.last().kind, Messages::Kind::Question);
        QCOMPARE(registrations, 0);
        QVERIFY(shown()->isDirty());
        QCOMPARE(shown()->data(shown()->index(0, shown()->column(fio))).toString(), QStringLiteral("Ещё не сохранено"));
        // "Да": saved, then the exam starts.
        m_answer = QMessageBox::Yes;
        exam->trigger();
        QCOMPARE(registrations, 1);
        QCOMPARE(storedName(code), QStringLiteral("Ещё не сохранено"));
        // "Нет": dropped, then the exam starts.
        typeIntoCell(0, fio, QStringLiteral("Отброшено"));
        m_answer = QMessageBox::No;
        exam->trigger();
        QCOMPARE(registrations, 2);
        QCOMPARE(storedName(code), QStringLiteral("Ещё не сохранено"));

        // Leaving the tables tab hides the grid: asked too.
        showPersonal();
        typeIntoCell(0, fio, original);
        m_answer = QMessageBox::Cancel;
        w->Ribbon1->setCurrentTab(0);
        QCOMPARE(w->Ribbon1->currentTab(), 2);
        QVERIFY(w->DBGrid->isVisible());
        m_answer = QMessageBox::Yes;
        w->Ribbon1->setCurrentTab(0);
        QVERIFY(!w->DBGrid->isVisible());
        QCOMPARE(storedName(code), original);

        // Closing the program: "Отмена" keeps it open with the change.
        w->Ribbon1->setCurrentTab(2);
        showPersonal();
        typeIntoCell(0, fio, QStringLiteral("При выходе"));
        m_answer = QMessageBox::Cancel;
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(m_messages.last().kind, Messages::Kind::Question);
        ExamModal::setRunner({});
    }

    void rowPostedWhenTheCursorLeavesIt()
    {
        start();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        showPersonal();
        SqlTableModel* p = shown();
        const QString fio = QStringLiteral("Фамилия_Имя_Отчество");
        const QVariant first = p->data(p->index(0, 0)), second = p->data(p->index(1, 0));
        const QString secondName = storedName(second);

        // Down out of the cell being typed: the row is posted as the cursor leaves it.
        typeIntoCell(0, fio, QStringLiteral("Первая строка"));
        QTest::keyClick(w->DBGrid->indexWidget(w->DBGrid->currentIndex()), Qt::Key_Down);
        QCOMPARE(w->DBGrid->currentIndex().row(), 1);
        QCOMPARE(storedName(first), QStringLiteral("Первая строка"));
        QVERIFY(!p->isDirty());

        // "Отменить редактирование" takes back the current row only.
        typeIntoCell(1, fio, QStringLiteral("Вторая строка"));
        trigger("DataSetCancel1");
        QCOMPARE(p->data(p->index(1, p->column(fio))).toString(), secondName);
        QCOMPARE(p->data(p->index(0, p->column(fio))).toString(), QStringLiteral("Первая строка"));
        QCOMPARE(storedName(first), QStringLiteral("Первая строка"));
        QCOMPARE(storedName(second), secondName);
        QCOMPARE(errors(), 0);
    }

    void blankWorkerIsNeitherStoredNorNameless()
    {
        start();
        showPersonal();
        SqlTableModel* p = shown();
        const QString countSql = QStringLiteral("Select Count(*) From Персонал");
        const int rowsOnDisk = storedValue(countSql).toInt();
        const int rowsShown = p->rowCount();

        // "Вставить" then "Сохранить изменения" with nothing typed: no worker is made.
        trigger("DataSetInsert1");
        trigger("DataSetPost1");
        QCOMPARE(storedValue(countSql).toInt(), rowsOnDisk);
        QCOMPARE(p->rowCount(), rowsShown);
        QVERIFY(!p->isDirty());
        QVERIFY(m_messages.isEmpty());

        // A post without the full name is refused, naming the column; the row stays as typed.
        trigger("DataSetInsert1");
        const int row = w->DBGrid->currentIndex().row();
        typeIntoCell(row, QStringLiteral("Должность"), QStringLiteral("Электромонтёр"));
        trigger("DataSetPost1");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.last().text.contains(QStringLiteral("«Фамилия Имя Отчество»")), qPrintable(m_messages.last().text));
        QCOMPARE(storedValue(countSql).toInt(), rowsOnDisk);
        QVERIFY(p->isDirty());
        // Named, it is stored under the staff number the grid proposed.
        const QVariant code = p->data(p->index(row, p->column(QStringLiteral("Код"))));
        typeIntoCell(row, QStringLiteral("Фамилия_Имя_Отчество"), QStringLiteral("Новый Работник"));
        trigger("DataSetPost1");
        QCOMPARE(storedValue(countSql).toInt(), rowsOnDisk + 1);
        QCOMPARE(storedName(code), QStringLiteral("Новый Работник"));
        QCOMPARE(errors(), 0);
    }

    void printCommandsClickTheItems()
    {
        start();
        QStringList clicked;
        for (const char* item : {"N3", "Word1", "N18", "N4", "N5", "N6", "N7", "N8", "N9", "N10", "N11", "N19"}) {
            auto* a = Forms::frmGurnal->findChild<QAction*>(QString::fromLatin1(item));
            if (!a) {
                a = new QAction(Forms::frmGurnal);
                a->setObjectName(QString::fromLatin1(item));
            }
            QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this, [&clicked, a] { clicked << a->objectName(); });
        }
        for (const char* cmd : {"act", "actGurnal", "actManagement", "actelectroeconomy", "actVManufacturersWorks",
                                "actGivingOrder", "actOtvetsvennyeWorks", "actElectrical_engineers_II",
                                "actElectrical_engineers_III", "actElectrical_engineers_IV",
                                "actElectrical_engineers_V", "actPower_Dispatcher"})
            trigger(cmd);
        QCOMPARE(clicked, (QStringList{"N3", "Word1", "N18", "N4", "N5", "N6", "N7", "N8", "N9", "N10", "N11",
                                       "N19"}));
    }

    void oneHelpWindowAtATime()
    {
        start();
        trigger("actSelf_training");
        QVERIFY(HelpWindow::isOpen());
        QCOMPARE(HelpWindow::currentTopic(), 3);
        trigger("actEditor"); // brought forward on the old topic
        QCOMPARE(HelpWindow::currentTopic(), 3);
        int helpWindows = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            helpWindows += top->inherits("HelpWindow") && top->isVisible();
        QCOMPARE(helpWindows, 1);
        w->FormClose();
        QVERIFY(!HelpWindow::isOpen());

        // F1 opens the topic of the active window: 1 for the main window.
        w->activateWindow();
        QTest::keyClick(w->DBGrid, Qt::Key_F1);
        QVERIFY(HelpWindow::isOpen());
        QCOMPARE(HelpWindow::currentTopic(), 1);
        w->close(); // closing the program closes the help
        QVERIFY(!HelpWindow::isOpen());
    }

    void missingMainDatabaseGivesOneMessage()
    {
        QVERIFY(QFile::remove(m_data->filePath(QStringLiteral("BGD.mdb"))));
        start();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().text.contains(QStringLiteral("BGD.mdb")));
        QVERIFY(m_messages.first().text.contains(QDir::toNativeSeparators(QDir::currentPath())));
        QVERIFY(w->isVisible());
        QVERIFY(!QFile::exists(m_data->filePath(QStringLiteral("BGD.mdb")))); // nothing created
        // A table command then reports its own error and the program goes on.
        const qsizetype before = m_messages.size();
        trigger("actCategorii");
        QCOMPARE(m_messages.size(), before + 1);
        QVERIFY(!w->DBGrid->isVisible());
    }

    // The personnel grid keeps the field table's widths after an exam has used its table object,
    // marks the current row instead of numbering the rows, and fits each title's words.
    void personnelGridAfterAnExam()
    {
        start();
        showPersonal();
        SqlTableModel* personal = Forms::frmADODataModule->ADOPersonal;
        QHeaderView* header = w->DBGrid->horizontalHeader();
        const int name = personal->column(QStringLiteral("Фамилия_Имя_Отчество"));
        const int unit = personal->column(QStringLiteral("Линейное_подразделение"));
        const int chars = w->DBGrid->fontMetrics().averageCharWidth();
        QList<int> widths;
        for (int c = 0; c < personal->columnCount(); ++c)
            widths << header->sectionSize(c);
        QVERIFY(widths[name] >= 30 * chars && widths[name] > widths[unit]);

        whenShown(Forms::frmResult, [] {
            Forms::frmResult->actFIOExecute();
            Forms::frmResult->actExamenationOutExecute();
        });
        trigger("actExamenationExe");
        QVERIFY(!Forms::frmResult->isVisible());
        QCOMPARE(w->DBGrid->model(), personal);
        for (int c = 0; c < personal->columnCount(); ++c)
            QVERIFY2(header->sectionSize(c) == widths[c], qPrintable(personal->headerData(c, Qt::Horizontal).toString()));

        // The row header: a mark at the current row, nothing at the others (no row numbers).
        QHeaderView* rows = w->DBGrid->verticalHeader();
        QVERIFY(rows->width() <= 24);
        w->DBGrid->setCurrentIndex(personal->index(0, 1));
        const QImage shot = rows->grab().toImage();
        const auto inked = [&](int row) {
            const QRect r = QRect(0, rows->sectionViewportPosition(row), rows->width(), rows->sectionSize(row))
                                .adjusted(3, 3, -3, -3);
            const QRgb ground = shot.pixel(r.topLeft());
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += qGray(shot.pixel(x, y)) + 60 < qGray(ground);
            return n;
        };
        QVERIFY(inked(0) > 0);
        for (int row : {5, 9, 11})
            QCOMPARE(inked(row), 0);
        // Every piece of a wrapped title fits its column.
        auto* titles = static_cast<WrappedTitleHeader*>(header);
        for (int c = 0; c < personal->columnCount(); ++c) {
            const QString title = personal->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(titles->widestWord(title) < header->sectionSize(c), qPrintable(title));
        }
    }

    // In Критерии_оценки every column is in view, the category's long names elided with the
    // whole name in the tip.
    void criteriaGridShowsTheThresholds()
    {
        start();
        trigger("actCriterii");
        QTest::qWait(20);
        DataGrid* grid = w->DBGrid;
        const int last = grid->model()->columnCount() - 1;
        QCOMPARE(grid->model()->headerData(last, Qt::Horizontal).toString(), QStringLiteral("Неудовлетворительно"));
        QVERIFY(grid->columnViewportPosition(last) + grid->columnWidth(last) <= grid->viewport()->width());
        QVERIFY(grid->columnWidth(1) <= grid->viewport()->width() / 3);

        const QModelIndex admin = grid->model()->index(0, 1);
        const QString name = admin.data().toString();
        QVERIFY(QFontMetrics(grid->font()).horizontalAdvance(name) > grid->columnWidth(1));
        const QPoint at = grid->visualRect(admin).center();
        QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), name);
    }

    // A message of the hidden print window, and one while the chooser is open, stand centred
    // over the window the user is working in.
    void messagesCentredOnTheWorkingWindow()
    {
        start();
        Messages::setHook({});
        QPoint shownAt;
        const auto closeTheBox = [&] {
            QTimer::singleShot(50, this, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shownAt = box->frameGeometry().center();
                    box->accept();
                }
            });
        };
        QVERIFY(!Forms::frmGurnal->isVisible());
        closeTheBox();
        Messages::information(Forms::frmGurnal, QStringLiteral("Документ сформирован."));
        QVERIFY((shownAt - w->frameGeometry().center()).manhattanLength() < 40);

        shownAt = {};
        whenShown(Forms::frmOpenBD, [&] {
            closeTheBox();
            Messages::warning(nullptr, QStringLiteral("Раздел не выбран."));
            Forms::frmOpenBD->actExitExecute();
        });
        trigger("actViewExe");
        QVERIFY(!shownAt.isNull());
        QVERIFY((shownAt - Forms::frmOpenBD->frameGeometry().center()).manhattanLength() < 40);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
