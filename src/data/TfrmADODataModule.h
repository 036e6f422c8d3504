#pragma once
// The one place that holds the program's database objects: the two connections, the table
// objects (Qt SQL table models) with their grid captions, and the data sources the windows bind to.
// It has little behaviour of its own: windows and flows set a table name and order on its
// objects and open them.
#include "core/server/ServerChoice.h"
#include "data/SqlTableModel.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>

class TfrmADODataModule : public QObject
{
    Q_OBJECT
public:
    explicit TfrmADODataModule(QObject* parent = nullptr);
    ~TfrmADODataModule() override;

    // The process-wide instance (the last one created and still alive).
    static TfrmADODataModule* instance();

    // Connections: the main database BGD.mdb, and the question bank of the current category.
    QSqlDatabase ADOConnectionGlb;
    QSqlDatabase ADOConnection;

    // Table objects on the main database.
    SqlTableModel* ADOGruppa = nullptr;
    SqlTableModel* ADOPersonal = nullptr;
    SqlTableModel* ADOGurnal = nullptr;
    SqlTableModel* ADOGurnalAll = nullptr;
    SqlTableModel* ADOCriterii = nullptr;
    SqlTableModel* ADOProcent = nullptr;
    SqlTableModel* ADOVoprosyToRasdely = nullptr;
    SqlTableModel* ADODolgnosty = nullptr;
    SqlTableModel* ADOOtvety = nullptr;
    // Table objects on the category bank.
    SqlTableModel* ADOVoprosy_Otvety = nullptr;
    SqlTableModel* ADORazdel = nullptr;
    SqlTableModel* ADOIndex = nullptr;

    // Query and command objects; each user points them at a connection before use
    // (ADOQuery = QSqlQuery(db)). Prefer Db::exec for statements with bound values.
    QSqlQuery ADOQuery;
    QSqlQuery ADOCommand;

    // Data sources the windows bind to.
    SqlTableModel* DataSource = nullptr;               // the main window's grid, re-pointed per table
    SqlTableModel* DataSourcePersonal = nullptr;       // ADOPersonal
    SqlTableModel* DataSourceGruppa = nullptr;         // ADOGruppa
    SqlTableModel* DataSourceGurnal = nullptr;         // ADOGurnal
    SqlTableModel* DataSourceVoprosy_Otvety = nullptr; // ADOVoprosy_Otvety
    SqlTableModel* DataSource_Otvety = nullptr;        // ADOOtvety

    // Opens BGD.mdb of `folder` (ending with a separator) on ADOConnectionGlb:
    // sets PathBD and StrConnect. Throws DbError naming the file when it cannot be used.
    void openMainDatabase(const QString& folder);

    // Points a table object at `tableName`, orders it by `orderColumn` (ascending; none when
    // empty), reads every row and applies the grid captions. Reading every row at once ends the
    // engine's read, so the table never holds up another connection's write. Throws DbError.
    void openTable(SqlTableModel* table, const QString& tableName, const QString& orderColumn = QString());
    // Re-reads an open table object, keeping its table and order. Throws DbError.
    void refresh(SqlTableModel* table);
    // Writes the pending changes of a table object in one transaction. Throws DbError, leaving
    // the changes pending so nothing typed is lost.
    void submit(SqlTableModel* table);

    // The 0-based position of `name` among the categories in Порядковый_номер order (exact
    // match, the first wins); -1 when no category has that name. Opens ADOGruppa.
    int categoryPosition(const QString& name);
    // The category names in Порядковый_номер order. Opens ADOGruppa.
    QStringList categoryNames();

    // Connects ADOConnection to the bank of a category position in the data folder `folder`
    // (ending with a separator): sets PathBD and StrConnect, closes the bank table objects,
    // opens the file. A position outside 0..8 or an unusable file throws DbError naming it.
    void connectCategoryBank(int position, const QString& folder);
    // The same for a category name: "Категория специалиста «…» не найдена." when it is not listed.
    void connectCategoryBank(const QString& categoryName, const QString& folder);

    // The data folder: the working directory, with a trailing separator.
    static QString dataFolder();

    // The shared server named on the command line ("--server", "--station"); data modules made
    // afterwards use it. Without it a data folder's server file decides, and without that the
    // folder's database files are used.
    static void setCommandLineServer(const Server::Choice& choice);
    // The choice in effect for a data folder: the command line's fields over the folder's file.
    // Throws DbError when the file cannot be read or is malformed.
    static Server::Choice serverChoiceFor(const QString& folder);

    // Whether this data module works on the shared server (decided when it is made, from the
    // data folder in the working directory).
    bool onServer() const { return m_server.onServer(); }
    const Server::Choice& server() const { return m_server; }

private:
    void openServerBank(int position, const QString& folder);

    Server::Choice m_server;
    QString m_serverProblem;  // why the data folder's server file cannot be used

    SqlTableModel* makeTable(const QString& objectName, const QSqlDatabase& db);
    void setCaptions();
    static void readAll(SqlTableModel* table);
};
