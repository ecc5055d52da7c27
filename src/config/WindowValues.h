#pragma once

#include "PackLines.h"
#include "ScreenReader.h"

#include <QColor>
#include <QPoint>
#include <QString>

class ConfigStore;
class LanguagePack;
class QAbstractButton;
class QLabel;
class QWidget;

// What every window reads from the language pack and the store at the moment it shows it.

// A line of the pack as screen text.
QString packText(const LanguagePack& pack, PackLine line);
// The colour value `name` of section "Interface".
QColor storedColor(ConfigStore& store, const char* name);
// Whether the switch `name` of section "Interface" is on: exactly "Yes", nothing else.
bool switchIsOn(ConfigStore& store, const char* name);

// A label of a window, named and placed. It shows its text as plain text: a language pack
// line or a title that looks like markup is shown as it is written.
QLabel* createLabel(QWidget* parent, const QString& name, QPoint place);
// The same, read by screen readers in the given way.
QLabel* createLabel(QWidget* parent, const QString& name, QPoint place, LabelReading reading);

// Sets a label's text and sizes the label to fit it, as labels that size themselves do.
void setLabelText(QLabel* label, const QString& text);

// Sets the colour a widget draws its text in.
void setTextColor(QWidget* widget, const QColor& color);

// Sets a button's caption. The arrows that point the way ("<<< Back", "Next >>>") are for the
// eye: a screen reader reads the words alone.
void setButtonCaption(QAbstractButton* button, const QString& caption);

// Sets the tooltip of a control that shows no text of its own; a screen reader reads it as the
// control's name.
void setTooltipAndName(QWidget* control, const QString& text);
