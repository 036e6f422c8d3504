#include "exam/TfrmResult.h"

#include "app/Forms.h"
#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Global.h"
#include "core/exam/ExamRegistration.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "exam/ExamModal.h"
#include "exam/ExamWidgets.h"
#include "exam/TfrmBGD_Examenation.h"
#include "exam/TfrmResultAll.h"
#include "exam/flow/ExamFlow.h"
#include "ui/Guarded.h"
#include "ui/WorkArea.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolTip>

using namespace ExamRegistration;
using namespace ExamWidgets;

namespace {
const QString Title = QStringLiteral("Окно для заполнения информации об экзаменуемом работнике и отображения результатов экзамена");
}

TfrmResult::TfrmResult(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmResult"));
    setWindowTitle(Title);
    setProperty("helpTopic", 2);
    // No title-bar buttons: the window is left only through its commands.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ribbon = new Ribbon(this);
    ribbon->setObjectName(QStringLiteral("Ribbon"));
    layout->addWidget(ribbon);
    buildRibbon();
    buildBoxes();
    WorkArea::resizeWithin(this, QSize(1100, 640));
}

void TfrmResult::buildRibbon()
{
    actExamenationOut = action(this, QStringLiteral("actExamenationOut"), QStringLiteral("Выход"),
                               QStringLiteral("Выход на главную страницу Классификатора"));
    actFIO = action(this, QStringLiteral("actFIO"), QStringLiteral("ФИО персонала"));
    actFIOPost = action(this, QStringLiteral("actFIOPost"), QStringLiteral("Выбор"), QStringLiteral("Подтвердите выбор экзаменуемого"));
    actExamenationBegin = action(this, QStringLiteral("actExamenationBegin"), QStringLiteral("Начать экзамен"));
    actResultView = action(this, QStringLiteral("actResultView"), QStringLiteral("Просмотр"),
                           QStringLiteral("Просмотр результатов экзамена"));
    actDetail = action(this, QStringLiteral("actDetail"), QStringLiteral("Подробнее"),
                       QStringLiteral("Перечень вопросов, полученых ответов и оценка каждого ответа (верно, неверно)"));
    actExitResult = action(this, QStringLiteral("actExitResult"), QStringLiteral("Выход"),
                           QStringLiteral("Выход из режима \"Экзамен\" с записью результатов экзамена в журнал проверки знаний"));
    ScreenTips::set(actExamenationOut, {QStringLiteral("Выход"),
                                        {QStringLiteral("Выход из режима \"Экзамен\" на главную страницу "),
                                         QStringLiteral("Классификатора ЗОРВЕК")}, QString()});
    ScreenTips::set(actFIO, {QStringLiteral("ФИО персонала"), {QStringLiteral("Выбрерите из таблицы строку с ФИО работника.")}, QString()});
    ScreenTips::set(actFIOPost, {QStringLiteral("Выбор"), {QStringLiteral("Подтвердите выбор экзаменуемого"), QStringLiteral("работника.")}, QString()});
    ScreenTips::set(actExamenationBegin, {QStringLiteral("Начать экзамен"), {QStringLiteral("Переход к первому вопросу")}, QString()});
    ScreenTips::set(actResultView, {QStringLiteral("Просмотр"), {QStringLiteral("Просмотр результатов экзамена   ")}, QString()});
    ScreenTips::set(actDetail, {QStringLiteral("Подробнее"),
                                {QStringLiteral("1. Перечень вопросов, сформированных Классификатором;"),
                                 QStringLiteral("2. Перечень полученых ответов;"),
                                 QStringLiteral("3. Ооценка каждого ответа (верно, неверно);"),
                                 QStringLiteral("4. Возможность просмотра всех ответов на каждый вопрос щелчком мышки на "
                                                "соответствующем вопросе.")}, QString()});
    ScreenTips::set(actExitResult, {QStringLiteral("Выход"), {actExitResult->toolTip()}, QString()});
    connect(actExamenationOut, &QAction::triggered, this, [this] { actExamenationOutExecute(); });
    connect(actFIO, &QAction::triggered, this, [this] { actFIOExecute(); });
    connect(actFIOPost, &QAction::triggered, this, [this] { actFIOPostExecute(); });
    connect(actExamenationBegin, &QAction::triggered, this, [this] { actExamenationBeginExecute(); });
    connect(actResultView, &QAction::triggered, this, [this] { actResultViewExecute(); });
    connect(actDetail, &QAction::triggered, this, [this] { actDetailExecute(); });
    connect(actExitResult, &QAction::triggered, this, [this] { actExitResultExecute(); });

    ribbon->setCaption(Title);
    const int tab = ribbon->addTab(QStringLiteral("Главная"));
    RibbonGroup* prep = ribbon->addGroup(tab, QStringLiteral("Команды подготовки к экзмену"));
    for (QAction* a : {actExamenationOut, actFIO, actFIOPost, actExamenationBegin})
        prep->addLargeAction(a);
    RibbonGroup* results = ribbon->addGroup(tab, QStringLiteral("Команды просмотра результатов экзамена"));
    for (QAction* a : {actResultView, actDetail, actExitResult})
        results->addLargeAction(a);
}

