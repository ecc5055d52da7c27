#pragma once

#include "ColorText.h"

#include <QFrame>

// A small raised panel filled with one colour, clicked like a button. It keeps the colour as
// the store's value, so a colour of the desktop's scheme is saved by its name again.
class ColorSwatch : public QFrame {
    Q_OBJECT

public:
    // Filled with the button face colour until it is given one.
    explicit ColorSwatch(QWidget* parent);

    TColor color() const { return color_; }
    void setColor(TColor color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TColor color_ = 0;
};
