#include "training/TfrmBGD_Samopodgotovka.h"

#include "core/Global.h"
#include "core/question/AnswerFlag.h"
#include "ui/question/BoundWidgets.h"
#include "ui/question/SectionOpener.h"
#include "ui/question/SectionStyle.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

TfrmBGD_Samopodgotovka::TfrmBGD_Samopodgotovka(QWidget* parent)
    : QuestionBrowseDialog(QuestionPage::FlagKind::Labels, parent)
{
    setObjectName(QStringLiteral("TfrmBGD_Samopodgotovka"));
    setProperty("helpTopic", 3);
    buildRibbon();
    buildMarks();
    applyLook();
    FormCreate();
}

void TfrmBGD_Samopodgotovka::buildMarks()
{
    QLabel** marks[] = {&Mark1, &Mark2, &Mark3};
    QFrame* bars[] = {DBCtrlGrid1->Panel2, DBCtrlGrid1->Panel3, DBCtrlGrid1->Panel4};
    for (int k = 0; k < 3; ++k) {
        auto* label = new QLabel(bars[k]);
        label->setObjectName(QStringLiteral("Mark%1").arg(k + 1));
        label->setFrameShape(QFrame::Box);
        label->setMargin(2);
        SectionStyle::setBackground(label, Qt::white);
        SectionStyle::setTextLook(label, Qt::black, SectionStyle::labelFont(QString(), true, false));
        label->hide();
        // Between the answer's caption and its flag.
        static_cast<QBoxLayout*>(bars[k]->layout())->insertWidget(1, label);
        *marks[k] = label;
    }
}

void TfrmBGD_Samopodgotovka::FormCreate()
{
    SectionOpener::sizeToWorkArea(this);
}

void TfrmBGD_Samopodgotovka::buildRibbon()
{
    actFirst1Samopodgotovka = makeAction(QStringLiteral("actFirst1Samopodgotovka"), QStringLiteral("Первая"));
    actPrior1Samopodgotovka =
        makeAction(QStringLiteral("actPrior1Samopodgotovka"), QStringLiteral("Предыдущая"));
    acttNext1Samopodgotovka =
        makeAction(QStringLiteral("acttNext1Samopodgotovka"), QStringLiteral("Следующая"));
    actLast1Samopodgotovka =
        makeAction(QStringLiteral("actLast1Samopodgotovka"), QStringLiteral("Последняя"));
    actAnswer1Samopodgotovka =
        makeAction(QStringLiteral("actAnswer1Samopodgotovka"), QStringLiteral("Ответ №1"));
    actAnswer2Samopodgotovka =
        makeAction(QStringLiteral("actAnswer2Samopodgotovka"), QStringLiteral("Ответ №2"));
    actAnswer3Samopodgotovka =
        makeAction(QStringLiteral("actAnswer3Samopodgotovka"), QStringLiteral("Ответ №3"));
    actFromRazdelSamopodgotovka =
        makeAction(QStringLiteral("actFromRazdelSamopodgotovka"), QStringLiteral("Выход из раздела"));
    actFormat = makeAction(QStringLiteral("actFormat"), QStringLiteral("Отменить форматирование"));
    actOutSamopodgotovka =
        makeAction(QStringLiteral("actOutSamopodgotovka"), QStringLiteral("Выход из режима самоподготовки"));

    actAnswer1Samopodgotovka->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    actAnswer2Samopodgotovka->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    actAnswer3Samopodgotovka->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    actFormat->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    connect(actFirst1Samopodgotovka, &QAction::triggered, this, [this] { actFirst1SamopodgotovkaExecute(); });
    connect(actPrior1Samopodgotovka, &QAction::triggered, this, [this] { actPrior1SamopodgotovkaExecute(); });
    connect(acttNext1Samopodgotovka, &QAction::triggered, this, [this] { acttNext1SamopodgotovkaExecute(); });
    connect(actLast1Samopodgotovka, &QAction::triggered, this, [this] { actLast1SamopodgotovkaExecute(); });
    connect(actAnswer1Samopodgotovka, &QAction::triggered, this,
            [this] { actAnswer1SamopodgotovkaExecute(); });
    connect(actAnswer2Samopodgotovka, &QAction::triggered, this,
            [this] { actAnswer2SamopodgotovkaExecute(); });
    connect(actAnswer3Samopodgotovka, &QAction::triggered, this,
            [this] { actAnswer3SamopodgotovkaExecute(); });
    connect(actFromRazdelSamopodgotovka, &QAction::triggered, this,
            [this] { actFromRazdelSamopodgotovkaExecute(); });
    connect(actFormat, &QAction::triggered, this, [this] { actFormatExecute(); });
    connect(actOutSamopodgotovka, &QAction::triggered, this, [this] { actOutSamopodgotovkaExecute(); });
    setNavigationActions(actFirst1Samopodgotovka, actPrior1Samopodgotovka, acttNext1Samopodgotovka,
                         actLast1Samopodgotovka);

    const QString helpFooter = QStringLiteral("F1 -вызов справки");
    actFromRazdelSamopodgotovka->setToolTip(QStringLiteral("Выход из раздела для перехода в другой раздел"));
    ScreenTips::set(actFromRazdelSamopodgotovka,
                    {QStringLiteral("Выход из раздела"),
                     {QStringLiteral("Выход из раздела для перехода в другой раздел")},
                     helpFooter});
    actFormat->setToolTip(QStringLiteral("Отменить форматирование текста вопросов и ответов"));
    ScreenTips::set(actFormat, {QStringLiteral("Отменить форматирование"),
                                {QStringLiteral("Отменить форматирование текста ответов: "),
                                 QStringLiteral("1. выделение цветом;"),
                                 QStringLiteral("2. подчёркивание и перечёркивание теста;"),
                                 QStringLiteral("3. реакцию системы - верно, неверно.")},
                                helpFooter});
    actOutSamopodgotovka->setToolTip(QStringLiteral("Выход из режима самоподготовки"));
    ScreenTips::set(actOutSamopodgotovka,
                    {QStringLiteral("Выход из режима самоподготовки"),
                     {QStringLiteral("Выход из режима самоподготовки на гланую страницу "),
                      QStringLiteral("Классификатора ЗОРВЕК")},
                     helpFooter});

    m_ribbon->setScheme(Ribbon::Scheme::Silver);
    const int tab = m_ribbon->addTab(QStringLiteral("Работа классификатора в режиме самоподготовки"));
    RibbonGroup* nav = m_ribbon->addGroup(tab, QStringLiteral("Навигация"));
    nav->setSmallRows(2);
    nav->addSmallAction(actFirst1Samopodgotovka);
    nav->addSmallAction(actLast1Samopodgotovka);
    nav->addSmallAction(acttNext1Samopodgotovka);
    nav->addSmallAction(actPrior1Samopodgotovka);
    RibbonGroup* answers = m_ribbon->addGroup(tab, QStringLiteral("Выбор верного ответа"));
    answers->addLargeAction(actAnswer1Samopodgotovka, QStringLiteral("Ответ №&1"));
    answers->addLargeAction(actAnswer2Samopodgotovka, QStringLiteral("Ответ №&2"));
    answers->addLargeAction(actAnswer3Samopodgotovka, QStringLiteral("Ответ №&3"));
    RibbonGroup* commands = m_ribbon->addGroup(tab, QStringLiteral("Команды управления"));
    commands->addLargeAction(actFromRazdelSamopodgotovka);
    commands->addLargeAction(actFormat);
    commands->addLargeAction(actOutSamopodgotovka);
}

