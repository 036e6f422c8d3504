#include "core/import/QuestionFileWriter.h"

#include "core/import/Cp1251.h"
#include "core/import/QuestionFileParser.h"

namespace QuestionFile {

namespace {

constexpr QStringView CrLf = u"\r\n";

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

QStringView trimmedEnd(QStringView s)
{
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

QStringView trimmed(QStringView s)
{
    s = trimmedEnd(s);
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    return s;
}

bool isLabelLetter(QChar c)
{
    return c >= u'\x0410' && c <= u'\x044F';
}

bool isFlagLine(QStringView line)
{
    return line.contains(u"Верно") || line.contains(u"верно");
}

void appendLine(QString& out, QStringView line)
{
    out.append(line);
    out.append(CrLf);
}

void appendAnswer(QString& out, int number, const Answer& answer)
{
    const QStringList lines = splitLines(answer.text);
    const QStringView first = trimmedEnd(lines.first());
    QString label = QStringLiteral("Отв.%1.").arg(number);
    // The label scan keeps the 7th character only when it is a Cyrillic letter; a second full
    // stop in the 7th place makes it keep whatever begins the text from the 8th on.
    if (!first.isEmpty() && !isLabelLetter(first.front()))
        label.append(u'.');
    label.append(first);
    appendLine(out, label);
    for (qsizetype i = 1; i < lines.size(); ++i)
        appendLine(out, trimmed(lines[i]));
    appendLine(out, trimmed(answer.flag));
}

void appendQuestion(QString& out, QStringView marker, const Question& q)
{
    const QStringList lines = splitLines(q.text);
    out.append(marker);
    appendLine(out, trimmedEnd(lines.first()));
    for (qsizetype i = 1; i < lines.size(); ++i)
        appendLine(out, trimmed(lines[i]));
    const int count = q.answerCount == 3 ? 3 : 2;
    for (int k = 0; k < count; ++k)
        appendAnswer(out, k + 1, q.answers[k]);
}

// Why a question cannot pass through the format unchanged, as far as a rule of the format says.
QString problemReason(const Question& q)
{
    const QStringList lines = splitLines(q.text);
    if (lines.first().contains(u"Отв") || isFlagLine(lines.first()))
        return QStringLiteral("первая строка вопроса содержит «Отв», «Верно» или «верно»");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].contains(u"Отв."))
            return QStringLiteral("строка %1 вопроса содержит «Отв.»").arg(i + 1);
    }
    const int count = q.answerCount == 3 ? 3 : 2;
    for (int k = 0; k < count; ++k) {
        const Answer& a = q.answers[k];
        const QStringList answerLines = splitLines(a.text);
        for (qsizetype i = 1; i < answerLines.size(); ++i) {
            if (isFlagLine(answerLines[i]))
                return QStringLiteral("строка %1 ответа %2 содержит «Верно» или «верно»")
                    .arg(i + 1)
                    .arg(k + 1);
        }
        if (!isFlagLine(a.flag))
            return QStringLiteral("отметка ответа %1 («%2») не содержит «Верно» или «верно»")
                .arg(k + 1)
                .arg(trimmed(a.flag));
        if (trimmed(answerLines.first()).startsWith(u'.'))
            return QStringLiteral("ответ %1 начинается с точки").arg(k + 1);
    }
    return QStringLiteral("текст изменится при чтении файла");
}

} // namespace

QStringList splitLines(QStringView text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty() || lines.isEmpty())
        lines.append(current);
    return lines;
}

QString canonicalText(QStringView text)
{
    const QStringList lines = splitLines(text);
    QString out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out.append(i == 0 ? trimmedEnd(lines[i]) : trimmed(lines[i]));
        out.append(u'\r');
    }
    return out;
}

QString canonicalFlag(QStringView flag)
{
    return trimmed(flag).toString();
}

bool sameAfterRoundTrip(const Question& written, const Question& read)
{
    const int count = written.answerCount == 3 ? 3 : 2;
    if (read.answerCount != count || read.text != canonicalText(written.text))
        return false;
    for (int k = 0; k < count; ++k) {
        if (read.answers[k].text != canonicalText(written.answers[k].text) ||
            read.answers[k].flag != canonicalFlag(written.answers[k].flag))
            return false;
    }
    return true;
}

QString format(const QString& title, QStringView marker, const QList<Question>& questions)
{
    QString out;
    appendLine(out, trimmed(splitLines(title).first()));
    for (const Question& q : questions)
        appendQuestion(out, marker, q);
    return out;
}

QByteArray encode(const QString& text, bool* utf8)
{
    std::optional<QByteArray> bytes = Cp1251::encode(text);
    if (utf8)
        *utf8 = !bytes;
    if (bytes)
        return *bytes;
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QList<RoundTripProblem> roundTripProblems(QStringView marker, const QList<Question>& questions)
{
    QList<RoundTripProblem> problems;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const Question& q = questions[i];
        const ParseResult back = parse(format(QString(), marker, {q}), marker);
        if (back.questions.size() != 1 || !sameAfterRoundTrip(q, back.questions.first()))
            problems.append({int(i + 1), problemReason(q)});
    }
    // Each question reads back on its own; together they could only differ in their count.
    if (problems.isEmpty() &&
        parse(format(QString(), marker, questions), marker).questions.size() != questions.size())
        problems.append({0, QStringLiteral("число вопросов изменится при чтении файла")});
    return problems;
}

} // namespace QuestionFile
