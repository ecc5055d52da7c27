#pragma once

#include "MainWindowFixture.h"
#include "about.h"

#include <QTest>

#include <memory>

// The store as at a first start and the shipped English pack loaded, as the about window finds
// them when the main window opens it.
class AboutFixture : public MainWindowFixture {
protected:
    AboutFixture() { pack->Load(mediaFile("english.lng")); }

    TForm6::Services aboutServices(SoundPlayer* player = nullptr)
    {
        return {.store = *store, .pack = *pack, .dialogs = *dialogs, .sounds = player ? *player : *sounds, .pupil = {}};
    }

    // The about window, shown, with the test's recording sounds unless another player is given.
    TForm6& openAbout(SoundPlayer* player = nullptr)
    {
        about = std::make_unique<TForm6>(aboutServices(player));
        about->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(about.get()));
        return *about;
    }

    std::unique_ptr<TForm6> about;
};
