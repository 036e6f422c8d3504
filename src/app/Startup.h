#pragma once
class QApplication;

namespace Startup {
// Application-wide settings done before any window exists: title, style, translations.
void configureApplication(QApplication& app);
// Takes "--server CONNINFO" and "--station NAME" from the command line for the data module; shows
// the message and returns false when they are malformed.
bool takeServerOptions();
} // namespace Startup
