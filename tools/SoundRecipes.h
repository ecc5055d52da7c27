#pragma once

#include "SoundSynth.h"

namespace calcora::media {

// The program's sound effects, each finished (faded and levelled) and ready to write.
Samples menuSlidesIn();     // soft whoosh of air as the operation buttons arrive
Samples menuSlidesAway();   // short upward glide as the menu leaves upwards
Samples buttonDropsIn();    // falling glide ending in a soft thud
Samples wrongAnswer();      // gentle, low two-note "uh-oh"
Samples rightAnswer();      // bright rising chime
Samples newQuestion();      // soft short blip
Samples noseHonk();         // comic double honk hidden in the about window

} // namespace calcora::media
