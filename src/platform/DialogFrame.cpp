#include "DialogFrame.h"

#include "ScreenCentre.h"

#include <QFont>
#include <QWidget>

void frameDialog(QWidget& dialog, QSize size, DialogSizing sizing)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (sizing == DialogSizing::Resizable)
        flags |= Qt::WindowMaximizeButtonHint;
    dialog.setWindowFlags(flags);

    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    dialog.setFont(font);

    if (sizing == DialogSizing::Fixed)
        dialog.setFixedSize(size);
    else
        dialog.resize(size);
    centreOnScreen(dialog);
}
