#pragma once

#include <QWidget>

// A spot that takes clicks and draws nothing, so whatever lies beneath it shows through.
// A click is a left-button press and release both on the spot.
class ClickSpot : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
