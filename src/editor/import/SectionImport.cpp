#include "editor/import/SectionImport.h"

#include "core/Categories.h"
#include "core/RussianPlural.h"
#include "core/import/QuestionFileParser.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "editor/import/PictureFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

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
    // Индекс is left to the engine (1, 2, 3 … in a new table).
    return QStringLiteral("Insert Into ") + sectionTable +
           QStringLiteral(" (Вопрос, Фото, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2, Ответ_3, "
                          "Верно_Неверно_3, Количество_ответов) Values (?, ?, ?, ?, ?, ?, ?, ?, ?)");
}

void bindQuestion(QSqlQuery& insert, const Question& q)
{
    const bool three = q.answerCount == 3;
    const QVariant none(QMetaType::fromType<QString>());
    insert.bindValue(0, q.text);
    // A question without a picture leaves Фото empty (NULL).
    insert.bindValue(1,
                     q.picture.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(q.picture));
    insert.bindValue(2, q.answers[0].text);
    insert.bindValue(3, q.answers[0].flag);
    insert.bindValue(4, q.answers[1].text);
    insert.bindValue(5, q.answers[1].flag);
    // A two-answer question leaves the third answer's columns empty (NULL).
    insert.bindValue(6, three ? QVariant(q.answers[2].text) : none);
    insert.bindValue(7, three ? QVariant(q.answers[2].flag) : none);
    insert.bindValue(8, three ? 3 : 2);
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
    QuestionFile::ParseResult parsed =
        QuestionFile::parseBytes(bytes, QuestionFile::sectionMarker(sectionTable));
    PictureFolder::read(PictureFolder::forFile(filePath), parsed.questions);
    return parsed;
}

QString encodingNote(QuestionFile::Encoding encoding)
{
    return QStringLiteral("Файл прочитан в кодировке %1.").arg(QuestionFile::encodingName(encoding));
}

QString noQuestionsMessage(const QString& filePath, const QString& sectionTable,
                           const QuestionFile::ParseResult& parsed)
{
    QString text =
        QStringLiteral("В файле «%1» не найдено ни одного вопроса раздела %2. Раздел «%3» не изменён.")
            .arg(shownPath(filePath), QString::number(Categories::sectionNumber(sectionTable)), sectionTable);
    for (const QString& why : QuestionFile::whyNoQuestions(parsed, QuestionFile::sectionMarker(sectionTable)))
        text += QLatin1Char('\n') + why;
    return text + QLatin1Char('\n') + encodingNote(parsed.encoding);
}

Pictures countPictures(const QSqlDatabase& bank, const QString& sectionTable,
                       const QList<Question>& questions, const QString& filePath)
{
    requireSection(sectionTable);
    Pictures p;
    p.folder = filePath.isEmpty() ? QString() : PictureFolder::forFile(filePath);
    if (Db::hasTable(bank, sectionTable))
        p.now = Db::scalar(bank,
                           QStringLiteral("Select Count(*) From ") + sectionTable +
                               QStringLiteral(" Where Фото Is Not Null And length(Фото) > 0"),
                           {}, 0)
                    .toInt();
    p.after = int(std::count_if(questions.cbegin(), questions.cend(),
                                [](const Question& q) { return !q.picture.isEmpty(); }));
    return p;
}

Pictures countPictures(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                       const QList<Question>& questions, const QString& filePath)
{
    requireSection(sectionTable);
    dataModule.connectCategoryBank(category, TfrmADODataModule::dataFolder());
    return countPictures(dataModule.ADOConnection, sectionTable, questions, filePath);
}

QString pictureLossMessage(const Pictures& p, const QString& sectionTable)
{
    const QString folder = QDir::toNativeSeparators(p.folder);
    QString text =
        QStringLiteral("В разделе «%1» сейчас %2").arg(sectionTable, RussianPlural::pictures(p.now));
    if (p.after == 0 && !folder.isEmpty() && !QFileInfo(p.folder).isDir())
        text +=
            QStringLiteral(", а рядом с файлом нет папки рисунков «%1»: после загрузки рисунков в разделе не "
                           "будет.")
                .arg(folder);
    else if (p.after == 0)
        text +=
            QStringLiteral(", а у загружаемых вопросов рисунков нет: после загрузки рисунков в разделе не "
                           "будет.");
    else
        text += QStringLiteral(", а в папке «%1» — %2: после загрузки %3 будет потеряно.")
                    .arg(folder, RussianPlural::pictures(p.after), RussianPlural::pictures(p.lost()));
    return text;
}

bool replaceSection(const QSqlDatabase& bank, const QString& sectionTable, const QList<Question>& questions,
                    const Progress& progress, bool dropPictures, const QString& filePath)
{
    requireSection(sectionTable);
    const int total = int(questions.size());
    Db::Transaction tx(bank);
    if (!dropPictures) {
        const Pictures pictures = countPictures(bank, sectionTable, questions, filePath);
        if (pictures.lost() > 0)
            throw PictureLoss(pictureLossMessage(pictures, sectionTable) +
                              QStringLiteral(" Раздел «%1» не изменён.").arg(sectionTable));
    }
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
                   const QuestionFile::ParseResult& parsed, const QString& filePath, const Progress& progress,
                   bool dropPictures)
{
    requireSection(sectionTable);
    if (parsed.questions.isEmpty())
        throw zorvek::Error(noQuestionsMessage(filePath, sectionTable, parsed));
    dataModule.connectCategoryBank(category, TfrmADODataModule::dataFolder());
    if (!replaceSection(dataModule.ADOConnection, sectionTable, parsed.questions, progress, dropPictures,
                        filePath))
        return -1;
    return int(parsed.questions.size());
}

Result importFile(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                  const QString& filePath, const Progress& progress, bool dropPictures)
{
    const QuestionFile::ParseResult parsed = readFile(filePath, sectionTable);
    Result result;
    result.diagnostics = parsed.diagnostics;
    result.encoding = parsed.encoding;
    result.stored =
        storeQuestions(dataModule, category, sectionTable, parsed, filePath, progress, dropPictures);
    return result;
}

} // namespace SectionImport
