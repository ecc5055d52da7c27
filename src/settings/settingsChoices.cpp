// What the user changes in the settings window before OK: files chosen by browsing, colours
// picked from the swatches, and the defaults. All of it stays in the controls.

#include "settings.h"

#include "ColorSwatch.h"
#include "ConfigDefaults.h"
#include "ConfigNames.h"
#include "Dialogs.h"
#include "DisplayText.h"
#include "LanguagePack.h"
#include "OvoWallPaperBMP.h"
#include "PathBox.h"
#include "ProgramDirectory.h"
#include "QtColor.h"
#include "WindowValues.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace {

// The file type each file box offers: the background, the language pack, then the sounds.
QString fileTypeFilter(const LanguagePack& pack, int fileRow)
{
    if (fileRow == 0)
        return packText(pack, PackLine::BitmapPictures) + " (*.bmp)|*.bmp";
    if (fileRow == 1)
        return packText(pack, PackLine::LanguagePacks) + " (*.lng)|*.lng";
    return packText(pack, PackLine::WaveSounds) + " (*.wav)|*.wav";
}

QString playTooltip(const QString& fileName)
{
    return "Play " + fileName;
}

} // namespace

void TForm4::Button1Click() { Browse(0); }
void TForm4::Button2Click() { Browse(1); }
void TForm4::Button3Click() { Browse(2); }
void TForm4::Button4Click() { Browse(3); }
void TForm4::Button5Click() { Browse(4); }
void TForm4::Button6Click() { Browse(5); }
void TForm4::Button7Click() { Browse(6); }
void TForm4::Button8Click() { Browse(7); }

void TForm4::Browse(int fileRow)
{
    PathBox* box = fileBoxes()[static_cast<std::size_t>(fileRow)];
    FileDialogRequest request;
    request.fileName = box->text();
    request.folder = qtFilePath(programDirectoryOf(box->path(), kPathSeparator));
    request.filter = fileTypeFilter(services_.pack, fileRow);
    const auto chosen = services_.dialogs.getOpenFileName(this, request);
    if (!chosen)
        return;
    const std::string path = nativeFilePath(QDir::toNativeSeparators(*chosen));
    box->setPath(keptPath(path));
    if (fileRow == 0)
        LoadPreview(box->path());
    else if (fileRow >= 2)
        setTooltipAndName(playButtons()[static_cast<std::size_t>(fileRow - 2)], playTooltip(shownFileName(path)));
}

void TForm4::LoadPreview(const std::string& path)
{
    OvoWallPaperBMP1->LoadFromFile(path);
}

void TForm4::Panel3Click() { PickColor(0); }
void TForm4::Panel4Click() { PickColor(1); }
void TForm4::Panel5Click() { PickColor(2); }
void TForm4::Panel6Click() { PickColor(3); }
void TForm4::Panel7Click() { PickColor(4); }
void TForm4::Panel8Click() { PickColor(5); }

void TForm4::PickColor(int swatch)
{
    ColorSwatch* picked = swatches()[static_cast<std::size_t>(swatch)];
    const auto chosen = services_.dialogs.getColor(this, toQColor(picked->color()));
    if (!chosen)
        return;
    const int pair = swatch / 2;
    MoveSampleUnder(pair);
    picked->setColor(fromQColor(*chosen));
    colorReached_[static_cast<std::size_t>(swatch)] = true;
    ColorSampleFrom(pair);
}

void TForm4::MoveSampleUnder(int pair)
{
    const int left = swatches()[static_cast<std::size_t>(2 * pair)]->x();
    Label13->move(left, Label13->y());
    Label14->move(left + 2, Label14->y());
}

void TForm4::ColorSampleFrom(int pair)
{
    const auto colorSwatches = swatches();
    setTextColor(Label13, toQColor(colorSwatches[static_cast<std::size_t>(2 * pair)]->color()));
    setTextColor(Label14, toQColor(colorSwatches[static_cast<std::size_t>(2 * pair + 1)]->color()));
}

void TForm4::Button9Click()
{
    const auto defaults = interfaceAndStatsDefaults(programDirectory());
    const auto defaultOf = [&](const std::string& name) {
        return std::find_if(defaults.begin(), defaults.end(), [&](const ConfigDefault& value) {
            return value.section == config::kInterface && value.name == name;
        })->text;
    };

    Edit1->setText(displayText(defaultOf(config::kCaption)));
    RadioButton1->setChecked(true);
    const auto boxes = fileBoxes();
    const auto fileNames = fileValueNames();
    Edit2->setPath(keptPath(defaultOf(fileNames[0])));
    LoadPreview(Edit2->path());
    Edit3->setPath(keptPath(defaultOf(fileNames[1])));
    RadioButton3->setChecked(true);
    const auto plays = playButtons();
    for (std::size_t row = 0; row < plays.size(); ++row) {
        boxes[row + 2]->setPath(keptPath(defaultOf(fileNames[row + 2])));
        setTooltipAndName(plays[row], playTooltip(shownFileName(boxes[row + 2]->path())));
    }
    const auto colorSwatches = swatches();
    const auto colorNames = colorValueNames();
    for (std::size_t swatch = 0; swatch < colorSwatches.size(); ++swatch) {
        colorSwatches[swatch]->setColor(StringToColor(defaultOf(colorNames[swatch])));
        colorReached_[swatch] = true;
    }
    MoveSampleUnder(0);
    ColorSampleFrom(0);
}
