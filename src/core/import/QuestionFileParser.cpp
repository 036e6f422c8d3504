#include "core/import/QuestionFileParser.h"

#include "core/import/Cp1251.h"

namespace QuestionFile {

namespace {

constexpr QStringView Otv = u"Отв";
constexpr QStringView OtvDot = u"Отв.";
constexpr QStringView VernoUpper = u"Верно";
constexpr QStringView VernoLower = u"верно";
constexpr QStringView Three = u"3.";
constexpr char16_t CtrlZ = 26;

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

QStringView trimmed(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

bool hasLabel(QStringView line)
{
    return line.contains(OtvDot);
}

bool isFlagLine(QStringView line)
{
    return line.contains(VernoUpper) || line.contains(VernoLower);
}

// A line with any of these is never a question's first line.
bool barsQuestionStart(QStringView line)
{
    return line.contains(Otv) || isFlagLine(line);
}

// The file's lines one by one, trimmed; after the end, empty lines.
class LineReader
{
public:
    explicit LineReader(QStringView text) : m_text(text) {}

    QStringView read()
    {
        const qsizetype end = m_text.size();
        if (m_pos >= end) {
            m_last = true;
            return {};
        }
        ++m_lineNumber;
        qsizetype nl = m_text.indexOf(u'\n', m_pos);
        if (nl < 0)
            nl = end;
        QStringView line = trimmed(m_text.sliced(m_pos, nl - m_pos));
        m_pos = nl + 1;
        m_last = m_pos >= end;
        // A CR inside the line (not before LF) is dropped from it.
        if (line.contains(u'\r')) {
            m_scratch.clear();
            for (QChar c : line) {
                if (c != u'\r')
                    m_scratch.append(c);
            }
            line = trimmed(m_scratch);
        }
        return line;
    }

    // The line read last was the file's last line, or was read after the end.
    bool last() const { return m_last; }
    int lineNumber() const { return m_lineNumber; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    bool m_last = false;
    int m_lineNumber = 0;
    QString m_scratch;
};

// Appends `current` and a CR to `text`, then every following line and a CR up to the first line
// that satisfies `stop` or is the last line; that line is not appended and is returned.
template <typename Stop> QStringView collect(LineReader& in, QStringView current, QString& text, Stop stop)
{
    text.append(current);
    text.append(u'\r');
    for (;;) {
        const QStringView line = in.read();
        if (stop(line) || in.last())
            return line;
        text.append(line);
        text.append(u'\r');
    }
}

// Reads lines up to the first one that satisfies `stop` or is the last line, and returns it.
template <typename Stop> QStringView skip(LineReader& in, Stop stop)
{
    for (;;) {
        const QStringView line = in.read();
        if (stop(line) || in.last())
            return line;
    }
}

} // namespace

QString sectionMarker(QStringView sectionTableName)
{
    for (QChar c : sectionTableName) {
        if (c >= u'0' && c <= u'9')
            return QString(c) + u'.';
    }
    return QString();
}

bool isNonAsciiUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    bool nonAscii = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        int follow = 0;
        unsigned char lo = 0x80, hi = 0xBF; // allowed range of the first continuation byte
        if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
            if (b == 0xE0)
                lo = 0xA0; // no overlong forms
            else if (b == 0xED)
                hi = 0x9F; // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
            if (b == 0xF0)
                lo = 0x90;
            else if (b == 0xF4)
                hi = 0x8F; // nothing past U+10FFFF
        } else {
            return false;
        }
        if (n - i <= follow)
            return false;
        if (p[i + 1] < lo || p[i + 1] > hi)
            return false;
        for (int k = 2; k <= follow; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return false;
        }
        i += follow + 1;
    }
    return nonAscii;
}

Encoding detectEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return Encoding::Utf16;
    const qsizetype ctrlZ = bytes.indexOf(char(CtrlZ));
    return isNonAsciiUtf8(ctrlZ >= 0 ? bytes.first(ctrlZ) : bytes) ? Encoding::Utf8 : Encoding::Windows1251;
}

