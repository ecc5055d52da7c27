#include "SoundRecipes.h"

#include <cmath>
#include <numbers>

namespace calcora::media {

namespace {

// Soft, slightly hollow timbre for the pitched effects: mostly fundamental, so nothing buzzes.
constexpr std::initializer_list<double> mellow = {1.0, 0.3, 0.1};
// Bell-like partials for the chime.
constexpr std::initializer_list<double> bell = {1.0, 0.25, 0.0, 0.08};
// A falling series of harmonics, reedy like a toy horn.
constexpr std::initializer_list<double> reedy = {1.0, 0.7, 0.55, 0.45, 0.35, 0.28, 0.22, 0.16, 0.12, 0.08};

} // namespace

Samples menuSlidesIn()
{
    constexpr double length = 1.3;
    Prng prng(0x57494E44); // "WIND"
    // Air: band-passed noise whose centre rises and falls with the gust.
    Samples gust = whiteNoise(length, prng);
    filter(gust, FilterKind::bandPass,
           [](double t) { return 280.0 + 900.0 * std::pow(std::sin(std::numbers::pi * t / length), 2.0); },
           1.2);
    // Body: a darker layer so the swell is not only hiss.
    Samples body = whiteNoise(length, prng);
    filter(body, FilterKind::lowPass, constant(350.0), 0.7);
    mixInto(gust, body, 0.0, 0.6);
    shape(gust, swell(0.45, 0.8, length));
    finish(gust);
    return gust;
}

Samples menuSlidesAway()
{
    constexpr double length = 0.4;
    Samples sound = tone(length, glide(260.0, 780.0, length), swell(0.03, 0.15, length), mellow);
    Prng prng(0x4C494654); // "LIFT"
    Samples air = whiteNoise(length, prng);
    filter(air, FilterKind::bandPass, glide(600.0, 2400.0, length), 2.0);
    shape(air, swell(0.1, 0.2, length));
    mixInto(sound, air, 0.0, 0.8);
    finish(sound);
    return sound;
}

Samples buttonDropsIn()
{
    constexpr double fallLength = 0.26;
    constexpr double thudLength = 0.1;
    Samples sound = tone(fallLength, glide(1000.0, 260.0, fallLength),
                         swell(0.01, 0.04, fallLength), mellow);
    mixInto(sound, tone(thudLength, glide(120.0, 55.0, thudLength), strike(0.003, 35.0), {1.0}),
            fallLength - 0.01, 1.6);
    Prng prng(0x54485544); // "THUD"
    Samples knock = whiteNoise(thudLength, prng);
    filter(knock, FilterKind::lowPass, constant(400.0), 0.8);
    shape(knock, strike(0.002, 45.0));
    mixInto(sound, knock, fallLength - 0.01, 1.2);
    finish(sound);
    return sound;
}

Samples wrongAnswer()
{
    // Falling fourth, D4 then A3: says "not this one" without sounding like an alarm.
    Samples sound = tone(0.17, constant(293.66), swell(0.015, 0.05, 0.17), mellow);
    mixInto(sound, tone(0.26, glide(220.0, 208.0, 0.26), swell(0.015, 0.12, 0.26), mellow), 0.19);
    finish(sound);
    return sound;
}

Samples rightAnswer()
{
    // C major arpeggio, C5 E5 G5 C6; each note rings on under the next.
    constexpr double length = 0.55;
    constexpr double notes[] = {523.25, 659.26, 783.99, 1046.50};
    constexpr double step = 0.07;
    Samples sound;
    for (int i = 0; i < 4; ++i) {
        const double start = i * step;
        mixInto(sound, tone(length - start, constant(notes[i]), strike(0.005, 7.0), bell), start);
    }
    finish(sound);
    return sound;
}

Samples newQuestion()
{
    constexpr double length = 0.13;
    Samples sound = tone(length, glide(660.0, 990.0, 0.04), strike(0.005, 25.0), {1.0, 0.1});
    finish(sound);
    return sound;
}

Samples noseHonk()
{
    // Two squeezes of a toy horn, the second a little higher, each bending up then down.
    auto honk = [](double length, double pitch) {
        const auto bend = [=](double t) {
            const double wobble = 1.0 + 0.03 * std::sin(2.0 * std::numbers::pi * 18.0 * t);
            return pitch * (1.0 + 0.25 * std::sin(std::numbers::pi * t / length)) * wobble;
        };
        Samples part = tone(length, bend, swell(0.02, 0.06, length), reedy);
        filter(part, FilterKind::lowPass, constant(1600.0), 1.4);
        return part;
    };
    Samples sound = honk(0.17, 190.0);
    mixInto(sound, honk(0.21, 230.0), 0.21);
    finish(sound);
    return sound;
}

} // namespace calcora::media
