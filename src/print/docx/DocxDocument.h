#pragma once
// A word-processing document (.docx) built from a template file, filled the way a typist fills
// a form: go to a bookmark, set the font, type text, move to the next table cell (a row is added
// past the last cell), save under a name. The template file itself is never changed; every part
// of it that is not the document's body (styles, headers, page setup, pictures) is written out
// as it was read.
#include "print/docx/RunFont.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QIODevice;

namespace Docx {

class TableRows;

class Document
{
public:
    // Reads the template. Throws zorvek::Error with a Russian message naming the file and the
    // reason when it is missing, not a .docx, unsafe or damaged.
    static Document fromTemplate(const QString& path);

    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    ~Document();

    // Moves the insertion point to the first bookmark of that name (its start). Throws
    // zorvek::Error naming the bookmark when the document has none.
    void goToBookmark(const QString& name);
    // Whether the document has a bookmark of that name.
    bool hasBookmark(const QString& name) const;

    // The formatting of the text typed next.
    void setFont(const RunFont& font);
    const RunFont& font() const;

    // Inserts `text` at the insertion point, which moves behind it.
    void typeText(const QString& text);

    // Moves to the start of the next cell of the table holding the insertion point: left to
    // right, then the first cell of the next row; from the last cell a new row is added and
    // entered. Throws zorvek::Error when the insertion point is not in a table.
    void nextCell();

    // The rows the insertion point's table has now; 0 outside a table.
    int currentTableRowCount() const;

    // Writes the document to `path`, replacing an existing file only when the whole document
    // was written. Throws zorvek::Error naming the file and the reason.
    void saveAs(const QString& path) const;

    // The document's body part (word/document.xml) as it would be saved.
    QByteArray mainPartXml() const;
    void writeMainPart(QIODevice& out) const;

    // Text identifying the engine, in the form "<major>.<minor>": the compatibility level of the
    // documents it writes (15, the level of Word 2013 and later).
    static QString version();

private:
    Document();
    // The body part as written: the tree's text, and where the added rows of tables go.
    struct Layout
    {
        std::string text;
        std::vector<std::pair<size_t, const TableRows*>> places; // in document order
    };
    Layout layout() const;
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace Docx
