#pragma once
// Which database a workstation works on: the data folder's files (the default) or a shared
// PostgreSQL server, named by a libpq connection string, with this desk's station name. The choice
// comes from the command line ("--server CONNINFO", "--station NAME", in any position) and from a
// small text file in the data folder; the command line wins, field by field.
#include <QString>
#include <QStringList>

namespace Server {

struct Choice
{
    QString conninfo;  // libpq connection string ("service=zorvek", "host=… dbname=…"); empty: the files
    QString station;   // the desk's station name, as normalised by normalStationName()

    bool onServer() const { return !conninfo.isEmpty(); }
    bool operator==(const Choice&) const = default;
};

// The file in a data folder that names the server and the station.
inline const QString FileName = QStringLiteral("zorvek-server.conf");

struct Options
{
    Choice choice;      // what the arguments named (fields left empty when not given)
    QStringList rest;   // every other argument, in order
    QString error;      // empty when the options are well formed
};

// Takes "--server X", "--server=X", "--station X" and "--station=X" out of `args`, wherever they
// stand; a repeated option keeps its last value.
Options takeOptions(const QStringList& args);

// The command line's fields over the file's.
Choice merged(const Choice& commandLine, const Choice& fromFile);

// Station names are case-insensitive: the stored form is lower case.
QString normalStationName(const QString& name);
// Why a (normalised) station name cannot be used; empty when it can. Latin letters, digits and
// "_", beginning with a letter, at most MaxStationName characters: it becomes part of a schema name.
QString stationNameProblem(const QString& name);
inline constexpr int MaxStationName = 40;

// Why a choice cannot be used; empty when it can. `needStation`: the caller works in a station's
// own tables (every window and command but the server administration).
QString choiceProblem(const Choice& choice, bool needStation);

struct FileContents
{
    Choice choice;
    QString error;  // names the line; empty when the text is well formed
};

// The file's lines: "server = CONNINFO" and "station = NAME"; blank lines and lines beginning with
// "#" are ignored. A password in the connection string is refused: it would be stored in the clear.
FileContents parseFile(const QString& text);
QString formatFile(const Choice& choice);

} // namespace Server
