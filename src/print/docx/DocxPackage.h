#pragma once
// The zip container of a .docx document. Every part is kept as the file holds it (its
// compressed bytes), so parts the program does not change are written back unchanged; only the
// part that is replaced is compressed anew. Reading refuses files that could hurt the program:
// not a zip, unsafe part names, duplicated parts, or sizes that would fill the memory.
#include "print/docx/DeflateStream.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <vector>

class QIODevice;

namespace Docx {

// Bounds that no real document comes near.
inline constexpr qint64 MaxMainPartBytes = qint64(64) * 1024 * 1024; // word/document.xml
inline constexpr qint64 MaxPackageBytes = qint64(256) * 1024 * 1024; // all parts, uncompressed
inline constexpr int MaxPartCount = 10000;

// The main part of a word-processing document.
inline const QString MainPartName = QStringLiteral("word/document.xml");

class Package
{
public:
    // Reads the container of `path`. Throws zorvek::Error with a Russian message naming the file
    // and the reason when it is missing, unreadable, not a zip or unsafe.
    static Package read(const QString& path);

    // The file the package was read from.
    const QString& fileName() const { return m_fileName; }
    bool hasPart(const QString& name) const;
    // The uncompressed bytes of a part, read with the bound `maxBytes`. Throws zorvek::Error
    // when the part is missing, damaged or larger than the bound.
    QByteArray partData(const QString& name, qint64 maxBytes = MaxMainPartBytes) const;

    // Writes the container to `out` (open for writing): every part as it was read, except
    // `replacedPart`, whose new content is given compressed. Throws zorvek::Error when the zip
    // cannot be written.
    void write(QIODevice& out, const QString& replacedPart, const DeflatedPiece& content) const;

    // The same, into the file `path`, which is replaced only when the whole document was
    // written (an existing file stays as it was when writing fails).
    void save(const QString& path, const QString& replacedPart, const DeflatedPiece& content) const;

private:
    struct Entry
    {
        QString name;
        QByteArray raw; // the bytes as stored in the zip (compressed unless method 0)
        int method = 0;
        int level = 0;
        quint32 crc = 0;
        quint64 uncompressedSize = 0;
        QDateTime dateTime;
        quint32 externalAttr = 0;
    };
    const Entry* find(const QString& name) const;

    QString m_fileName;
    std::vector<Entry> m_entries;
};

// Writes a new document from its parts (name, content), in order, to `path` (replaced only once
// the whole file is written). Throws zorvek::Error naming the file.
void saveNewPackage(const QString& path, const QList<QPair<QString, QByteArray>>& parts);

// Whether a zip entry name is safe as a part name: relative, forward slashes only, no "." or
// ".." segments, no drive letters or control characters.
bool isSafePartName(const QString& name);

} // namespace Docx
