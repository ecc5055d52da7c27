#include "WindowValues.h"

#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "LanguagePack.h"
#include "QtColor.h"

#include <QAbstractButton>
#include <QLabel>

QString packText(const LanguagePack& pack, PackLine line)
{
    return displayText(pack.Get(line));
}

QColor storedColor(ConfigStore& store, const char* name)
{
    return toQColor(StringToColor(store.ReadString(config::kInterface, name, "")));
}

bool switchIsOn(ConfigStore& store, const char* name)
{
    return store.ReadString(config::kInterface, name, "") == config::kYes;
}

namespace {

QLabel* placed(QLabel* label, const QString& name, QPoint place)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->move(place);
    return label;
}

} // namespace

QLabel* createLabel(QWidget* parent, const QString& name, QPoint place)
{
    return placed(new QLabel(parent), name, place);
}

QLabel* createLabel(QWidget* parent, const QString& name, QPoint place, LabelReading reading)
{
    auto* label = new QLabel(parent);
    setLabelReading(label, reading);
    return placed(label, name, place);
}

void setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

void setButtonCaption(QAbstractButton* button, const QString& caption)
{
    static const QString back = "<<< ";
    static const QString next = " >>>";
    button->setText(caption);
    QString words = caption;
    if (words.startsWith(back))
        words.remove(0, back.size());
    if (words.endsWith(next))
        words.chop(next.size());
    // Without arrows the caption itself is read.
    button->setAccessibleName(words == caption ? QString() : words);
}

void setTooltipAndName(QWidget* control, const QString& text)
{
    control->setToolTip(text);
    control->setAccessibleName(text);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
