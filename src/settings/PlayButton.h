#pragma once

#include <QToolButton>

// A flat button with a small "play" picture. Flat, it would show the keyboard focus by no more
// than a faint line; it marks the focus plainly, and Enter presses it.
class PlayButton final : public QToolButton {
    Q_OBJECT

public:
    explicit PlayButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