void TfrmResult::buildBoxes()
{
    auto* body = new QWidget(this);
    auto* row = new QHBoxLayout(body);
    DBCtrlGrid1 = new QFrame(body);
    DBCtrlGrid1->setObjectName(QStringLiteral("DBCtrlGrid1"));
    DBCtrlGrid1->setFrameShape(QFrame::StyledPanel);
    setBackground(DBCtrlGrid1, SkyBlue);
    auto* grid = new QGridLayout(DBCtrlGrid1);
    int line = 0;
    auto heading = [&](const QString& text) {
        auto* l = new QLabel(text, DBCtrlGrid1);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        grid->addWidget(l, line++, 0, 1, 2);
    };
    auto add = [&](const QString& caption, QWidget* box, bool star) {
        auto* l = new QLabel(caption + (star ? QStringLiteral(" *") : QString()), DBCtrlGrid1);
        l->setBuddy(box);
        grid->addWidget(l, line, 0);
        grid->addWidget(box, line++, 1);
    };
    heading(QStringLiteral("Поля, помеченные звёздочками,"));
    heading(QStringLiteral("заполняются автоматически, до сдачи экзамена, при выполнении команды \"ФИО персонала\". "));
    for (int i = 1; i <= 12; ++i) {
        QLineEdit* box = lineBox(QStringLiteral("DBEdit%1").arg(i), DBCtrlGrid1, i != 5);
        QLineEdit** boxes[] = {&DBEdit1, &DBEdit2, &DBEdit3, &DBEdit4, &DBEdit5, &DBEdit6,
                               &DBEdit7, &DBEdit8, &DBEdit9, &DBEdit10, &DBEdit11, &DBEdit12};
        *boxes[i - 1] = box;
    }
    DBComboBox1 = new QComboBox(DBCtrlGrid1);
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->addItems({ReasonPervichnaya, ReasonPeriodicheskaya, ReasonVneocherednaya});
    DBComboBox1->setCurrentIndex(-1);
    DBComboBox2 = new QComboBox(DBCtrlGrid1);
    DBComboBox2->setObjectName(QStringLiteral("DBComboBox2"));
    DBComboBox2->addItems({QStringLiteral("постоянного тока"), QStringLiteral("переменного тока")});
    DBComboBox2->setEnabled(false);
    DBComboBox3 = new QComboBox(DBCtrlGrid1);
    DBComboBox3->setObjectName(QStringLiteral("DBComboBox3"));
    DBComboBox3->setEnabled(false);
    connect(DBComboBox1, &QComboBox::activated, this, [this] { DBComboBox1Change(); });

    add(QStringLiteral("Категория специалиста"), DBEdit4, true);
    add(QStringLiteral("Фамилия, имя и отчество"), DBEdit1, true);
    add(QStringLiteral("Должность"), DBEdit2, true);
    add(QStringLiteral("Наименование подразделения"), DBEdit3, true);
    add(QStringLiteral("Причина проверки знаний"), DBComboBox1, true);
    add(QStringLiteral("Участки железной дороги"), DBComboBox2, true);
    add(QStringLiteral("Дата предыдущей проверки"), DBEdit6, true);
    add(QStringLiteral("Дата проверки знаний"), DBEdit11, true);
    add(QStringLiteral("Дата следующей проверки"), DBEdit12, true);
    add(QStringLiteral("Стаж работы в должности"), DBComboBox3, true);
    heading(QStringLiteral("Результаты экзамена:"));
    add(QStringLiteral("Оценка"), DBEdit7, false);
    add(QStringLiteral("Количество вопросов"), DBEdit8, false);
    add(QStringLiteral("Количество верных ответов"), DBEdit9, false);
    add(QStringLiteral("Количество неверных ответов"), DBEdit10, false);
    add(QStringLiteral("Результат проверки знаний"), DBEdit5, false);
    grid->setRowStretch(line, 1);

    MonthCalendar1 = new QCalendarWidget(body);
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setFocusPolicy(Qt::NoFocus);
    MonthCalendar1->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    MonthCalendar1->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(DBCtrlGrid1, 1);
    row->addWidget(MonthCalendar1, 0, Qt::AlignTop);
    layout()->addWidget(body);

    DBGrid1 = new QTableView(body);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->hide();
}