QString decode(QByteArrayView bytes, Encoding* encoding)
{
    const Encoding e = detectEncoding(bytes);
    if (encoding)
        *encoding = e;
    if (e == Encoding::Utf16) {
        // Ctrl-Z is a character here, not a byte: parse() cuts the text at it.
        const bool littleEndian = bytes.startsWith("\xFF\xFE");
        const QByteArrayView body = bytes.sliced(2);
        QString text(body.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const auto a = static_cast<unsigned char>(body[2 * i]);
            const auto b = static_cast<unsigned char>(body[2 * i + 1]);
            text[i] = QChar(littleEndian ? char16_t(a | (b << 8)) : char16_t((a << 8) | b));
        }
        return text;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const qsizetype ctrlZ = bytes.indexOf(char(CtrlZ));
    if (ctrlZ >= 0)
        bytes = bytes.first(ctrlZ);
    return e == Encoding::Utf8 ? QString::fromUtf8(bytes) : Cp1251::decode(bytes);
}

QString encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf16:
        return QStringLiteral("UTF-16");
    case Encoding::Windows1251:
        break;
    }
    return QStringLiteral("Windows-1251");
}

QStringView labelText(QStringView line)
{
    const qsizetype n = line.size();
    qsizetype p = 6; // the 7th character
    for (;;) {
        const bool inLine = p < n;
        if (inLine && line[p] >= u'\x0410' && line[p] <= u'\x044F')
            break;
        if (p >= 7 && (!inLine || line[p] != u'.'))
            break;
        ++p;
    }
    return p < n ? line.sliced(p) : QStringView();
}

namespace {

bool beginsWith(QStringView line, QStringView marker)
{
    return line.first(std::min<qsizetype>(2, line.size())) == marker;
}

// Which of the words that bar a question's start the line holds.
QString barringWord(QStringView line)
{
    for (QStringView word : {VernoUpper, VernoLower, Otv}) {
        if (line.contains(word))
            return word.toString();
    }
    return QString();
}

Diagnostic skippedStart(int line, QStringView marker, QStringView text)
{
    return {Diagnostic::Kind::SkippedStart, line,
            QStringLiteral("Строка %1 начинается с «%2», но не принята за начало вопроса: в ней есть «%3».")
                .arg(QString::number(line), marker.toString(), barringWord(text))};
}

Diagnostic startIsLastLine(int line, QStringView marker)
{
    return {
        Diagnostic::Kind::StartIsLastLine, line,
        QStringLiteral("Строка %1 начинается с «%2», но это последняя строка файла: вопрос без ответов не "
                       "записан.")
            .arg(QString::number(line), marker.toString())};
}

void countStart(ParseResult& result, QStringView line)
{
    if (line.size() >= 2 && line[0] >= u'0' && line[0] <= u'9' && line[1] == u'.')
        ++result.startsByDigit[line[0].unicode() - u'0'];
}

void parseLines(LineReader& in, QStringView marker, ParseResult& result)
{
    const auto labelOrMarker = [marker](QStringView l) {
        return (hasLabel(l) && l.contains(Three)) || l.contains(marker);
    };

    in.read(); // the title line
    if (in.last())
        return;

    QStringView line;
    bool seek = true;
    for (;;) {
        if (seek) {
            line = in.read();
            countStart(result, line);
            const bool begins = beginsWith(line, marker);
            if (begins && barsQuestionStart(line))
                result.diagnostics.append(skippedStart(in.lineNumber(), marker, line));
            else if (begins && in.last())
                result.diagnostics.append(startIsLastLine(in.lineNumber(), marker));
            if (in.last())
                break;
            if (!begins || barsQuestionStart(line))
                continue;
        }
        Question q;
        q.line = in.lineNumber();
        QString missing; // what the file ends before, for a question it cuts short

        // The question: its first line without the marker's two characters.
        line = collect(in, line.sliced(std::min<qsizetype>(2, line.size())), q.text, hasLabel);
        if (!hasLabel(line))
            missing = QStringLiteral("после строки %1 нет ни одной строки ответа («Отв.1.»)").arg(q.line);

        // The first answer, then whatever stands before the second label line.
        line = collect(in, labelText(line), q.answers[0].text, isFlagLine);
        q.answers[0].flag = line.toString();
        if (missing.isEmpty() && !isFlagLine(line))
            missing = QStringLiteral("у первого ответа нет строки отметки («Верно» или «Неверно»)");
        line = skip(in, hasLabel);
        if (missing.isEmpty() && !hasLabel(line))
            missing = QStringLiteral("нет второго ответа («Отв.2.»)");

        // The second answer.
        if (line.isEmpty())
            result.diagnostics.append({Diagnostic::Kind::OutOfBounds, q.line, OutOfBoundsMessage});
        line = collect(in, labelText(line), q.answers[1].text, isFlagLine);
        q.answers[1].flag = line.toString();
        q.answerCount = 2;
        const bool secondFlagFound = isFlagLine(line);
        if (missing.isEmpty() && !secondFlagFound)
            missing = QStringLiteral("у второго ответа нет строки отметки («Верно» или «Неверно»)");

        // A third answer, the next question, or the end.
        line = skip(in, labelOrMarker);
        if (line.contains(marker) && !hasLabel(line)) {
            result.questions.append(std::move(q));
            // The line starts the next question, wherever the marker stands in it.
            seek = barsQuestionStart(line);
            if (beginsWith(line, marker) && seek)
                result.diagnostics.append(skippedStart(in.lineNumber(), marker, line));
            else if (beginsWith(line, marker) && in.last())
                result.diagnostics.append(startIsLastLine(in.lineNumber(), marker));
            if (in.last())
                break;
            continue;
        }
        if (in.last()) {
            if (secondFlagFound)
                result.questions.append(std::move(q));
            else
                result.diagnostics.append(
                    {Diagnostic::Kind::TruncatedQuestion, q.line,
                     QStringLiteral("Вопрос, начатый в строке %1, оборван концом файла и не записан: %2.")
                         .arg(QString::number(q.line), missing)});
            break;
        }
        if (line.contains(Three)) {
            line = collect(in, labelText(line), q.answers[2].text, isFlagLine);
            q.answers[2].flag = line.toString();
            q.answerCount = 3;
        }
        result.questions.append(std::move(q));
        seek = true;
    }
}

} // namespace

