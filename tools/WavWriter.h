#pragma once

#include "ByteBuffer.h"
#include "SoundSynth.h"

namespace calcora::media {

// A mono, 16-bit PCM WAV file at the synthesis sample rate: the plainest form that every
// player, QSoundEffect and PlaySound included, accepts.
Bytes wavFile(const Samples& samples);

} // namespace calcora::media
