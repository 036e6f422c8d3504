// zorvek-cli exam: a whole exam of one worker without windows, on the same exam flow.
#include "cli/CliCommand.h"
#include "core/Clock.h"
#include "core/Global.h"
#include "core/exam/ExamRegistration.h"
#include "data/TfrmADODataModule.h"
#include "exam/flow/ExamFlow.h"

#include <QFile>
#include <QThread>

namespace {

// One answer number 1..3 per line; empty lines are skipped.
bool readAnswers(const QString& path, QList<int>* answers, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("файл ответов «%1» не открывается: %2").arg(path, file.errorString());
        return false;
    }
    int lineNo = 0;
    while (!file.atEnd()) {
        ++lineNo;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        bool ok = false;
        const int n = line.toInt(&ok);
        if (!ok || n < 1 || n > 3) {
            *error = QStringLiteral("файл ответов «%1», строка %2: «%3» — нужен номер ответа от 1 до 3")
                         .arg(path)
                         .arg(lineNo)
                         .arg(line);
            return false;
        }
        answers->append(n);
    }
    return true;
}

int runExam(const QStringList& args)
{
    const Cli::Args a(args);
    const QStringList unknown = a.unknown({QStringLiteral("--worker"), QStringLiteral("--reason"), QStringLiteral("--seed"),
                                           QStringLiteral("--answers"), QStringLiteral("--pause-ms")});
    if (!unknown.isEmpty())
        return Cli::fail(QStringLiteral("неизвестный параметр %1").arg(unknown.first()));
    bool ok = false;
    const int code = a.value(QStringLiteral("--worker")).toInt(&ok);
    if (!ok)
        return Cli::fail(QStringLiteral("укажите код работника: --worker КОД"));
    int pauseMs = 0;
    if (a.has(QStringLiteral("--pause-ms"))) {
        pauseMs = a.value(QStringLiteral("--pause-ms")).toInt(&ok);
        if (!ok || pauseMs < 0)
            return Cli::fail(QStringLiteral("--pause-ms: нужно неотрицательное целое число миллисекунд"));
    }
    if (a.has(QStringLiteral("--seed"))) {
        const qulonglong seed = a.value(QStringLiteral("--seed")).toULongLong(&ok);
        if (!ok)
            return Cli::fail(QStringLiteral("--seed: нужно неотрицательное целое число"));
        Random::seed(seed);
    } else {
        Random::seedFromClock();
    }
    if (a.has(QStringLiteral("--reason")) && !ExamRegistration::isReason(a.value(QStringLiteral("--reason"))))
        return Cli::fail(ExamRegistration::unknownReasonMessage(a.value(QStringLiteral("--reason"))));
    QList<int> answers;
    QString error;
    if (a.has(QStringLiteral("--answers")) && !readAnswers(a.value(QStringLiteral("--answers")), &answers, &error))
        return Cli::fail(error);

    auto dm = Cli::openDataModule();
    ExamFlow flow(*dm);
    const QString recovered = flow.start();
    if (!recovered.isEmpty())
        Cli::err() << QString(recovered).replace(QLatin1Char('\r'), QLatin1Char('\n')) << Qt::endl;

    const ExamRegistration::Completeness completeness = flow.registerWorker(code);
    bool canBegin = completeness == ExamRegistration::Completeness::Complete;
    if (a.has(QStringLiteral("--reason")))
        canBegin = flow.setReason(a.value(QStringLiteral("--reason")))
                   && ExamRegistration::check(flow.journalRow()) == ExamRegistration::Completeness::Complete;
    if (!canBegin) {
        const ExamRegistration::Row row = flow.journalRow();
        if (ExamRegistration::check(row) == ExamRegistration::Completeness::NoPreviousCheck)
            return Cli::fail(ExamRegistration::noPreviousCheckMessage(row.fio)
                             + QStringLiteral("\r(параметр --reason Первичная)"));
        return Cli::fail(ExamRegistration::incompleteMessage());
    }
    flow.begin();
    const QString refused = flow.acceptRegistration();
    if (!refused.isEmpty())
        return Cli::fail(refused);
    flow.prepare();

    // The answers are checked against the drawn questions before the first is confirmed.
    const int total = flow.questionCount();
    QString wrongAnswers;
    if (!answers.isEmpty() && answers.size() < total)
        wrongAnswers = QStringLiteral("в файле ответов %1 ответов, а в экзамене %2 вопросов").arg(answers.size()).arg(total);
    for (int n = 1; n <= total && wrongAnswers.isEmpty() && !answers.isEmpty(); ++n) {
        if (answers.at(n - 1) == 3 && !flow.hasThirdAnswer(n))
            wrongAnswers = QStringLiteral("файл ответов, строка ответа на вопрос %1: ответ 3, а у этого вопроса два "
                                          "ответа (нужен 1 или 2)")
                               .arg(n);
    }
    if (!wrongAnswers.isEmpty()) {
        flow.abandon();
        return Cli::fail(wrongAnswers + QStringLiteral("; экзамен не проведён"));
    }
    for (int n = 1; n <= total; ++n) {
        flow.confirm(n, answers.isEmpty() ? 1 : answers.at(n - 1));
        // Reported only once the answer is committed to Ответы.
        Cli::out() << "подтверждён ответ на вопрос " << n << Qt::endl;
        if (pauseMs > 0)
            QThread::msleep(pauseMs);
    }
    const ExamResult r = flow.grade();
    flow.finish();
    Cli::out() << "Оценка: " << (r.grade.ocenka.isEmpty() ? QStringLiteral("(нет)") : r.grade.ocenka)
               << "; результат: " << r.grade.result << "; вопросов: " << r.questions << ", верных: " << r.right
               << ", неверных: " << r.wrong << Qt::endl;
    return 0;
}

} // namespace

ZORVEK_CLI_COMMAND(QStringLiteral("exam"),
                   QStringLiteral("exam --worker КОД [--reason Первичная|Периодическая|Внеочередная] [--seed N] [--answers ФАЙЛ] "
                                  "[--pause-ms N]"),
                   QStringLiteral("провести экзамен работника без окон: ответы из файла (по номеру 1..3 на строку) или 1"),
                   runExam);
