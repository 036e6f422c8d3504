#include "exam/TfrmResultAll.h"

#include "core/Global.h"
#include "core/exam/ExamHints.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "exam/ExamWidgets.h"
#include "ui/Guarded.h"
#include "ui/WorkArea.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

using namespace ExamWidgets;

namespace {
constexpr int VisiblePanels = 5;

// The height a read-only box needs to show its whole text at its present width.
int wholeTextHeight(const QPlainTextEdit* box)
{
    const int width = std::max(100, box->viewport()->width() - 2 * int(box->document()->documentMargin()));
    const QRect text =
        box->fontMetrics().boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, box->toPlainText());
    return text.height() + 2 * int(box->document()->documentMargin()) + 2 * box->frameWidth();
}
} // namespace

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

    // The hint a click shows stays until the next click on a question.
    HintBox = new QLabel(this);
    HintBox->setObjectName(QStringLiteral("HintBox"));
    HintBox->setWordWrap(true);
    HintBox->setTextFormat(Qt::PlainText);
    HintBox->setFrameShape(QFrame::Box);
    HintBox->setMargin(8);
    HintBox->setAutoFillBackground(true);
    QPalette tip = HintBox->palette();
    tip.setColor(QPalette::Window, QColor(255, 255, 225));
    tip.setColor(QPalette::WindowText, Qt::black);
    HintBox->setPalette(tip);
    HintBox->hide();
    WorkArea::fill(this);
}

void TfrmResultAll::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        WorkArea::fill(this);
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
    HintBox->hide();
}

void TfrmResultAll::FormShow()
{
    m_closing = false;
    Global::PokazPodskazki = 1;
    clearPanels();
    m_questions.clear();
    guarded(this, [&] {
        TfrmADODataModule* dm = TfrmADODataModule::instance();
        // The panels follow the questions' order, whatever order they were answered in.
        dm->openTable(dm->ADOOtvety, Schema::Otvety, QStringLiteral("Номер_вопроса"));
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
    // Once the panels are laid out, their boxes' widths tell how high the texts run.
    QTimer::singleShot(0, this, &TfrmResultAll::fitPanels);
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
    p.DBMemo_Verno_Neverno->setFixedHeight(p.DBMemo_Verno_Neverno->fontMetrics().height() + 12);
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
    grid->addWidget(p.DBMemo_Vopros, 1, 0, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Выбран ответ"), p.frame), 0, 1);
    grid->addWidget(p.DBMemo_Otvet, 1, 1);
    auto* verdictRow = new QHBoxLayout;
    verdictRow->addWidget(new QLabel(QStringLiteral("Оценка"), p.frame));
    verdictRow->addWidget(p.DBMemo_Verno_Neverno, 1);
    grid->addLayout(verdictRow, 2, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    m_listLayout->insertWidget(m_listLayout->count() - 1, p.frame);
    m_panels << p;
}

void TfrmResultAll::fitPanels()
{
    const int height = std::max(80, DBCtrlGrid1->viewport()->height() / VisiblePanels - 2);
    for (const Panel& p : std::as_const(m_panels)) {
        // A panel grows until its question and the chosen answer are shown whole.
        const int line = p.DBText1->sizeHint().height() + 4;
        const int question = line + wholeTextHeight(p.DBMemo_Vopros);
        const int answer = line + wholeTextHeight(p.DBMemo_Otvet) + 4 + p.DBMemo_Verno_Neverno->height();
        p.frame->setFixedHeight(std::max(height, std::max(question, answer) + 16));
    }
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
    return HintBox->isHidden() ? QString() : m_shownHints.value(panel);
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
    m_shownHints.clear();
    if (Global::PokazPodskazki == 1) {
        m_shownHints.insert(panel, hint);
        showHintBox(p.DBMemo_Vopros, forDisplay(hint));
        Global::PokazPodskazki = 0;
    } else {
        HintBox->hide();
        Global::PokazPodskazki = 1;
    }
}

void TfrmResultAll::showHintBox(QWidget* questionBox, const QString& text)
{
    HintBox->setText(text);
    const QRect area = rect().adjusted(8, 8, -8, -8);
    const int boxWidth = std::min(area.width(), std::max(480, width() / 2));
    const int boxHeight = std::min(area.height(), HintBox->heightForWidth(boxWidth));
    // Beside the clicked question, kept inside the window.
    QRect box(questionBox->mapTo(this, QPoint(questionBox->width() / 3, questionBox->height() / 2)),
              QSize(boxWidth, boxHeight));
    box.moveLeft(std::clamp(box.left(), area.left(), area.right() + 1 - boxWidth));
    box.moveTop(std::clamp(box.top(), area.top(), area.bottom() + 1 - boxHeight));
    HintBox->setGeometry(box);
    HintBox->show();
    HintBox->raise();
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
    HintBox->hide();
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
