#include "print/PrintJobs.h"

#include "core/Clock.h"
#include "core/Error.h"
#include "data/TfrmADODataModule.h"
#include "print/CategoryDocuments.h"
#include "print/JournalRows.h"
#include "print/MyWord.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

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

// Writes the document through `write` into the output folder; when it cannot be written there
// (an installed program's folder usually cannot be), into the fallback folder, and says why.
Output save(const std::function<void(const QString&)>& write, const QString& fileName, const Folders& folders,
            const QString& outFile)
{
    if (!outFile.isEmpty()) {
        write(outFile);
        return {outFile, QString()};
    }
    const QString primary = QDir(folders.output).filePath(fileName);
    try {
        write(primary);
        return {primary, QString()};
    } catch (const zorvek::Error& first) {
        if (folders.fallback.isEmpty() || sameFolder(folders.output, folders.fallback))
            throw;
        const QString second = QDir(folders.fallback).filePath(fileName);
        try {
            write(second);
        } catch (const zorvek::Error& again) {
            throw zorvek::Error(first.message() + QLatin1Char('\n') + again.message());
        }
        return {second, first.message() + QStringLiteral("\nПоэтому документ сохранён в папке данных: ") +
                            shown(second) + QLatin1Char('.')};
    }
}

Output save(MyWord& word, const QString& fileName, const Folders& folders, const QString& outFile)
{
    return save([&](const QString& path) { word.Save(path); }, fileName, folders, outFile);
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
    word.Open(QDir(folders.templates).filePath(ProtocolTemplate));
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
    word.Open(QDir(folders.templates).filePath(JournalTemplate));
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

Output printCategoryQuestions(TfrmADODataModule& module, int position, const QString& dataFolder,
                              const Folders& folders, const QString& outFile)
{
    const QString fileName = categoryDocumentFile(position);
    return runJob(QStringLiteral("Печать вопросов"), [&] {
        const QStringList names = module.categoryNames();
        if (fileName.isEmpty() || position >= names.size())
            throw zorvek::Error(
                QStringLiteral("В таблице категорий нет категории на месте %1.").arg(position + 1));
        module.connectCategoryBank(position, dataFolder);
        const QList<CategoryDocuments::Section> sections = CategoryDocuments::readBank(module.ADOConnection);
        const QDateTime made = Clock::now();
        return save(
            [&](const QString& path) { CategoryDocuments::write(path, names.at(position), sections, made); },
            fileName, folders, outFile);
    });
}

QString copyDocument(const Folders& folders, const QString& fileName, const QString& copyFolder)
{
    MyWord word;
    word.Run();
    word.Open(QDir(folders.templates).filePath(fileName));
    const QString copy = QDir(copyFolder).filePath(fileName);
    runJob(QStringLiteral("Подготовка копии документа"), [&] {
        word.Save(copy);
        return Output{copy, QString()};
    });
    return copy;
}

} // namespace PrintJobs
