#pragma once

#include "Prng.h"

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <vector>

namespace calcora::media {

// Building blocks for the program's sound effects. A sound is a list of samples in
// [-1, 1] at one fixed rate; recipes combine tones, noise and filters, then finish().
using Samples = std::vector<double>;
// A value that changes over time (seconds from the start of the part): pitch, loudness, cutoff.
using Curve = std::function<double(double seconds)>;

inline constexpr int sampleRate = 22050;

std::size_t sampleCount(double seconds);

Curve constant(double value);
// Moves exponentially from one value to another within the given time, then holds,
// which is how a pitch glide sounds even.
Curve glide(double from, double to, double seconds);
// A quick rise, then an exponential fall at the given rate per second.
Curve strike(double attackSeconds, double decayPerSecond);
// Rises smoothly, holds at 1, and fades smoothly out by the end of the part.
Curve swell(double riseSeconds, double fallSeconds, double totalSeconds);

// A band-limited tone: harmonic n (1 = the fundamental) has weight harmonics[n - 1];
// partials above the audible band of the sample rate are left out so nothing aliases.
Samples tone(double seconds, const Curve& pitchHz, const Curve& gain,
             std::initializer_list<double> harmonics);
Samples whiteNoise(double seconds, Prng& prng);

enum class FilterKind { lowPass, bandPass };
// Second-order state-variable filter whose cutoff may move while the sound plays.
void filter(Samples& samples, FilterKind kind, const Curve& cutoffHz, double resonance);
void shape(Samples& samples, const Curve& gain);
void mixInto(Samples& target, const Samples& part, double startSeconds, double level = 1.0);

// Short fades at both ends (no clicks) and a common loudness: peak at -6 dBFS.
void finish(Samples& samples);

} // namespace calcora::media
