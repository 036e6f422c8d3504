// Question bank editor: registered questions locked, navigation against the registered count,
// numbering of new questions, deletion with confirmation, pending changes saved before moves and
// exits, pictures from *.bmp / *.jpg files.
#include "../training/ModeWindowFixture.h"
#include "editor/TfrmBGD_Editor.h"
#include "select/TfrmOpenBD.h"
#include "ui/question/BoundWidgets.h"
#include "ui/question/PhotoBox.h"
#include "ui/question/QuestionPage.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestEditor : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ModeWindowFixture> fx;
    std::unique_ptr<TfrmBGD_Editor> w;

    // Section 1 of the first category with 40 questions, all 40 registered.
    void makeForty()
    {
        for (int i = 13; i <= 40; ++i)
            fx->onBank(
                0,
                QStringLiteral("Insert Into Раздел_1 (Индекс, Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, "
                               "Верно_Неверно_2) Values (?, ?, ?, ?, ?, ?)"),
                {i, QStringLiteral("Вопрос %1").arg(i), QStringLiteral("а"), QStringLiteral("Верно"),
                 QStringLiteral("б"), QStringLiteral("Неверно")});
        setRegistered(40);
    }
    void setRegistered(int count)
    {
        fx->onMain(QStringLiteral("Update Количество_вопросов_по_разделам Set Количество_вопросов = ? "
                                  "Where Категория_специалиста = ? and Название_раздела = ?"),
                   {count, fx->category(0), QStringLiteral("Раздел_1")});
    }
    void open()
    {
        fx->choose(0, 1);
        if (!w)
            w = std::make_unique<TfrmBGD_Editor>();
        QVERIFY(w->FormShow());
    }
    int number() const { return w->DBEdit->text().toInt(); }
    QVariant stored(const QString& field, int index)
    {
        return fx->onBank(0, QStringLiteral("Select %1 From Раздел_1 Where Индекс = ?").arg(field), {index});
    }
    int rows() { return fx->onBank(0, QStringLiteral("Select Count(*) From Раздел_1")).toInt(); }
    // The flags a new question needs before it can be saved.
    void chooseFlags()
    {
        w->DBComboBox_Otvet1->setFlagText(QStringLiteral("Верно"));
        w->DBComboBox_Otvet2->setFlagText(QStringLiteral("Неверно"));
    }
    void addQuestion(const QString& text)
    {
        w->DataSetAppendEditorExecute();
        w->DBMemo_Vopros->setStoredText(text);
        chooseFlags();
        QVERIFY(w->DataSetPostEditorExecute());
    }

