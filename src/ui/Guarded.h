#pragma once
// The one place where a failure inside a window's handler is shown: the handler stops at the
// failing step, its message is shown with the application title, and the program goes on.
#include "core/Error.h"
#include "ui/Messages.h"

#include <exception>
#include <utility>

class QWidget;

// Runs `handler`; a zorvek::Error (a DbError included) or any std::exception it throws is
// shown in a message box. Returns false when the handler failed.
template <typename F>
bool guarded(QWidget* parent, F&& handler)
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const zorvek::Error& e) {
        Messages::error(parent, e.message());
    } catch (const std::exception& e) {
        Messages::error(parent, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
