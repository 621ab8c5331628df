// The event sounds, synthesised: card sounds as short bursts of filtered noise, the chimes and
// chords as soft bell tones. Noise is seeded, so every build makes the same bytes.

#include "resource_makers.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace marlowe::resgen {
namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * M_PI;
using Samples = std::vector<double>;

// A RIFF/WAVE file of 16-bit mono PCM; the samples are in -1..1.
QByteArray WaveFile(const Samples& samples)
{
    const auto append32 = [](QByteArray& bytes, uint32_t value) {
        const uint32_t little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), 4);
    };
    const auto append16 = [](QByteArray& bytes, uint16_t value) {
        const uint16_t little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), 2);
    };
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    QByteArray bytes("RIFF");
    append32(bytes, 36 + dataSize);
    bytes.append("WAVEfmt ");
    append32(bytes, 16);
    append16(bytes, 1);  // PCM
    append16(bytes, 1);  // mono
    append32(bytes, kRate);
    append32(bytes, kRate * 2);
    append16(bytes, 2);
    append16(bytes, 16);
    bytes.append("data");
    append32(bytes, dataSize);
    for (double sample : samples) {
        const auto level = static_cast<int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767));
        append16(bytes, static_cast<uint16_t>(level));
    }
    return bytes;
}

// Seeded white noise in -1..1.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483647.5 - 1.0;
    }

private:
    uint32_t state_;
};

// The smoothing factor of a one-pole low-pass filter with the given cut-off.
double LowPassFactor(double cutoff)
{
    return 1 - std::exp(-kTwoPi * cutoff / kRate);
}

size_t Index(double seconds)
{
    return static_cast<size_t>(seconds * kRate);
}

// A burst of low-passed noise: a quick rise, then an exponential fall.
void AddNoiseBurst(Samples& out, double start, double amplitude, double cutoff, double decay, Noise& noise)
{
    const double factor = LowPassFactor(cutoff);
    double filtered = 0;
    const size_t first = Index(start);
    const size_t length = std::min(out.size() - std::min(out.size(), first), Index(decay * 8));
    for (size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kRate;
        filtered += factor * (noise.Next() - filtered);
        const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t / decay);
        out[first + i] += amplitude * envelope * filtered;
    }
}

// A soft bell: a few partials, the higher ones dying sooner.
void AddBell(Samples& out, double start, double frequency, double amplitude, double decay)
{
    constexpr struct {
        double ratio;
        double level;
    } kPartials[] = {{1.0, 1.0}, {2.0, 0.3}, {3.0, 0.1}, {4.2, 0.05}};
    const size_t first = Index(start);
    for (size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        double sample = 0;
        for (const auto& partial : kPartials) {
            const double fall = std::exp(-t * partial.ratio / decay);
            sample += partial.level * fall * std::sin(kTwoPi * frequency * partial.ratio * t);
        }
        out[i] += amplitude * std::min(1.0, t / 0.004) * sample;
    }
}

// A low, dull tone with a gentle rise and fall, for the refusing buzz.
void AddHum(Samples& out, double start, double length, double frequency, double amplitude)
{
    const size_t first = Index(start);
    for (size_t i = first; i < std::min(out.size(), first + Index(length)); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double envelope = std::min({1.0, t / 0.015, (length - t) / 0.03});
        const double phase = kTwoPi * frequency * t;
        out[i] += amplitude * envelope * (std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase));
    }
}

// A card touching the table or leaving it: brighter (higher cut-off) and shorter for lighter sounds.
Samples CardTap(double cutoff, double decay, double seconds, uint32_t seed)
{
    Samples out(Index(seconds));
    Noise noise(seed);
    AddNoiseBurst(out, 0.002, 1.0, cutoff, decay, noise);
    return out;
}

Samples Tableau()
{
    return CardTap(1800, 0.014, 0.12, 11);
}

Samples Stock()
{
    Samples out = CardTap(500, 0.03, 0.2, 12);
    AddBell(out, 0.002, 95, 0.25, 0.035);
    return out;
}

Samples CardUp()
{
    return CardTap(6000, 0.005, 0.06, 13);
}

// Cards put back down: a softer, lower tap than the pick-up.
Samples CardDown()
{
    return CardTap(2500, 0.01, 0.09, 15);
}

// A won game: a rising fanfare of bells ending on a held chord.
Samples Won()
{
    Samples out(Index(1.4));
    const double notes[] = {523.25, 659.25, 783.99, 1046.5, 1318.5};
    for (int note = 0; note < 5; ++note)
        AddBell(out, note * 0.1, notes[note], note == 4 ? 0.7 : 0.45, note == 4 ? 0.6 : 0.25);
    AddBell(out, 0.4, 783.99, 0.35, 0.6);
    return out;
}

Samples Autoplay()
{
    Samples out = CardTap(4000, 0.005, 0.12, 14);
    AddBell(out, 0.003, 2637, 0.12, 0.03);
    return out;
}

Samples Foundation()
{
    Samples out = CardTap(3000, 0.008, 0.4, 15);
    AddBell(out, 0.004, 1568, 0.35, 0.12);
    return out;
}

