#include "custom/level_scale.h"

#include <algorithm>
#include <cmath>

#include "custom/entry_table.h"

namespace custom {

namespace {

// 2/3 as the nearest double: dividing by 1.5 dB is done as this product, and
// the slider's step boundaries depend on its exact rounding.
constexpr double kPerStep = 0.6666666666666666;

// Every intermediate is held in a double of its own, so that a 32-bit x87
// build rounds each one as SSE would instead of carrying extended precision
// into the truncation.
std::int32_t Truncate(double value) { return static_cast<std::int32_t>(value); }

// The level a field shows, in tenths of a dB, of which every step is a
// whole number; louder is larger.
int ShownTenths(std::uint8_t value, LevelScale scale) {
    switch (scale) {
    case LevelScale::Attenuation: return static_cast<int>(LevelCode(value)) * -15;
    case LevelScale::Gain: return 120 - static_cast<int>(LevelCode(value)) * 15;
    case LevelScale::Beep: return static_cast<int>(value & kBeepLevelMask) * -15;
    case LevelScale::RecordGainScale: break;
    }
    return (value & 0x0F) * 15;
}

}  // namespace

std::string FormatLevelDb(std::uint8_t value, LevelScale scale) {
    // Exact without floating point, and without printf, whose formatter
    // would be most of the C runtime's weight in corvaset.exe.
    const int tenths = ShownTenths(value, scale);
    const int magnitude = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "+") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

// The slider is linear in amplitude: the top is the max level, the bottom
// silence. A level n steps of 1.5 dB below its max (n from -31, louder than
// the max, which the slider control pins at its top, to 31) sits at
// (1 - 10^(-n * 1.5 / 20)) * 256, truncated: listed here for each n as the
// double arithmetic gives it, since pow would bring 3 KB of the C runtime.
namespace {
constexpr std::int32_t kPositionBelowMax[63] = {
    -53849, -45267, -38047, -31972, -26860, -22560, -18941, -15896, -13334,
    -11179, -9365, -7839, -6555, -5475, -4566, -3801, -3157, -2616,
    -2160, -1777, -1454, -1183, -955, -763, -601, -465, -351,
    -254, -173, -105, -48, 0, 40, 74, 103, 127,
    148, 165, 179, 191, 201, 210, 217, 223, 228,
    233, 236, 239, 242, 244, 246, 247, 249, 250,
    251, 251, 252, 253, 253, 253, 254, 254, 254,
};
}  // namespace

std::int32_t SliderPositionFromLevel(std::uint8_t level, std::uint8_t maxLevel, LevelScale scale) {
    // A beep step is 3 dB, two steps of the table.
    const int steps = scale == LevelScale::Beep
                          ? 2 * (((level >> 1) & 0x0F) - ((maxLevel >> 1) & 0x0F))
                          : static_cast<int>(LevelCode(level)) - static_cast<int>(LevelCode(maxLevel));
    return kPositionBelowMax[steps + 31];
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

std::uint8_t LevelStepsAway(std::uint8_t level, int steps, std::uint8_t maxLevel, std::uint8_t minLevel,
                            LevelScale scale) {
    const int code = scale == LevelScale::Beep ? 2 : 1;  // codes a step
    // An odd Beep max-level row lets the level up to the even code just quieter than it.
    const long long loudest = (LevelCode(maxLevel) + code - 1) / code;
    const long long quietest = std::max<long long>(loudest, LevelCode(minLevel) / code);
    const long long wanted = static_cast<long long>(LevelCode(level) / code) + steps;
    return static_cast<std::uint8_t>(std::clamp(wanted, loudest, quietest) * code);
}

int MaxLevelSpinPosition(std::uint8_t maxLevelRow, LevelScale scale) {
    return static_cast<int>(maxLevelRow & (scale == LevelScale::Beep ? kBeepLevelMask : kLevelMask));
}

std::uint8_t MaxLevelFromSpinPosition(int position) {
    return static_cast<std::uint8_t>(LevelCode(static_cast<std::uint32_t>(position)));
}

int WaveSpinPosition(std::uint32_t waveOutVolume) {
    return static_cast<int>(LevelCode(waveOutVolume));
}

// The recording spin's top (position 0) is the highest gain, row 15.
int RecordSpinPosition(std::uint8_t maxGainRow) {
    return ~maxGainRow & 0x0F;
}

std::uint8_t MaxGainFromSpinPosition(int position) {
    return static_cast<std::uint8_t>(~position & 0x0F);
}

}  // namespace custom
