#pragma once

#include "Dialogs.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

// Qt's font dialog with a choice of the text colour below it, as the platform's own font
// dialog offers.
class FontColorDialog final : public QDialog {
    Q_OBJECT

public:
    FontColorDialog(const FontChoice& initial, QWidget* parent);

    FontChoice choice() const;

private:
    void chooseColor();
    void showColor();

    QFontDialog* fonts_;
    QPushButton* colorButton_;
    QColor color_;
};
