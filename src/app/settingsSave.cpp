// OK in the settings window: every value into the store, then the main window takes the new
// title, background, text colours and language at once.

#include "settings.h"

#include "ColorSwatch.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "LanguagePack.h"
#include "OvoWallPaperBMP.h"
#include "PathBox.h"
#include "ProcessWide.h"
#include "QtColor.h"
#include "Unit1.h"
#include "WindowValues.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace config;

void TForm4::BitBtn1Click()
{
    if (!valuesShown_)
        return;
    auto& store = ProcessWide<ConfigStore>::get();
    // The main window keeps a title, so an empty one is saved as a single space.
    if (Edit1->text().isEmpty())
        Edit1->setText(" ");
    store.WriteString(kInterface, kCaption, Edit1->text().toStdString());
    mainWindow_.setWindowTitle(Edit1->text());
    store.WriteString(kInterface, kAnimatedButtons, RadioButton1->isChecked() ? kYes : kNo);
    store.WriteString(kInterface, kPlaySounds, RadioButton3->isChecked() ? kYes : kNo);

    store.WriteString(kInterface, kBackgroundImage, Edit2->path());
    mainWindow_.OvoWallPaperBMP1->LoadFromFile(Edit2->path());

    const auto boxes = fileBoxes();
    const auto fileNames = fileValueNames();
    for (std::size_t row = 1; row < boxes.size(); ++row)
        store.WriteString(kInterface, fileNames[row], boxes[row]->path());
    const auto colorSwatches = swatches();
    const auto colorNames = colorValueNames();
    for (std::size_t swatch = 0; swatch < colorSwatches.size(); ++swatch) {
        store.WriteString(kInterface, colorNames[swatch],
                          colorReached_[swatch] ? ColorToString(colorSwatches[swatch]->color())
                                                : storedColorTexts_[swatch]);
    }

    setTextColor(mainWindow_.Label4, toQColor(Panel3->color()));
    setTextColor(mainWindow_.Label5, toQColor(Panel4->color()));
    ProcessWide<LanguagePack>::get().Reload(store);
    mainWindow_.Recaption();
}
