#include "editor/import/SectionExport.h"

#include "core/import/QuestionFileParser.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "editor/import/PictureFolder.h"
#include "editor/import/SectionImport.h"

#include <QDir>
#include <QSaveFile>

using QuestionFile::Question;

namespace SectionExport {

namespace {

bool hasText(const QVariant& value)
{
    return !value.toString().trimmed().isEmpty();
}

} // namespace

QList<Question> readSection(const QSqlDatabase& bank, const QString& sectionTable)
{
    if (!SectionImport::isSectionTable(sectionTable))
        throw zorvek::Error(QStringLiteral("«%1» — не раздел базы данных вопросов.").arg(sectionTable));
    QSqlQuery q =
        Db::exec(bank, QStringLiteral("Select Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2, "
                                      "Ответ_3, Верно_Неверно_3, Фото From ") +
                           sectionTable + QStringLiteral(" Order By Индекс"));
    QList<Question> questions;
    while (q.next()) {
        Question question;
        question.text = q.value(0).toString();
        for (int k = 0; k < 3; ++k)
            question.answers[k] = {q.value(1 + 2 * k).toString(), q.value(2 + 2 * k).toString()};
        question.answerCount = hasText(q.value(5)) || hasText(q.value(6)) ? 3 : 2;
        question.picture = q.value(7).toByteArray();
        questions.append(question);
    }
    q.finish();
    return questions;
}

Result exportSection(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable)
{
    if (!SectionImport::isSectionTable(sectionTable))
        throw zorvek::Error(
            QStringLiteral("«%1» — не раздел базы данных вопросов (Раздел_1 … Раздел_9).").arg(sectionTable));
    dataModule.connectCategoryBank(category, TfrmADODataModule::dataFolder());
    const QList<Question> questions = readSection(dataModule.ADOConnection, sectionTable);
    const QString marker = QuestionFile::sectionMarker(sectionTable);
    // The first line is a title that reading never examines.
    const QString title = QStringLiteral("%1. Категория специалиста: %2").arg(sectionTable, category);
    Result result;
    result.bytes = QuestionFile::encode(QuestionFile::format(title, marker, questions), &result.utf8);
    result.count = int(questions.size());
    result.problems = QuestionFile::roundTripProblems(marker, questions);
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const QByteArray& picture = questions[i].picture;
        if (picture.isEmpty())
            continue;
        if (PictureFolder::suffixFor(picture).isEmpty())
            result.problems.append(
                {int(i + 1),
                 QStringLiteral("рисунок не является рисунком BMP, JPEG или PNG и не выгружается")});
        else
            ++result.pictures;
    }
    result.questions = questions;
    return result;
}

int writeFiles(const Result& result, const QString& filePath)
{
    const int pictures = PictureFolder::write(PictureFolder::forFile(filePath), result.questions);
    QSaveFile out(filePath);
    if (!out.open(QIODevice::WriteOnly) || out.write(result.bytes) != result.bytes.size() || !out.commit())
        throw zorvek::Error(QStringLiteral("Не удалось записать файл «%1»: %2.")
                                .arg(QDir::toNativeSeparators(filePath), out.errorString()));
    return pictures;
}

} // namespace SectionExport
