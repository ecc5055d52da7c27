#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>

// Failures reach the user in one error box, titled with the application title. The text is
// the failure's message with a full stop added when its last character sorts above '.'
// (so "... (41)" and "...file." get none, "...value" gets one).
std::string errorBoxText(const std::string& message);
void showErrorBox(const std::string& message);

// Runs one event handler or one window's creation steps. A failure ends it at the failing
// step and is shown in the error box; it never travels into Qt's event loop, so the window
// stays usable. Returns whether the steps ran to their end.
template <class Steps>
bool guarded(Steps&& steps);

// Connects a signal to a handler member of `receiver` that runs guarded, as every event
// handler of a window does.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler);

// The same for a timer's tick, which also stops its timer when it fails, before the error is
// shown: a failure that would repeat on every tick is then reported once, instead of stacking
// one error box on the other while the first is open.
template <class Receiver, class Handler>
QMetaObject::Connection connectGuardedTimer(QTimer* timer, Receiver* receiver, Handler handler);

// ---- implementation ----

void showCurrentException();

template <class Steps>
bool guarded(Steps&& steps)
{
    try {
        std::forward<Steps>(steps)();
        return true;
    } catch (...) {
        showCurrentException();
        return false;
    }
}

template <class Receiver, class Handler>
QMetaObject::Connection connectGuardedTimer(QTimer* timer, Receiver* receiver, Handler handler)
{
    return QObject::connect(timer, &QTimer::timeout, receiver, [timer, receiver, handler] {
        try {
            std::invoke(handler, receiver);
        } catch (...) {
            timer->stop();
            showCurrentException();
        }
    });
}

template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] {
        guarded([&] { std::invoke(handler, receiver); });
    });
}
