// Conversions between the mixer's level fields and what the settings dialog
// shows for them: decibel texts, slider positions and spin positions.
// Level fields count 1.5 dB steps, a larger value being quieter. Pure
// functions, platform-free.
#pragma once

#include <cstdint>
#include <string>

namespace custom {

// Attenuation: 0 dB down to -46.5 dB (Master, Headphone).
// Gain: +12 dB down to -34.5 dB (AUX, Video, CD, Line In, Mic, Phone, Wave).
// Beep: 3 dB steps, bit 0 of the field is ignored (PC Speaker).
// RecordGainScale: 4-bit recording gain, +0 dB up to +22.5 dB.
enum class LevelScale { Attenuation, Gain, Beep, RecordGainScale };

constexpr int kSliderMin = 0;
constexpr int kSliderMax = 256;          // 257 positions
constexpr int kPlaybackSpinLowest = 31;  // playback max-level spins run 31 (bottom) .. 0 (top)
constexpr int kRecordSpinLowest = 15;    // record max-gain spins run 15 .. 0

// "%+.1f" decibel text of a field value (e.g. "+0.0", "-46.5", "+22.5"); never "-0.0".
std::string FormatLevelDb(std::uint8_t value, LevelScale scale);
// Slider position of a level relative to the column's max level; may be negative.
std::int32_t SliderPositionFromLevel(std::uint8_t level, std::uint8_t maxLevel, LevelScale scale);
// Level field for a slider position 0..256 between the max-level and min-level rows (scales Attenuation, Gain, Beep).
std::uint8_t LevelFromSliderPosition(std::int32_t position, std::uint8_t maxLevel, std::uint8_t minLevel, LevelScale scale);
// The level `steps` level steps quieter (negative: louder) than `level`,
// never louder than the `maxLevel` row nor quieter than the `minLevel` row:
// what a key on a slider sets. A step is 1.5 dB, for Beep 3 dB, whose levels
// are the even codes. Every level between the two rows can be reached this
// way; near the quiet end several share one slider position.
std::uint8_t LevelStepsAway(std::uint8_t level, int steps, std::uint8_t maxLevel, std::uint8_t minLevel,
                            LevelScale scale);
// More steps than any scale has: to its loud or quiet end in one move.
constexpr int kWholeScale = 32;

// The PC Speaker field ignores bit 0: its limit moves two codes (one 3 dB
// step) a spin press, and its slider keeps whatever bit 0 the level has.
constexpr int LimitSpinStep(LevelScale scale) { return scale == LevelScale::Beep ? 2 : 1; }
constexpr bool SliderKeepsBit0(LevelScale scale) { return scale == LevelScale::Beep; }

// Spin position rules
int MaxLevelSpinPosition(std::uint8_t maxLevelRow, LevelScale scale);  // row & 0x1F; for Beep row & 0x1E
std::uint8_t MaxLevelFromSpinPosition(int position);                   // position & 0x1F
int WaveSpinPosition(std::uint32_t waveOutVolume);                     // bits 0-4
int RecordSpinPosition(std::uint8_t maxGainRow);                       // complement of the row, masked 0x0F (15 - row)
std::uint8_t MaxGainFromSpinPosition(int position);                    // complement of p, masked 0x0F (15 - p)

}  // namespace custom
