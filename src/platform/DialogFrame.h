#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

enum class DialogSizing { Fixed, Resizable };

// The frame every dialog of the program shares: a title bar with the system menu and the close
// button but no help button, the program's 11-pixel dialog font, and a place in the middle of
// the screen. A fixed dialog keeps its size; a resizable one starts at it and may be maximised.
void frameDialog(QWidget& dialog, QSize size, DialogSizing sizing = DialogSizing::Fixed);

// A control of a window, named and put at its design place and size.
template <class Control>
Control* place(Control* control, const QString& name, QRect geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}
