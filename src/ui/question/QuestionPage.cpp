#include "ui/question/QuestionPage.h"

#include "core/question/QuestionHint.h"
#include "data/SqlTableModel.h"
#include "ui/question/BoundWidgets.h"
#include "ui/question/SectionLabel.h"

#include <QDataWidgetMapper>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringListModel>
#include <QToolTip>
#include <QVBoxLayout>

namespace {
const QString FieldIndex = QStringLiteral("Индекс");
const QString FieldQuestion = QStringLiteral("Вопрос");

// RAII guard: changes made by the page itself are not the user's typing.
struct Populating
{
    explicit Populating(int& counter) : c(counter) { ++c; }
    ~Populating() { --c; }
    int& c;
};
} // namespace

QuestionPage::QuestionPage(FlagKind kind, QWidget* parent) : QFrame(parent), m_kind(kind)
{
    setObjectName(QStringLiteral("DBCtrlGrid1"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_idle = new QStringListModel(this);

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("PanelContent"));
    auto* column = new QVBoxLayout(m_content);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);

    Panel1 = makeBar(QStringLiteral("Panel1"), Label1, QStringLiteral("Label1"), QStringLiteral("Вопрос№"));
    DBEdit = new QLineEdit(Panel1);
    DBEdit->setObjectName(QStringLiteral("DBEdit"));
    DBEdit->setReadOnly(true);
    DBEdit->setFocusPolicy(Qt::NoFocus);
    DBEdit->setFixedWidth(80);
    DBEdit->setAlignment(Qt::AlignCenter);
    Label6 = new SectionLabel(Panel1);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setAutoFillBackground(true);
    Label6->setMargin(2);
    // A long category name wraps within the bar instead of widening the window.
    Label6->setWordWrap(true);
    Label6->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Label6->hide();
    QuestionTip = makeSourceTip(Panel1, QStringLiteral("QuestionTip"), QStringLiteral("Вопрос"));
    auto* bar1 = static_cast<QHBoxLayout*>(Panel1->layout());
    bar1->addWidget(DBEdit);
    bar1->addWidget(QuestionTip);
    bar1->addSpacing(16);
    bar1->addWidget(Label6, 1);

    DBMemo_Vopros = new MemoBox(m_content);
    DBMemo_Vopros->setObjectName(QStringLiteral("DBMemo_Vopros"));
    DBMemo_Vopros->installEventFilter(this);
    column->addWidget(Panel1);
    column->addWidget(DBMemo_Vopros, 3);

    const QString captions[] = {QStringLiteral("Первый ответ"), QStringLiteral("Второй ответ"),
                                QStringLiteral("Третий ответ")};
    QFrame** panels[] = {&Panel2, &Panel3, &Panel4};
    QLabel** labels[] = {&Label2, &Label3, &Label4};
    FlagLabel** texts[] = {&DBText1, &DBText2, &DBText3};
    FlagComboBox** boxes[] = {&DBComboBox_Otvet1, &DBComboBox_Otvet2, &DBComboBox_Otvet3};
    MemoBox** memos[] = {&DBMemo_Otvet1, &DBMemo_Otvet2, &DBMemo_Otvet3};
    for (int k = 0; k < 3; ++k) {
        QFrame* bar = makeBar(QStringLiteral("Panel%1").arg(k + 2), *labels[k],
                              QStringLiteral("Label%1").arg(k + 2), captions[k]);
        *panels[k] = bar;
        auto* barLayout = static_cast<QHBoxLayout*>(bar->layout());
        if (k == 0) {
            AnswerTip = makeSourceTip(bar, QStringLiteral("AnswerTip"), QStringLiteral("Ответ №1"));
            barLayout->addWidget(AnswerTip);
        }
        if (kind == FlagKind::Labels) {
            auto* flag = new FlagLabel(bar);
            flag->setObjectName(QStringLiteral("DBText%1").arg(k + 1));
            flag->hide();
            barLayout->addWidget(flag, 1);
            *texts[k] = flag;
        } else {
            auto* flag = new FlagComboBox(bar);
            flag->setObjectName(QStringLiteral("DBComboBox_Otvet%1").arg(k + 1));
            flag->addItem(QStringLiteral("Верно"));
            flag->addItem(QStringLiteral("Неверно"));
            if (k > 0)
                flag->addItem(QString());
            flag->setMinimumWidth(340);
            flag->hide();
            barLayout->addWidget(flag);
            barLayout->addStretch(1);
            *boxes[k] = flag;
            watchTyping(flag);
        }
        auto* memo = new MemoBox(m_content);
        memo->setObjectName(QStringLiteral("DBMemo_Otvet%1").arg(k + 1));
        *memos[k] = memo;
        column->addWidget(bar);
        column->addWidget(memo, k == 2 ? 3 : 2);
    }
    for (MemoBox* memo : textBoxes()) {
        memo->installEventFilter(this);
        watchTyping(memo);
    }

    ScrollBar = new QScrollBar(Qt::Vertical, this);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setTracking(false);
    ScrollBar->setSingleStep(1);
    ScrollBar->setPageStep(1);
    ScrollBar->setRange(0, 0);
    connect(ScrollBar, &QScrollBar::actionTriggered, this, &QuestionPage::onScrollAction);
    connect(ScrollBar, &QScrollBar::sliderReleased, this, [this] {
        const int target = ScrollBar->sliderPosition();
        if (target != m_row)
            emit jumpRequested(target);
        syncScrollBar();
    });

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(m_content, 1);
    outer->addWidget(ScrollBar);
}

