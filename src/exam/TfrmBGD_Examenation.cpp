#include "exam/TfrmBGD_Examenation.h"

#include "app/Forms.h"
#include "core/Global.h"
#include "core/question/QuestionHint.h"
#include "data/TfrmADODataModule.h"
#include "exam/ExamWidgets.h"
#include "exam/TfrmResult.h"
#include "exam/flow/ExamFlow.h"
#include "ui/Guarded.h"
#include "ui/WorkArea.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

using namespace ExamWidgets;

TfrmBGD_Examenation::TfrmBGD_Examenation(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmBGD_Examenation"));
    setWindowTitle(QStringLiteral("Классификатор ЗОРВЕК"));
    setProperty("helpTopic", 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ribbon = new Ribbon(this);
    ribbon->setObjectName(QStringLiteral("Ribbon"));
    layout->addWidget(ribbon);
    buildRibbon();
    layout->addWidget(buildPanel(), 1);
    FormCreate();
}

void TfrmBGD_Examenation::buildRibbon()
{
    actAnswer1Examenation = action(this, QStringLiteral("actAnswer1Examenation"), QStringLiteral("Ответ №1"));
    actAnswer2Examenation = action(this, QStringLiteral("actAnswer2Examenation"), QStringLiteral("Ответ №2"));
    actAnswer3Examenation = action(this, QStringLiteral("actAnswer3Examenation"), QStringLiteral("Ответ №3"));
    actPostExamenation = action(this, QStringLiteral("actPostExamenation"), QStringLiteral("Подтвердить выбор верного ответа"));
    actOutExamenation = action(this, QStringLiteral("actOutExamenation"), QStringLiteral("Выход из режима экзамен"));
    actAnswer1Examenation->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    actAnswer2Examenation->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    actAnswer3Examenation->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
    actPostExamenation->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    actPostExamenation->setEnabled(false);
    connect(actAnswer1Examenation, &QAction::triggered, this, [this] { actAnswer1ExamenationExecute(); });
    connect(actAnswer2Examenation, &QAction::triggered, this, [this] { actAnswer2ExamenationExecute(); });
    connect(actAnswer3Examenation, &QAction::triggered, this, [this] { actAnswer3ExamenationExecute(); });
    connect(actPostExamenation, &QAction::triggered, this, [this] { actPostExamenationExecute(); });
    connect(actOutExamenation, &QAction::triggered, this, [this] { actOutExamenationExecute(); });
    ScreenTips::set(actOutExamenation,
                    {QStringLiteral("Выход из режима экзамен"),
                     {QStringLiteral("Выход из режима экзамена для: "), QStringLiteral("1. просмотра кратких результатов;"),
                      QStringLiteral("2. просмотра всей совокупности вопросов, предложенных системой экзаменуемому рвботнику, "
                                     "и полученных ответов;"),
                      QStringLiteral("3. выхода на  главную страницу Классификатора ЗОРВЕК.")},
                     ScreenTips::HelpFooter});

    ribbon->setCaption(QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
    const int tab = ribbon->addTab(QStringLiteral("Работа классификатора в режиме экзамена"));
    RibbonGroup* answers = ribbon->addGroup(tab, QStringLiteral("Выбор верного ответа"));
    answers->addLargeAction(actAnswer1Examenation);
    answers->addLargeAction(actAnswer2Examenation);
    answers->addLargeAction(actAnswer3Examenation);
    answers->addLargeAction(actPostExamenation);
    RibbonGroup* out = ribbon->addGroup(tab, QStringLiteral("Отмена форматирования, выход"));
    out->addLargeAction(actOutExamenation, QStringLiteral("Выход из режима \"Экзамен\""));
}

QWidget* TfrmBGD_Examenation::buildPanel()
{
    auto* outer = new QWidget(this);
    auto* row = new QHBoxLayout(outer);
    row->setContentsMargins(4, 4, 4, 4);
    DBCtrlGrid1 = new QFrame(outer);
    DBCtrlGrid1->setObjectName(QStringLiteral("DBCtrlGrid1"));
    DBCtrlGrid1->setFrameShape(QFrame::StyledPanel);
    setBackground(DBCtrlGrid1, SkyBlue);
    ScrollBar = new QScrollBar(Qt::Vertical, outer);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setRange(0, 0);
    connect(ScrollBar, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != m_current)
            showQuestion(v);
    });
    row->addWidget(DBCtrlGrid1, 1);
    row->addWidget(ScrollBar);

    auto* grid = new QVBoxLayout(DBCtrlGrid1);
    auto* strip = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("Вопрос №"), DBCtrlGrid1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSize(12);
    Label1->setFont(bold);
    DBEdit = lineBox(QStringLiteral("DBEdit"), DBCtrlGrid1);
    DBEdit->setFocusPolicy(Qt::NoFocus);
    DBEdit->setFixedWidth(70);
    DBEdit->setFont(bold);
    DBEdit->setStyleSheet(QStringLiteral("QLineEdit { color: lime; background: black; }"));
    TipMarker = new QLabel(QStringLiteral("(?)"), DBCtrlGrid1);
    TipMarker->setObjectName(QStringLiteral("TipMarker"));
    TipMarker->setToolTip(QStringLiteral("<b>Вопрос</b><br>На основании каких документов"));
    // A long category name wraps: the question count and the answered count stay in view.
    Label6 = new QLabel(DBCtrlGrid1);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(bold);
    Label6->setStyleSheet(QStringLiteral("color: red;"));
    Label6->setWordWrap(true);
    Label6->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Label6->setVisible(false);
    LabelCount = new QLabel(DBCtrlGrid1);
    LabelCount->setObjectName(QStringLiteral("LabelCount"));
    LabelCount->setFont(bold);
    LabelAnswered = new QLabel(DBCtrlGrid1);
    LabelAnswered->setObjectName(QStringLiteral("LabelAnswered"));
    LabelAnswered->setFont(bold);
    LabelAnswered->setStyleSheet(QStringLiteral("color: darkgreen;"));
    strip->addWidget(Label1);
    strip->addWidget(DBEdit);
    strip->addWidget(TipMarker);
    strip->addSpacing(16);
    strip->addWidget(Label6, 1);
    strip->addSpacing(16);
    strip->addWidget(LabelCount);
    strip->addSpacing(16);
    strip->addWidget(LabelAnswered);
    grid->addLayout(strip);

    QFont text = font();
    text.setPointSize(13);
    DBMemo_Vopros = memo(QStringLiteral("DBMemo_Vopros"), DBCtrlGrid1);
    DBMemo_Vopros->setFont(text);
    DBMemo_Vopros->installEventFilter(this);
    DBMemo_Vopros->viewport()->installEventFilter(this);
    grid->addWidget(DBMemo_Vopros, 3);
    const QString captions[3] = {QStringLiteral("Первый ответ"), QStringLiteral("Второй ответ"), QStringLiteral("Третий ответ")};
    QComboBox** flags[3] = {&DBComboBox_Otvet1, &DBComboBox_Otvet2, &DBComboBox_Otvet3};
    QPlainTextEdit** answers[3] = {&DBMemo_Otvet1, &DBMemo_Otvet2, &DBMemo_Otvet3};
    for (int k = 0; k < 3; ++k) {
        auto* head = new QHBoxLayout;
        auto* label = new QLabel(captions[k], DBCtrlGrid1);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 2));
        label->setFont(bold);
        label->setStyleSheet(QStringLiteral("color: blue;"));
        *flags[k] = new QComboBox(DBCtrlGrid1);
        (*flags[k])->setObjectName(QStringLiteral("DBComboBox_Otvet%1").arg(k + 1));
        (*flags[k])->setEditable(true);
        (*flags[k])->setVisible(false);
        head->addWidget(label);
        head->addWidget(*flags[k]);
        head->addStretch(1);
        grid->addLayout(head);
        *answers[k] = memo(QStringLiteral("DBMemo_Otvet%1").arg(k + 1), DBCtrlGrid1);
        (*answers[k])->setFont(text);
        grid->addWidget(*answers[k], k == 2 ? 3 : 2);
    }
    return outer;
}

