#pragma once

#include "ScreenReader.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QObject>
#include <QString>

#include <vector>

// What a screen reader learns from the windows.

// The name a screen reader reads for a control.
inline QString accessibleName(QObject* control)
{
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(control);
    return reading ? reading->text(QAccessible::Name) : QString();
}

inline QAccessibleInterface* accessibleOf(QObject* control)
{
    return QAccessible::queryAccessibleInterface(control);
}

// While it lives, it hears the labels the windows tell screen readers about again, in place of
// the platform: the offscreen platform has no screen reader bridge, and Qt passes no event on
// while none listens.
class ScreenReaderProbe {
public:
    ScreenReaderProbe()
    {
        current() = this;
        previous_ = setAnnouncementHandler(&record);
    }

    ~ScreenReaderProbe()
    {
        setAnnouncementHandler(previous_);
        current() = nullptr;
    }

    ScreenReaderProbe(const ScreenReaderProbe&) = delete;
    ScreenReaderProbe& operator=(const ScreenReaderProbe&) = delete;

    // How many events of this kind the control has sent since the last clear().
    int count(const QObject* control, QAccessible::Event kind) const
    {
        int found = 0;
        for (const auto& [object, type] : events_)
            found += object == control && type == kind;
        return found;
    }

    void clear() { events_.clear(); }

private:
    static ScreenReaderProbe*& current()
    {
        static ScreenReaderProbe* probe = nullptr;
        return probe;
    }

    static void record(QAccessibleEvent* event)
    {
        if (current())
            current()->events_.emplace_back(event->object(), event->type());
    }

    QAccessible::UpdateHandler previous_ = nullptr;
    std::vector<std::pair<const QObject*, QAccessible::Event>> events_;
};
