#pragma once

#include <QFocusFrame>

// A bright ring around whichever control of its window has the keyboard focus: the style's
// own mark of the focus is a faint line that a pupil cannot find on a dark background. It lies
// just outside the control, follows it as it moves, and goes when the control hides. Screen
// readers pass it by, as they do every focus frame.
class FocusRing final : public QFocusFrame {
    Q_OBJECT

public:
    explicit FocusRing(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);

    QWidget* window_;
};