private slots:
    void init() { fx = std::make_unique<ModeWindowFixture>(); }
    void cleanup()
    {
        w.reset();
        Forms::frmOpenBD = nullptr;
        fx.reset();
    }

    void fortyRegisteredQuestions()
    {
        makeForty();
        open();
        QCOMPARE(Global::KolVoprosovPoRazdelu, 40);
        QCOMPARE(number(), 40);
        QVERIFY(w->isLocked());
        QVERIFY(w->DBMemo_Vopros->isReadOnly());
        QVERIFY(!w->DBComboBox_Otvet1->isEnabled());
        QVERIFY(w->DBEdit->isVisibleTo(w.get()));
        w->actNextEdtorExecute();
        QCOMPARE(number(), 40);
        QVERIFY(w->isLocked());

        w->DataSetAppendEditorExecute();
        QCOMPARE(number(), 41);
        QVERIFY(!w->isLocked());
        QVERIFY(!w->DBMemo_Vopros->isReadOnly());
        QVERIFY(w->DBComboBox_Otvet1->isEnabled());
        QVERIFY(w->DataSetPostEditor->isEnabled() && w->DataSetCancelEditor->isEnabled());
        QVERIFY(!w->DataSetEdit_Editor->isEnabled());
        w->DBMemo_Vopros->setStoredText(QStringLiteral("Новый вопрос\rвторая строка"));
        chooseFlags();
        QVERIFY(w->DataSetPostEditorExecute());
        QCOMPARE(stored(QStringLiteral("Вопрос"), 41).toString(),
                 QStringLiteral("Новый вопрос\rвторая строка"));
        QCOMPARE(stored(QStringLiteral("Верно_Неверно_1"), 41).toString(), QStringLiteral("Верно"));
        QVERIFY(!w->DataSetPostEditor->isEnabled());
        addQuestion(QStringLiteral("Вопрос 42"));
        QCOMPARE(number(), 42);

        w->actFirstEditorExecute();
        QCOMPARE(number(), 41);
        w->actPrevEditorExecute();
        QCOMPARE(number(), 41);
        w->actLastExecute();
        w->actPrevEditorExecute();
        QCOMPARE(number(), 41);
        // The page's own moves obey the same rules.
        QTest::keyClick(w->DBCtrlGrid1, Qt::Key_Up);
        QCOMPARE(number(), 41);
        w->DBCtrlGrid1->ScrollBar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(number(), 41);
        QTest::keyClick(w->DBCtrlGrid1, Qt::Key_End);
        QCOMPARE(number(), 42);

        // A later opening: on 40, locked; "Следующая" to 41 still locked, then unlocks on to 42.
        QVERIFY(w->FormShow());
        QCOMPARE(number(), 40);
        QVERIFY(w->isLocked());
        w->actNextEdtorExecute();
        QCOMPARE(number(), 41);
        QVERIFY(w->isLocked());
        QVERIFY(w->DBMemo_Vopros->isReadOnly());
        w->actNextEdtorExecute();
        QCOMPARE(number(), 42);
        QVERIFY(!w->isLocked());
        QVERIFY(!w->DBMemo_Vopros->isReadOnly());
        w->actPrevEditorExecute();
        QCOMPARE(number(), 41);
        QVERIFY(!w->DBMemo_Vopros->isReadOnly());
    }

    void firstWithoutAddedQuestionsSaysSo()
    {
        makeForty();
        open();
        w->actFirstEditorExecute();
        QCOMPARE(number(), 40);
        QVERIFY(fx->saw(QStringLiteral("нет вопросов, добавленных")));
    }

    void cancelledAdditionLeavesRegisteredLocked()
    {
        open(); // demo: 12 registered, 12 rows
        QCOMPARE(number(), 12);
        w->DataSetAppendEditorExecute();
        QCOMPARE(number(), 13);
        w->DataSetCancelEditorExecute();
        QCOMPARE(w->DBCtrlGrid1->rowCount(), 12);
        QCOMPARE(number(), 12);
        // The page is unlocked, but a registered question is still not typed over.
        QVERIFY(!w->isLocked());
        QVERIFY(w->DBMemo_Vopros->isReadOnly());
        QCOMPARE(rows(), 12);
    }

    void deletionAsksAndNumbersStayUnique()
    {
        open();
        addQuestion(QStringLiteral("Тринадцатый"));
        addQuestion(QStringLiteral("Четырнадцатый"));
        w->actFirstEditorExecute();
        QCOMPARE(number(), 13);

        fx->answer = QMessageBox::No;
        w->DataSetDeleteEditorExecute();
        QCOMPARE(fx->messages.last().kind, Messages::Kind::Question);
        QVERIFY(fx->messages.last().text.contains(QStringLiteral("№13")));
        QVERIFY(!fx->messages.last().text.contains(QStringLiteral("зарегистрированных")));
        QCOMPARE(rows(), 14);

        fx->answer = QMessageBox::Yes;
        w->DataSetDeleteEditorExecute();
        QCOMPARE(rows(), 13);
        QVERIFY(stored(QStringLiteral("Вопрос"), 13).isNull());
        QCOMPARE(number(), 14);
        // The row count plus one would repeat 14.
        addQuestion(QStringLiteral("Новый после удаления"));
        QCOMPARE(number(), 15);
        QCOMPARE(stored(QStringLiteral("Вопрос"), 15).toString(), QStringLiteral("Новый после удаления"));
        QCOMPARE(stored(QStringLiteral("Вопрос"), 14).toString(), QStringLiteral("Четырнадцатый"));

        // A registered question: the question says so.
        QVERIFY(w->FormShow());
        QCOMPARE(number(), 12);
        fx->answer = QMessageBox::No;
        w->DataSetDeleteEditorExecute();
        QVERIFY(fx->messages.last().text.contains(QStringLiteral("№12")));
        QVERIFY(fx->messages.last().text.contains(QStringLiteral("зарегистрированных")));
        QCOMPARE(rows(), 14);
    }

    void addedQuestionsStayEditableWhateverTheRegisteredCount()
    {
        setRegistered(20); // after importing a shorter file: 12 rows, 20 registered
        open();
        QCOMPARE(number(), 12);
        w->DataSetAppendEditorExecute();
        w->DBMemo_Vopros->setStoredText(QStringLiteral("Местный вопрос"));
        chooseFlags();
        QVERIFY(w->DataSetPostEditorExecute());
        QCOMPARE(number(), 13);
        // Saved, it still takes typing, and "Удалить" does not call it registered.
        QVERIFY(!w->DBMemo_Vopros->isReadOnly());
        QVERIFY(w->DBComboBox_Otvet1->isEnabled());
        QTest::keyClicks(w->DBMemo_Otvet1, QStringLiteral(" 1"));
        QVERIFY(w->DataSetPostEditorExecute());
        QVERIFY(stored(QStringLiteral("Ответ_1"), 13).toString().endsWith(QStringLiteral(" 1")));
        fx->answer = QMessageBox::No;
        w->DataSetDeleteEditorExecute();
        QVERIFY(fx->messages.last().text.contains(QStringLiteral("№13")));
        QVERIFY(!fx->messages.last().text.contains(QStringLiteral("зарегистрированных")));
        // Shown again, the count decides once more.
        QVERIFY(w->FormShow());
        QCOMPARE(number(), 13);
        w->actNextEdtorExecute();
        QVERIFY(w->DBMemo_Vopros->isReadOnly());
    }

    void undoKeyUndoesTypingAndDiscardsNothing()
    {
        open();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->DataSetAppendEditorExecute();
        QCOMPARE(number(), 13);
        w->DBMemo_Vopros->setFocus();
        QTest::keyClicks(w->DBMemo_Vopros, QStringLiteral("abc"));
        QTest::keyClick(w->DBMemo_Vopros, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w->DBMemo_Vopros->toPlainText().size() < 3); // the typing went back, not the question
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Insert);
        QTest::keyClicks(w->DBMemo_Vopros, QStringLiteral("xyz"));
        // Outside the text boxes Ctrl+Z does nothing to the question either.
        w->DBCtrlGrid1->setFocus();
        QTest::keyClick(w->DBCtrlGrid1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Insert);
        QCOMPARE(number(), 13);
        // "Удалить" by its key asks before it throws the typed question away.
        fx->answer = QMessageBox::No;
        QTest::keyClick(w->DBMemo_Vopros, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!fx->messages.isEmpty());
        QCOMPARE(fx->messages.last().kind, Messages::Kind::Question);
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Insert);
        QVERIFY(w->DBMemo_Vopros->toPlainText().contains(QStringLiteral("xyz")));
        chooseFlags();
        QVERIFY(w->DataSetPostEditorExecute());
        QVERIFY(stored(QStringLiteral("Вопрос"), 13).toString().contains(QStringLiteral("xyz")));
        w->hide();
    }

    void deleteWhileAddingDiscardsTheNewQuestion()
    {
        open();
        w->DataSetAppendEditorExecute();
        const int before = fx->messages.size();
        w->DataSetDeleteEditorExecute();
        QCOMPARE(fx->messages.size(), before); // nothing stored yet, nothing to confirm
        QCOMPARE(w->DBCtrlGrid1->rowCount(), 12);
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Browse);
    }

    void pendingEditSavedBeforeFirstAndExit()
    {
        open();
        addQuestion(QStringLiteral("13"));
        w->DataSetAppendEditorExecute();
        w->DBMemo_Vopros->setStoredText(QStringLiteral("не потерять"));
        chooseFlags();
        w->DBComboBox_Otvet3->setFlagText(QString());
        w->actFirstEditorExecute();
        QCOMPARE(number(), 13);
        QCOMPARE(stored(QStringLiteral("Вопрос"), 14).toString(), QStringLiteral("не потерять"));

        // Typing into an unlocked box puts the question into editing; leaving saves it.
        w->actNextEdtorExecute();
        QCOMPARE(number(), 14);
        QTest::keyClicks(w->DBMemo_Otvet1, QStringLiteral(" plus"));
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Edit);
        QSignalSpy closed(w.get(), &QDialog::finished);
        w->actOutRazdel_EditorExecute();
        QCOMPARE(closed.count(), 1);
        QVERIFY(stored(QStringLiteral("Ответ_1"), 14).toString().contains(QStringLiteral(" plus")));
    }

    void failedSaveReportsAndStays()
    {
        open();
        w->DataSetAppendEditorExecute();
        w->DBMemo_Vopros->setStoredText(QStringLiteral("ждёт записи"));
        chooseFlags();
        // Another program holds the bank for writing.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        {
            other.setDatabaseName(fx->bankPath(0));
            QVERIFY(other.open());
            QSqlQuery(QStringLiteral("BEGIN IMMEDIATE"), other);
            QSignalSpy closed(w.get(), &QDialog::finished);
            fx->messages.clear();
            w->actOutRazdel_EditorExecute();
            QCOMPARE(closed.count(), 0);
            QCOMPARE(fx->messages.size(), 1);
            QCOMPARE(fx->messages.first().kind, Messages::Kind::Error);
            QVERIFY(w->hasPendingChange());
            QCOMPARE(w->DBMemo_Vopros->storedText(), QStringLiteral("ждёт записи"));
            QSqlQuery(QStringLiteral("ROLLBACK"), other);
            other.close();
        }
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QVERIFY(w->DataSetPostEditorExecute());
        QCOMPARE(stored(QStringLiteral("Вопрос"), 13).toString(), QStringLiteral("ждёт записи"));
    }

    void answerIsSavedOnlyWithAFlagBothReadersAgreeOn()
    {
        open();
        w->DataSetAppendEditorExecute();
        w->DBMemo_Vopros->setStoredText(QStringLiteral("Без отметки"));
        w->DBComboBox_Otvet1->setFlagText(QStringLiteral("Верно"));
        fx->messages.clear();
        QVERIFY(!w->DataSetPostEditorExecute());
        QCOMPARE(fx->messages.size(), 1);
        QCOMPARE(fx->messages.first().kind, Messages::Kind::Warning);
        QVERIFY2(fx->messages.first().text.contains(QStringLiteral("У ответа №2 нет отметки")),
                 qPrintable(fx->messages.first().text));
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Insert);
        QCOMPARE(rows(), 12);

        // Typed text that self-training would show as right and the exam count as wrong.
        for (const QChar c : QStringLiteral("Ответ верно."))
            QTest::sendKeyEvent(QTest::Click, w->DBComboBox_Otvet2, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        QCOMPARE(w->DBComboBox_Otvet2->flagText(), QStringLiteral("Ответ верно."));
        QVERIFY(!w->DataSetPostEditorExecute());
        QVERIFY2(fx->messages.last().text.contains(QStringLiteral("читается по-разному")),
                 qPrintable(fx->messages.last().text));
        QCOMPARE(rows(), 12);

        // A third answer with text needs its flag too; an incomplete answer is wrong for both readers.
        w->DBComboBox_Otvet2->setFlagText(QStringLiteral("Неверно, неполный ответ"));
        w->DBMemo_Otvet3->setStoredText(QStringLiteral("третий"));
        QVERIFY(!w->DataSetPostEditorExecute());
        QVERIFY(fx->messages.last().text.contains(QStringLiteral("№3")));
        w->DBComboBox_Otvet3->setFlagText(QStringLiteral("Неверно"));
        QVERIFY(w->DataSetPostEditorExecute());
        QCOMPARE(stored(QStringLiteral("Верно_Неверно_2"), 13).toString(),
                 QStringLiteral("Неверно, неполный ответ"));
        QCOMPARE(stored(QStringLiteral("Верно_Неверно_3"), 13).toString(), QStringLiteral("Неверно"));
    }

    void numberBoxIsDisplayOnly()
    {
        open();
        w->DataSetAppendEditorExecute();
        QTest::keyClicks(w->DBEdit, QStringLiteral("5"));
        chooseFlags();
        QCOMPARE(number(), 13);
        QVERIFY(w->DataSetPostEditorExecute());
        QCOMPARE(stored(QStringLiteral("Count(*)"), 13).toInt(), 1);
        QVERIFY(w->DBEdit->isReadOnly());
    }

    void jpegPictureStoredAsBitmapAndShown()
    {
        open();
        addQuestion(QStringLiteral("С рисунком"));
        const QString file = fx->folder.filePath(QStringLiteral("photo.JPG"));
        QImage image(300, 150, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(file, "JPG"));
        FileDialogs::setNextFileName(file);
        w->actImage_EditorExecute();
        const QByteArray bytes = stored(QStringLiteral("Фото"), 13).toByteArray();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(QImage::fromData(bytes, "BMP").size(), QSize(300, 150));
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Browse);

        QVERIFY(!w->isPictureShown());
        w->actViewHide_ImageExecute();
        QVERIFY(w->isPictureShown());
        QCOMPARE(w->DBImage_Photo->image().size(), QSize(300, 150));
        w->DBImage_Photo->resize(400, 400);
        const QRect r = w->DBImage_Photo->pictureRect();
        QCOMPARE(r.size(), QSize(400, 200)); // proportions kept
        QCOMPARE(r.top(), 100);              // centred
        w->actViewHide_ImageExecute();
        QVERIFY(!w->isPictureShown());
        // Every showing starts with the picture hidden.
        w->actViewHide_ImageExecute();
        QVERIFY(w->FormShow());
        QVERIFY(!w->isPictureShown());
    }

    void bitmapOnARegisteredQuestion()
    {
        open();
        const QString file = fx->folder.filePath(QStringLiteral("Схема.Bmp"));
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(file, "BMP"));
        FileDialogs::setNextFileName(file);
        w->actImage_EditorExecute();
        QCOMPARE(QImage::fromData(stored(QStringLiteral("Фото"), 12).toByteArray()).size(), QSize(20, 10));
    }

    void otherFilesLoadNothingButTheQuestionIsSaved()
    {
        open();
        w->DataSetAppendEditorExecute();
        w->DBMemo_Vopros->setStoredText(QStringLiteral("сохраняется"));
        chooseFlags();
        const QString png = fx->folder.filePath(QStringLiteral("photo.png"));
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(png, "PNG"));
        FileDialogs::setNextFileName(png);
        w->actImage_EditorExecute();
        QCOMPARE(stored(QStringLiteral("Вопрос"), 13).toString(), QStringLiteral("сохраняется"));
        QVERIFY(stored(QStringLiteral("Фото"), 13).isNull());
        QVERIFY(fx->saw(QStringLiteral("photo.png")));
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Browse);

        // A cancelled dialog still saves.
        w->actNextEdtorExecute(); // unlocks; stays on the last question
        w->DBMemo_Otvet2->setStoredText(QStringLiteral("ответ"));
        FileDialogs::setNextFileName(QString());
        w->actImage_EditorExecute();
        QCOMPARE(stored(QStringLiteral("Ответ_2"), 13).toString(), QStringLiteral("ответ"));
    }

    void unreadablePictureLeavesTheQuestionUnchanged()
    {
        open();
        const QByteArray before = stored(QStringLiteral("Фото"), 12).toByteArray();
        const QString broken = fx->folder.filePath(QStringLiteral("broken.jpg"));
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture at all");
        f.close();
        FileDialogs::setNextFileName(broken);
        w->actImage_EditorExecute();
        QCOMPARE(fx->messages.last().kind, Messages::Kind::Error);
        QVERIFY(fx->messages.last().text.contains(QStringLiteral("broken.jpg")));
        QCOMPARE(stored(QStringLiteral("Фото"), 12).toByteArray(), before);
        QCOMPARE(w->state(), TfrmBGD_Editor::State::Browse);

        FileDialogs::setNextFileName(fx->folder.filePath(QStringLiteral("missing.bmp")));
        w->actImage_EditorExecute();
        QVERIFY(fx->messages.last().text.contains(QStringLiteral("missing.bmp")));
    }

    void sectionNotRegisteredOpensOnTheFirstQuestion()
    {
        fx->onMain(
            QStringLiteral("Delete From Количество_вопросов_по_разделам Where Категория_специалиста = ? "
                           "and Название_раздела = ?"),
            {fx->category(0), QStringLiteral("Раздел_1")});
        open();
        QCOMPARE(Global::KolVoprosovPoRazdelu, 0);
        QCOMPARE(number(), 1);
        QVERIFY(w->DBMemo_Vopros->isReadOnly());
        w->actNextEdtorExecute();
        QCOMPARE(number(), 2);
        QVERIFY(!w->DBMemo_Vopros->isReadOnly());
    }

    void commandAvailability()
    {
        open();
        QVERIFY(w->DataSetAppendEditor->isEnabled());
        QVERIFY(w->DataSetDeleteEditor->isEnabled());
        QVERIFY(w->DataSetRefreshEditor->isEnabled());
        QVERIFY(!w->DataSetPostEditor->isEnabled());
        QVERIFY(!w->DataSetCancelEditor->isEnabled());
        // The page opens locked on a registered question: it looks read-only, says why, and
        // offers no editing.
        QVERIFY(!w->DataSetEdit_Editor->isEnabled());
        QVERIFY(w->LabelLock->isVisibleTo(w.get()));
        QVERIFY(w->LabelLock->text().contains(QStringLiteral("Зарегистрированный вопрос")));
        QVERIFY(w->DBMemo_Vopros->palette().color(QPalette::Base) != QColor(Qt::white));

        // An added question on an unlocked page is edited.
        addQuestion(QStringLiteral("Добавленный"));
        QVERIFY(!w->LabelLock->isVisibleTo(w.get()));
        QCOMPARE(w->DBMemo_Vopros->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(w->DataSetEdit_Editor->isEnabled());
        w->DataSetEdit_EditorExecute();
        QVERIFY(w->DataSetPostEditor->isEnabled());
        QVERIFY(!w->DataSetEdit_Editor->isEnabled());
        w->DataSetCancelEditorExecute();
        QVERIFY(!w->DataSetPostEditor->isEnabled());

        // A change made outside the editor comes back with "Восстановить текущую запись из таблицы".
        fx->onBank(0, QStringLiteral("Update Раздел_1 Set Вопрос = ? Where Индекс = 13"),
                   {QStringLiteral("извне")});
        w->DataSetRefreshEditorExecute();
        QCOMPARE(number(), 13);
        QCOMPARE(w->DBMemo_Vopros->storedText(), QStringLiteral("извне"));
    }

    void screenshot()
    {
        if (!ModeWindowFixture::screenshotsWanted())
            QSKIP("ZORVEK_SCREENS_DIR not set");
        const int withPicture =
            fx->onBank(0, QStringLiteral("Select Min(Индекс) From Раздел_3 Where Фото Is Not Null")).toInt();
        QVERIFY(withPicture > 0);
        setRegistered(0);
        fx->onMain(QStringLiteral("Update Количество_вопросов_по_разделам Set Количество_вопросов = ? "
                                  "Where Категория_специалиста = ? and Название_раздела = ?"),
                   {withPicture, fx->category(0), QStringLiteral("Раздел_3")});
        fx->choose(0, 3);
        w = std::make_unique<TfrmBGD_Editor>();
        QVERIFY(w->FormShow());
        w->Label6->setText(Global::NameKategorii + QStringLiteral(";  ") + Global::NameRazdela);
        w->Label6->setVisible(true);
        QCOMPARE(number(), withPicture);
        ModeWindowFixture::shoot(w.get(), QStringLiteral("editor-question"));
        w->actViewHide_ImageExecute();
        ModeWindowFixture::shoot(w.get(), QStringLiteral("editor-picture"));
        w->actOutRazdel_EditorExecute();
    }

    void closeButtonSavesThePendingChange()
    {
        open();
        w->show();
        w->DataSetAppendEditorExecute();
        w->DBMemo_Vopros->setStoredText(QStringLiteral("при закрытии"));
        chooseFlags();
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QCOMPARE(stored(QStringLiteral("Вопрос"), 13).toString(), QStringLiteral("при закрытии"));
    }

    void exitFromTheModeClosesTheChooser()
    {
        Forms::frmOpenBD = new TfrmOpenBD;
        std::unique_ptr<TfrmOpenBD> chooser(Forms::frmOpenBD);
        QSignalSpy chooserClosed(chooser.get(), &QDialog::rejected);
        open();
        w->actOutEditorExecute();
        QCOMPARE(chooserClosed.count(), 1);
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
