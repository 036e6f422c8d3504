#pragma once
// Which data folder the program works in, decided before the main window opens:
//   1. "--data DIR" on the command line, when DIR holds BGD.mdb;
//   2. the working directory, when it holds BGD.mdb (as the program has always started);
//   3. the folder chosen at an earlier start, when it still holds BGD.mdb;
//   4. otherwise the start window asks (open a folder, create a new unit database, make a demo
//      folder).
// The chosen folder becomes the working directory, where every part of the program takes its
// database files from. No database file is ever created here except on the user's choice.
#include <QString>
#include <QStringList>

class QSettings;

namespace DataFolderStart {

// The settings key of the folder chosen at an earlier start.
inline const QString RememberedKey = QStringLiteral("dataFolder/last");

// Whether `folder` holds the main database file, or a server file naming the shared server.
bool holdsMainDatabase(const QString& folder);

// The value of "--data DIR" or "--data=DIR"; empty when not given.
QString dataArgument(const QStringList& arguments);

struct Decision
{
    QString folder; // the folder to work in; empty when the start window must ask
    QString notice; // why a folder asked for could not be taken (shown in the start window)
};
Decision decide(const QStringList& arguments, const QString& workingDirectory, const QSettings& settings);

// Remembers `folder` for the next start.
void remember(QSettings& settings, const QString& folder);

// The whole start: decides, shows the start window when needed, makes the folder the working
// directory and remembers it. False when the user leaves the start window without a folder.
bool run(const QStringList& arguments);

} // namespace DataFolderStart