void TfrmResult::setRegistrationStage()
{
    m_resultsStage = false;
    DBComboBox1->setEnabled(true);
    actResultView->setEnabled(false);
    actDetail->setEnabled(false);
    actExitResult->setEnabled(false);
    actFIOPost->setEnabled(false);
    actFIO->setEnabled(true);
    actExamenationOut->setEnabled(true);
    actExamenationBegin->setEnabled(false);
}

void TfrmResult::setResultsStage()
{
    // The finished exam is left only by "Выход", which enters it in the journal: nothing of the
    // registration can be changed or started again.
    m_resultsStage = true;
    DBComboBox1->setEnabled(false);
    DBGrid1->hide();
    for (QAction* a : {actExamenationOut, actFIO, actFIOPost, actExamenationBegin})
        a->setEnabled(false);
    actResultView->setEnabled(true);
    actDetail->setEnabled(false);
    actExitResult->setEnabled(false);
}

void TfrmResult::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmResult::FormShow()
{
    m_closing = false;
    actExamenationBegin->setEnabled(false);
    MonthCalendar1->setSelectedDate(Clock::today());
    DBGrid1->hide();
    guarded(this, [&] {
        TfrmADODataModule* dm = m_flow ? &m_flow->dataModule() : TfrmADODataModule::instance();
        dm->openTable(dm->ADOPersonal, Schema::Personal, QStringLiteral("Код"));
        dm->openTable(dm->ADOGruppa, Schema::Gruppa, QStringLiteral("Порядковый_номер"));
        dm->openTable(dm->ADODolgnosty, Schema::Dolgnost);
        showJournal();
    });
}

void TfrmResult::showJournal()
{
    if (!m_flow)
        return;
    const QVariantList v = m_flow->journalValues();
    const QStringList cols = Schema::journalColumns();
    auto value = [&](const char* column) {
        const QString name = QString::fromUtf8(column);
        const QVariant x = v.value(cols.indexOf(name));
        return Dates::isDateColumn(name) ? Dates::storageToText(x) : x.toString();
    };
    m_loading = true;
    DBEdit1->setText(value("ФИО"));
    DBEdit2->setText(value("Должность"));
    DBEdit3->setText(value("Наименование_подразделения"));
    DBEdit4->setText(value("Категория_специалиста"));
    DBEdit5->setText(value("Результат_проверки_знаний"));
    DBEdit6->setText(value("Дата_предыдущей_проверки"));
    DBEdit7->setText(value("Оценка"));
    DBEdit8->setText(value("Количество_вопросов"));
    DBEdit9->setText(value("Количество_верных_ответов"));
    DBEdit10->setText(value("Количество_неверных_ответов"));
    DBEdit11->setText(value("Дата_проверки"));
    DBEdit12->setText(value("Дата_следующей_проверки"));
    DBComboBox1->setCurrentIndex(DBComboBox1->findText(value("Причина_проверки_знаний")));
    DBComboBox2->setCurrentIndex(DBComboBox2->findText(value("Система_тока")));
    DBComboBox3->clear();
    DBComboBox3->addItem(value("Стаж_работы_в_должности"));
    // A text longer than its box shows from its start, the whole of it in the box's tip.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setCursorPosition(0);
        box->setToolTip(box->fontMetrics().horizontalAdvance(box->text()) > box->width() - 8 ? box->text()
                                                                                             : QString());
    }
    m_loading = false;
}

void TfrmResult::updateBegin()
{
    if (m_loading || !m_flow || m_resultsStage)
        return;
    guarded(this, [&] {
        const Row row = m_flow->journalRow();
        actExamenationBegin->setEnabled(canBegin(row) && check(row) == Completeness::Complete);
    });
}

void TfrmResult::actFIOExecute()
{
    if (m_resultsStage || !m_flow)
        return;
    actFIOPost->setEnabled(true);
    guarded(this, [&] {
        TfrmADODataModule& dm = m_flow->dataModule();
        dm.openTable(dm.ADOPersonal, Schema::Personal, QStringLiteral("Код"));
        DBGrid1->setModel(dm.ADOPersonal);
        for (int c = 0; c < dm.ADOPersonal->columnCount(); ++c)
            DBGrid1->setColumnHidden(c, c != dm.ADOPersonal->column(QStringLiteral("Код"))
                                            && c != dm.ADOPersonal->column(QStringLiteral("Фамилия_Имя_Отчество")));
        DBGrid1->setGeometry(DBCtrlGrid1->geometry());
        DBGrid1->show();
        DBGrid1->raise();
        if (dm.ADOPersonal->rowCount() > 0 && !DBGrid1->currentIndex().isValid())
            DBGrid1->selectRow(0);
        DBGrid1->setFocus();
    });
}

