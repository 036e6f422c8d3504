#pragma once
// The start window, shown when the program finds no data folder: open an existing data folder,
// create a new unit database in an empty folder, or make a demo folder. The window closes with
// the chosen folder (which then holds BGD.mdb).
#include <QDialog>
#include <functional>

class QCommandLinkButton;
class QLabel;

class TfrmStart : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmStart(QWidget* parent = nullptr);

    // A line above the choices saying why a folder asked for was not opened; hidden when empty.
    void setNotice(const QString& text);
    // The folder chosen; empty until a choice succeeded.
    QString chosenFolder() const { return m_folder; }

    // The choices, as their buttons run them.
    void btnOpenFolderClick();
    void btnNewDatabaseClick();
    void btnDemoFolderClick();

    QLabel* Notice = nullptr;
    QCommandLinkButton* btnOpenFolder = nullptr;
    QCommandLinkButton* btnNewDatabase = nullptr;
    QCommandLinkButton* btnDemoFolder = nullptr;
    // Connecting to a unit's shared database server takes its place here; not offered yet.
    QCommandLinkButton* btnSharedServer = nullptr;

private:
    QString askFolder(const QString& caption);
    // Builds a database in an empty `folder` with `build`; true when it is there.
    bool createIn(const QString& folder, const std::function<void(const QString&)>& build);
    void choose(const QString& folder);

    QString m_folder;
};
