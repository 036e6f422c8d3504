#include "print/PrintJobs.h"

#include "core/Error.h"
#include "core/InstallPaths.h"
#include "print/JournalRows.h"
#include "print/MyWord.h"

#include <QDir>
#include <QFileInfo>

namespace PrintJobs {

namespace {

constexpr int TableFontSize = 10;

QString shown(const QString& path)
{
    return QStringLiteral("«") + QDir::toNativeSeparators(path) + QStringLiteral("»");
}

bool sameFolder(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath() ||
           QDir(a).canonicalPath() == QDir(b).canonicalPath();
}

// Saves into the program's folder; when that cannot be written, into the data folder, and says
// so. An installed program saves into the data folder at once.
Output save(MyWord& word, const QString& fileName, const Folders& folders, const QString& outFile)
{
    if (!outFile.isEmpty()) {
        word.Save(outFile);
        return {outFile, QString()};
    }
    // An installed program's folder belongs to the package, even where it could be written.
    if (InstallPaths::installed() && !folders.data.isEmpty()) {
        const QString path = QDir(folders.data).filePath(fileName);
        word.Save(path);
        return {path, QString()};
    }
    const QString primary = QDir(folders.program).filePath(fileName);
    try {
        word.Save(primary);
        return {primary, QString()};
    } catch (const zorvek::Error& first) {
        if (folders.data.isEmpty() || sameFolder(folders.program, folders.data))
            throw;
        const QString second = QDir(folders.data).filePath(fileName);
        try {
            word.Save(second);
        } catch (const zorvek::Error& again) {
            throw zorvek::Error(first.message() + QLatin1Char('\n') + again.message());
        }
        return {second,
                QStringLiteral("Папка программы ") + shown(folders.program) +
                    QStringLiteral(" недоступна для записи, поэтому документ сохранён в папке данных: ") +
                    shown(second) + QStringLiteral(".\nПричина: ") + first.message()};
    }
}

template <typename Job> Output runJob(const QString& what, Job&& job)
{
    try {
        return job();
    } catch (const zorvek::Error& e) {
        throw zorvek::Error(what + QStringLiteral(" не выполнена: ") + e.message());
    }
}

} // namespace

QStringList rulesLines()
{
    return {
        QStringLiteral("Правила безопасности при эксплуатации"),
        QStringLiteral("контактной сети и устройств электроснабжения"),
        QStringLiteral("автоблокировки железных дорог"),
        QStringLiteral("ОАО «МАГИСТРАЛЬ» № 103,"),
        QStringLiteral("Инструкция по безопасности для"),
        QStringLiteral(" электромонтеров контактной сети № 104,"),
        QStringLiteral("Инструкция по ограждению изолированных"),
        QStringLiteral("съёмных вышек при производстве работ"),
        QStringLiteral("на контактной сети железных дорог"),
        QStringLiteral("ОАО «МАГИСТРАЛЬ» № 4579."),
    };
}

QString categoryDocumentFile(int position)
{
    static const QStringList files = {
        QStringLiteral("Ответственные за электрохозяйство.docx"),
        QStringLiteral("Энергодиспетчер.docx"),
        QStringLiteral("Выдающие наряд.docx"),
        QStringLiteral("Ответственные руководители работ.docx"),
        QStringLiteral("Производители работ.docx"),
        QStringLiteral("Электромонтёры и электромеханики V группа.docx"),
        QStringLiteral("Электромонтёры и электромеханики IV группа.docx"),
        QStringLiteral("Электромонтёры III группа.docx"),
        QStringLiteral("Электромонтёры II группа.docx"),
    };
    return position >= 0 && position < files.size() ? files.at(position) : QString();
}

Output printProtocol(const QSqlDatabase& db, const QDate& day, const Folders& folders, const QString& outFile)
{
    MyWord word;
    word.Run();
    word.Open(QDir(folders.program).filePath(ProtocolTemplate));
    return runJob(QStringLiteral("Печать протокола"), [&] {
        const std::vector<JournalRows::Row> rows = JournalRows::read(db, JournalRows::Fields::Protocol);
        int k = 1;
        word.search(ProtocolBookmark);
        for (const JournalRows::Row& r : rows) {
            if (!r.heldOn(day))
                continue;
            word.Insert(QString::number(k) + QLatin1Char('.'), true, false, false, false, TableFontSize);
            word.NextCell();
            word.Insert(r.fio, true, false, false, false, TableFontSize);
            word.NextCell();
            word.Insert(r.dolgnost, true, false, false, false, TableFontSize);
            word.NextCell();
            word.Insert(r.podrazdelenie, true, false, false, false, TableFontSize);
            word.NextCell();
            word.Insert(r.rezultat, true, false, false, false, TableFontSize);
            word.NextCell();
            word.Insert(r.prichina, true, false, false, false, TableFontSize);
            word.SkipCell(2);
            ++k;
        }
        return save(word, ProtocolFile, folders, outFile);
    });
}

Output printJournal(const QSqlDatabase& db, const Folders& folders, const QString& outFile)
{
    MyWord word;
    word.Run();
    word.Open(QDir(folders.program).filePath(JournalTemplate));
    return runJob(QStringLiteral("Печать журнала"), [&] {
        const std::vector<JournalRows::Row> rows = JournalRows::read(db, JournalRows::Fields::Journal);
        word.search(JournalBookmark);
        for (const JournalRows::Row& r : rows) {
            word.Insert(r.fio, false, false, false, false, TableFontSize);
            word.NextCell();
            word.Insert(r.datePrev, false, false, false, false, TableFontSize);
            word.NextCell();
            word.Insert(r.date, false, false, false, false, TableFontSize);
            word.SkipCell(3);
            word.Insert(r.dateNext, false, false, false, false, TableFontSize);
            word.SkipCell(3);
        }
        word.search(RulesBookmark);
        const QStringList lines = rulesLines();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            word.Insert(lines.at(i), false, false, false, false, TableFontSize);
            if (i + 1 < lines.size())
                word.SkipCell(8);
        }
        return save(word, JournalFile, folders, outFile);
    });
}

QString openDocument(const QString& programFolder, const QString& fileName)
{
    const QString path = QDir(programFolder).filePath(fileName);
    MyWord word;
    word.Run();
    word.Open(path);
    return path;
}

} // namespace PrintJobs
