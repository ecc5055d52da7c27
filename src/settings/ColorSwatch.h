#pragma once

#include "ColorText.h"

#include <QAbstractButton>

// A small raised panel filled with one colour, pressed like a button: by a click, or by Space
// or Enter while it has the focus, which it marks plainly on any colour. It keeps the colour as
// the store's value, so a colour of the desktop's scheme is saved by its name again.
class ColorSwatch : public QAbstractButton {
    Q_OBJECT

public:
    // Filled with the button face colour until it is given one.
    explicit ColorSwatch(QWidget* parent);

    TColor color() const { return color_; }
    void setColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TColor color_ = 0;
};
