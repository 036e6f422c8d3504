#include "view/TfrmBGD_View.h"

#include "ui/question/BoundWidgets.h"
#include "ui/question/SectionOpener.h"
#include "ui/question/SectionStyle.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TfrmBGD_View::TfrmBGD_View(QWidget* parent) : QuestionBrowseDialog(QuestionPage::FlagKind::Labels, parent)
{
    setObjectName(QStringLiteral("TfrmBGD_View"));
    setProperty("helpTopic", 1);
    // The flags are always shown: the reader sees the right answers at once.
    for (FlagLabel* flag : {DBText1, DBText2, DBText3})
        flag->setVisible(true);
    buildRibbon();
    applyLook();
    FormCreate();
}

void TfrmBGD_View::FormCreate()
{
    SectionOpener::sizeToWorkArea(this);
}

void TfrmBGD_View::buildRibbon()
{
    actFirstView = makeAction(QStringLiteral("actFirstView"), QStringLiteral("Первая"));
    actPriorView = makeAction(QStringLiteral("actPriorView"), QStringLiteral("Предыдущая"));
    acttNextView = makeAction(QStringLiteral("acttNextView"), QStringLiteral("Следующая"));
    actLastView = makeAction(QStringLiteral("actLastView"), QStringLiteral("Последняя"));
    actFromRazdelView = makeAction(QStringLiteral("actFromRazdelView"), QStringLiteral("Выход из раздела"));
    actOutView = makeAction(QStringLiteral("actOutView"), QStringLiteral("Выход из режима просмотра"));
    connect(actFirstView, &QAction::triggered, this, [this] { actFirstViewExecute(); });
    connect(actPriorView, &QAction::triggered, this, [this] { actPriorViewExecute(); });
    connect(acttNextView, &QAction::triggered, this, [this] { acttNextViewExecute(); });
    connect(actLastView, &QAction::triggered, this, [this] { actLastViewExecute(); });
    connect(actFromRazdelView, &QAction::triggered, this, [this] { actFromRazdelViewExecute(); });
    connect(actOutView, &QAction::triggered, this, [this] { actOutViewExecute(); });
    setNavigationActions(actFirstView, actPriorView, acttNextView, actLastView);

    actFromRazdelView->setToolTip(QStringLiteral("Выход из раздела для перехода в другой раздел"));
    ScreenTips::set(actFromRazdelView, {QStringLiteral("Выход из раздела"),
                                        {QStringLiteral("Выход из раздела для перехода в другой раздел")},
                                        ScreenTips::HelpFooter});
    actOutView->setToolTip(QStringLiteral("Выход из режима просмотра"));
    ScreenTips::set(actOutView, {QStringLiteral("Выход из режима просмотра"),
                                 {QStringLiteral("Выход из режима просмотра")},
                                 ScreenTips::HelpFooter});

    m_ribbon->setScheme(Ribbon::Scheme::Obsidian);
    const int tab = m_ribbon->addTab(QStringLiteral("Работа классификатора в режиме просмотра"));
    RibbonGroup* nav = m_ribbon->addGroup(tab, QStringLiteral("Навигация"));
    nav->setSmallRows(2);
    nav->addSmallAction(actFirstView);
    nav->addSmallAction(actLastView);
    nav->addSmallAction(acttNextView);
    nav->addSmallAction(actPriorView);
    RibbonGroup* exits = m_ribbon->addGroup(tab, QStringLiteral("Отмена форматирования, выход"));
    exits->addLargeAction(actFromRazdelView);
    exits->addLargeAction(actOutView);
}

void TfrmBGD_View::applyLook()
{
    using namespace SectionStyle;
    QuestionPage* page = DBCtrlGrid1;
    setBackground(page, Qt::gray);
    setBackground(page->content(), Qt::gray);
    const QColor yellow(255, 255, 0);
    for (QFrame* bar : {page->Panel1, page->Panel2, page->Panel3, page->Panel4})
        setBackground(bar, QColor(64, 64, 64));
    setTextLook(Label1, yellow, labelFont(QStringLiteral("Times New Roman"), true, true));
    setSectionLabelLook(Label6, yellow, labelFont(QStringLiteral("Times New Roman"), true, true));
    page->setSourceTipsVisible(true);
    for (QLabel* tip : {page->QuestionTip, page->AnswerTip})
        setTextColor(tip, yellow);
    setNumberBoxLook(DBEdit);
    for (QLabel* label : {page->Label2, page->Label3, page->Label4})
        setTextLook(label, yellow, labelFont(QStringLiteral("Tahoma"), true, true));
    QFont flagFont(QStringLiteral("Times New Roman"));
    flagFont.setPixelSize(16);
    flagFont.setBold(true);
    for (FlagLabel* flag : {DBText1, DBText2, DBText3})
        setTextLook(flag, yellow, flagFont);
    for (MemoBox* memo : page->textBoxes())
        setMemoLook(memo, Qt::white, memoColor(), memoFont(17));
}

bool TfrmBGD_View::FormShow()
{
    if (!openSection())
        return false;
    Label1->setText(QStringLiteral("Вопрос №"));
    return true;
}

void TfrmBGD_View::DBMemo_VoprosMouseEnter()
{
    DBCtrlGrid1->DBMemo_VoprosMouseEnter();
}

void TfrmBGD_View::DBMemo_VoprosMouseLeave()
{
    DBCtrlGrid1->DBMemo_VoprosMouseLeave();
}