void TfrmBGD_Samopodgotovka::applyLook()
{
    using namespace SectionStyle;
    QuestionPage* page = DBCtrlGrid1;
    setBackground(page, palette().color(QPalette::Inactive, QPalette::Highlight).lighter(170));
    setBackground(page->content(), page->palette().color(QPalette::Window));
    setTextLook(Label1, Qt::blue, labelFont(QString(), true, true));
    setNumberBoxLook(DBEdit);
    setTextLook(Label6, QColor(0, 0, 128), labelFont(QStringLiteral("Times New Roman"), true, false));
    for (QLabel* label : {page->Label2, page->Label3, page->Label4})
        setTextLook(label, Qt::blue, labelFont(QString(), true, true));
    const QColor buttonFace = palette().color(QPalette::Button);
    for (MemoBox* memo : page->textBoxes())
        setMemoLook(memo, Qt::black, buttonFace, memoFont(16));
}

bool TfrmBGD_Samopodgotovka::FormShow()
{
    Global::PokazPodskazki = 1;
    if (!openSection())
        return false;
    Label1->setText(QStringLiteral("Вопрос №"));
    resetFeedback();
    return true;
}

void TfrmBGD_Samopodgotovka::revealAnswer(int k)
{
    MemoBox* box = DBCtrlGrid1->answerBox(k);
    FlagLabel* flag = DBCtrlGrid1->flagLabel(k);
    const QString flagText = flag->text();
    Global::Stroka = AnswerFlag::prefix(flagText);
    flag->setVisible(true);
    mark(k)->setText(AnswerFlag::mark(AnswerFlag::classify(flagText)));
    mark(k)->setVisible(true);
    QFont font = box->font();
    QColor colour;
    switch (AnswerFlag::classify(flagText)) {
    case AnswerFlag::Verdict::Right:
        colour = rightColor();
        font.setBold(true);
        font.setUnderline(true);
        box->setFont(font);
        flag->setFont(font);
        break;
    case AnswerFlag::Verdict::Wrong:
    case AnswerFlag::Verdict::Incomplete:
        colour = AnswerFlag::classify(flagText) == AnswerFlag::Verdict::Incomplete ? incompleteColor()
                                                                                   : wrongColor();
        font.setBold(true);
        font.setItalic(true);
        font.setStrikeOut(true);
        box->setFont(font);
        font.setStrikeOut(false);
        flag->setFont(font);
        break;
    }
    SectionStyle::setMemoTextColor(box, colour);
    SectionStyle::setTextColor(flag, colour);
}

void TfrmBGD_Samopodgotovka::resetFeedback()
{
    for (int k = 1; k <= 3; ++k) {
        MemoBox* box = DBCtrlGrid1->answerBox(k);
        SectionStyle::setMemoTextColor(box, Qt::black);
        DBCtrlGrid1->flagLabel(k)->setVisible(false);
        mark(k)->setVisible(false);
        QFont font = box->font();
        font.setBold(false);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        box->setFont(font);
    }
}

void TfrmBGD_Samopodgotovka::DBMemo_VoprosMouseEnter()
{
    DBCtrlGrid1->DBMemo_VoprosMouseEnter();
}

void TfrmBGD_Samopodgotovka::DBMemo_VoprosMouseLeave()
{
    DBCtrlGrid1->DBMemo_VoprosMouseLeave();
}
