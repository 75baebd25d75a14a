#include "custom/level_scale.h"

#include <cmath>

namespace custom {

namespace {

// 2/3 as the nearest double: dividing by 1.5 dB is done as this product, and
// the slider's step boundaries depend on its exact rounding.
constexpr double kPerStep = 0.6666666666666666;

// Every intermediate is held in a double of its own, so that a 32-bit x87
// build rounds each one as SSE would instead of carrying extended precision
// into the truncation.
std::int32_t Truncate(double value) { return static_cast<std::int32_t>(value); }

}  // namespace

std::string FormatLevelDb(std::uint8_t value, LevelScale scale) {
    // In tenths of a dB, of which every step is a whole number: the text is
    // exact without floating point, and without printf, whose formatter
    // would be most of the C runtime's weight in corvaset.exe.
    int tenths = 0;
    switch (scale) {
    case LevelScale::Attenuation: tenths = (value & 0x1F) * -15; break;
    case LevelScale::Gain: tenths = 120 - (value & 0x1F) * 15; break;
    case LevelScale::Beep: tenths = (value & 0x1E) * -15; break;
    case LevelScale::RecordGainScale: tenths = (value & 0x0F) * 15; break;
    }
    const int magnitude = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "+") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

std::int32_t SliderPositionFromLevel(std::uint8_t level, std::uint8_t maxLevel, LevelScale scale) {
    int k = 0;
    double stepDb = 1.5;
    if (scale == LevelScale::Beep) {
        k = ((level >> 1) & 0x0F) - ((maxLevel >> 1) & 0x0F);
        stepDb = 3.0;
    } else {
        k = (level & 0x1F) - (maxLevel & 0x1F);
    }
    // The slider is linear in amplitude: the top is the max level, the
    // bottom silence. A level louder than its max (k < 0) lands above the
    // top, where the slider control pins it.
    const double belowMaxDb = k * stepDb;
    const double exponent = belowMaxDb * 0.05;
    const double amplitude = std::pow(10.0, -exponent);
    const double fromTop = 1.0 - amplitude;
    const double position = fromTop * 256.0;
    return Truncate(position);
}

std::uint8_t LevelFromSliderPosition(std::int32_t position, std::uint8_t maxLevel, std::uint8_t minLevel, LevelScale scale) {
    // The bottom is silence; -96 dB is quieter than any field can express.
    double db = -96.0;
    if (position != 256) {
        const double amplitude = (256 - position) * 0.00390625;
        const double bels = std::log10(amplitude);
        db = 20.0 * bels;
    }
    const double shifted = db - 0.75;
    int steps = 0;
    if (scale == LevelScale::Beep) {
        // Whole 3 dB steps only: the beep field ignores its bit 0.
        const double n = shifted * -kPerStep;
        steps = Truncate(n) & ~1;
    } else {
        // Nearest 1.5 dB step, an exact half going to the quieter one.
        const double n = shifted * kPerStep;
        steps = -Truncate(n);
    }
    // Steps are never negative, so the result is never louder than the max
    // level; at most 31 + 64, so the byte never wraps. Only the min-level row
    // limits it.
    std::uint8_t result = static_cast<std::uint8_t>(maxLevel + steps);
    if (result > minLevel) result = minLevel;
    return result;
}

int MaxLevelSpinPosition(std::uint8_t maxLevelRow, LevelScale scale) {
    return maxLevelRow & (scale == LevelScale::Beep ? 0x1E : 0x1F);
}

std::uint8_t MaxLevelFromSpinPosition(int position) {
    return static_cast<std::uint8_t>(position & 0x1F);
}

int WaveSpinPosition(std::uint32_t waveOutVolume) {
    return static_cast<int>(waveOutVolume & 0x1F);
}

// The recording spin's top (position 0) is the highest gain, row 15.
int RecordSpinPosition(std::uint8_t maxGainRow) {
    return ~maxGainRow & 0x0F;
}

std::uint8_t MaxGainFromSpinPosition(int position) {
    return static_cast<std::uint8_t>(~position & 0x0F);
}

}  // namespace custom
