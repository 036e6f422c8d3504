#include "print/PrintHooks.h"

#include <cstdio>

namespace PrintHooks {

namespace {

ShowMessage& showHook()
{
    static ShowMessage hook;
    return hook;
}

Terminate& terminateHook()
{
    static Terminate hook;
    return hook;
}

} // namespace

void setShowMessage(ShowMessage show)
{
    showHook() = std::move(show);
}

void setTerminate(Terminate terminate)
{
    terminateHook() = std::move(terminate);
}

void showMessage(const QString& text)
{
    if (showHook()) {
        showHook()(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
}

void terminate()
{
    if (terminateHook())
        terminateHook()();
}

} // namespace PrintHooks
