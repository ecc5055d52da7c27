#include "FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FontColorDialog::FontColorDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent)
    , fonts_(new QFontDialog(initial.font, this))
    , colorButton_(new QPushButton(tr("&Colour..."), this))
    , color_(initial.color)
{
    setWindowTitle(tr("Font"));
    fonts_->setOptions(QFontDialog::NoButtons);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setSizeGripEnabled(false);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(tr("Text colour:"), this));
    colorRow->addWidget(colorButton_);
    colorRow->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);

    connect(colorButton_, &QPushButton::clicked, this, &FontColorDialog::chooseColor);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showColor();
}

FontChoice FontColorDialog::choice() const
{
    return {fonts_->currentFont(), color_};
}

void FontColorDialog::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(color_, this);
    if (chosen.isValid()) {
        color_ = chosen;
        showColor();
    }
}

void FontColorDialog::showColor()
{
    QPixmap swatch(24, 12);
    swatch.fill(color_);
    colorButton_->setIcon(swatch);
}
