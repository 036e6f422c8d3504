#include "exam/TfrmResultAll.h"

#include "core/Global.h"
#include "core/exam/ExamHints.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "exam/ExamWidgets.h"
#include "ui/Guarded.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>

using namespace ExamWidgets;

namespace {
constexpr int VisiblePanels = 5;
}

TfrmResultAll::TfrmResultAll(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmResultAll"));
    setWindowTitle(QStringLiteral("Подробные результаты экзамена"));
    setProperty("helpTopic", 2);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ribbon = new Ribbon(this);
    ribbon->setObjectName(QStringLiteral("Ribbon"));
    ribbon->setCaption(QStringLiteral("Подробные результаты экзамена"));
    layout->addWidget(ribbon);
    actCloseDetail = action(this, QStringLiteral("actCloseDetail"), QStringLiteral("Выход"));
    ScreenTips::set(actCloseDetail, {QStringLiteral("Выход"),
                                     {QStringLiteral("Выход из просмотра детальных результатов экзамена.")},
                                     ScreenTips::HelpFooter});
    connect(actCloseDetail, &QAction::triggered, this, [this] { actCloseDetailExecute(); });
    const int tab = ribbon->addTab(QStringLiteral("Меню"));
    ribbon->addGroup(tab, QStringLiteral("Выход"))->addLargeAction(actCloseDetail);

    DBCtrlGrid1 = new QScrollArea(this);
    DBCtrlGrid1->setObjectName(QStringLiteral("DBCtrlGrid1"));
    DBCtrlGrid1->setWidgetResizable(true);
    DBCtrlGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list = new QWidget;
    setBackground(m_list, SkyBlue);
    m_listLayout = new QVBoxLayout(m_list);
    m_listLayout->setContentsMargins(2, 2, 2, 2);
    m_listLayout->setSpacing(2);
    m_listLayout->addStretch(1);
    DBCtrlGrid1->setWidget(m_list);
    layout->addWidget(DBCtrlGrid1, 1);
    resize(1100, 760);
}

void TfrmResultAll::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        FormShow();
    }
}

void TfrmResultAll::clearPanels()
{
    for (const Panel& p : std::as_const(m_panels))
        delete p.frame;
    m_panels.clear();
    m_shownHints.clear();
}

void TfrmResultAll::FormShow()
{
    m_closing = false;
    Global::PokazPodskazki = 1;
    clearPanels();
    m_questions.clear();
    guarded(this, [&] {
        TfrmADODataModule* dm = TfrmADODataModule::instance();
        dm->openTable(dm->ADOOtvety, Schema::Otvety, QStringLiteral("Индекс"));
        dm->openTable(dm->ADOVoprosy_Otvety, Schema::VoprosyOtvety, QStringLiteral("Индекс"));
        SqlTableModel* q = dm->ADOVoprosy_Otvety;
        for (int r = 0; r < q->rowCount(); ++r) {
            Question question;
            question.text = q->value(r, QStringLiteral("Вопрос")).toString();
            for (int k = 0; k < 3; ++k) {
                question.answers[k] = q->value(r, QStringLiteral("Ответ_%1").arg(k + 1)).toString();
                question.flags[k] = q->value(r, QStringLiteral("Верно_Неверно_%1").arg(k + 1)).toString();
            }
            m_questions.insert(q->value(r, QStringLiteral("Индекс")).toInt(), question);
        }
        SqlTableModel* a = dm->ADOOtvety;
        for (int r = 0; r < a->rowCount(); ++r)
            addPanel(a->value(r, QStringLiteral("Номер_вопроса")).toInt(), a->value(r, QStringLiteral("Вопрос")).toString(),
                     a->value(r, QStringLiteral("Ответ_экзаменуемого")).toString(),
                     a->value(r, QStringLiteral("Верно_Неверно")).toString());
    });
    fitPanels();
}

