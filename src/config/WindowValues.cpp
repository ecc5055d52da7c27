#include "WindowValues.h"

#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "LanguagePack.h"
#include "ProcessWide.h"
#include "QtColor.h"

#include <QLabel>

QString packText(int index)
{
    return displayText(ProcessWide<LanguagePack>::get().Get(index));
}

QColor storedColor(const char* name)
{
    return toQColor(StringToColor(ProcessWide<ConfigStore>::get().ReadString(config::kInterface, name, "")));
}

bool switchIsOn(const char* name)
{
    return ProcessWide<ConfigStore>::get().ReadString(config::kInterface, name, "") == config::kYes;
}

QLabel* createLabel(QWidget* parent, const QString& name, QPoint place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->move(place);
    return label;
}

void setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
