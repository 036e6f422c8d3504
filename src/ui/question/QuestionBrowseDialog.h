#pragma once
// What the self-training window and the viewer share: a modal window over one section, one
// question per page, the four navigation commands with the beginning/end marks, the two exits
// (leave the section: back to the chooser; leave the mode: close the chooser too). Neither window
// ever writes to the bank: its boxes take no typing, the page's mapper never submits, and the
// section's table object refuses edits while the window is open.
#include "core/question/RecordCursor.h"
#include "ui/question/QuestionPage.h"

#include <QDialog>

class FlagLabel;
class QAction;
class Ribbon;

class QuestionBrowseDialog : public QDialog, public QuestionPageControls
{
    Q_OBJECT
public:
    QuestionBrowseDialog(QuestionPage::FlagKind kind, QWidget* parent);

    QuestionPage* DBCtrlGrid1 = nullptr;
    // The flag labels beside the answer headers.
    FlagLabel* DBText1 = nullptr;
    FlagLabel* DBText2 = nullptr;
    FlagLabel* DBText3 = nullptr;

    // Opens the section and shows the window modally; stays closed when the section cannot be
    // opened (the message has been shown).
    int exec() override;
    virtual bool FormShow() = 0;

    const Question::RecordCursor& cursor() const { return m_cursor; }

    void done(int result) override;
    // Escape and the title-bar close button leave the section.
    void reject() override;

protected:
    // Runs before every move and exit (the self-training window hides its revealed flags).
    virtual void resetFeedback() {}
    // Connects the bank, opens the section, binds the page and shows its first question.
    bool openSection();
    void setNavigationActions(QAction* first, QAction* prior, QAction* next, QAction* last);
    void moveFirst();
    void movePrior();
    void moveNext();
    void moveLast();
    void jumpTo(int row);
    // Leaves the section; with `alsoChooser` also the chooser (back to the main window).
    void leave(bool alsoChooser);
    QAction* makeAction(const QString& name, const QString& text);
    void showEvent(QShowEvent* event) override;

    Ribbon* m_ribbon = nullptr;

private:
    void afterMove();

    Question::RecordCursor m_cursor;
    QAction* m_first = nullptr;
    QAction* m_prior = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
    bool m_readOnlyHeld = false;
};
