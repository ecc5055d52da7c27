// OK in the settings window: every value into the store in one write, then the appearance
// takes the new title, background, text colours and language, which the main window follows.

#include "settings.h"

#include "Appearance.h"
#include "ColorSwatch.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "ErrorBox.h"
#include "PathBox.h"
#include "QtColor.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace config;

void TForm4::BitBtn1Click()
{
    if (!valuesShown_)
        return;
    // The main window keeps a title, so an empty one is saved as a single space.
    if (Edit1->text().isEmpty())
        Edit1->setText(" ");
    std::vector<StoreValue> values = {
        {kInterface, kCaption, Edit1->text().toStdString()},
        {kInterface, kAnimatedButtons, RadioButton1->isChecked() ? kYes : kNo},
        {kInterface, kPlaySounds, RadioButton3->isChecked() ? kYes : kNo},
    };
    const auto boxes = fileBoxes();
    const auto fileNames = fileValueNames();
    for (std::size_t row = 0; row < boxes.size(); ++row)
        values.push_back({kInterface, fileNames[row], boxes[row]->path()});
    const auto colorSwatches = swatches();
    const auto colorNames = colorValueNames();
    for (std::size_t swatch = 0; swatch < colorSwatches.size(); ++swatch) {
        values.push_back({kInterface, colorNames[swatch],
                          colorReached_[swatch] ? ColorToString(colorSwatches[swatch]->color())
                                                : storedColorTexts_[swatch]});
    }
    // One durable write: a crash leaves the old settings or the new ones, never a mix.
    services_.store.WriteStrings(values);

    // Each change stands on its own, so a picture that cannot be read still lets the language
    // and the colours change.
    Appearance& appearance = services_.appearance;
    createInSteps(services_.dialogs, {
        [&] { appearance.setTitle(Edit1->text()); },
        [&] { appearance.loadBackground(Edit2->path()); },
        [&] { appearance.setTextColors(toQColor(Panel3->color()), toQColor(Panel4->color())); },
        [&] { appearance.reloadLanguage(services_.store); },
    });
}