QFrame* QuestionPage::makeBar(const QString& name, QLabel*& label, const QString& labelName,
                              const QString& caption)
{
    auto* bar = new QFrame(m_content);
    bar->setObjectName(name);
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 2, 6, 2);
    label = new QLabel(caption, bar);
    label->setObjectName(labelName);
    layout->addWidget(label);
    return bar;
}

QLabel* QuestionPage::makeSourceTip(QWidget* bar, const QString& name, const QString& header)
{
    auto* tip = new QLabel(QStringLiteral("(?)"), bar);
    tip->setObjectName(name);
    QFont bold = tip->font();
    bold.setBold(true);
    tip->setFont(bold);
    tip->setCursor(Qt::WhatsThisCursor);
    tip->setToolTip(QStringLiteral("<b>") + header + QStringLiteral("</b><br>На основании каких документов"));
    tip->hide();
    return tip;
}

void QuestionPage::setSourceTipsVisible(bool visible)
{
    QuestionTip->setVisible(visible);
    AnswerTip->setVisible(visible);
}

void QuestionPage::watchTyping(QWidget* w)
{
    auto typed = [this, w] {
        if (m_populating)
            return;
        if (auto* memo = qobject_cast<MemoBox*>(w); memo && memo->isReadOnly())
            return;
        if (!w->isEnabled())
            return;
        emit userEdited();
    };
    if (auto* memo = qobject_cast<MemoBox*>(w))
        connect(memo, &QPlainTextEdit::textChanged, this, typed);
    else if (auto* box = qobject_cast<FlagComboBox*>(w))
        connect(box, &QComboBox::currentTextChanged, this, typed);
}

MemoBox* QuestionPage::answerBox(int k) const
{
    return k == 1 ? DBMemo_Otvet1 : k == 2 ? DBMemo_Otvet2 : k == 3 ? DBMemo_Otvet3 : nullptr;
}

FlagLabel* QuestionPage::flagLabel(int k) const
{
    return k == 1 ? DBText1 : k == 2 ? DBText2 : k == 3 ? DBText3 : nullptr;
}

FlagComboBox* QuestionPage::flagBox(int k) const
{
    return k == 1 ? DBComboBox_Otvet1 : k == 2 ? DBComboBox_Otvet2 : k == 3 ? DBComboBox_Otvet3 : nullptr;
}

QList<MemoBox*> QuestionPage::textBoxes() const
{
    return {DBMemo_Vopros, DBMemo_Otvet1, DBMemo_Otvet2, DBMemo_Otvet3};
}

void QuestionPage::bind(SqlTableModel* model)
{
    Populating guard(m_populating);
    m_mapper->clearMapping();
    m_model = model;
    m_mapper->setModel(model);
    auto map = [&](QWidget* w, const QString& field, const QByteArray& property) {
        const int col = model->fieldIndex(field);
        if (w && col >= 0)
            m_mapper->addMapping(w, col, property);
    };
    map(DBMemo_Vopros, FieldQuestion, "storedText");
    for (int k = 1; k <= 3; ++k) {
        map(answerBox(k), QStringLiteral("Ответ_%1").arg(k), "storedText");
        const QString flag = QStringLiteral("Верно_Неверно_%1").arg(k);
        if (m_kind == FlagKind::Labels)
            map(flagLabel(k), flag, "flagText");
        else
            map(flagBox(k), flag, "flagText");
    }
    m_row = -2;
    showRow(0);
}

void QuestionPage::unbind()
{
    Populating guard(m_populating);
    m_mapper->clearMapping();
    // An empty stand-in model: the mapper keeps no link to the shared table object.
    m_mapper->setModel(m_idle);
    m_model = nullptr;
    m_row = -1;
}

void QuestionPage::addMapping(QWidget* widget, const QString& field, const QByteArray& property)
{
    if (!m_model)
        return;
    const int col = m_model->fieldIndex(field);
    if (col >= 0) {
        Populating guard(m_populating);
        m_mapper->addMapping(widget, col, property);
        m_mapper->setCurrentIndex(m_row);
    }
}

