#pragma once
// Exam window: puts the drawn questions to the examinee one at a time. Each question takes one
// confirmed answer, recorded at once in Ответы; the examinee may scroll back to read.
#include <QDialog>
#include <QList>

class ExamFlow;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class Ribbon;

class TfrmBGD_Examenation : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_Examenation(QWidget* parent = nullptr);

    // The exam the window shows; set by the exam sequence.
    void setFlow(ExamFlow* flow) { m_flow = flow; }

    Ribbon* ribbon = nullptr;
    QAction* actAnswer1Examenation = nullptr;
    QAction* actAnswer2Examenation = nullptr;
    QAction* actAnswer3Examenation = nullptr;
    QAction* actPostExamenation = nullptr;
    QAction* actOutExamenation = nullptr;

    QFrame* DBCtrlGrid1 = nullptr;
    QScrollBar* ScrollBar = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* DBEdit = nullptr;
    QLabel* TipMarker = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* LabelCount = nullptr;    // "Отвечено N из M"
    QLabel* LabelAnswered = nullptr; // the confirmed answer of the question shown
    QPlainTextEdit* DBMemo_Vopros = nullptr;
    QComboBox* DBComboBox_Otvet1 = nullptr;
    QComboBox* DBComboBox_Otvet2 = nullptr;
    QComboBox* DBComboBox_Otvet3 = nullptr;
    QPlainTextEdit* DBMemo_Otvet1 = nullptr;
    QPlainTextEdit* DBMemo_Otvet2 = nullptr;
    QPlainTextEdit* DBMemo_Otvet3 = nullptr;

    void FormCreate();
    void FormShow();
    // Prepares the exam (the draw and the working tables) and binds the window to its questions.
    void ExamenationExe();
    void Create_question_answer();
    void actAnswer1ExamenationExecute() { chooseAnswer(1); }
    void actAnswer2ExamenationExecute() { chooseAnswer(2); }
    void actAnswer3ExamenationExecute() { chooseAnswer(3); }
    void actPostExamenationExecute();
    void actOutExamenationExecute();
    void DBMemo_VoprosMouseEnter();
    void DBMemo_VoprosMouseLeave();

    // The question shown (its number in the exam, 1..count); 0 when there is none.
    int currentQuestion() const { return m_current; }
    int questionCount() const { return int(m_questions.size()); }
    void showQuestion(int number);
    QPlainTextEdit* answerBox(int n) const;
    QComboBox* flagBox(int n) const;
    // The hint over the question box, in the stored form (CR line breaks).
    QString questionHint() const;
    // Sets the text of Label6 from the journal row's category and the question count.
    void setCategoryLabel(const QString& category);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Question {
        int number = 0;
        QString text;
        QString answers[3];
        QString flags[3];
    };
    void buildRibbon();
    QWidget* buildPanel();
    void chooseAnswer(int n);
    void markAnswer(int n);
    void updateAnsweredState();
    void closeWindow();

    ExamFlow* m_flow = nullptr;
    QList<Question> m_questions;
    int m_current = 0;
    bool m_closing = false;
};
