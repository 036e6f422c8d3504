#pragma once
// Password dialog guarding the staff-only commands (the personnel table, the editing mode and the
// import). Each showing starts with an empty box; the result of the showing is Global::ParolVveden.
#include <QDialog>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class TPasswordDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);

    // The one staff password of the program.
    static const QString StaffPassword;

    // Sets ParolVveden to 1 for the exact password (no trimming), otherwise shows
    // "Не верный пароль" and leaves it at 0; closes the dialog either way.
    void OKBtnClick();
    // ParolVveden 0; closes the dialog.
    void CancelBtnClick();
    // Context menu item: erases whatever is typed in the box.
    void N1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Password = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void clearPassword();
    // The dialog's width as designed, its height as the wrapped notice needs; centred.
    void fitToNotice();
};
