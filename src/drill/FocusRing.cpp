#include "FocusRing.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

namespace {

// Two bright pixels outside, and one dark pixel against the control's own light face.
constexpr int kRingWidth = 3;

QColor brightLine() { return QColor(255, 220, 0); }
QColor darkLine() { return QColor(0, 0, 0); }

// The ring's distance around the control it marks.
class RingMargins final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return kRingWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

FocusRing::FocusRing(QWidget* window)
    : QFocusFrame(window)
    , window_(window)
{
    auto* margins = new RingMargins;
    margins->setParent(this);
    setStyle(margins);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused)
{
    const bool inWindow = focused && focused != window_ && window_->isAncestorOf(focused);
    setWidget(inWindow ? focused : nullptr);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    if (!widget())
        return;
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
    painter.fillRect(outer, brightLine());
    const int dark = kRingWidth - 1;
    painter.fillRect(outer.adjusted(dark, dark, -dark, -dark), darkLine());
}
