#include "PathBox.h"

#include "DisplayText.h"

PathBox::PathBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    // A disabled path stays readable on the silver ground.
    silver.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    setPalette(silver);
}

void PathBox::setPath(const std::string& path)
{
    path_ = path;
    setText(qtFilePath(path));
    setToolTip(text());
}
