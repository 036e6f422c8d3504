// "Заполнение базы данных классификатора": fills one section of a category's question bank from
// a question file, after the access password has been confirmed. The chooser comes first, then the file is asked for, read
// whole and parsed; only a file with questions replaces the section, in one transaction, in the
// bank of the category chosen in the chooser. Nothing changes on cancel or on any failure.
#include "editor/LoadText.h"

#include "core/Global.h"
#include "core/import/QuestionFile.h"
#include "data/TfrmADODataModule.h"
#include "editor/import/SectionImport.h"
#include "select/TfrmOpenBD.h"
#include "ui/Guarded.h"
#include "ui/Messages.h"

#include <QProgressDialog>

namespace {

// Text files and Word files; a Word file is read as plain text like any other.
const QString QuestionFileFilter = QStringLiteral("Текстовые файлы (*.txt);;Файлы Word (*.doc)");

// Shows the messages of the reading; returns the notes for the closing message.
QStringList showDiagnostics(QWidget* parent, const QList<QuestionFile::Diagnostic>& diagnostics)
{
    QStringList notes;
    for (const QuestionFile::Diagnostic& d : diagnostics) {
        if (d.kind == QuestionFile::Diagnostic::Kind::OutOfBounds)
            Messages::warning(parent, d.text);
        else
            notes << d.text;
    }
    return notes;
}

} // namespace

void LoadText::run(QWidget* window, TfrmOpenBD& chooser, TfrmADODataModule& dataModule)
{
    // The chooser records the section of the section command pressed; it is asked afresh here,
    // so a section chosen in an earlier mode does not count.
    const QString previousSection = Global::NameRazdela;
    Global::NameRazdela.clear();
    chooser.execForImport();
    const QString section = Global::NameRazdela;
    const QString category = Global::NameKategorii;
    if (section.isEmpty()) {
        Global::NameRazdela = previousSection;
        Messages::information(window, QStringLiteral("Раздел базы данных не выбран. Заполнение не выполнено, "
                                                   "база данных не изменена."));
        return;
    }
    if (category.isEmpty()) {
        Messages::information(window,
                              QStringLiteral("Категория специалиста не выбрана. Заполнение не выполнено, "
                                             "база данных не изменена."));
        return;
    }

    const QString file = FileDialogs::openFileName(
        window, QStringLiteral("Файл вопросов для «%1» категории «%2»").arg(section, category),
        TfrmADODataModule::dataFolder(), QuestionFileFilter);
    if (file.isEmpty())
        return;

    guarded(window, [&] {
        const QuestionFile::ParseResult parsed = SectionImport::readFile(file, section);
        const QStringList notes = showDiagnostics(window, parsed.diagnostics);
        if (parsed.questions.isEmpty()) {
            Messages::warning(window, SectionImport::noQuestionsMessage(file, section, parsed));
            return;
        }
        // Replacing the section must not take its pictures away unasked.
        const SectionImport::Pictures pictures =
            SectionImport::countPictures(dataModule, category, section, parsed.questions, file);
        const bool dropPictures = pictures.lost() > 0;
        if (dropPictures && !Messages::question(window, SectionImport::pictureLossMessage(pictures, section) +
                                                            QStringLiteral("\nЗаменить раздел всё равно?"))) {
            Messages::information(
                window, QStringLiteral("Заполнение отменено. Раздел «%1» не изменён.").arg(section));
            return;
        }

        const int total = int(parsed.questions.size());
        // The count of stored questions shows in the progress window; the main window keeps its title.
        QProgressDialog progress(QStringLiteral("Запись вопросов в «%1»…").arg(section),
                                 QStringLiteral("Отмена"), 0, total, window);
        progress.setObjectName(QStringLiteral("ImportProgress"));
        progress.setWindowTitle(window->windowTitle());
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        const int stored = SectionImport::storeQuestions(
            dataModule, category, section, parsed, file,
            [&](int done, int) {
                progress.setLabelText(QStringLiteral("Запись вопросов в «%1»: %2 из %3")
                                          .arg(section)
                                          .arg(done)
                                          .arg(total));
                progress.setValue(done);
                return !progress.wasCanceled();
            },
            dropPictures);
        progress.reset();
        if (stored < 0) {
            Messages::information(
                window, QStringLiteral("Заполнение прервано. Раздел «%1» не изменён.").arg(section));
            return;
        }
        QString done = QStringLiteral("В раздел «%1» категории «%2» записано вопросов: %3, рисунков: %4.\n%5")
                           .arg(section, category, QString::number(stored), QString::number(pictures.after),
                                SectionImport::encodingNote(parsed.encoding));
        if (!notes.isEmpty())
            done += QLatin1Char('\n') + notes.join(QLatin1Char('\n'));
        Messages::information(window, done);
    });
}
