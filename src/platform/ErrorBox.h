#pragma once

#include <QObject>
#include <QTimer>

#include <exception>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

class Dialogs;

// Failures reach the user in one error box, shown through the dialogs the window was handed
// and titled with the application title. The text is
// the failure's message with a full stop added when its last character sorts above '.'
// (so "... (41)" and "...file." get none, "...value" gets one). It is shown as plain text with
// every byte of it, control characters made visible, so a path or a stored text that looks
// like markup or holds a NUL is shown as it is.
std::string errorBoxText(const std::string& message);
void showErrorBox(Dialogs& dialogs, const std::string& message);

// Runs one event handler. A failure ends it at the failing step and is shown in the error box;
// it never travels into Qt's event loop, so the window stays usable. Returns whether the steps
// ran to their end.
template <class Steps>
bool guarded(Dialogs& dialogs, Steps&& steps);

// Runs a window's creation as steps that do not depend on each other. A failing step ends
// there; the steps after it still run, so one missing text, picture or colour never leaves
// the window without its controls. The creation shows one error box, for its first failure:
// a handler that a step sets off (a counter's change handler while its stored value is put
// in, say) shows no box of its own, and the failures that follow the first (every later text
// of a pack that could not be read, say) add nothing the user has not been told.
// Returns whether every step ran to its end.
bool createInSteps(Dialogs& dialogs, std::initializer_list<std::function<void()>> steps);

// Connects a signal to a handler member of `receiver` that runs guarded, as every event
// handler of a window does.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection connectGuarded(Dialogs& dialogs, Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler);

// The same for a timer's tick, which also stops its timer when it fails, before the error is
// shown: a failure that would repeat on every tick is then reported once, instead of stacking
// one error box on the other while the first is open.
template <class Receiver, class Handler>
QMetaObject::Connection connectGuardedTimer(Dialogs& dialogs, QTimer* timer, Receiver* receiver, Handler handler);

// ---- implementation ----

void showCurrentException(Dialogs& dialogs);
// Inside a creation step, hands the failure to the step and says so; outside, false.
bool passFailureToCreationStep(std::exception_ptr failure);

template <class Steps>
bool guarded(Dialogs& dialogs, Steps&& steps)
{
    try {
        std::forward<Steps>(steps)();
        return true;
    } catch (...) {
        if (!passFailureToCreationStep(std::current_exception()))
            showCurrentException(dialogs);
        return false;
    }
}

template <class Receiver, class Handler>
QMetaObject::Connection connectGuardedTimer(Dialogs& dialogs, QTimer* timer, Receiver* receiver, Handler handler)
{
    return QObject::connect(timer, &QTimer::timeout, receiver, [&dialogs, timer, receiver, handler] {
        try {
            std::invoke(handler, receiver);
        } catch (...) {
            timer->stop();
            if (!passFailureToCreationStep(std::current_exception()))
                showCurrentException(dialogs);
        }
    });
}

template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection connectGuarded(Dialogs& dialogs, Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler)
{
    return QObject::connect(sender, signal, receiver, [&dialogs, receiver, handler] {
        guarded(dialogs, [&] { std::invoke(handler, receiver); });
    });
}
