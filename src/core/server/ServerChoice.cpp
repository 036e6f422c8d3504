#include "core/server/ServerChoice.h"

#include <QRegularExpression>

namespace Server {

namespace {

const QString ServerOption = QStringLiteral("--server");
const QString StationOption = QStringLiteral("--station");

bool namesPassword(const QString& conninfo)
{
    static const QRegularExpression password(QStringLiteral("(^|\\s)password\\s*="),
                                             QRegularExpression::CaseInsensitiveOption);
    return conninfo.contains(password)
           || conninfo.contains(QRegularExpression(QStringLiteral("^postgres(ql)?://[^/@]*:[^/@]*@")));
}

} // namespace

Options takeOptions(const QStringList& args)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        QString name = a;
        QString value;
        bool inline_ = false;
        const int eq = a.indexOf(QLatin1Char('='));
        if (a.startsWith(QLatin1String("--")) && eq > 0) {
            name = a.left(eq);
            value = a.mid(eq + 1);
            inline_ = true;
        }
        if (name != ServerOption && name != StationOption) {
            o.rest << a;
            continue;
        }
        if (!inline_) {
            if (i + 1 >= args.size()) {
                o.error = name == ServerOption ? QStringLiteral("После «--server» нужна строка подключения к серверу.")
                                               : QStringLiteral("После «--station» нужно имя станции.");
                continue;
            }
            value = args.at(++i);
        }
        value = value.trimmed();
        if (value.isEmpty()) {
            o.error = QStringLiteral("Параметр «%1» задан пустым.").arg(name);
            continue;
        }
        if (name == ServerOption)
            o.choice.conninfo = value;
        else
            o.choice.station = normalStationName(value);
    }
    return o;
}

Choice merged(const Choice& commandLine, const Choice& fromFile)
{
    Choice c = fromFile;
    if (!commandLine.conninfo.isEmpty())
        c.conninfo = commandLine.conninfo;
    if (!commandLine.station.isEmpty())
        c.station = commandLine.station;
    return c;
}

QString normalStationName(const QString& name)
{
    QString n = name.trimmed();
    for (QChar& c : n) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return n;
}

QString stationNameProblem(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z][a-z0-9_]*$"));
    if (name.isEmpty())
        return QStringLiteral("Имя станции не задано.");
    if (name.size() > MaxStationName || !pattern.match(name).hasMatch())
        return QStringLiteral("Имя станции «%1» не подходит: допустимы латинские буквы, цифры и знак «_», "
                              "первой должна быть буква, всего не больше %2 знаков.")
            .arg(name)
            .arg(MaxStationName);
    return QString();
}

QString choiceProblem(const Choice& choice, bool needStation)
{
    if (!choice.onServer()) {
        if (!choice.station.isEmpty())
            return QStringLiteral("Станция «%1» задана, а сервер нет: укажите «--server» или строку «server» в файле «%2» "
                                  "папки данных.")
                .arg(choice.station, FileName);
        return QString();
    }
    if (choice.station.isEmpty())
        return needStation ? QStringLiteral("Не задано имя станции: укажите «--station ИМЯ» или строку «station» в файле "
                                            "«%1» папки данных.")
                                 .arg(FileName)
                           : QString();
    return stationNameProblem(choice.station);
}

FileContents parseFile(const QString& text)
{
    FileContents f;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = body.split(QLatin1Char('\n'));
    bool seenServer = false, seenStation = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        auto fail = [&](const QString& why) {
            f.error = QStringLiteral("Файл «%1», строка %2: %3").arg(FileName).arg(i + 1).arg(why);
            return f;
        };
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            return fail(QStringLiteral("ожидается «server = строка подключения» или «station = имя»."));
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (value.isEmpty())
            return fail(QStringLiteral("значение «%1» пусто.").arg(key));
        if (key == QLatin1String("server")) {
            if (seenServer)
                return fail(QStringLiteral("строка «server» повторяется."));
            if (namesPassword(value))
                return fail(QStringLiteral("в строке подключения записан пароль. Пароль не хранится в папке данных: "
                                           "задайте его в файле ~/.pgpass (или pg_service.conf) на этом компьютере."));
            seenServer = true;
            f.choice.conninfo = value;
        } else if (key == QLatin1String("station")) {
            if (seenStation)
                return fail(QStringLiteral("строка «station» повторяется."));
            seenStation = true;
            f.choice.station = normalStationName(value);
        } else {
            return fail(QStringLiteral("неизвестный параметр «%1» (допустимы «server» и «station»).").arg(key));
        }
    }
    return f;
}

QString formatFile(const Choice& choice)
{
    QString text = QStringLiteral("# Общий сервер этой папки данных (строка подключения libpq) и имя станции.\n");
    if (!choice.conninfo.isEmpty())
        text += QStringLiteral("server = ") + choice.conninfo + QLatin1Char('\n');
    if (!choice.station.isEmpty())
        text += QStringLiteral("station = ") + choice.station + QLatin1Char('\n');
    return text;
}

} // namespace Server
