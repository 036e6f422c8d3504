// Fuzzes the .docx template engine: the input is a template file. It is opened (zip container,
// word/document.xml parsed), filled the way the protocol and the journal are filled (bookmarks
// "а1" and "б1", typed text, moves to the next cell, rows added past the last one) and saved.
// Every step must end normally or with zorvek::Error; a document the engine has saved must open
// again.
#include "core/Error.h"
#include "print/docx/DocxDocument.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

const QString& inputPath()
{
    static const QString path =
        QStringLiteral("/tmp/fuzz_docx_template_%1.docx").arg(qint64(::getpid()));
    return path;
}

const QString& outputPath()
{
    static const QString path =
        QStringLiteral("/tmp/fuzz_docx_template_%1_out.docx").arg(qint64(::getpid()));
    return path;
}

template<typename Step>
void attempt(Step step)
{
    try {
        step();
    } catch (const zorvek::Error&) {
        // A refused step is a valid outcome; the next ones still run.
    }
}

void fill(Docx::Document& doc)
{
    attempt([&] { doc.goToBookmark(QStringLiteral("а1")); });
    attempt([&] { doc.typeText(QStringLiteral("Иванов И. И.\tмастер\r\nучасток <1> & \"2\"")); });
    for (int i = 0; i < 5; ++i) {
        attempt([&] {
            doc.nextCell();
            doc.typeText(QString::number(i));
        });
    }
    attempt([&] { doc.goToBookmark(QStringLiteral("б1")); });
    Docx::RunFont bold;
    bold.bold = true;
    bold.sizePt = 12;
    doc.setFont(bold);
    attempt([&] { doc.typeText(QStringLiteral("сдал")); });
    for (int i = 0; i < 4; ++i)
        attempt([&] { doc.nextCell(); });
    attempt([&] { doc.typeText(QStringLiteral("09.12.2026")); });
    doc.currentTableRowCount();
    (void)doc.hasBookmark(QStringLiteral("б1"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        if (file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            abort();
    }
    QFile::remove(outputPath());
    bool saved = false;
    try {
        Docx::Document doc = Docx::Document::fromTemplate(inputPath());
        fill(doc);
        (void)doc.mainPartXml();
        doc.saveAs(outputPath());
        saved = true;
    } catch (const zorvek::Error&) {
    }
    if (saved) {
        // What the engine wrote it must be able to read again.
        try {
            Docx::Document again = Docx::Document::fromTemplate(outputPath());
            (void)again.mainPartXml();
        } catch (const zorvek::Error& e) {
            fprintf(stderr, "a saved document does not open again: %s\n", e.what());
            abort();
        }
    }
    return 0;
}
