// Pure rules of the question windows: the answer-flag reading, the question hint, the
// beginning/end marks of the browsing windows and the editor's rules against registered questions.
#include "core/question/AnswerFlag.h"
#include "core/question/EditorRules.h"
#include "core/question/QuestionHint.h"
#include "core/question/RecordCursor.h"

#include <QTest>

using AnswerFlag::Verdict;
Q_DECLARE_METATYPE(AnswerFlag::Verdict)

class TestQuestionRules : public QObject
{
    Q_OBJECT
private slots:
    void flagVerdict_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("Верно") << QStringLiteral("Верно") << Verdict::Right;
        QTest::newRow("Верно padded") << QStringLiteral("Верно").leftJustified(250) << Verdict::Right;
        QTest::newRow("Неверно") << QStringLiteral("Неверно") << Verdict::Wrong;
        QTest::newRow("неверно") << QStringLiteral("неверно") << Verdict::Wrong;
        QTest::newRow("leading blanks") << QStringLiteral("  Неверно") << Verdict::Wrong;
        QTest::newRow("leading tab/CR") << QStringLiteral("\t\r\x01Неверно") << Verdict::Wrong;
        QTest::newRow("capitals") << QStringLiteral("НЕВЕРНО") << Verdict::Right;
        QTest::newRow("Нет") << QStringLiteral("Нет") << Verdict::Wrong;
        QTest::newRow("Не верно") << QStringLiteral("Не верно") << Verdict::Wrong;
        QTest::newRow("incomplete") << QStringLiteral("Неверно, неполный ответ") << Verdict::Incomplete;
        QTest::newRow("Неполный capital") << QStringLiteral("Неверно (Неполный)") << Verdict::Wrong;
        QTest::newRow("right but incomplete") << QStringLiteral("Верно, но неполный") << Verdict::Right;
        QTest::newRow("empty") << QString() << Verdict::Right;
        QTest::newRow("blanks only") << QStringLiteral("   ") << Verdict::Right;
        QTest::newRow("single Н") << QStringLiteral("Н") << Verdict::Right;
        QTest::newRow("nbsp is not trimmed") << QStringLiteral("\u00A0Неверно") << Verdict::Right;
    }
    void flagVerdict()
    {
        QFETCH(QString, flag);
        QFETCH(Verdict, verdict);
        QCOMPARE(AnswerFlag::classify(flag), verdict);
    }

    void flagPrefix()
    {
        QCOMPARE(AnswerFlag::prefix(QStringLiteral("  Неверно  ")), QStringLiteral("Не"));
        QCOMPARE(AnswerFlag::prefix(QStringLiteral(" В ")), QStringLiteral("В"));
        QCOMPARE(AnswerFlag::trimmed(QStringLiteral("\x1f Да \x20")), QStringLiteral("Да"));
    }

    void hintByteForByte()
    {
        const QString hint = QuestionHint::text(QStringLiteral("Что?\rДва"), QStringLiteral("Один\r"),
                                                QStringLiteral("Два"), QString());
        const QByteArray expected = QByteArrayLiteral("Вопрос\rЧто?\rДва----------------\r"
                                                      "Ответ №1.\rОдин\r----------------\r"
                                                      "Ответ №2.\rДва----------------\r"
                                                      "Ответ №3.\r----------------\r");
        QCOMPARE(hint.toUtf8(), expected);
        QVERIFY(!hint.contains(QLatin1Char('\n')));
    }

    void cursorMarks()
    {
        Question::RecordCursor c;
        c.open(3);
        QVERIFY(c.canGoBack() && c.canGoForward());
        QVERIFY(!c.first()); // already on the first row, but the mark is set
        QVERIFY(!c.canGoBack() && c.canGoForward());
        QVERIFY(c.next());
        QVERIFY(c.canGoBack() && c.canGoForward());
        QVERIFY(c.last());
        QCOMPARE(c.row(), 2);
        QVERIFY(c.canGoBack() && !c.canGoForward());
        QVERIFY(c.prior());
        QVERIFY(c.canGoForward());
        QVERIFY(c.next());
        QVERIFY(!c.next()); // nothing later: the end mark comes on
        QVERIFY(!c.canGoForward());
        c.first();
        QVERIFY(!c.prior());
        QVERIFY(!c.canGoBack());
        QVERIFY(c.goTo(10));
        QCOMPARE(c.row(), 2);
        QVERIFY(c.canGoBack() && c.canGoForward());

        Question::RecordCursor empty;
        empty.open(0);
        QVERIFY(!empty.next());
        QVERIFY(!empty.first());
        QCOMPARE(empty.row(), 0);
    }

    // A section of 40 registered questions and 40 rows.
    void editorFortyRegistered()
    {
        using namespace EditorRules;
        int rows = 40;
        const int k = 40;
        int pos = openingPosition(k, rows);
        QCOMPARE(pos, 40);
        QVERIFY(isRegistered(k, pos));
        QVERIFY(!editable(false, k, pos));
        NextStep s = next(k, pos, rows);
        QVERIFY(!s.unlock);
        QCOMPARE(s.position, 40);
        QVERIFY(!firstPosition(k, rows));
        // "Добавить": 41, unlocked.
        ++rows;
        pos = 41;
        QVERIFY(editable(true, k, pos));
        ++rows; // 42
        QCOMPARE(*firstPosition(k, rows), 41);
        QCOMPARE(priorPosition(k, 41), 41);
        QCOMPARE(priorPosition(k, 42), 41);
        // A later opening: on 40, locked; "Следующая" goes to 41 still locked, then unlocks.
        pos = openingPosition(k, rows);
        s = next(k, pos, rows);
        QVERIFY(!s.unlock);
        QCOMPARE(s.position, 41);
        s = next(k, s.position, rows);
        QVERIFY(s.unlock);
        QCOMPARE(s.position, 42);
        QCOMPARE(lastPosition(rows), 42);
        // An unlocked page still keeps a registered question from being typed over.
        QVERIFY(!editable(true, k, 40));
    }

    void editorOddCounts()
    {
        using namespace EditorRules;
        QCOMPARE(openingPosition(0, 5), 1);  // section not listed
        QCOMPARE(openingPosition(60, 5), 5); // fewer rows than registered
        QCOMPARE(openingPosition(3, 0), 0);  // empty section
        QCOMPARE(*firstPosition(0, 5), 1);
        QVERIFY(next(0, 1, 5).unlock);
        QCOMPARE(priorPosition(0, 1), 1);
    }

    void nextIndexAfterDeletion()
    {
        QCOMPARE(EditorRules::nextIndex({}), 1);
        QCOMPARE(EditorRules::nextIndex({1, 2, 3}), 4);
        // Question 2 of 1..5 deleted: the row count plus one would repeat 5.
        QCOMPARE(EditorRules::nextIndex({1, 3, 4, 5}), 6);
        QCOMPARE(EditorRules::nextIndex({7, 2}), 8);
    }

    void deletePromptNamesTheQuestion()
    {
        QVERIFY(EditorRules::deletePrompt(12, false).contains(QStringLiteral("№12")));
        const QString reg = EditorRules::deletePrompt(7, true);
        QVERIFY(reg.contains(QStringLiteral("№7")));
        QVERIFY(reg.contains(QStringLiteral("зарегистрированных")));
    }
};

QTEST_GUILESS_MAIN(TestQuestionRules)
#include "test_question_rules.moc"
