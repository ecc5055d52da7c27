#include "ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

#include <utility>

namespace {

constexpr const char* kReadingProperty = "calcoraLabelReading";

QAccessible::Role roleOf(LabelReading reading)
{
    switch (reading) {
    case LabelReading::LiveStatus:
        return QAccessible::Notification;
    case LabelReading::Link:
        return QAccessible::Link;
    case LabelReading::Shadow:
        break;
    }
    return QAccessible::StaticText;
}

class LabelInterface final : public QAccessibleWidget {
public:
    LabelInterface(QLabel* label, LabelReading reading)
        : QAccessibleWidget(label, roleOf(reading))
        , reading_(reading)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        return reading_ == LabelReading::Shadow ? QString() : label()->text();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (reading_ == LabelReading::Shadow)
            state.invisible = true;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (reading_ == LabelReading::Link)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (reading_ == LabelReading::Link && name == pressAction())
            emit label()->linkActivated(label()->text());
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }

    LabelReading reading_;
};

QAccessibleInterface* labelInterface(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (!label)
        return nullptr;
    const QVariant reading = label->property(kReadingProperty);
    if (!reading.isValid())
        return nullptr;
    return new LabelInterface(label, static_cast<LabelReading>(reading.toInt()));
}

QAccessible::UpdateHandler& announcementHandler()
{
    static QAccessible::UpdateHandler handler = &QAccessible::updateAccessibility;
    return handler;
}

void sendAccessibleEvent(QLabel* label, QAccessible::Event kind)
{
    QAccessibleEvent event(label, kind);
    announcementHandler()(&event);
}

} // namespace

void setLabelReading(QLabel* label, LabelReading reading)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(labelInterface);
        return true;
    }();
    (void)factoryInstalled;
    label->setProperty(kReadingProperty, static_cast<int>(reading));
}

void showAnnounced(QLabel* label)
{
    if (!label->isVisible()) {
        label->show(); // showing it tells screen readers
        return;
    }
    sendAccessibleEvent(label, QAccessible::ObjectHide);
    sendAccessibleEvent(label, QAccessible::ObjectShow);
}

QAccessible::UpdateHandler setAnnouncementHandler(QAccessible::UpdateHandler handler)
{
    return std::exchange(announcementHandler(), handler);
}
