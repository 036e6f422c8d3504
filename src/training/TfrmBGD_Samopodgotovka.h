#pragma once
// Self-training window: one question of a section at a time; the answer commands reveal an
// answer's flag and mark the answer green (right), red (wrong) or orange (wrong as incomplete).
// Nothing is recorded and the bank is never changed.
#include "ui/question/QuestionBrowseDialog.h"

class QLabel;

class TfrmBGD_Samopodgotovka : public QuestionBrowseDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_Samopodgotovka(QWidget* parent = nullptr);

    QAction* actFirst1Samopodgotovka = nullptr;
    QAction* actPrior1Samopodgotovka = nullptr;
    QAction* acttNext1Samopodgotovka = nullptr;
    QAction* actLast1Samopodgotovka = nullptr;
    QAction* actAnswer1Samopodgotovka = nullptr;
    QAction* actAnswer2Samopodgotovka = nullptr;
    QAction* actAnswer3Samopodgotovka = nullptr;
    QAction* actFromRazdelSamopodgotovka = nullptr;
    QAction* actFormat = nullptr;
    QAction* actOutSamopodgotovka = nullptr;
    // Beside each answer's header once it is revealed: the verdict as a sign and a word, for a
    // trainee who cannot tell the colours apart.
    QLabel* Mark1 = nullptr;
    QLabel* Mark2 = nullptr;
    QLabel* Mark3 = nullptr;
    QLabel* mark(int k) const { return k == 1 ? Mark1 : k == 2 ? Mark2 : Mark3; }

    void FormCreate();
    bool FormShow() override;
    void actFirst1SamopodgotovkaExecute() { moveFirst(); }
    void actPrior1SamopodgotovkaExecute() { movePrior(); }
    void acttNext1SamopodgotovkaExecute() { moveNext(); }
    void actLast1SamopodgotovkaExecute() { moveLast(); }
    void actAnswer1SamopodgotovkaExecute() { revealAnswer(1); }
    void actAnswer2SamopodgotovkaExecute() { revealAnswer(2); }
    void actAnswer3SamopodgotovkaExecute() { revealAnswer(3); }
    void actFromRazdelSamopodgotovkaExecute() { leave(false); }
    void actFormatExecute() { resetFeedback(); }
    void actOutSamopodgotovkaExecute() { leave(true); }
    void DBMemo_VoprosMouseEnter();
    void DBMemo_VoprosMouseLeave();

    // The exact colours of the answer marks.
    static QColor rightColor() { return QColor(0, 128, 0); }
    static QColor wrongColor() { return QColor(255, 0, 0); }
    static QColor incompleteColor() { return QColor(255, 128, 0); }

protected:
    void resetFeedback() override;

private:
    void buildRibbon();
    void buildMarks();
    void applyLook();
    void revealAnswer(int k);
};
