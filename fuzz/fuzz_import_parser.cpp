// Fuzzes the question-file reader. The first byte picks the section marker ("0." .. "9."), the
// rest is the file. Besides crashes and sanitizer reports it checks that every question read
// from a file comes back unchanged when written and read again, except for the two kinds of
// question the format cannot carry: a third answer whose flag line is missing at the end of the
// file, and a text holding a paragraph separator (a line end when written).
#include "core/import/Cp1251.h"
#include "core/import/QuestionFileParser.h"
#include "core/import/QuestionFileWriter.h"

#include <cstdint>
#include <cstdlib>

using namespace QuestionFile;

namespace {

bool carriesParagraphSeparator(const Question& q)
{
    if (q.text.contains(QChar::ParagraphSeparator))
        return true;
    for (int k = 0; k < q.answerCount; ++k) {
        if (q.answers[k].text.contains(QChar::ParagraphSeparator) ||
            q.answers[k].flag.contains(QChar::ParagraphSeparator))
            return true;
    }
    return false;
}

bool isFlagLine(const QString& line)
{
    return line.contains(u"Верно") || line.contains(u"верно");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString marker = QString(QChar(u'0' + data[0] % 10)) + u'.';
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    Encoding encoding = Encoding::Windows1251;
    const QString text = decode(bytes, &encoding);
    const ParseResult r = parse(text, marker);
    whyNoQuestions(r, marker);
    for (const Question& q : r.questions) {
        if (q.answerCount != 2 && q.answerCount != 3)
            abort();
        if (!q.text.endsWith(u'\r') || !q.answers[0].text.endsWith(u'\r') ||
            !q.answers[1].text.endsWith(u'\r'))
            abort();
        if (!isFlagLine(q.answers[0].flag) || !isFlagLine(q.answers[1].flag))
            abort();
    }
    for (qsizetype i = 0; i < std::min<qsizetype>(r.questions.size(), 50); ++i) {
        const Question& q = r.questions[i];
        if (carriesParagraphSeparator(q) || (q.answerCount == 3 && !isFlagLine(q.answers[2].flag)))
            continue;
        const ParseResult back = parseBytes(encode(format(QStringLiteral("T"), marker, {q})), marker);
        if (back.questions.size() != 1 || !sameAfterRoundTrip(q, back.questions.first()))
            abort();
    }
    // The code page both ways on the raw bytes.
    if (Cp1251::encode(Cp1251::decode(bytes)).value() != bytes)
        abort();
    labelText(text);
    return 0;
}
