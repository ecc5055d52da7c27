#pragma once

#include "Image.h"

#include <vector>

namespace calcora::media {

// The main window's wallpaper tile: deep blue-green, quiet enough for white shadowed text,
// and seamless when repeated in both directions.
Image backgroundTile();

// The second wallpaper, offered by the update server: a school chalkboard, dark green with
// the faint traces of wiped-off chalk. Also seamless, and as quiet behind white text.
Image chalkboardTile();

// The update checker's looping animation: a page travels from a cloud down into a tray.
inline constexpr int updateAnimationFramesPerSecond = 12;
std::vector<Image> updateAnimationFrames();

// The application icon: the four operation signs on a friendly rounded square, drawn afresh
// at each size a desktop asks for.
inline constexpr int applicationIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
Image applicationIcon(int size);

} // namespace calcora::media
