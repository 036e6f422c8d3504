#pragma once
// Where the program finds the documents it delivers (the print templates and the operating
// manual) and where it puts the documents it makes. The one place that decides it.
#include "print/PrintJobs.h"

#include <QString>

namespace DocumentPlaces {

// The delivered templates and documents: the program's folder (PathExe once the program has
// started, InstallPaths' folder before).
QString deliveredFolder();

// The print jobs' folders: the delivered ones; the outputs in the program's folder, or in the
// data folder when the program's folder cannot take them. An installed program puts its outputs
// in the data folder.
PrintJobs::Folders folders();

// A new, empty folder for one opened copy of a delivered document, so that the word processor
// saves into the copy and no copy replaces another still open. Throws zorvek::Error.
QString newCopyFolder();

} // namespace DocumentPlaces
