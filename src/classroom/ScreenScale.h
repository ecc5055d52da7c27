#pragma once

#include <string_view>

// The sizes a teacher can give every window of the program, as the store keeps them: as
// designed, 150 %, 200 %, or the main window filling the screen.
inline constexpr const char* kSizeValues[] = {"100", "150", "200", "Fill"};

// The main window's design size, which filling the screen scales.
inline constexpr int kDesignWidth = 360;
inline constexpr int kDesignHeight = 165;

// How much larger than designed every window is drawn, and whether the main window fills the
// screen. A screen is filled at the largest whole scale at which the main window fits on it
// (at least 1); an unknown value is the size as designed.
struct ScreenScale {
    double factor = 1;
    bool fillScreen = false;
    bool operator==(const ScreenScale&) const = default;
};
ScreenScale screenScale(std::string_view stored, int screenWidth, int screenHeight);