int QuestionPage::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

void QuestionPage::showRow(int row)
{
    Populating guard(m_populating);
    const int count = rowCount();
    m_row = count == 0 ? -1 : std::clamp(row, 0, count - 1);
    if (m_row < 0) {
        // An empty section: nothing to show, every box blank.
        m_mapper->setCurrentIndex(-1);
        for (MemoBox* memo : textBoxes())
            memo->clearStoredText();
        for (int k = 1; k <= 3; ++k) {
            if (flagLabel(k))
                flagLabel(k)->clear();
            if (flagBox(k))
                flagBox(k)->clearFlagText();
        }
        DBEdit->clear();
    } else {
        m_mapper->setCurrentIndex(m_row);
        // The number is shown only; typing into the box can never reach the table.
        DBEdit->setText(fieldValue(FieldIndex).toString());
    }
    syncScrollBar();
}

QVariant QuestionPage::fieldValue(const QString& field) const
{
    if (!m_model || m_row < 0)
        return QVariant();
    return m_model->data(m_model->index(m_row, m_model->fieldIndex(field)), Qt::EditRole);
}

void QuestionPage::setFieldValue(const QString& field, const QVariant& value)
{
    if (!m_model || m_row < 0)
        return;
    Populating guard(m_populating);
    m_model->setData(m_model->index(m_row, m_model->fieldIndex(field)), value, Qt::EditRole);
    if (field == FieldIndex)
        DBEdit->setText(value.toString());
}

void QuestionPage::syncScrollBar()
{
    const QSignalBlocker block(ScrollBar);
    ScrollBar->setRange(0, std::max(0, rowCount() - 1));
    ScrollBar->setValue(std::max(0, m_row));
    ScrollBar->setSliderPosition(std::max(0, m_row));
}

void QuestionPage::onScrollAction(int action)
{
    // The scroll bar has already placed its slider; put it back and let the window decide.
    std::optional<Move> move;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
        move = Move::Next;
        break;
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub:
        move = Move::Prior;
        break;
    case QAbstractSlider::SliderToMinimum:
        move = Move::First;
        break;
    case QAbstractSlider::SliderToMaximum:
        move = Move::Last;
        break;
    default:
        return; // dragging: decided when the slider is dropped
    }
    ScrollBar->setSliderPosition(std::max(0, m_row));
    emit moveRequested(*move);
    syncScrollBar();
}

bool QuestionPage::handleMoveKey(int key)
{
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        emit moveRequested(Move::Next);
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        emit moveRequested(Move::Prior);
        return true;
    case Qt::Key_Home:
        emit moveRequested(Move::First);
        return true;
    case Qt::Key_End:
        emit moveRequested(Move::Last);
        return true;
    default:
        return false;
    }
}

void QuestionPage::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier && handleMoveKey(event->key()))
        return;
    QFrame::keyPressEvent(event);
}

bool QuestionPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DBMemo_Vopros && m_hintEnabled) {
        if (event->type() == QEvent::Enter)
            DBMemo_VoprosMouseEnter();
        else if (event->type() == QEvent::Leave)
            DBMemo_VoprosMouseLeave();
    }
    // A box that takes no typing leaves the page's move keys to the page.
    if (event->type() == QEvent::KeyPress) {
        auto* memo = qobject_cast<MemoBox*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (memo && memo->isReadOnly() && key->modifiers() == Qt::NoModifier && handleMoveKey(key->key()))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

QString QuestionPage::questionHint() const
{
    return QuestionHint::text(DBMemo_Vopros->storedText(), DBMemo_Otvet1->storedText(),
                              DBMemo_Otvet2->storedText(), DBMemo_Otvet3->storedText());
}

void QuestionPage::DBMemo_VoprosMouseEnter()
{
    const QString hint = questionHint();
    DBMemo_Vopros->setProperty("hint", hint);
    QString shown = hint;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    DBMemo_Vopros->setToolTip(shown);
}

void QuestionPage::DBMemo_VoprosMouseLeave()
{
    DBMemo_Vopros->setToolTip(QString());
    QToolTip::hideText();
}

void QuestionPageControls::takeControls(const QuestionPage* page)
{
    Label1 = page->Label1;
    DBEdit = page->DBEdit;
    Label6 = page->Label6;
    DBMemo_Vopros = page->DBMemo_Vopros;
    DBMemo_Otvet1 = page->DBMemo_Otvet1;
    DBMemo_Otvet2 = page->DBMemo_Otvet2;
    DBMemo_Otvet3 = page->DBMemo_Otvet3;
}
