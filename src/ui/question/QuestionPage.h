#pragma once
// One question per page of a section table (the panel grid of the self-training window, the
// viewer and the editor): the header bar with the question number and the section label, the
// question box, three answer headers with their flag controls and three answer boxes, bound to the
// section's table object through a QDataWidgetMapper, with a vertical scroll bar.
//
// The page never moves by itself: its scroll bar and keys (arrows, Page Up/Down, Home/End) only
// ask the window to move, so that the window's navigation commands and their rules apply to every
// move. The number box is display-only and not bound for writing.
#include <QFrame>
#include <QWidget>

class FlagComboBox;
class QAbstractItemModel;
class FlagLabel;
class MemoBox;
class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class QScrollBar;
class SqlTableModel;

class QuestionPage : public QFrame
{
    Q_OBJECT
public:
    // Flag labels (self-training, viewer) or flag boxes (editor).
    enum class FlagKind { Labels, ComboBoxes };
    enum class Move { First, Prior, Next, Last };

    explicit QuestionPage(FlagKind kind, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* DBEdit = nullptr;
    QLabel* Label6 = nullptr;
    // Tip markers beside the number box and the first answer's header: where the question and
    // its answer come from. Hidden unless the window shows them.
    QLabel* QuestionTip = nullptr;
    QLabel* AnswerTip = nullptr;
    MemoBox* DBMemo_Vopros = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    FlagLabel* DBText1 = nullptr; // FlagKind::Labels
    FlagLabel* DBText2 = nullptr;
    FlagLabel* DBText3 = nullptr;
    FlagComboBox* DBComboBox_Otvet1 = nullptr; // FlagKind::ComboBoxes
    FlagComboBox* DBComboBox_Otvet2 = nullptr;
    FlagComboBox* DBComboBox_Otvet3 = nullptr;
    MemoBox* DBMemo_Otvet1 = nullptr;
    MemoBox* DBMemo_Otvet2 = nullptr;
    MemoBox* DBMemo_Otvet3 = nullptr;
    QScrollBar* ScrollBar = nullptr;

    MemoBox* answerBox(int k) const; // k = 1..3
    FlagLabel* flagLabel(int k) const;
    FlagComboBox* flagBox(int k) const;
    QList<MemoBox*> textBoxes() const; // question and the three answers
    void setSourceTipsVisible(bool visible);
    // The frame the answers sit in (the editor lays its picture over it).
    QWidget* content() const { return m_content; }

    // Binds the boxes to the fields of a section table object and shows its first row.
    void bind(SqlTableModel* model);
    // Lets go of the table object when the window closes: the object is shared with the other
    // windows, and their changes must not reach this page's boxes while it is hidden.
    void unbind();
    SqlTableModel* model() const { return m_model; }
    QDataWidgetMapper* mapper() const { return m_mapper; }
    // Maps a further widget (the editor's picture box) to a field by a property.
    void addMapping(QWidget* widget, const QString& field, const QByteArray& property);

    int rowCount() const;
    int currentRow() const { return m_row; } // -1 when the section is empty
    // Shows a row (clamped to the section); re-reads the boxes from the table object.
    void showRow(int row);
    // Sets a field of the current row in the table object without counting it as typing.
    void setFieldValue(const QString& field, const QVariant& value);
    QVariant fieldValue(const QString& field) const;

    // The question hint built from the boxes as they stand (stored line breaks).
    QString questionHint() const;
    // Hint display on the question box, as the mouse enters and leaves it.
    void setHintEnabled(bool enabled) { m_hintEnabled = enabled; }
    void DBMemo_VoprosMouseEnter();
    void DBMemo_VoprosMouseLeave();

    // The page's own key moves; true when the key was one of them.
    bool handleMoveKey(int key);

signals:
    void moveRequested(QuestionPage::Move move);
    // The scroll bar's slider was dropped on a row.
    void jumpRequested(int row);
    // The user typed into a box that accepts typing.
    void userEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QLabel* makeSourceTip(QWidget* bar, const QString& name, const QString& header);
    QFrame* makeBar(const QString& name, QLabel*& label, const QString& labelName, const QString& caption);
    void onScrollAction(int action);
    void syncScrollBar();
    void watchTyping(QWidget* w);

    FlagKind m_kind;
    QWidget* m_content = nullptr;
    SqlTableModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    QAbstractItemModel* m_idle = nullptr; // bound while the window is closed
    int m_row = -1;
    int m_populating = 0;
    bool m_hintEnabled = false;
};

// The page's text controls, under the names the windows carry them by (their handlers and the
// tests reach the page through these).
struct QuestionPageControls
{
    QLabel* Label1 = nullptr;
    QLineEdit* DBEdit = nullptr;
    QLabel* Label6 = nullptr; // section caption, set and shown by the chooser
    MemoBox* DBMemo_Vopros = nullptr;
    MemoBox* DBMemo_Otvet1 = nullptr;
    MemoBox* DBMemo_Otvet2 = nullptr;
    MemoBox* DBMemo_Otvet3 = nullptr;

protected:
    void takeControls(const QuestionPage* page);
};
