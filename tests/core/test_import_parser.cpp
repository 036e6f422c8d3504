// Reading question files: the golden cases under tests/data/import (each an input.txt in the
// file's own encoding and an expected.txt listing the questions read), the label scan, the
// section marker, the code page and the line ends.
#include "core/import/Cp1251.h"
#include "core/import/QuestionFileParser.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>

using namespace QuestionFile;

namespace {

// Carriage returns inside stored texts are shown as "⏎" in expected.txt.
QString shown(const QString& text)
{
    QString s = text;
    return s.replace(u'\r', QChar(0x23CE));
}

QString kindName(Diagnostic::Kind kind)
{
    switch (kind) {
    case Diagnostic::Kind::OutOfBounds:
        return QStringLiteral("OutOfBounds");
    case Diagnostic::Kind::TruncatedQuestion:
        return QStringLiteral("TruncatedQuestion");
    case Diagnostic::Kind::SkippedStart:
        return QStringLiteral("SkippedStart");
    case Diagnostic::Kind::StartIsLastLine:
        break;
    }
    return QStringLiteral("StartIsLastLine");
}

QStringList dump(const QString& section, const ParseResult& r)
{
    QStringList out{QStringLiteral("раздел: ") + section,
                    QStringLiteral("кодировка: ") + encodingName(r.encoding)};
    for (const Question& q : r.questions) {
        out << QStringLiteral("вопрос: строка %1, ответов %2").arg(q.line).arg(q.answerCount);
        out << QStringLiteral("Вопрос: ") + shown(q.text);
        for (int k = 0; k < q.answerCount; ++k) {
            out << QStringLiteral("Ответ_%1: ").arg(k + 1) + shown(q.answers[k].text);
            out << QStringLiteral("Верно_Неверно_%1: ").arg(k + 1) + q.answers[k].flag;
        }
    }
    for (const Diagnostic& d : r.diagnostics)
        out << QStringLiteral("диагностика: %1, строка %2").arg(kindName(d.kind)).arg(d.line);
    for (const QString& why : whyNoQuestions(r, sectionMarker(section)))
        out << QStringLiteral("причина: ") + why;
    return out;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

ParseResult parseLines(const QString& section, const QStringList& lines)
{
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    return parse(text, QuestionFile::sectionMarker(section));
}

} // namespace

class TestImportParser : public QObject
{
    Q_OBJECT
private slots:
    void goldenCases_data();
    void goldenCases();
    void labelScan_data();
    void labelScan();
    void sectionMarker_data();
    void sectionMarker();
    void cp1251MatchesSystemConverter();
    void cp1251EncodeRefusesForeignCharacters();
    void outOfBoundsShownOncePerQuestion();
    void noMarkerFindsNothing();
    void encodingDetection();
    void largeFileReadsEveryQuestion();
};

void TestImportParser::goldenCases_data()
{
    QTest::addColumn<QString>("dir");
    const QDir root(QStringLiteral(IMPORT_CASES_DIR));
    const QStringList names = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(names.size() >= 15);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << root.filePath(name);
}

void TestImportParser::goldenCases()
{
    QFETCH(QString, dir);
    QStringList expected = QString::fromUtf8(readFile(dir + QStringLiteral("/expected.txt"))).split(u'\n');
    while (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    QVERIFY(expected.first().startsWith(QStringLiteral("раздел: ")));
    const QString section = expected.first().mid(8);

    const ParseResult r =
        parseBytes(readFile(dir + QStringLiteral("/input.txt")), QuestionFile::sectionMarker(section));
    const QStringList actual = dump(section, r);
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i)
        QCOMPARE(actual[i], expected[i]);
    QCOMPARE(actual.size(), expected.size());
}

void TestImportParser::labelScan_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("blank after label") << "Отв.1. Текст"
                                       << "Текст";
    QTest::newRow("no blank") << "Отв.1.Текст"
                              << "Текст";
    QTest::newRow("blank before digit") << "Отв. 1. Текст"
                                        << " Текст";
    QTest::newRow("label only") << "Отв.2."
                                << "";
    QTest::newRow("shorter than label") << "Отв"
                                        << "";
    QTest::newRow("seven characters") << "Отв.2.Я"
                                      << "Я";
    QTest::newRow("digit in 7th place dropped") << "Отв.1.5 В"
                                                << " В";
    QTest::newRow("full stops from 8th dropped") << "Отв.1..... конец"
                                                 << " конец";
    QTest::newRow("Latin letter in 7th dropped") << "Отв.1.ABC"
                                                 << "BC";
    QTest::newRow("Ё is not in the range") << "Отв.1.Ёж"
                                           << "ж";
    QTest::newRow("ё in 8th kept") << "Отв.1. ёж"
                                   << "ёж";
    QTest::newRow("only full stops") << "Отв.1...."
                                     << "";
    QTest::newRow("я is in the range") << "Отв.1.я"
                                       << "я";
}

void TestImportParser::labelScan()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    QCOMPARE(labelText(line).toString(), text);
}

void TestImportParser::sectionMarker_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("marker");
    QTest::newRow("Раздел_3") << "Раздел_3"
                              << "3.";
    QTest::newRow("Раздел_9") << "Раздел_9"
                              << "9.";
    QTest::newRow("first digit") << "Раздел_12"
                                 << "1.";
    QTest::newRow("none chosen") << ""
                                 << "";
    QTest::newRow("no digit") << "Раздел_"
                              << "";
}