void TfrmResultAll::addPanel(int questionNumber, const QString& question, const QString& answer, const QString& flag)
{
    Panel p;
    p.questionNumber = questionNumber;
    p.frame = new QFrame(m_list);
    p.frame->setObjectName(QStringLiteral("Panel%1").arg(m_panels.size() + 1));
    p.frame->setFrameShape(QFrame::Box);
    auto* grid = new QGridLayout(p.frame);
    grid->setContentsMargins(4, 4, 4, 4);
    auto* caption = new QLabel(QStringLiteral("№ вопроса  "), p.frame);
    p.DBText1 = new QLabel(QString::number(questionNumber), p.frame);
    p.DBText1->setObjectName(QStringLiteral("DBText1"));
    QFont bold = p.DBText1->font();
    bold.setBold(true);
    p.DBText1->setFont(bold);
    p.DBText1->setStyleSheet(QStringLiteral("background: yellow; padding: 0 6px;"));
    p.DBMemo_Vopros = memo(QStringLiteral("DBMemo_Vopros"), p.frame);
    p.DBMemo_Otvet = memo(QStringLiteral("DBMemo_Otvet"), p.frame);
    p.DBMemo_Verno_Neverno = memo(QStringLiteral("DBMemo_Verno_Neverno"), p.frame);
    p.DBMemo_Verno_Neverno->setMaximumHeight(48);
    setStoredText(p.DBMemo_Vopros, question);
    setStoredText(p.DBMemo_Otvet, answer);
    setStoredText(p.DBMemo_Verno_Neverno, flag.trimmed());
    p.DBMemo_Vopros->viewport()->installEventFilter(this);
    p.DBMemo_Vopros->viewport()->setProperty("panel", int(m_panels.size()));
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(caption);
    numberRow->addWidget(p.DBText1);
    numberRow->addStretch(1);
    grid->addLayout(numberRow, 0, 0);
    grid->addWidget(p.DBMemo_Vopros, 1, 0, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Выбран ответ"), p.frame), 0, 1);
    grid->addWidget(p.DBMemo_Otvet, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Оценка"), p.frame), 2, 1);
    grid->addWidget(p.DBMemo_Verno_Neverno, 3, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    m_listLayout->insertWidget(m_listLayout->count() - 1, p.frame);
    m_panels << p;
}

void TfrmResultAll::fitPanels()
{
    const int height = std::max(80, DBCtrlGrid1->viewport()->height() / VisiblePanels - 2);
    for (const Panel& p : std::as_const(m_panels))
        p.frame->setFixedHeight(height);
    DBCtrlGrid1->verticalScrollBar()->setSingleStep(height + 2);
    DBCtrlGrid1->verticalScrollBar()->setPageStep(VisiblePanels * (height + 2));
}

void TfrmResultAll::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitPanels();
}

QString TfrmResultAll::hintFor(int questionNumber) const
{
    const auto it = m_questions.constFind(questionNumber);
    if (it == m_questions.constEnd())
        return QString();
    return ExamHints::detailedHint(it->text, it->answers[0], it->flags[0], it->answers[1], it->flags[1], it->answers[2],
                                   it->flags[2]);
}

QString TfrmResultAll::shownHint(int panel) const
{
    return m_shownHints.value(panel);
}

void TfrmResultAll::DBMemo_VoprosMouseDown(int panel)
{
    if (panel < 0 || panel >= m_panels.size())
        return;
    const Panel& p = m_panels.at(panel);
    const QString hint = hintFor(p.questionNumber);
    if (hint.isEmpty()) {
        Messages::warning(this, QStringLiteral("Вопрос №%1 не найден среди вопросов экзамена.").arg(p.questionNumber));
        return;
    }
    for (auto it = m_shownHints.cbegin(); it != m_shownHints.cend(); ++it)
        m_panels.at(it.key()).DBMemo_Vopros->setToolTip(QString());
    m_shownHints.clear();
    if (Global::PokazPodskazki == 1) {
        const QString shown = forDisplay(hint).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        p.DBMemo_Vopros->setToolTip(shown);
        m_shownHints.insert(panel, hint);
        if (p.DBMemo_Vopros->isVisible())
            QToolTip::showText(QCursor::pos(), shown, p.DBMemo_Vopros);
        Global::PokazPodskazki = 0;
    } else {
        QToolTip::hideText();
        Global::PokazPodskazki = 1;
    }
}

bool TfrmResultAll::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const QVariant panel = watched->property("panel");
        if (panel.isValid())
            DBMemo_VoprosMouseDown(panel.toInt());
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmResultAll::actCloseDetailExecute()
{
    FormClose();
    m_closing = true;
    QToolTip::hideText();
    done(QDialog::Accepted);
}

void TfrmResultAll::FormClose()
{
    // The result window shows the journal row again: nothing to move in a one-row journal.
}

void TfrmResultAll::reject()
{
    QApplication::beep();
}

void TfrmResultAll::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        QApplication::beep();
        return;
    }
    QDialog::keyPressEvent(event);
}
