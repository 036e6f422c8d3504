#pragma once
// Where the files delivered with the program lie (print templates, the operating manual, the
// category documents): beside the executable in a build tree; in <prefix>/share/zorvek when the
// program is installed in <prefix>/bin, as the Debian package installs it.
#include <QString>

namespace InstallPaths {

// The folder of the delivered files, ending with a separator.
QString programFolder();

// Whether the program runs from an installation (its delivered files are in <prefix>/share/zorvek).
// The system's folders then receive no filled documents, whoever runs the program: those go to
// the data folder.
bool installed();

} // namespace InstallPaths