void TestImportParser::sectionMarker()
{
    QFETCH(QString, section);
    QFETCH(QString, marker);
    QCOMPARE(QuestionFile::sectionMarker(section), marker);
}

void TestImportParser::cp1251MatchesSystemConverter()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString ours = Cp1251::decode(all);
    QCOMPARE(ours.size(), 256);
    QCOMPARE(ours.at(0xC0), QChar(u'А'));
    QCOMPARE(ours.at(0xFF), QChar(u'я'));
    QCOMPARE(ours.at(0xA8), QChar(u'Ё'));
    QCOMPARE(ours.at(0xB9), QChar(u'№'));
    QCOMPARE(Cp1251::encode(ours).value(), all);

    QStringDecoder system("windows-1251");
    if (!system.isValid())
        QSKIP("this Qt has no Windows-1251 converter to compare with");
    const QString theirs = system.decode(all);
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) // unassigned in the code page
            continue;
        QVERIFY2(ours.at(b) == theirs.at(b), qPrintable(QString::number(b, 16)));
    }
}

void TestImportParser::cp1251EncodeRefusesForeignCharacters()
{
    QVERIFY(!Cp1251::encode(u"Ω").has_value());
    QVERIFY(!Cp1251::encode(QString::fromUtf8("\xF0\x9F\x98\x80")).has_value());
    QCOMPARE(Cp1251::encode(u"«Ёж» № 5 — ok").value(), QByteArray("\xAB\xA8\xE6\xBB \xB9 5 \x97 ok"));
}

void TestImportParser::outOfBoundsShownOncePerQuestion()
{
    // Two questions; the second is cut after its first flag line, followed by blank lines.
    const ParseResult r =
        parseLines(QStringLiteral("Раздел_1"), {"T", "1.1. q", "Отв.1. a", "Верно", "Отв.2. b", "Неверно",
                                                "1.2. r", "Отв.1. c", "Неверно", "", ""});
    QCOMPARE(r.questions.size(), 1);
    int outOfBounds = 0;
    for (const Diagnostic& d : r.diagnostics) {
        if (d.kind == Diagnostic::Kind::OutOfBounds) {
            ++outOfBounds;
            QCOMPARE(d.text, QStringLiteral("Ошибка превышения границ"));
            QCOMPARE(d.line, 7);
        }
    }
    QCOMPARE(outOfBounds, 1);
}

void TestImportParser::noMarkerFindsNothing()
{
    const ParseResult r = parse(u"T\r\n1.1. q\r\nОтв.1. a\r\nВерно\r\nОтв.2. b\r\nВерно\r\n", QStringView());
    QVERIFY(r.questions.isEmpty());
    QVERIFY(r.diagnostics.isEmpty());
}

void TestImportParser::encodingDetection()
{
    // Russian text in Windows-1251 is not taken for UTF-8, nor is ASCII.
    QCOMPARE(detectEncoding(Cp1251::encode(u"Отв.1. Заземление опоры\r\nВерно").value()),
             Encoding::Windows1251);
    QCOMPARE(detectEncoding("T\r\n1.1. q"), Encoding::Windows1251);
    QCOMPARE(detectEncoding(QStringLiteral("Верно").toUtf8()), Encoding::Utf8);
    // Malformed sequences: overlong, surrogate, past U+10FFFF, cut short, stray continuation.
    for (const char* bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xF5\x80\x80\x80", "\xD0", "\xE2\x80", "\x80"})
        QVERIFY2(!isNonAsciiUtf8(QByteArrayView(bad)), bad);
    QVERIFY(isNonAsciiUtf8("\xF0\x9F\x98\x80 \xE2\x80\x94 \xD0\x81"));
    // Valid UTF-8 up to a Ctrl-Z, whatever follows it.
    QCOMPARE(detectEncoding(QByteArray(QStringLiteral("Да").toUtf8() + "\x1A\xFF")), Encoding::Utf8);
}

void TestImportParser::largeFileReadsEveryQuestion()
{
    QString text = QStringLiteral("Заголовок\r\n");
    for (int i = 1; i <= 3000; ++i) {
        text += QStringLiteral("5.%1. Вопрос номер %1\r\nвторая строка\r\n").arg(i);
        text += QStringLiteral("Отв.1. первый\r\nНеверно\r\nОтв.2. второй\r\nВерно\r\n");
        if (i % 2)
            text += QStringLiteral("Отв.3. третий\r\nНеверно\r\n");
    }
    const ParseResult r = parse(text, u"5.");
    QCOMPARE(r.questions.size(), 3000);
    QCOMPARE(r.questions.at(41).text, QStringLiteral("42. Вопрос номер 42\rвторая строка\r"));
    QCOMPARE(r.questions.at(41).answerCount, 2);
    QCOMPARE(r.questions.at(42).answerCount, 3);
    QCOMPARE(r.questions.last().answers[1].flag, QStringLiteral("Верно"));
}

int runImportWriterTests(int argc, char** argv); // test_import_writer.cpp

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestImportParser parser;
    int status = QTest::qExec(&parser, argc, argv);
    status |= runImportWriterTests(argc, argv);
    return status;
}

#include "test_import_parser.moc"
