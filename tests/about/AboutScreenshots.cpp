// Saves pictures of the about window into the build folder (screenshots/about-*.png), for a
// person to look at: the product name, a heading, and the totals at the credits' end.

#include "AboutFixture.h"
#include "CreditsFrames.h"

#include "CRPanel.h"
#include "Screenshots.h"
#include "Startup.h"

#include <QApplication>
#include <QIcon>

namespace {

using AboutScreenshots = AboutFixture;

TEST_F(AboutScreenshots, ProductNameHeadingAndTotals)
{
    store->WriteString("Stats", "Correct", "12");
    store->WriteString("Stats", "Wrong", "3");
    // The icon the program takes from its folder once it has started.
    installApplicationIcon();
    TForm6& window = openAbout();
    QApplication::setWindowIcon(QIcon());
    TCRPanel& panel = *window.CRPanel1;
    panel.setInterval(0);
    const std::vector<std::tuple<const char*, std::size_t, int>> moments = {
        {"about-1-product", 0, 28},  // "Calcora 2.01" in the middle
        {"about-2-heading", 1, -10}, // "Programming:" with a name and an address
        {"about-3-totals", 27, 0},   // the two totals at the bottom
    };
    for (const auto& [name, topLine, offset] : moments) {
        scrollTo(panel, topLine, offset);
        EXPECT_TRUE(saveScreenshot(window, name)) << name;
    }
}

} // namespace
