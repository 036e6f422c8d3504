#pragma once
// Category and section chooser: the user picks a specialist category, presses "Далее" and then
// one of the sections offered for it; the section command opens the window of the current mode.
#include <QComboBox>
#include <QDialog>

class QAction;
class QLabel;
class Ribbon;

// The category drop-down; tells when its list has closed, whether or not a pick was made.
class LookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void hidePopup() override;
signals:
    void closedUp();
};

class TfrmOpenBD : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOpenBD(QWidget* parent = nullptr);

    // The list drops down by itself whenever the window becomes active; tests switch that off.
    static inline bool autoDropDown = true;

    // Shown for the import: the mode line names the import, a section command only records the
    // section, says that the question file comes next and closes the chooser.
    int execForImport();

    void FormShow();
    void FormActivate();
    void DBLookupComboBoxCloseUp();
    void actDaleeExecute();
    void actExitExecute();
    void actRazdel1Execute() { openSection(1); }
    void actRazdel2Execute() { openSection(2); }
    void actRazdel3Execute() { openSection(3); }
    void actRazdel4Execute() { openSection(4); }
    void actRazdel5Execute() { openSection(5); }
    void actRazdel6Execute() { openSection(6); }
    void actRazdel7Execute() { openSection(7); }
    void actRazdel8Execute() { openSection(8); }
    void actRazdel9Execute() { openSection(9); }

    // Section command N (1..9) of the chooser.
    QAction* razdel(int section) const { return m_razdel[section - 1]; }
    // The 1-based position of the category the drop-down shows; 0 when it shows none.
    int categoryPosition() const;
    // Selects the category at the 1-based position (as a pick from the list would).
    void pickCategory(int position);

    Ribbon* Ribbon1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    LookupComboBox* DBLookupComboBox = nullptr;
    QAction* actExit = nullptr;
    QAction* actDalee = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void buildLayout();
    void fillCategories();
    void showChosenCategory();
    void applySectionRule();
    void openSection(int section);

    QAction* m_razdel[9] = {};
    bool m_closingByCommand = false;
    bool m_forImport = false;
    bool m_leavingForImport = false;
};
