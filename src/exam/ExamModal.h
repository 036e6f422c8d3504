#pragma once
// Shows the exam's modal windows. Tests replace the runner to drive a window by its handlers
// instead of waiting in exec().
#include <functional>

class QDialog;

namespace ExamModal {

using Runner = std::function<void(QDialog*)>;
// An empty runner restores exec().
void setRunner(Runner runner);
// Shows `dialog` modally and returns when it is closed.
void run(QDialog* dialog);

} // namespace ExamModal
