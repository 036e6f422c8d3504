#pragma once
// The main window: a ribbon of commands over a background picture that a data grid replaces
// when a reference table is shown. Closing it ends the program.
#include <QHash>
#include <QMainWindow>

class DataGrid;
class PickListDelegate;
class QAction;
class QLabel;
class Ribbon;
class SqlTableModel;

class TfrmClassificatorZorvek : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmClassificatorZorvek(QWidget* parent = nullptr);
    ~TfrmClassificatorZorvek() override;

    // Start-up work: hint settings, PathExe, PathBD, StrConnect, the main database opened from
    // the working directory.
    void FormCreate();
    // Closes the help window.
    void FormClose();
    // Leaving the third tab for the first or the second hides the grid behind the picture.
    void Ribbon1TabChange(int newIndex, int oldIndex);

    // Modes.
    void actViewExeExecute();
    void actSelf_trainingExeExecute();
    void actEditorExeExecute();
    // The exam sequence.
    void actExamenationExeExecute();
    // Filling a section of a bank from a text file, behind the password.
    void actLoadTextExecute();
    void actCloseExecute();

    // Help topics 1..5.
    void actViewExecute();
    void actExamenationExecute();
    void actSelf_trainingExecute();
    void actEditorExecute();
    void actPersonal_EditorExecute();

    // Reference tables shown in the grid.
    void actPersonalExecute();
    void actCategoriiExecute();
    void actCriteriiExecute();
    void actDopuskiExecute();
    void actVoprosyToRazdelyExecute();
    void actGurnalAllExecute();
    // The staff list brought in from a CSV or XLSX file, after the password and a preview.
    void actStaffImportExecute();

    // A command of this window by its object name (nullptr when there is none).
    QAction* action(const QString& name) const;

    Ribbon* Ribbon1 = nullptr;
    QLabel* Image1 = nullptr;
    DataGrid* DBGrid = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void buildRibbon();
    void connectHandlers();
    void updateBackground();

    void startMode(quint8 regim);
    bool passwordConfirmed();
    void printItem(const QString& itemName);
    void showTable(SqlTableModel* table, const QString& tableName, const QString& orderColumn, bool editable);
    void fillPersonalPickLists();
    void clearPickLists();
    // Unsaved changes of the shown table are saved or dropped as the user answers; false when
    // saving failed (the changes stay pending and the table stays shown).
    bool settlePendingChanges();
    // Posts one pending row of the shown table: an untouched new row is dropped, a personnel row
    // without ФИО is refused (the message names the column). False when the row stays pending.
    bool postRow(int row);
    // The grid's cursor leaves `row` for `*toRow`: the row is posted first (see DataGrid).
    bool leaveRow(int row, int* toRow);
    void updateEditingCommands();
    SqlTableModel* shownTable() const;

    // Navigation and editing of the shown table.
    void moveToRow(int row);
    void gridInsert();
    void gridDelete();
    void gridEdit();
    void gridPost();
    void gridCancel();
    void gridRefresh();

    QHash<QString, QAction*> m_actions;
    PickListDelegate* m_categoryList = nullptr;
    PickListDelegate* m_systemList = nullptr;
    PickListDelegate* m_groupList = nullptr;
    QPixmap* m_background = nullptr;
    bool m_rowWork = false;   // the program itself is changing the shown table's rows
};
