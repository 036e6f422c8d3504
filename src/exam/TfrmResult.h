#pragma once
// Examinee registration and result window: before the exam it copies the chosen worker into the
// journal row and loads the category's criteria; after it, it grades the answers and enters the
// row in the knowledge-check journal.
#include <QDialog>

class ExamFlow;
class QAction;
class QCalendarWidget;
class QComboBox;
class QFrame;
class QLineEdit;
class QTableView;
class Ribbon;

class TfrmResult : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmResult(QWidget* parent = nullptr);

    void setFlow(ExamFlow* flow) { m_flow = flow; }

    Ribbon* ribbon = nullptr;
    QAction* actExamenationOut = nullptr;
    QAction* actFIO = nullptr;
    QAction* actFIOPost = nullptr;
    QAction* actExamenationBegin = nullptr;
    QAction* actResultView = nullptr;
    QAction* actDetail = nullptr;
    QAction* actExitResult = nullptr;

    QFrame* DBCtrlGrid1 = nullptr;
    QLineEdit* DBEdit1 = nullptr;    // ФИО
    QLineEdit* DBEdit2 = nullptr;    // Должность
    QLineEdit* DBEdit3 = nullptr;    // Наименование_подразделения
    QLineEdit* DBEdit4 = nullptr;    // Категория_специалиста
    QLineEdit* DBEdit5 = nullptr;    // Результат_проверки_знаний (editable)
    QLineEdit* DBEdit6 = nullptr;    // Дата_предыдущей_проверки
    QLineEdit* DBEdit7 = nullptr;    // Оценка
    QLineEdit* DBEdit8 = nullptr;    // Количество_вопросов
    QLineEdit* DBEdit9 = nullptr;    // Количество_верных_ответов
    QLineEdit* DBEdit10 = nullptr;   // Количество_неверных_ответов
    QLineEdit* DBEdit11 = nullptr;   // Дата_проверки
    QLineEdit* DBEdit12 = nullptr;   // Дата_следующей_проверки
    QComboBox* DBComboBox1 = nullptr;  // Причина_проверки_знаний
    QComboBox* DBComboBox2 = nullptr;  // Система_тока
    QComboBox* DBComboBox3 = nullptr;  // Стаж_работы_в_должности
    QCalendarWidget* MonthCalendar1 = nullptr;
    QTableView* DBGrid1 = nullptr;

    // The two stages the exam sequence shows the window in.
    void setRegistrationStage();
    void setResultsStage();

    void FormShow();
    // The closing checks; false when the window must stay open (an engine error was shown).
    bool FormClose();
    void DBComboBox1Change();
    void DBEdit2Change() { updateBegin(); }
    void DBEdit3Change() { updateBegin(); }
    void DBEdit4Change() { updateBegin(); }
    void actExamenationOutExecute();
    void actFIOExecute();
    void actFIOPostExecute();
    void actExamenationBeginExecute();
    void actResultViewExecute();
    void actDetailExecute();
    void actExitResultExecute();

    // Selects the personnel list's row of a worker; false when the list has no such Код.
    bool selectWorker(int code);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildRibbon();
    void buildBoxes();
    void showJournal();
    void updateBegin();
    void closeByCommand();

    ExamFlow* m_flow = nullptr;
    bool m_closing = false;
    bool m_loading = false;
    bool m_resultsStage = false;
};
