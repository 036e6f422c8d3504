// Writing questions back to a question file: the exact layout, reading it back unchanged for
// every section marker, the questions that cannot pass through the format, the encoding.
#include "core/import/QuestionFileParser.h"
#include "core/import/QuestionFileWriter.h"

#include <QTest>

using namespace QuestionFile;

Q_DECLARE_METATYPE(QuestionFile::Question)

namespace {

Question make(const QString& text, const QString& a1, const QString& f1, const QString& a2, const QString& f2,
              const QString& a3 = QString(), const QString& f3 = QString())
{
    Question q;
    q.text = text;
    q.answers[0] = {a1, f1};
    q.answers[1] = {a2, f2};
    q.answerCount = a3.isNull() ? 2 : 3;
    if (q.answerCount == 3)
        q.answers[2] = {a3, f3};
    return q;
}

// Questions of the kinds a bank holds: imported texts (each line ended by CR), texts typed in
// the editor (LF or CR LF, no line end at the end), blank lines, blanks, numbers, quotes.
QList<Question> sampleQuestions(int section)
{
    return {
        make(QStringLiteral("12. Какие меры\rбезопасности?\r"), QStringLiteral("Снять напряжение\r"),
             QStringLiteral("Верно"), QStringLiteral("Никакие\r"), QStringLiteral("Неверно"),
             QStringLiteral("Только\r\rзаземление\r"), QStringLiteral("Неверно, неполный ответ")),
        make(QStringLiteral("Вопрос из редактора\nвторая строка"), QStringLiteral("5 метров"),
             QStringLiteral("Неверно                "), QStringLiteral("  10 метров\r\nили больше"),
             QStringLiteral("Ответ верно.")),
        make(QStringLiteral("  с отступом %1.5 «кавычки» — тире\r").arg(section),
             QStringLiteral("\rТекст ниже\r"), QStringLiteral("верно"), QStringLiteral("(а) скобка"),
             QStringLiteral("Неверно"), QStringLiteral("Отв.3. внутри"), QStringLiteral("Верно")),
        make(QString(), QString(), QStringLiteral("Верно"), QStringLiteral("Ёлка"),
             QStringLiteral("Неверно")),
    };
}

} // namespace

class TestImportWriter : public QObject
{
    Q_OBJECT
private slots:
    void exactLayout();
    void readsBackUnchanged_data();
    void readsBackUnchanged();
    void namesQuestionsThatCannotPass_data();
    void namesQuestionsThatCannotPass();
    void encodingFallsBackToUtf8();
    void splitLinesAndCanonicalText();
};

void TestImportWriter::exactLayout()
{
    const QList<Question> qs = {
        make(QStringLiteral("12. Вопрос\rвторая\r"), QStringLiteral("Да\r"), QStringLiteral("Верно"),
             QStringLiteral("5 В\r"), QStringLiteral("Неверно"), QStringLiteral("\rниже\r"),
             QStringLiteral("Неверно")),
    };
    const QString text = format(QStringLiteral("Раздел_3"), u"3.", qs);
    QCOMPARE(text, QStringLiteral("Раздел_3\r\n3.12. Вопрос\r\nвторая\r\nОтв.1.Да\r\nВерно\r\n"
                                  "Отв.2..5 В\r\nНеверно\r\nОтв.3.\r\nниже\r\nНеверно\r\n"));
}

void TestImportWriter::readsBackUnchanged_data()
{
    QTest::addColumn<int>("section");
    for (int s = 1; s <= 9; ++s)
        QTest::newRow(qPrintable(QStringLiteral("Раздел_%1").arg(s))) << s;
}

