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

QString decode(QByteArrayView bytes)
{
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    const bool utf8 = bytes.startsWith(QByteArrayView(Bom, 3));
    if (utf8)
        bytes = bytes.sliced(3);
    const qsizetype ctrlZ = bytes.indexOf(char(CtrlZ));
    if (ctrlZ >= 0)
        bytes = bytes.first(ctrlZ);
    return utf8 ? QString::fromUtf8(bytes) : Cp1251::decode(bytes);
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

ParseResult parse(QStringView text, QStringView marker)
{
    ParseResult result;
    if (marker.size() != 2)
        return result;
    const qsizetype ctrlZ = text.indexOf(QChar(CtrlZ));
    LineReader in(ctrlZ >= 0 ? text.first(ctrlZ) : text);

    const auto labelOrMarker = [marker](QStringView l) {
        return (hasLabel(l) && l.contains(Three)) || l.contains(marker);
    };

    in.read(); // the title line
    if (in.last())
        return result;

    QStringView line;
    bool seek = true;
    for (;;) {
        if (seek) {
            line = in.read();
            if (in.last())
                break;
            if (line.first(std::min<qsizetype>(2, line.size())) != marker || barsQuestionStart(line))
                continue;
        }
        Question q;
        q.line = in.lineNumber();

        // The question: its first line without the marker's two characters.
        line = collect(in, line.sliced(std::min<qsizetype>(2, line.size())), q.text, hasLabel);

        // The first answer, then whatever stands before the second label line.
        line = collect(in, labelText(line), q.answers[0].text, isFlagLine);
        q.answers[0].flag = line.toString();
        line = skip(in, hasLabel);

        // The second answer.
        if (line.isEmpty())
            result.diagnostics.append({Diagnostic::Kind::OutOfBounds, q.line, OutOfBoundsMessage});
        line = collect(in, labelText(line), q.answers[1].text, isFlagLine);
        q.answers[1].flag = line.toString();
        q.answerCount = 2;
        const bool secondFlagFound = isFlagLine(line);

        // A third answer, the next question, or the end.
        line = skip(in, labelOrMarker);
        if (line.contains(marker) && !hasLabel(line)) {
            result.questions.append(std::move(q));
            if (in.last())
                break;
            // The line starts the next question, wherever the marker stands in it.
            seek = barsQuestionStart(line);
            continue;
        }
        if (in.last()) {
            if (secondFlagFound)
                result.questions.append(std::move(q));
            else
                result.diagnostics.append(
                    {Diagnostic::Kind::TruncatedQuestion, q.line,
                     QStringLiteral("Вопрос, начатый в строке %1, оборван концом файла и не записан.")
                         .arg(q.line)});
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
    return result;
}

} // namespace QuestionFile
