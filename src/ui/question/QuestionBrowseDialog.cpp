#include "ui/question/QuestionBrowseDialog.h"

#include "app/Forms.h"
#include "core/AppInfo.h"
#include "data/TfrmADODataModule.h"
#include "select/TfrmOpenBD.h"
#include "ui/question/BoundWidgets.h"
#include "ui/question/SectionOpener.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QVBoxLayout>

QuestionBrowseDialog::QuestionBrowseDialog(QuestionPage::FlagKind kind, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(
        QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
    m_ribbon = new Ribbon(this);
    m_ribbon->setCaption(windowTitle());
    DBCtrlGrid1 = new QuestionPage(kind, this);
    DBCtrlGrid1->setHintEnabled(true);
    takeControls(DBCtrlGrid1);
    DBText1 = DBCtrlGrid1->DBText1;
    DBText2 = DBCtrlGrid1->DBText2;
    DBText3 = DBCtrlGrid1->DBText3;
    for (MemoBox* memo : DBCtrlGrid1->textBoxes())
        memo->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_ribbon);
    layout->addWidget(DBCtrlGrid1, 1);

    connect(DBCtrlGrid1, &QuestionPage::moveRequested, this, [this](QuestionPage::Move move) {
        switch (move) {
        case QuestionPage::Move::First:
            moveFirst();
            break;
        case QuestionPage::Move::Prior:
            movePrior();
            break;
        case QuestionPage::Move::Next:
            moveNext();
            break;
        case QuestionPage::Move::Last:
            moveLast();
            break;
        }
    });
    connect(DBCtrlGrid1, &QuestionPage::jumpRequested, this, &QuestionBrowseDialog::jumpTo);
    SectionOpener::sizeToWorkArea(this);
}

QAction* QuestionBrowseDialog::makeAction(const QString& name, const QString& text)
{
    auto* action = new QAction(Icons::icon(name), text, this);
    action->setObjectName(name);
    addAction(action);
    return action;
}

int QuestionBrowseDialog::exec()
{
    if (!FormShow())
        return QDialog::Rejected;
    return QDialog::exec();
}

void QuestionBrowseDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    DBCtrlGrid1->setFocus();
}

bool QuestionBrowseDialog::openSection()
{
    if (!SectionOpener::open(this))
        return false;
    SqlTableModel* table = Forms::frmADODataModule->ADOVoprosy_Otvety;
    table->setReadOnly(true);
    m_readOnlyHeld = true;
    DBCtrlGrid1->bind(table);
    m_cursor.open(DBCtrlGrid1->rowCount());
    afterMove();
    DBCtrlGrid1->setVisible(true);
    DBCtrlGrid1->setFocus();
    return true;
}

void QuestionBrowseDialog::setNavigationActions(QAction* first, QAction* prior, QAction* next, QAction* last)
{
    m_first = first;
    m_prior = prior;
    m_next = next;
    m_last = last;
}

void QuestionBrowseDialog::afterMove()
{
    DBCtrlGrid1->showRow(m_cursor.row());
    if (m_first) {
        m_first->setEnabled(m_cursor.canGoBack());
        m_prior->setEnabled(m_cursor.canGoBack());
        m_next->setEnabled(m_cursor.canGoForward());
        m_last->setEnabled(m_cursor.canGoForward());
    }
}

void QuestionBrowseDialog::moveFirst()
{
    resetFeedback();
    m_cursor.first();
    afterMove();
}

void QuestionBrowseDialog::movePrior()
{
    resetFeedback();
    m_cursor.prior();
    afterMove();
}

void QuestionBrowseDialog::moveNext()
{
    resetFeedback();
    m_cursor.next();
    afterMove();
}

void QuestionBrowseDialog::moveLast()
{
    resetFeedback();
    m_cursor.last();
    afterMove();
}

void QuestionBrowseDialog::jumpTo(int row)
{
    resetFeedback();
    m_cursor.goTo(row);
    afterMove();
}

void QuestionBrowseDialog::leave(bool alsoChooser)
{
    resetFeedback();
    done(QDialog::Rejected);
    if (alsoChooser && Forms::frmOpenBD)
        Forms::frmOpenBD->reject();
}

void QuestionBrowseDialog::done(int result)
{
    // The section's table object is shared: give the other windows back its edits.
    if (m_readOnlyHeld && Forms::frmADODataModule) {
        Forms::frmADODataModule->ADOVoprosy_Otvety->setReadOnly(false);
        m_readOnlyHeld = false;
    }
    DBCtrlGrid1->unbind();
    QDialog::done(result);
}

void QuestionBrowseDialog::reject()
{
    leave(false);
}