void TfrmBGD_Examenation::FormCreate()
{
    WorkArea::fill(this);
}

void TfrmBGD_Examenation::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmBGD_Examenation::FormShow()
{
    m_closing = false;
    Label1->setText(QStringLiteral("Вопрос №"));
    guarded(this, [&] {
        if (m_flow)
            setCategoryLabel(m_flow->journalRow().category);
    });
    Global::ExamCancelled = 0;
    showQuestion(m_current > 0 ? m_current : 1);
    setFocus();
}

void TfrmBGD_Examenation::setCategoryLabel(const QString& category)
{
    Label6->setText(QStringLiteral("Категория специалиста - ") + category + QStringLiteral("   ")
                    + QStringLiteral("Количество вопросов = ") + QString::number(Global::KolVoprosov));
}

void TfrmBGD_Examenation::ExamenationExe()
{
    if (Global::ExamCancelled || !m_flow)
        return;
    m_flow->prepare();
    Create_question_answer();
}

void TfrmBGD_Examenation::Create_question_answer()
{
    SqlTableModel* model = m_flow->dataModule().ADOVoprosy_Otvety;
    m_questions.clear();
    for (int row = 0; row < model->rowCount(); ++row) {
        Question q;
        q.number = model->value(row, QStringLiteral("Индекс")).toInt();
        q.text = model->value(row, QStringLiteral("Вопрос")).toString();
        for (int k = 0; k < 3; ++k) {
            q.answers[k] = model->value(row, QStringLiteral("Ответ_%1").arg(k + 1)).toString();
            q.flags[k] = model->value(row, QStringLiteral("Верно_Неверно_%1").arg(k + 1)).toString();
        }
        m_questions << q;
    }
    m_current = 0;
    ScrollBar->setRange(m_questions.isEmpty() ? 0 : 1, int(m_questions.size()));
    showQuestion(1);
}

