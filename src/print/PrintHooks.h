#pragma once
// What the print jobs need from the program around them, set by the window layer (or by
// zorvek-cli, or by a test): how a message reaches the user, and how the program ends after a
// failure it cannot go on from. The jobs themselves show no window.
#include <QString>
#include <functional>

namespace PrintHooks {

using ShowMessage = std::function<void(const QString& text)>;
using Terminate = std::function<void()>;

// Default: the message is written to standard error.
void setShowMessage(ShowMessage show);
// Default: nothing more happens (the job still stops with MyWord::Fatal).
void setTerminate(Terminate terminate);

void showMessage(const QString& text);
void terminate();

} // namespace PrintHooks
