#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>

#include <string>

class ConfigStore;
class LanguagePack;

// What the main window shows that other windows change: its title, the colours of its level
// description, its background picture and its language. A window that changes one of them
// changes it here, after writing it to the store; the main window listens and applies it, so
// no window reaches into another's widgets.
class Appearance : public QObject {
    Q_OBJECT

public:
    explicit Appearance(LanguagePack& pack);

    QString title() const { return title_; }
    void setTitle(const QString& title);

    // The background picture the main window tiles.
    const QImage& background() const { return background_; }
    // Loads a BMP file as the background; when that fails (see loadBitmapFile) the picture
    // stays as it was.
    void loadBackground(const std::string& path);

    // The level description's text colour and its shadow's.
    void setTextColors(const QColor& text, const QColor& shadow);

    // Loads the language pack again from the store's "Language Pack" value (see
    // LanguagePack::Reload), then tells the listeners.
    void reloadLanguage(ConfigStore& store);

signals:
    void titleChanged(const QString& title);
    void backgroundChanged(const QImage& background);
    void textColorsChanged(const QColor& text, const QColor& shadow);
    void languageChanged();

private:
    LanguagePack& pack_;
    QString title_;
    QImage background_;
};
