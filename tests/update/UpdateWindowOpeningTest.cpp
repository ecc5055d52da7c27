#include "UpdateWindowFixture.h"

#include "AnimationControl.h"
#include "HTTPGet.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

using UpdateWindowOpening = UpdateWindowFixture;

QRect placeInWindow(const QWidget* control)
{
    return {control->mapTo(control->window(), QPoint(0, 0)), control->size()};
}

TEST_F(UpdateWindowOpening, BuildsTheFixedDialogWithEveryControlInPlace)
{
    TForm5& window = openUpdates();
    EXPECT_EQ(window.objectName(), "Form5");
    EXPECT_EQ(window.size(), QSize(280, 144));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the size is fixed";
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();

    struct Place {
        const char* name;
        QRect geometry; // a height of 0: the control's height follows its text
        bool visible;
        bool enabled;
    };
    const std::vector<Place> places = {
        {"Bevel1", {8, 8, 51, 51}, true, true},
        {"Animate1", {9, 9, 48, 48}, true, true},
        {"Label1", {64, 8, 208, 0}, true, true},
        {"CheckListBox1", {64, 24, 209, 81}, false, true},
        {"Label2", {64, 72, 0, 0}, true, true},
        {"ProgressBar1", {64, 88, 208, 16}, false, true},
        {"Button1", {64, 112, 65, 25}, true, false},
        {"Button2", {136, 112, 65, 25}, true, true},
        {"BitBtn1", {208, 112, 65, 25}, true, true},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const auto* control = window.findChild<QWidget*>(place.name);
        ASSERT_NE(control, nullptr);
        QRect expected = place.geometry;
        if (expected.height() == 0)
            expected.setHeight(control->height());
        if (expected.width() == 0)
            expected.setWidth(control->width());
        EXPECT_EQ(placeInWindow(control), expected);
        EXPECT_EQ(control->isVisibleTo(&window), place.visible);
        EXPECT_EQ(control->isEnabled(), place.enabled);
    }
    EXPECT_NE(qobject_cast<AnimationControl*>(window.Animate1), nullptr);
    EXPECT_NE(qobject_cast<QFrame*>(window.Bevel1), nullptr);
    EXPECT_TRUE(window.Label1->wordWrap());
    EXPECT_GT(window.Label1->height(), window.Label1->fontMetrics().height()) << "the introduction wraps";
    EXPECT_TRUE(window.Label2->text().isEmpty());
    EXPECT_EQ(window.ProgressBar1->minimum(), 0);
    EXPECT_EQ(window.ProgressBar1->maximum(), 100);
}

TEST_F(UpdateWindowOpening, TakesItsTextsFromThePackAndStartsIdle)
{
    TForm5& window = openUpdates();
    EXPECT_EQ(window.windowTitle(), "Check for Updates");
    EXPECT_EQ(window.Label1->text(),
              "Look for new language packs and background pictures on the Internet. Click Start to begin.");
    EXPECT_EQ(window.Button1->text(), "<<< Back");
    EXPECT_EQ(window.Button2->text(), "Start >>>");
    EXPECT_EQ(window.BitBtn1->text(), "Cancel");
    EXPECT_FALSE(window.BitBtn1->icon().isNull());
    EXPECT_TRUE(window.Button2->isDefault()) << "Enter means Next";

    EXPECT_EQ(window.UpdateStep, UpdateStep::CheckForUpdates);
    EXPECT_EQ(window.WaitTicks, 0);
    EXPECT_TRUE(window.UpdateList.empty());
    EXPECT_FALSE(window.Animate1->isActive());
    EXPECT_GT(window.Animate1->frameCount(), 45) << "the program folder's update.avi is loaded";

    const std::vector<std::pair<QTimer*, int>> timers = {{window.Timer1, 200}, {window.Timer2, 10}};
    for (const auto& [timer, interval] : timers) {
        EXPECT_EQ(window.findChild<QTimer*>(timer->objectName()), timer);
        EXPECT_EQ(timer->interval(), interval) << timer->objectName().toStdString();
        EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
    }
    for (const char* name : {"HTTPGet1", "HTTPGet2"}) {
        SCOPED_TRACE(name);
        const auto* fetch = window.findChild<THTTPGet*>(name);
        ASSERT_NE(fetch, nullptr);
        EXPECT_EQ(fetch->AcceptTypes, "*/*");
        EXPECT_EQ(fetch->Agent, "Calcora 2.01");
        EXPECT_FALSE(fetch->BinaryData);
        EXPECT_FALSE(fetch->UseCache);
        EXPECT_FALSE(fetch->WaitThread);
        EXPECT_FALSE(fetch->busy());
    }
}

TEST_F(UpdateWindowOpening, CancelEscapeAndTheCloseBoxEndTheWindow)
{
    const std::vector<std::pair<const char*, std::function<void(TForm5&)>>> ways = {
        {"Cancel", [](TForm5& window) { window.BitBtn1->click(); }},
        {"Escape", [](TForm5& window) { QTest::keyClick(&window, Qt::Key_Escape); }},
        {"close box", [](TForm5& window) { window.close(); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        TForm5& window = openUpdates();
        window.Button2->click();
        ASSERT_TRUE(window.Timer1->isActive());
        close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.result(), QDialog::Rejected);
        EXPECT_FALSE(window.Timer1->isActive()) << "closing stops the wait for the list";
        EXPECT_FALSE(window.Animate1->isActive());
        EXPECT_EQ(window.WaitTicks, 0);
    }
}

} // namespace
