#pragma once
// Question bank viewer: one question of a section at a time, every answer's flag shown beside its
// header, in a dark-red look. No testing, no editing: the bank is never changed.
#include "ui/question/QuestionBrowseDialog.h"

class TfrmBGD_View : public QuestionBrowseDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_View(QWidget* parent = nullptr);

    QAction* actFirstView = nullptr;
    QAction* actPriorView = nullptr;
    QAction* acttNextView = nullptr;
    QAction* actLastView = nullptr;
    QAction* actFromRazdelView = nullptr;
    QAction* actOutView = nullptr;

    void FormCreate();
    bool FormShow() override;
    void actFirstViewExecute() { moveFirst(); }
    void actPriorViewExecute() { movePrior(); }
    void acttNextViewExecute() { moveNext(); }
    void actLastViewExecute() { moveLast(); }
    void actFromRazdelViewExecute() { leave(false); }
    void actOutViewExecute() { leave(true); }
    void DBMemo_VoprosMouseEnter();
    void DBMemo_VoprosMouseLeave();

    static QColor memoColor() { return QColor(128, 0, 0); }

private:
    void buildRibbon();
    void applyLook();
};
