#include "exam/ExamModal.h"

#include <QDialog>

namespace ExamModal {

namespace {
Runner& runner()
{
    static Runner r;
    return r;
}
} // namespace

void setRunner(Runner r)
{
    runner() = std::move(r);
}

void run(QDialog* dialog)
{
    if (runner())
        runner()(dialog);
    else
        dialog->exec();
}

} // namespace ExamModal