// A flip: a short swish as the card turns, then its tap on the table.
Samples FaceUp()
{
    Samples out(Index(0.16));
    Noise noise(16);
    const double factor = LowPassFactor(2500);
    double filtered = 0;
    for (size_t i = 0; i < Index(0.05); ++i) {
        filtered += factor * (noise.Next() - filtered);
        out[i] += 0.5 * std::sin(M_PI * i / Index(0.05)) * filtered;
    }
    AddNoiseBurst(out, 0.05, 1.0, 2000, 0.012, noise);
    return out;
}

// A riffle: a train of tiny clicks, loud in the middle, spread a little unevenly.
Samples Shuffle()
{
    constexpr int kClicks = 22;
    constexpr double kLength = 0.85;
    Samples out(Index(kLength));
    Noise noise(17);
    for (int click = 0; click < kClicks; ++click) {
        const double place = (click + 0.5) / kClicks;
        const double start = 0.02 + place * (kLength - 0.08) + 0.008 * noise.Next();
        const double level = 0.55 + 0.45 * std::sin(M_PI * place) + 0.1 * noise.Next();
        AddNoiseBurst(out, start, level, 2800 + 800 * noise.Next(), 0.004, noise);
    }
    return out;
}

// A whoosh whose colour rises and falls; silent at both ends, so it loops without a seam.
Samples Redeal()
{
    constexpr double kLength = 0.9;
    Samples out(Index(kLength));
    Noise noise(18);
    double low = 0;
    double lower = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double shape = std::sin(M_PI * i / out.size());
        const double factor = LowPassFactor(300 + 2200 * shape);
        low += factor * (noise.Next() - low);
        lower += factor * (low - lower);
        out[i] = shape * shape * lower;
    }
    return out;
}

// A swirl: a tone gliding up and back down with a little vibrato, over a soft swish.
Samples Eddy()
{
    constexpr double kLength = 0.7;
    Samples out(Index(kLength));
    Noise noise(19);
    double phase = 0;
    double swish = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double shape = std::sin(M_PI * t / kLength);
        const double frequency = 420 + 480 * shape + 25 * std::sin(kTwoPi * 7 * t);
        phase += kTwoPi * frequency / kRate;
        swish += LowPassFactor(800 + 1500 * shape) * (noise.Next() - swish);
        out[i] = shape * (0.7 * std::sin(phase) + 0.6 * swish);
    }
    return out;
}

Samples New()
{
    Samples out(Index(0.9));
    AddBell(out, 0.0, 784, 0.6, 0.3);
    AddBell(out, 0.16, 1047, 0.6, 0.35);
    return out;
}

Samples Splash()
{
    Samples out(Index(1.3));
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int note = 0; note < 4; ++note)
        AddBell(out, note * 0.12, notes[note], note == 3 ? 0.7 : 0.5, note == 3 ? 0.45 : 0.3);
    return out;
}

Samples Pairing()
{
    Samples out(Index(0.4));
    AddBell(out, 0.0, 1318.5, 0.5, 0.1);
    AddBell(out, 0.08, 1760, 0.5, 0.12);
    return out;
}

// "No": two short low tones, the second lower.
Samples RedealRefused()
{
    Samples out(Index(0.45));
    AddHum(out, 0.01, 0.14, 150, 0.5);
    AddHum(out, 0.22, 0.18, 130, 0.5);
    return out;
}

// A warm C major chord, strummed slightly.
Samples About()
{
    Samples out(Index(1.45));
    const double notes[] = {261.63, 329.63, 392.0, 523.25};
    for (int note = 0; note < 4; ++note)
        AddBell(out, note * 0.025, notes[note], 0.35, 0.5);
    return out;
}

// Scales to a comfortable peak, well below clipping, and softens both ends against clicks.
QByteArray Finished(Samples samples, double peak)
{
    double loudest = 0;
    for (double sample : samples)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest == 0)
        return {};
    const size_t fadeIn = std::min(samples.size() / 2, Index(0.002));
    const size_t fadeOut = std::min(samples.size() / 2, Index(0.015));
    for (size_t i = 0; i < samples.size(); ++i) {
        double gain = peak / loudest;
        if (i < fadeIn)
            gain *= static_cast<double>(i) / fadeIn;
        if (samples.size() - i <= fadeOut)
            gain *= static_cast<double>(samples.size() - 1 - i) / fadeOut;
        samples[i] *= gain;
    }
    return WaveFile(samples);
}

}  // namespace

QByteArray MakeSound(const ResourceEntry& entry)
{
    // Card sounds stay quieter than the chimes.
    static constexpr struct {
        std::string_view name;
        Samples (*make)();
        double peak;
    } kSounds[] = {
        {"Splash", Splash, 0.6},         {"New", New, 0.55},         {"Shuffle", Shuffle, 0.45},
        {"Stock", Stock, 0.5},           {"Foundation", Foundation, 0.45}, {"Tableau", Tableau, 0.45},
        {"Face_up", FaceUp, 0.45},       {"card_up", CardUp, 0.35},  {"Redeal", Redeal, 0.45},
        {"Autoplay", Autoplay, 0.4},     {"Pairing", Pairing, 0.5},  {"Eddy", Eddy, 0.5},
        {"Red_no_a", RedealRefused, 0.5}, {"About", About, 0.6},   {"card_down", CardDown, 0.35},
        {"Won", Won, 0.6},
    };
    for (const auto& sound : kSounds)
        if (sound.name == entry.name)
            return Finished(sound.make(), sound.peak);
    return {};
}

}  // namespace marlowe::resgen
