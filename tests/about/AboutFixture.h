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

    TForm6& openAbout()
    {
        about = std::make_unique<TForm6>();
        about->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(about.get()));
        return *about;
    }

    std::unique_ptr<TForm6> about;
};
