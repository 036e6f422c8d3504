#pragma once
// The one place the print jobs fill documents through: start the document engine and check its
// version, open a new document from a template file, go to a bookmark, type formatted text,
// move through table cells, save. It also owns the failures that end the program: an engine
// that is too old, or a document file that cannot be opened. Every other failure is thrown as
// zorvek::Error and ends only the caller's job.
#include "print/docx/DocxDocument.h"

#include <QString>
#include <optional>

class MyWord
{
public:
    // Thrown once a failure that ends the program has been reported (the two messages shown and
    // the program told to end): the job goes no further. Deliberately not a zorvek::Error, so that
    // no handler shows a third message; callers catch it and simply stop.
    struct Fatal
    {
    };

    // Starts the engine and checks its version (a major version below 9 ends the program).
    void Run();
    // The engine's version text, e.g. "15.0".
    QString Version() const;
    // A new document built from the template file `fileName`; the file itself is not changed.
    // A missing or unreadable file ends the program ("файл не найден").
    void Open(const QString& fileName);
    // Reports a failure: codes 1 and 2 show `str`, then "Продолжение работы невозможно", end the
    // program and throw Fatal; any other code shows `str` alone and returns.
    void Error(int i, const QString& str);
    // Moves the insertion point to the bookmark `data`.
    void search(const QString& data);
    // Types `info` in Times New Roman with the given style and size in points.
    void Insert(const QString& info, bool _bold, bool _italic, bool _StrikeThrough, bool _Underline,
                int _Size);
    // Moves to the next table cell; from the last cell a new row is added.
    void NextCell();
    // NextCell `n` times; nothing when `n` is 0 or less.
    void SkipCell(int n);
    // Writes the document to `Name`, replacing an existing file.
    void Save(const QString& Name);

    // The major version of a version text: the leading decimal digits after trimming blanks and
    // control characters ("14.0" -> 14, " 11.0 " -> 11); -1 when the text does not begin with a digit.
    static int majorVersion(const QString& versionText);
    // Lowest major version that passes.
    static constexpr int MinimumVersion = 9;

    // Tests: the version text Version() reports instead of the engine's (empty = the engine's).
    static void setVersionOverride(const QString& versionText);

    // The open document (tests and the benchmark look into it); nullptr before Open.
    Docx::Document* activeDocument();

private:
    Docx::Document& document();

    struct Application
    {
        std::optional<Docx::Document> activeDocument;
    };
    std::optional<Application> MsWord;
};
