#include "SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace calcora::media {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double peakLevel = 0.5; // -6 dBFS
constexpr double fadeInSeconds = 0.004;
constexpr double fadeOutSeconds = 0.015;

double timeOf(std::size_t index)
{
    return static_cast<double>(index) / sampleRate;
}

double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

} // namespace

std::size_t sampleCount(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * sampleRate));
}

Curve constant(double value)
{
    return [value](double) { return value; };
}

Curve glide(double from, double to, double seconds)
{
    return [=](double t) { return from * std::pow(to / from, std::min(t / seconds, 1.0)); };
}

Curve strike(double attackSeconds, double decayPerSecond)
{
    return [=](double t) {
        if (t < attackSeconds)
            return smoothStep(t / attackSeconds);
        return std::exp(-decayPerSecond * (t - attackSeconds));
    };
}

Curve swell(double riseSeconds, double fallSeconds, double totalSeconds)
{
    return [=](double t) {
        return smoothStep(t / riseSeconds) * smoothStep((totalSeconds - t) / fallSeconds);
    };
}

Samples tone(double seconds, const Curve& pitchHz, const Curve& gain,
             std::initializer_list<double> harmonics)
{
    Samples out(sampleCount(seconds));
    double phase = 0.0; // in cycles of the fundamental
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double frequency = pitchHz(t);
        double value = 0.0;
        int partial = 1;
        for (double weight : harmonics) {
            if (frequency * partial < 0.45 * sampleRate)
                value += weight * std::sin(2.0 * pi * partial * phase);
            ++partial;
        }
        out[i] = value * gain(t);
        phase += frequency / sampleRate;
        phase -= std::floor(phase);
    }
    return out;
}

Samples whiteNoise(double seconds, Prng& prng)
{
    Samples out(sampleCount(seconds));
    for (double& sample : out)
        sample = prng.signedUnit();
    return out;
}

void filter(Samples& samples, FilterKind kind, const Curve& cutoffHz, double resonance)
{
    // Topology-preserving (trapezoidal) form: stays stable while the cutoff sweeps.
    const double damping = 1.0 / resonance;
    double state1 = 0.0;
    double state2 = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double g = std::tan(pi * std::min(cutoffHz(timeOf(i)), 0.45 * sampleRate) / sampleRate);
        const double a1 = 1.0 / (1.0 + g * (g + damping));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = samples[i] - state2;
        const double bandOut = a1 * state1 + a2 * v3;
        const double lowOut = state2 + a2 * state1 + a3 * v3;
        state1 = 2.0 * bandOut - state1;
        state2 = 2.0 * lowOut - state2;
        samples[i] = kind == FilterKind::lowPass ? lowOut : bandOut;
    }
}

void shape(Samples& samples, const Curve& gain)
{
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] *= gain(timeOf(i));
}

void mixInto(Samples& target, const Samples& part, double startSeconds, double level)
{
    const std::size_t start = sampleCount(startSeconds);
    if (target.size() < start + part.size())
        target.resize(start + part.size());
    for (std::size_t i = 0; i < part.size(); ++i)
        target[start + i] += level * part[i];
}

void finish(Samples& samples)
{
    if (samples.empty())
        return;
    const double last = timeOf(samples.size() - 1); // the fade reaches silence exactly here
    shape(samples, [last](double t) {
        return std::sin(0.5 * pi * std::min({t / fadeInSeconds, (last - t) / fadeOutSeconds, 1.0}));
    });
    double peak = 0.0;
    for (double sample : samples)
        peak = std::max(peak, std::abs(sample));
    if (peak > 0.0)
        shape(samples, constant(peakLevel / peak));
}

} // namespace calcora::media