void TestImportWriter::readsBackUnchanged()
{
    QFETCH(int, section);
    const QString marker = QStringLiteral("%1.").arg(section);
    const QList<Question> qs = sampleQuestions(section);
    QVERIFY(roundTripProblems(marker, qs).isEmpty());

    bool utf8 = true;
    const QByteArray bytes = encode(format(QStringLiteral("Заголовок"), marker, qs), &utf8);
    QVERIFY(!utf8);
    const ParseResult back = parseBytes(bytes, marker);
    QVERIFY(back.diagnostics.isEmpty());
    QCOMPARE(back.questions.size(), qs.size());
    for (qsizetype i = 0; i < qs.size(); ++i)
        QVERIFY2(sameAfterRoundTrip(qs[i], back.questions[i]), qPrintable(QString::number(i + 1)));
    // Imported texts come back exactly, the question's own number included.
    QCOMPARE(back.questions[0].text, qs[0].text);
    QCOMPARE(back.questions[0].answers[2].text, qs[0].answers[2].text);
    QCOMPARE(back.questions[1].answers[0].flag, QStringLiteral("Неверно"));
    QCOMPARE(back.questions[2].text, QStringLiteral("  с отступом %1.5 «кавычки» — тире\r").arg(section));
    QCOMPARE(back.questions[2].answers[1].text, QStringLiteral("(а) скобка\r"));
}

void TestImportWriter::namesQuestionsThatCannotPass_data()
{
    QTest::addColumn<Question>("question");
    QTest::addColumn<QString>("reason");
    QTest::newRow("start line with верно")
        << make("Что верно?", "a", "Верно", "b", "Неверно") << "первая строка вопроса";
    QTest::newRow("question line with Отв.")
        << make("Вопрос\rОтв. на это", "a", "Верно", "b", "Неверно") << "строка 2 вопроса";
    QTest::newRow("answer line with верно")
        << make("Q", "Ответ:\rвсё верно", "Верно", "b", "Неверно") << "строка 2 ответа 1 содержит";
    QTest::newRow("first answer line with верно is fine")
        << make("Q", "Всё верно", "Верно", "b", "Неверно", "Отв.", "Неверно") << "";
    QTest::newRow("empty flag") << make("Q", "a", "Верно", "b", "") << "отметка ответа 2";
    QTest::newRow("answer begins with a full stop")
        << make("Q", "a", "Верно", "b", "Неверно", "...и так далее", "Неверно")
        << "ответ 3 начинается с точки";
}

void TestImportWriter::namesQuestionsThatCannotPass()
{
    QFETCH(Question, question);
    QFETCH(QString, reason);
    const Question fine = make("Хороший вопрос", "a", "Верно", "b", "Неверно");
    const QList<RoundTripProblem> problems = roundTripProblems(u"1.", {fine, question, fine});
    if (reason.isEmpty()) {
        QVERIFY(problems.isEmpty());
        return;
    }
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().number, 2);
    QVERIFY2(problems.first().reason.contains(reason), qPrintable(problems.first().reason));
}

void TestImportWriter::encodingFallsBackToUtf8()
{
    const QList<Question> qs = {make("Сопротивление 5 Ω", "Да", "Верно", "Нет", "Неверно")};
    bool utf8 = false;
    const QByteArray bytes = encode(format("T", u"2.", qs), &utf8);
    QVERIFY(utf8);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const ParseResult back = parseBytes(bytes, u"2.");
    QCOMPARE(back.questions.size(), 1);
    QCOMPARE(back.questions.first().text, QStringLiteral("Сопротивление 5 Ω\r"));
}

void TestImportWriter::splitLinesAndCanonicalText()
{
    QCOMPARE(splitLines(u""), QStringList{QString()});
    QCOMPARE(splitLines(u"a\r"), QStringList{"a"});
    QCOMPARE(splitLines(u"a\r\r"), (QStringList{"a", ""}));
    QCOMPARE(splitLines(u"a\r\nb\nc\u2029d"), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(canonicalText(u"  a  \n  b  "), QStringLiteral("  a\rb\r"));
    QCOMPARE(canonicalFlag(u" Верно     "), QStringLiteral("Верно"));
}

int runImportWriterTests(int argc, char** argv)
{
    TestImportWriter t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_import_writer.moc"
