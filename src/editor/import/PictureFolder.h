#pragma once
// The pictures of a question file: a folder beside the text file, named after it
// ("Раздел_3.txt" → "Раздел_3_рисунки"), with one file per question that has a picture, named by
// the question's number in the file: "1.bmp", "7.bmp" … (the import numbers Индекс the same way).
// Export writes the pictures' bytes unchanged; import takes a Windows bitmap as it is and turns a
// JPEG or PNG picture into one, as the editor does.
#include "core/import/QuestionFile.h"

#include <QString>

namespace PictureFolder {

// The picture folder of the question file `textFilePath`.
QString forFile(const QString& textFilePath);

// The file name ending of stored picture bytes: "bmp", "jpg" or "png"; empty when the bytes are
// none of these.
QString suffixFor(const QByteArray& bytes);

// Fills the pictures of `questions` (by their 1-based place) from `folder`; returns how many.
// A missing folder gives none. Files whose names end otherwise than in .bmp, .jpg, .jpeg or .png
// are not pictures and are left alone. Throws zorvek::Error naming the file when a picture file
// is not named by a question's number, names a question the file does not have or a question
// twice, or cannot be read as a picture.
int read(const QString& folder, QList<QuestionFile::Question>& questions);

// Writes the pictures of `questions` into `folder`, after removing the numbered picture files
// an earlier export left there; a folder left empty is removed. Returns how many were written.
// Throws zorvek::Error naming the file that could not be written.
int write(const QString& folder, const QList<QuestionFile::Question>& questions);

} // namespace PictureFolder
