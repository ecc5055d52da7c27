#pragma once

#include <QAccessible>

class QLabel;

// How screen readers present the kinds of label the windows draw for themselves.
enum class LabelReading {
    // A copy of another label's text that only draws its drop shadow: never read, so that
    // each text is read once.
    Shadow,
    // A text that tells the outcome of what the user just did: read out each time it is shown.
    LiveStatus,
    // A text that opens a web site: read as a link, which a screen reader can also press.
    Link,
};

// Gives a label its reading. Called as soon as the label is made: the first change of a label
// already settles how it reads. A link label emits linkActivated(text) when a screen reader
// presses it.
void setLabelReading(QLabel* label, LabelReading reading);

// Shows a live status label, or, when it is shown already, tells screen readers it has been
// shown afresh, so that they read it again even when its text has not changed.
void showAnnounced(QLabel* label);

// Where the events of a label shown afresh go: to the platform's screen reader bridge, which
// takes them only while a screen reader listens. A test, on a platform without one, listens
// in its place. Returns the handler it replaces.
QAccessible::UpdateHandler setAnnouncementHandler(QAccessible::UpdateHandler handler);