ParseResult parse(QStringView text, QStringView marker)
{
    ParseResult result;
    if (marker.size() != 2)
        return result;
    const qsizetype ctrlZ = text.indexOf(QChar(CtrlZ));
    LineReader in(ctrlZ >= 0 ? text.first(ctrlZ) : text);
    parseLines(in, marker, result);
    result.lineCount = in.lineNumber();
    return result;
}

QStringList whyNoQuestions(const ParseResult& result, QStringView marker)
{
    QStringList why;
    if (!result.questions.isEmpty() || marker.size() != 2)
        return why;
    if (result.lineCount == 0)
        return {QStringLiteral("Файл пуст.")};
    if (result.lineCount == 1)
        return {
            QStringLiteral("В файле одна строка, а первая строка файла — заголовок: вопросы начинаются со "
                           "второй.")};
    // The file ending before a second answer always cuts that question short: its own note says more.
    for (const Diagnostic& d : result.diagnostics) {
        if (d.kind != Diagnostic::Kind::OutOfBounds)
            why << d.text;
    }
    if (!why.isEmpty())
        return why;
    const int digit = marker[0].unicode() - u'0';
    why << QStringLiteral("Ни одна строка файла не начинается с «%1», а так начинается первая строка каждого "
                          "вопроса раздела %2 (например, «%3»).")
               .arg(marker.toString(), QString::number(digit),
                    marker.toString() + QStringLiteral("1. Текст вопроса"));
    int other = 0;
    int most = 0;
    for (int d = 1; d <= 9; ++d) {
        if (d != digit && result.startsByDigit[d] > most) {
            other = d;
            most = result.startsByDigit[d];
        }
    }
    if (other > 0)
        why << QStringLiteral("Строк, начинающихся с «%1.», в файле %2: возможно, это файл раздела %1.")
                   .arg(QString::number(other), QString::number(result.startsByDigit[other]));
    return why;
}

} // namespace QuestionFile
