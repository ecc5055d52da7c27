#include "Appearance.h"

#include "BitmapFile.h"
#include "LanguagePack.h"

Appearance::Appearance(LanguagePack& pack) : pack_(pack) {}

void Appearance::setTitle(const QString& title)
{
    title_ = title;
    emit titleChanged(title_);
}

void Appearance::loadBackground(const std::string& path)
{
    loadBitmapFile(background_, path);
    emit backgroundChanged(background_);
}

void Appearance::setTextColors(const QColor& text, const QColor& shadow)
{
    emit textColorsChanged(text, shadow);
}

void Appearance::reloadLanguage(ConfigStore& store)
{
    pack_.Reload(store);
    emit languageChanged();
}