void TfrmBGD_Examenation::showQuestion(int number)
{
    if (m_questions.isEmpty()) {
        m_current = 0;
        return;
    }
    number = std::clamp(number, 1, int(m_questions.size()));
    m_current = number;
    const Question& q = m_questions.at(number - 1);
    DBEdit->setText(QString::number(q.number));
    setStoredText(DBMemo_Vopros, q.text);
    for (int k = 1; k <= 3; ++k) {
        setStoredText(answerBox(k), q.answers[k - 1]);
        flagBox(k)->setEditText(q.flags[k - 1]);
    }
    {
        const QSignalBlocker block(ScrollBar);
        ScrollBar->setValue(number);
    }
    markAnswer(0);
    updateAnsweredState();
}

void TfrmBGD_Examenation::updateAnsweredState()
{
    int confirmed = 0;
    int answeredCount = 0;
    guarded(this, [&] {
        if (!m_flow)
            return;
        answeredCount = int(m_flow->answeredQuestions().size());
        if (m_current > 0)
            confirmed = m_flow->confirmedAnswer(m_questions.at(m_current - 1).number);
    });
    const bool answered = confirmed > 0;
    // The confirmed answer keeps its mark; it can no longer be changed.
    markAnswer(confirmed);
    LabelAnswered->setText(answered ? QStringLiteral("Ответ №%1 подтверждён").arg(confirmed) : QString());
    LabelCount->setText(QStringLiteral("Отвечено %1 из %2").arg(answeredCount).arg(questionCount()));
    for (QAction* a : {actAnswer1Examenation, actAnswer2Examenation})
        a->setEnabled(!answered && m_current > 0);
    // A question with two answers offers no third one to choose.
    actAnswer3Examenation->setEnabled(!answered && m_current > 0
                                      && !m_questions.at(m_current - 1).answers[2].trimmed().isEmpty());
    actPostExamenation->setEnabled(false);
}

QPlainTextEdit* TfrmBGD_Examenation::answerBox(int n) const
{
    return n == 1 ? DBMemo_Otvet1 : n == 2 ? DBMemo_Otvet2 : DBMemo_Otvet3;
}

QComboBox* TfrmBGD_Examenation::flagBox(int n) const
{
    return n == 1 ? DBComboBox_Otvet1 : n == 2 ? DBComboBox_Otvet2 : DBComboBox_Otvet3;
}

void TfrmBGD_Examenation::markAnswer(int n)
{
    for (int k = 1; k <= 3; ++k)
        setBackground(answerBox(k), k == n ? Silver : QColor(Qt::white));
}

