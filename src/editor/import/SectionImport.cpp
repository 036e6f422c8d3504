#include "editor/import/SectionImport.h"

#include "core/Categories.h"
#include "core/import/QuestionFileParser.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

using QuestionFile::Question;

namespace SectionImport {

namespace {

// How often the progress is reported while rows are stored.
constexpr int ProgressStep = 100;

QString shownPath(const QString& filePath)
{
    return QDir::toNativeSeparators(QFileInfo(filePath).absoluteFilePath());
}

void requireSection(const QString& sectionTable)
{
    if (sectionTable.isEmpty())
        throw zorvek::Error(QStringLiteral("Раздел базы данных не выбран; ничего не изменено."));
    if (!isSectionTable(sectionTable))
        throw zorvek::Error(
            QStringLiteral("«%1» — не раздел базы данных вопросов (Раздел_1 … Раздел_9).").arg(sectionTable));
}

QString insertStatement(const QString& sectionTable)
{
    // Индекс is left to the engine (1, 2, 3 … in a new table); Фото stays empty.
    return QStringLiteral("Insert Into ") + sectionTable +
           QStringLiteral(" (Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2, Ответ_3, "
                          "Верно_Неверно_3, Количество_ответов) Values (?, ?, ?, ?, ?, ?, ?, ?)");
}

void bindQuestion(QSqlQuery& insert, const Question& q)
{
    const bool three = q.answerCount == 3;
    const QVariant none(QMetaType::fromType<QString>());
    insert.bindValue(0, q.text);
    insert.bindValue(1, q.answers[0].text);
    insert.bindValue(2, q.answers[0].flag);
    insert.bindValue(3, q.answers[1].text);
    insert.bindValue(4, q.answers[1].flag);
    // A two-answer question leaves the third answer's columns empty (NULL).
    insert.bindValue(5, three ? QVariant(q.answers[2].text) : none);
    insert.bindValue(6, three ? QVariant(q.answers[2].flag) : none);
    insert.bindValue(7, three ? 3 : 2);
}

} // namespace

bool isSectionTable(const QString& sectionTable)
{
    const int n = Categories::sectionNumber(sectionTable);
    return n >= 1 && n <= Categories::SectionCount && sectionTable == Categories::sectionTableName(n);
}

QuestionFile::ParseResult readFile(const QString& filePath, const QString& sectionTable)
{
    requireSection(sectionTable);
    const QFileInfo info(filePath);
    if (filePath.isEmpty() || !info.exists())
        throw zorvek::Error(
            QStringLiteral("Файл «%1» не найден; раздел не изменён.").arg(shownPath(filePath)));
    if (info.isDir())
        throw zorvek::Error(
            QStringLiteral("«%1» — это папка, а не файл; раздел не изменён.").arg(shownPath(filePath)));
    if (info.size() > MaxFileSize)
        throw zorvek::Error(
            QStringLiteral("Файл «%1» слишком велик (%2 МБ) для файла вопросов; раздел не изменён.")
                .arg(shownPath(filePath), QString::number(info.size() / (1024 * 1024))));
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        throw zorvek::Error(QStringLiteral("Не удалось открыть файл «%1»: %2. Раздел не изменён.")
                                .arg(shownPath(filePath), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw zorvek::Error(QStringLiteral("Не удалось прочитать файл «%1»: %2. Раздел не изменён.")
                                .arg(shownPath(filePath), file.errorString()));
    return QuestionFile::parseBytes(bytes, QuestionFile::sectionMarker(sectionTable));
}

QString noQuestionsMessage(const QString& filePath, const QString& sectionTable)
{
    return QStringLiteral("В файле «%1» не найдено ни одного вопроса раздела %2 (строки вопросов должны "
                          "начинаться с «%3»). Раздел «%4» не изменён.")
        .arg(shownPath(filePath), QString::number(Categories::sectionNumber(sectionTable)),
             QuestionFile::sectionMarker(sectionTable), sectionTable);
}

bool replaceSection(const QSqlDatabase& bank, const QString& sectionTable, const QList<Question>& questions,
                    const Progress& progress)
{
    requireSection(sectionTable);
    const int total = int(questions.size());
    Db::Transaction tx(bank);
    Schema::recreateTable(bank, sectionTable, Schema::createQuestionTable(sectionTable));

    QSqlQuery insert(bank);
    const QString sql = SqlDialect::translate(insertStatement(sectionTable), SqlDialect::engineOf(bank));
    if (!insert.prepare(sql))
        throw DbError::fromSqlError(insert.lastError(), sql);
    if (progress && !progress(0, total))
        return false;
    for (int i = 0; i < total; ++i) {
        bindQuestion(insert, questions[i]);
        if (!insert.exec())
            throw zorvek::Error(QStringLiteral("Ошибка при записи вопроса № %1\n%2\nРаздел «%3» не изменён.")
                                    .arg(QString::number(i + 1), insert.lastError().text(), sectionTable));
        const int stored = i + 1;
        if (progress && (stored % ProgressStep == 0 || stored == total) && !progress(stored, total))
            return false;
    }
    insert.finish();
    tx.commit();
    return true;
}

int storeQuestions(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                   const QList<Question>& questions, const QString& filePath, const Progress& progress)
{
    requireSection(sectionTable);
    if (questions.isEmpty())
        throw zorvek::Error(noQuestionsMessage(filePath, sectionTable));
    dataModule.connectCategoryBank(category, TfrmADODataModule::dataFolder());
    if (!replaceSection(dataModule.ADOConnection, sectionTable, questions, progress))
        return -1;
    return int(questions.size());
}

Result importFile(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                  const QString& filePath, const Progress& progress)
{
    QuestionFile::ParseResult parsed = readFile(filePath, sectionTable);
    Result result;
    result.diagnostics = std::move(parsed.diagnostics);
    result.stored = storeQuestions(dataModule, category, sectionTable, parsed.questions, filePath, progress);
    return result;
}

} // namespace SectionImport
