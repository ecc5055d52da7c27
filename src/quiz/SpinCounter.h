#pragma once

#include <QSpinBox>

// A counter that only its arrows change: the arrow buttons and the up and down arrow keys
// step it by 1 within its range. It takes no typed characters, no pasting and no cutting; the
// Delete key still removes characters, and the range rule then takes what remains.
class SpinCounter final : public QSpinBox {
    Q_OBJECT

public:
    explicit SpinCounter(QWidget* parent = nullptr);

    // Sets the counter's text as the program does: a text that is no whole number gives 0, a
    // number outside the range its nearer bound. Runs the change handler even when the
    // value stays the same.
    void setText(const QString& text);

    void stepBy(int steps) override;

signals:
    // The counter's text has changed or been set.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deleteAtCursor();
};
