#pragma once
// Question bank editor: one question per page of a section. The section's registered questions
// (the first KolVoprosovPoRazdelu in Индекс order, on which the exam relies) stay locked; new
// questions are appended after them with the next free Индекс and can be edited, given flags and
// pictures. Every change is written in one transaction; a change still pending is saved before any
// move or exit, and when saving fails the editor says why and stays where it is.
#include "ui/question/QuestionPage.h"

#include <QDialog>
#include <QSet>

class FlagComboBox;
class QLabel;
class PhotoBox;
class QAction;
class Ribbon;
class SqlTableModel;

class TfrmBGD_Editor : public QDialog, public QuestionPageControls
{
    Q_OBJECT
public:
    explicit TfrmBGD_Editor(QWidget* parent = nullptr);

    enum class State { Browse, Edit, Insert };

    QuestionPage* DBCtrlGrid1 = nullptr;
    FlagComboBox* DBComboBox_Otvet1 = nullptr;
    FlagComboBox* DBComboBox_Otvet2 = nullptr;
    FlagComboBox* DBComboBox_Otvet3 = nullptr;
    PhotoBox* DBImage_Photo = nullptr;
    // Says why the page takes no typing while it is locked.
    QLabel* LabelLock = nullptr;

    QAction* actOutEditor = nullptr;
    QAction* actOutRazdel_Editor = nullptr;
    QAction* actNextEdtor = nullptr;
    QAction* actPrevEditor = nullptr;
    QAction* actFirstEditor = nullptr;
    QAction* actLast = nullptr;
    QAction* DataSetAppendEditor = nullptr;
    QAction* DataSetDeleteEditor = nullptr;
    QAction* DataSetEdit_Editor = nullptr;
    QAction* DataSetPostEditor = nullptr;
    QAction* DataSetCancelEditor = nullptr;
    QAction* DataSetRefreshEditor = nullptr;
    QAction* actImage_Editor = nullptr;
    QAction* actViewHide_Image = nullptr;

    void FormCreate();
    // Opens the section; false (message shown) when the bank, the section or its registered
    // count cannot be read: the editor then stays closed.
    bool FormShow();
    int exec() override;

    void actOutEditorExecute();
    void actOutRazdel_EditorExecute();
    void actNextEdtorExecute();
    void actPrevEditorExecute();
    void actFirstEditorExecute();
    void actLastExecute();
    void DataSetAppendEditorExecute();
    void DataSetDeleteEditorExecute();
    void DataSetEdit_EditorExecute();
    bool DataSetPostEditorExecute();
    void DataSetCancelEditorExecute();
    void DataSetRefreshEditorExecute();
    void actImage_EditorExecute();
    void actViewHide_ImageExecute();

    State state() const { return m_state; }
    bool isLocked() const { return m_locked; }
    // Whether the boxes take typing now (unlocked page, question not a registered one).
    bool pageEditable() const;
    // Whether the question shown was added since the page was shown.
    bool addedSinceShown() const;
    // 1-based position of the question shown in Индекс order; 0 in an empty section.
    int position() const;
    bool hasPendingChange() const;
    bool isPictureShown() const;

    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    void buildRibbon();
    void applyLook();
    SqlTableModel* table() const;
    // Saves a pending change; false when it could not be saved (the message has been shown).
    bool savePending();
    void moveTo(int position);
    void afterChange();
    void applyLock();
    // The locked page's look: grey boxes and the note.
    void showLock(bool locked);
    void updateCommands();
    void showRowOfIndex(const QVariant& index, int fallbackRow);
    void placePicture();
    void jumpTo(int row);

    Ribbon* m_ribbon = nullptr;
    State m_state = State::Browse;
    bool m_locked = true;
    bool m_open = false;
    // Индекс of the questions added since the page was shown: editable, never registered.
    QSet<int> m_added;
};