bool TfrmResult::selectWorker(int code)
{
    auto* model = qobject_cast<SqlTableModel*>(DBGrid1->model());
    if (!model)
        return false;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->value(r, QStringLiteral("Код")).toInt() == code) {
            DBGrid1->selectRow(r);
            return true;
        }
    }
    return false;
}

void TfrmResult::actFIOPostExecute()
{
    if (m_resultsStage || !m_flow)
        return;
    auto* model = qobject_cast<SqlTableModel*>(DBGrid1->model());
    const QModelIndex current = DBGrid1->currentIndex();
    if (!model || !current.isValid()) {
        Messages::warning(this, QStringLiteral("Выберите работника в списке персонала (команда «ФИО персонала»)."));
        return;
    }
    guarded(this, [&] {
        const int code = model->value(current.row(), QStringLiteral("Код")).toInt();
        const Completeness completeness = m_flow->registerWorker(code);
        showJournal();
        if (TfrmBGD_Examenation* exam = Forms::frmBGD_Examenation) {
            exam->setCategoryLabel(DBEdit4->text());
            exam->Label6->setVisible(true);
        }
        DBGrid1->hide();
        actExamenationBegin->setEnabled(completeness == Completeness::Complete);
        if (completeness == Completeness::MissingWorkerData)
            Messages::warning(this, incompleteMessage());
        else if (completeness == Completeness::NoPreviousCheck)
            Messages::information(this, noPreviousCheckMessage(DBEdit1->text()));
    });
}

void TfrmResult::DBComboBox1Change()
{
    if (m_loading || !m_flow || m_resultsStage)
        return;
    guarded(this, [&] {
        m_flow->setReason(DBComboBox1->currentText());
        showJournal();
    });
    updateBegin();
}

void TfrmResult::actExamenationBeginExecute()
{
    if (!actExamenationBegin->isEnabled() || m_resultsStage)
        return;
    Global::SystemToka = DBComboBox2->currentText();
    closeByCommand();
}

bool TfrmResult::FormClose()
{
    if (Global::ExamCancelled || !m_flow)
        return true;
    QString message;
    if (!guarded(this, [&] { message = m_flow->acceptRegistration(); }))
        return false;
    if (!message.isEmpty())
        Messages::warning(this, message);
    return true;
}

void TfrmResult::closeByCommand()
{
    if (!FormClose())
        return;
    m_closing = true;
    DBGrid1->hide();
    done(QDialog::Accepted);
}

void TfrmResult::actResultViewExecute()
{
    if (!m_flow)
        return;
    guarded(this, [&] {
        m_flow->grade();
        showJournal();
        actDetail->setEnabled(true);
        actExitResult->setEnabled(true);
        actFIO->setEnabled(false);
    });
}

void TfrmResult::actDetailExecute()
{
    if (TfrmResultAll* detail = Forms::frmResultAll)
        ExamModal::run(detail);
}

void TfrmResult::actExitResultExecute()
{
    if (!m_flow || !actExitResult->isEnabled())
        return;
    if (DBEdit5->text().trimmed().isEmpty()) {
        Messages::warning(this, QStringLiteral("Поле «Результат проверки знаний» не заполнено: введите «Сдал» или «Не сдал»."));
        return;
    }
    if (guarded(this, [&] { m_flow->finish(DBEdit5->text()); })) {
        Global::ExamCancelled = 1;
        closeByCommand();
    }
}

void TfrmResult::actExamenationOutExecute()
{
    if (m_resultsStage)
        return;
    Global::ExamCancelled = 1;
    DBGrid1->hide();
    QFont f = QToolTip::font();
    f.setFamily(QStringLiteral("Times New Roman"));
    QToolTip::setFont(f);
    closeByCommand();
}

void TfrmResult::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (DBGrid1 && DBGrid1->isVisible())
        DBGrid1->setGeometry(DBCtrlGrid1->geometry());
}

void TfrmResult::closeEvent(QCloseEvent* event)
{
    if (m_closing)
        event->accept();
    else {
        event->ignore();
        QApplication::beep();
    }
}

void TfrmResult::reject()
{
    QApplication::beep();
}

void TfrmResult::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        QApplication::beep();
        return;
    }
    QDialog::keyPressEvent(event);
}
