#pragma once
// Question bank viewer: one question of a section at a time, every answer's flag shown beside its
// header, in a dark-red look. No testing, no editing: the bank is never changed.
#include "ui/question/QuestionBrowseDialog.h"

class FlagLabel;
class MemoBox;
class QLabel;
class QLineEdit;

class TfrmBGD_View : public QuestionBrowseDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_View(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* DBEdit = nullptr;
    QLabel* Label6 = nullptr; // section caption, set and shown by the chooser
    MemoBox* DBMemo_Vopros = nullptr;
    MemoBox* DBMemo_Otvet1 = nullptr;
    MemoBox* DBMemo_Otvet2 = nullptr;
    MemoBox* DBMemo_Otvet3 = nullptr;
    FlagLabel* DBText1 = nullptr;
    FlagLabel* DBText2 = nullptr;
    FlagLabel* DBText3 = nullptr;

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
