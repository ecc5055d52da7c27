#include "TooltipTiming.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

class TooltipDelayStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return kTooltipShowDelay;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Qt keeps a tooltip up for a time that grows with its length; this shows every widget's
// tooltip for the program's fixed time instead.
class TooltipDisplayTime final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, kTooltipDisplayTime);
        return true;
    }
};

} // namespace

void installTooltipTiming(QApplication& application)
{
    application.setStyle(new TooltipDelayStyle);
    application.installEventFilter(new TooltipDisplayTime(&application));
}
