#pragma once
// Why a document cannot be written where it is asked to go, told in Russian with the path:
// what a user can act on (a missing folder, a folder in the document's place, a document still
// open in the word processor, a write-protected file, a full disk), never the system's English
// error text.
#include <QFileDevice>
#include <QString>

namespace Docx {

// What stands in the way of writing a document to `path` now, as a clause that follows the
// document's name (it names any other path it speaks of); empty when nothing does. A document
// counts as open in a word processor while the processor's lock file lies beside it (LibreOffice
// ".~lock.<name>#", Word "~$<name>"): replacing it then would leave the processor showing the old
// text, and its next save would overwrite the new one.
QString writeObstacle(const QString& path);

// Why writing `path` failed with `error`: the obstacle found now, or else the failure in words.
QString writeFailureCause(const QString& path, QFileDevice::FileError error);

// What the disk that holds `path` lacks for writing (no free space, mounted read-only); empty
// when nothing. Writing through a zip library may fail without a file error: this tells why.
QString diskProblem(const QString& path);

} // namespace Docx
