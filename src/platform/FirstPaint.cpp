#include "FirstPaint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Watches every paint of the application until one lands in its window. Owned by the window,
// so it goes with it when the window is never painted.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Events already on their way may still pass here once the filter is removed.
        if (!fired_ && event->type() == QEvent::Paint && watched->isWidgetType()
            && (watched == &window_ || window_.isAncestorOf(static_cast<QWidget*>(watched)))) {
            fired_ = true;
            qApp->removeEventFilter(this);
            // Once the paint itself is done.
            QTimer::singleShot(0, &window_, std::move(then_));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
    bool fired_ = false;
};

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then)
{
    new FirstPaintWatch(window, std::move(then));
}
