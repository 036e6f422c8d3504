#pragma once
class QApplication;

namespace Startup {
// Application-wide settings done before any window exists: title, style, translations.
void configureApplication(QApplication& app);
} // namespace Startup