void TfrmBGD_Examenation::chooseAnswer(int n)
{
    QAction* command = n == 1 ? actAnswer1Examenation : n == 2 ? actAnswer2Examenation : actAnswer3Examenation;
    if (m_current == 0 || !command->isEnabled())
        return;
    Global::NomerOtveta = quint8(n);
    markAnswer(n);
    actPostExamenation->setEnabled(true);
}

void TfrmBGD_Examenation::actPostExamenationExecute()
{
    if (!actPostExamenation->isEnabled() || !m_flow || m_current == 0)
        return;
    guarded(this, [&] {
        const int number = m_questions.at(m_current - 1).number;
        m_flow->confirm(number, Global::NomerOtveta);
        markAnswer(0);
        actPostExamenation->setEnabled(false);
        if (m_flow->isComplete()) {
            updateAnsweredState();
            Messages::information(this, QStringLiteral("Вы ответили на все вопросы экзаменатора"));
            return;
        }
        const int next = m_flow->nextUnanswered(number);
        showQuestion(next > 0 ? next : m_current);
    });
}

void TfrmBGD_Examenation::actOutExamenationExecute()
{
    bool complete = false;
    if (!guarded(this, [&] { complete = m_flow && m_flow->isComplete(); }))
        return;
    if (!complete) {
        const int answered = m_flow ? int(Global::KolOtvetov) : 0;
        if (!Messages::question(this, QStringLiteral("Вы ответили не на все вопросы (%1 из %2).\r"
                                                     "Если выйти сейчас, экзамен будет прекращён без результата.\r"
                                                     "Выйти из режима экзамена?")
                                          .arg(answered)
                                          .arg(questionCount())))
            return;
        Global::ExamCancelled = 1;
        closeWindow();
        return;
    }
    markAnswer(0);
    actPostExamenation->setEnabled(false);
    if (TfrmResult* result = Forms::frmResult) {
        result->actExamenationOut->setEnabled(false);
        result->actFIO->setEnabled(false);
        result->actFIOPost->setEnabled(false);
    }
    Global::ExamCancelled = 0;
    closeWindow();
}

void TfrmBGD_Examenation::closeWindow()
{
    m_closing = true;
    DBMemo_VoprosMouseLeave();
    done(QDialog::Accepted);
    m_current = 0;
}

void TfrmBGD_Examenation::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    // Closing through the frame is the exit command.
    event->ignore();
    actOutExamenationExecute();
}

void TfrmBGD_Examenation::reject()
{
    // Escape does not end the exam.
    QApplication::beep();
}

void TfrmBGD_Examenation::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        showQuestion(m_current + 1);
        return;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        showQuestion(m_current - 1);
        return;
    case Qt::Key_Home:
        showQuestion(1);
        return;
    case Qt::Key_End:
        showQuestion(questionCount());
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QString TfrmBGD_Examenation::questionHint() const
{
    return QuestionHint::text(storedText(DBMemo_Vopros), storedText(DBMemo_Otvet1), storedText(DBMemo_Otvet2),
                              storedText(DBMemo_Otvet3));
}

void TfrmBGD_Examenation::DBMemo_VoprosMouseEnter()
{
    QFont hintFont(QStringLiteral("Verdana"), 12);
    hintFont.setBold(false);
    hintFont.setItalic(false);
    QToolTip::setFont(hintFont);
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipText, QColor(0, 0, 255));
    QToolTip::setPalette(p);
    DBMemo_Vopros->setToolTip(forDisplay(questionHint()).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

void TfrmBGD_Examenation::DBMemo_VoprosMouseLeave()
{
    DBMemo_Vopros->setToolTip(QString());
}

bool TfrmBGD_Examenation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DBMemo_Vopros || watched == DBMemo_Vopros->viewport()) {
        if (event->type() == QEvent::Enter)
            DBMemo_VoprosMouseEnter();
        else if (event->type() == QEvent::Leave && watched == DBMemo_Vopros)
            DBMemo_VoprosMouseLeave();
        else if (event->type() == QEvent::ToolTip && watched == DBMemo_Vopros->viewport())
            DBMemo_VoprosMouseEnter();
    }
    return QDialog::eventFilter(watched, event);
}
