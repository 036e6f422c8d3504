#include "core/server/ServerNames.h"

#include "core/server/ServerChoice.h"

namespace ServerNames {

namespace {
const QString StationPrefix = QStringLiteral("station_");
}

QString bankSchema(int position)
{
    if (position < 0 || position > 8)
        return QString();
    return QStringLiteral("bank_%1").arg(position + 1);
}

QString stationSchema(const QString& station)
{
    return Server::stationNameProblem(station).isEmpty() ? StationPrefix + station : QString();
}

QString stationOfSchema(const QString& schema)
{
    if (!schema.startsWith(StationPrefix))
        return QString();
    const QString name = schema.mid(StationPrefix.size());
    return Server::stationNameProblem(name).isEmpty() ? name : QString();
}

QString quoted(const QString& identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString searchPath(const QStringList& schemas)
{
    QStringList parts;
    for (const QString& s : schemas)
        parts << quoted(s);
    return parts.join(QStringLiteral(", "));
}

} // namespace ServerNames
