#include "custom/level_scale.h"

#include <gtest/gtest.h>

#include <climits>

#include <array>
#include <cstdint>
#include <string>

using custom::FormatLevelDb;
using custom::LevelFromSliderPosition;
using custom::LevelScale;
using custom::SliderPositionFromLevel;

namespace {

constexpr std::array<LevelScale, 4> kAllScales = {
    LevelScale::Attenuation, LevelScale::Gain, LevelScale::Beep, LevelScale::RecordGainScale};

// Slider position of a level k steps of 1.5 dB below its max level.
constexpr std::array<int, 32> kPositionForSteps = {
    0,   40,  74,  103, 127, 148, 165, 179, 191, 201, 210, 217, 223, 228, 233, 236,
    239, 242, 244, 246, 247, 249, 250, 251, 251, 252, 253, 253, 253, 254, 254, 254};

// Steps of 1.5 dB below the max level for each slider position range.
struct StepRange {
    int first;
    int last;
    int steps;
};
constexpr std::array<StepRange, 29> kStepRanges = {{
    {0, 21, 0},     {22, 58, 1},    {59, 89, 2},    {90, 116, 3},   {117, 138, 4},
    {139, 156, 5},  {157, 172, 6},  {173, 185, 7},  {186, 197, 8},  {198, 206, 9},
    {207, 214, 10}, {215, 220, 11}, {221, 226, 12}, {227, 231, 13}, {232, 235, 14},
    {236, 238, 15}, {239, 241, 16}, {242, 243, 17}, {244, 245, 18}, {246, 247, 19},
    {248, 248, 20}, {249, 249, 21}, {250, 250, 22}, {251, 251, 23}, {252, 252, 24},
    {253, 253, 26}, {254, 254, 28}, {255, 255, 32}, {256, 256, 64},
}};

std::array<int, 257> StepsByPosition() {
    std::array<int, 257> steps{};
    steps.fill(-1);
    int next = 0;
    for (const auto& range : kStepRanges) {
        EXPECT_EQ(range.first, next) << "ranges must be contiguous";
        for (int p = range.first; p <= range.last; ++p) steps[p] = range.steps;
        next = range.last + 1;
    }
    EXPECT_EQ(next, 257) << "ranges must cover every position";
    return steps;
}

void ExpectTexts(LevelScale scale, const std::string* texts, int count) {
    for (int v = 0; v < count; ++v) {
        EXPECT_EQ(FormatLevelDb(static_cast<std::uint8_t>(v), scale), texts[v]) << "v = " << v;
    }
}

}  // namespace

// --- decibel texts -----------------------------------------------------------

TEST(FormatLevelDb, AttenuationRunsFromZeroDownTo46AndAHalf) {
    const std::string texts[32] = {
        "+0.0",  "-1.5",  "-3.0",  "-4.5",  "-6.0",  "-7.5",  "-9.0",  "-10.5",
        "-12.0", "-13.5", "-15.0", "-16.5", "-18.0", "-19.5", "-21.0", "-22.5",
        "-24.0", "-25.5", "-27.0", "-28.5", "-30.0", "-31.5", "-33.0", "-34.5",
        "-36.0", "-37.5", "-39.0", "-40.5", "-42.0", "-43.5", "-45.0", "-46.5"};
    ExpectTexts(LevelScale::Attenuation, texts, 32);
}

TEST(FormatLevelDb, GainRunsFromPlus12DownTo34AndAHalf) {
    const std::string texts[32] = {
        "+12.0", "+10.5", "+9.0",  "+7.5",  "+6.0",  "+4.5",  "+3.0",  "+1.5",
        "+0.0",  "-1.5",  "-3.0",  "-4.5",  "-6.0",  "-7.5",  "-9.0",  "-10.5",
        "-12.0", "-13.5", "-15.0", "-16.5", "-18.0", "-19.5", "-21.0", "-22.5",
        "-24.0", "-25.5", "-27.0", "-28.5", "-30.0", "-31.5", "-33.0", "-34.5"};
    ExpectTexts(LevelScale::Gain, texts, 32);
}

TEST(FormatLevelDb, BeepMovesIn3DbStepsIgnoringBit0) {
    const std::string texts[32] = {
        "+0.0",  "+0.0",  "-3.0",  "-3.0",  "-6.0",  "-6.0",  "-9.0",  "-9.0",
        "-12.0", "-12.0", "-15.0", "-15.0", "-18.0", "-18.0", "-21.0", "-21.0",
        "-24.0", "-24.0", "-27.0", "-27.0", "-30.0", "-30.0", "-33.0", "-33.0",
        "-36.0", "-36.0", "-39.0", "-39.0", "-42.0", "-42.0", "-45.0", "-45.0"};
    ExpectTexts(LevelScale::Beep, texts, 32);
}

TEST(FormatLevelDb, RecordGainRunsFromZeroUpTo22AndAHalf) {
    const std::string texts[16] = {
        "+0.0",  "+1.5",  "+3.0",  "+4.5",  "+6.0",  "+7.5",  "+9.0",  "+10.5",
        "+12.0", "+13.5", "+15.0", "+16.5", "+18.0", "+19.5", "+21.0", "+22.5"};
    ExpectTexts(LevelScale::RecordGainScale, texts, 16);
}

TEST(FormatLevelDb, OnlyTheFieldBitsCount) {
    // MicVolume low byte with the boost bit (6) set and field 4.
    EXPECT_EQ(FormatLevelDb(0x44, LevelScale::Gain), "+6.0");
    // Bits 5-7 of a stereo level's low byte are not level bits.
    EXPECT_EQ(FormatLevelDb(0x84, LevelScale::Attenuation), "-6.0");
    EXPECT_EQ(FormatLevelDb(0xE4, LevelScale::Attenuation), "-6.0");
    EXPECT_EQ(FormatLevelDb(0xFF, LevelScale::Gain), "-34.5");
    EXPECT_EQ(FormatLevelDb(0x05, LevelScale::Beep), "-6.0");
    EXPECT_EQ(FormatLevelDb(0x1F, LevelScale::Beep), "-45.0");
    EXPECT_EQ(FormatLevelDb(0xE1, LevelScale::Beep), "+0.0");
    EXPECT_EQ(FormatLevelDb(0x10, LevelScale::RecordGainScale), "+0.0");
    EXPECT_EQ(FormatLevelDb(0xFF, LevelScale::RecordGainScale), "+22.5");

    const std::uint8_t masks[] = {0x1F, 0x1F, 0x1E, 0x0F};
    for (std::size_t s = 0; s < kAllScales.size(); ++s) {
        for (int v = 0; v < 256; ++v) {
            const auto value = static_cast<std::uint8_t>(v);
            EXPECT_EQ(FormatLevelDb(value, kAllScales[s]),
                      FormatLevelDb(static_cast<std::uint8_t>(value & masks[s]), kAllScales[s]))
                << "scale " << s << ", v = " << v;
        }
    }
}

TEST(FormatLevelDb, ZeroIsAlwaysPositiveAndTextsFitFiveCharacters) {
    for (const LevelScale scale : kAllScales) {
        for (int v = 0; v < 256; ++v) {
            const std::string text = FormatLevelDb(static_cast<std::uint8_t>(v), scale);
            EXPECT_NE(text, "-0.0") << "v = " << v;
            EXPECT_LE(text.size(), 5u) << text;
        }
    }
}

// --- level to slider position ------------------------------------------------

TEST(SliderPositionFromLevel, FollowsThePositionTableForEveryMaxLevel) {
    for (const LevelScale scale : {LevelScale::Attenuation, LevelScale::Gain}) {
        for (int max = 0; max < 32; ++max) {
            for (int level = max; level < 32; ++level) {
                const auto m = static_cast<std::uint8_t>(max);
                const auto l = static_cast<std::uint8_t>(level);
                SCOPED_TRACE(::testing::Message() << "level " << level << ", max " << max);
                EXPECT_EQ(SliderPositionFromLevel(l, m, scale), kPositionForSteps[level - max]);
                // Mute, boost and the other non-level bits of either byte are ignored.
                EXPECT_EQ(SliderPositionFromLevel(static_cast<std::uint8_t>(l | 0xE0),
                                                  static_cast<std::uint8_t>(m | 0xE0), scale),
                          kPositionForSteps[level - max]);
            }
        }
    }
}

TEST(SliderPositionFromLevel, BeepStepsAreWorthTwoRowsAndIgnoreBit0) {
    for (int max = 0; max < 32; ++max) {
        for (int level = max & ~1; level < 32; ++level) {
            const int threeDbSteps = level / 2 - max / 2;
            SCOPED_TRACE(::testing::Message() << "level " << level << ", max " << max);
            EXPECT_EQ(SliderPositionFromLevel(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(max),
                                              LevelScale::Beep),
                      kPositionForSteps[2 * threeDbSteps]);
        }
    }
    // Bits above the 5-bit field are ignored too.
    EXPECT_EQ(SliderPositionFromLevel(0xE4, 0xE0, LevelScale::Beep), kPositionForSteps[4]);
}

TEST(SliderPositionFromLevel, FactoryLevelsSitFourStepsDown) {
    EXPECT_EQ(SliderPositionFromLevel(0x04, 0, LevelScale::Attenuation), 127);  // Master
    EXPECT_EQ(SliderPositionFromLevel(0x04, 0, LevelScale::Gain), 127);         // AUX
    EXPECT_EQ(SliderPositionFromLevel(0x0C, 8, LevelScale::Gain), 127);         // CD
    EXPECT_EQ(SliderPositionFromLevel(0x04, 0, LevelScale::Beep), 127);         // PC Speaker
}

TEST(SliderPositionFromLevel, LouderThanMaxGoesAboveTheTopTruncatedTowardZero) {
    // 256 * (10^0.075 - 1) = 48.26: truncation gives -48, not -49.
    EXPECT_EQ(SliderPositionFromLevel(7, 8, LevelScale::Gain), -48);
    EXPECT_EQ(SliderPositionFromLevel(0, 8, LevelScale::Gain), -763);
    // One 3 dB step: 256 * (10^0.15 - 1) = 105.61.
    EXPECT_EQ(SliderPositionFromLevel(0, 2, LevelScale::Beep), -105);

    // Every louder step is further above the top, down to the widest gap.
    std::int32_t previous = 0;
    for (int level = 30; level >= 0; --level) {
        const std::int32_t position = SliderPositionFromLevel(static_cast<std::uint8_t>(level), 31, LevelScale::Attenuation);
        EXPECT_LT(position, previous) << "level " << level;
        previous = position;
    }
    EXPECT_EQ(previous, -53849);
}

// --- slider position to level ------------------------------------------------

TEST(LevelFromSliderPosition, FollowsTheStepsTableAtEveryPosition) {
    const auto steps = StepsByPosition();
    for (int p = custom::kSliderMin; p <= custom::kSliderMax; ++p) {
        SCOPED_TRACE(::testing::Message() << "position " << p);
        // A min-level row of 0xFF never limits, exposing the raw steps.
        EXPECT_EQ(LevelFromSliderPosition(p, 0, 0xFF, LevelScale::Attenuation), steps[p]);
        EXPECT_EQ(LevelFromSliderPosition(p, 0, 0xFF, LevelScale::Gain), steps[p]);
        EXPECT_EQ(LevelFromSliderPosition(p, 5, 0xFF, LevelScale::Gain), 5 + steps[p]);
        EXPECT_EQ(LevelFromSliderPosition(p, 0, 0xFF, LevelScale::Beep), steps[p] & ~1);
        EXPECT_EQ(LevelFromSliderPosition(p, 4, 0xFF, LevelScale::Beep), 4 + (steps[p] & ~1));
    }
}

TEST(LevelFromSliderPosition, ClampsOnlyToTheMinLevelRow) {
    const auto steps = StepsByPosition();
    EXPECT_EQ(LevelFromSliderPosition(0, 5, 31, LevelScale::Gain), 5);
    EXPECT_EQ(LevelFromSliderPosition(256, 5, 31, LevelScale::Gain), 31);
    EXPECT_EQ(LevelFromSliderPosition(254, 0, 31, LevelScale::Attenuation), 28);
    EXPECT_EQ(LevelFromSliderPosition(255, 0, 31, LevelScale::Attenuation), 31);  // 32 steps
    EXPECT_EQ(LevelFromSliderPosition(255, 0, 20, LevelScale::Attenuation), 20);
    for (int p = 0; p <= 256; ++p) {
        const int unclamped = 5 + steps[p];
        EXPECT_EQ(LevelFromSliderPosition(p, 5, 31, LevelScale::Gain), unclamped > 31 ? 31 : unclamped) << p;
    }
    // The max-level byte is added as it is, not masked to the field.
    EXPECT_EQ(LevelFromSliderPosition(0, 0x25, 0xFF, LevelScale::Gain), 0x25);
    EXPECT_EQ(LevelFromSliderPosition(100, 0x25, 0xFF, LevelScale::Gain), 0x28);
}

TEST(LevelFromSliderPosition, BeepLevelsAreEvenUnlessClampedToAnOddMinLevel) {
    for (int p = 0; p < 255; ++p) {
        EXPECT_EQ(LevelFromSliderPosition(p, 0, 31, LevelScale::Beep) % 2, 0) << p;
    }
    EXPECT_EQ(LevelFromSliderPosition(254, 0, 31, LevelScale::Beep), 28);
    EXPECT_EQ(LevelFromSliderPosition(255, 0, 31, LevelScale::Beep), 31);
    EXPECT_EQ(LevelFromSliderPosition(256, 0, 31, LevelScale::Beep), 31);
    EXPECT_EQ(LevelFromSliderPosition(127, 0, 31, LevelScale::Beep), 4);
    EXPECT_EQ(LevelFromSliderPosition(90, 0, 31, LevelScale::Beep), 2);  // 3 steps -> 2
}

TEST(LevelFromSliderPosition, RoundTripLosesStepsOnlyNearTheBottom) {
    // Steps recovered from the slider position of a level k steps down.
    std::array<int, 32> recovered{};
    for (int k = 0; k < 32; ++k) recovered[k] = k;
    recovered[20] = 19;
    recovered[24] = 23;
    recovered[25] = 24;
    recovered[27] = 26;
    recovered[28] = 26;
    recovered[29] = 28;
    recovered[30] = 28;
    recovered[31] = 28;
    for (const LevelScale scale : {LevelScale::Attenuation, LevelScale::Gain}) {
        for (int k = 0; k < 32; ++k) {
            const auto level = static_cast<std::uint8_t>(k);
            const std::int32_t position = SliderPositionFromLevel(level, 0, scale);
            EXPECT_EQ(LevelFromSliderPosition(position, 0, 31, scale), recovered[k]) << "k = " << k;
        }
    }
}

// --- spin positions ----------------------------------------------------------

TEST(SpinPositions, PlaybackMaxLevelIsTheFieldAndBeepsAreEven) {
    for (int row = 0; row <= custom::kPlaybackSpinLowest; ++row) {
        const auto r = static_cast<std::uint8_t>(row);
        EXPECT_EQ(custom::MaxLevelSpinPosition(r, LevelScale::Attenuation), row);
        EXPECT_EQ(custom::MaxLevelSpinPosition(r, LevelScale::Gain), row);
        EXPECT_EQ(custom::MaxLevelSpinPosition(r, LevelScale::Beep), row & ~1);
        EXPECT_EQ(custom::MaxLevelFromSpinPosition(row), row);
    }
    EXPECT_EQ(custom::MaxLevelSpinPosition(0xE7, LevelScale::Gain), 7);
    EXPECT_EQ(custom::MaxLevelSpinPosition(5, LevelScale::Beep), 4);
    EXPECT_EQ(custom::MaxLevelSpinPosition(31, LevelScale::Beep), 30);
    EXPECT_EQ(custom::MaxLevelSpinPosition(0xE1, LevelScale::Beep), 0);
    EXPECT_EQ(custom::MaxLevelFromSpinPosition(0x25), 5);
}

TEST(SpinPositions, WaveUsesTheRightChannelField) {
    EXPECT_EQ(custom::WaveSpinPosition(0x0808), 8);  // factory
    EXPECT_EQ(custom::WaveSpinPosition(0x80E3), 3);  // mute and bits 5-7 ignored
    EXPECT_EQ(custom::WaveSpinPosition(0x1F1F), 31);
    EXPECT_EQ(custom::WaveSpinPosition(0x1F00), 0);
}

TEST(SpinPositions, RecordMaxGainIsUpsideDown) {
    EXPECT_EQ(custom::RecordSpinPosition(15), 0);
    EXPECT_EQ(custom::RecordSpinPosition(0), 15);
    EXPECT_EQ(custom::RecordSpinPosition(6), 9);
    EXPECT_EQ(custom::RecordSpinPosition(0xF3), 12);  // bits above the field ignored
    EXPECT_EQ(custom::MaxGainFromSpinPosition(0), 15);
    EXPECT_EQ(custom::MaxGainFromSpinPosition(15), 0);
    EXPECT_EQ(custom::MaxGainFromSpinPosition(9), 6);
    for (int p = 0; p <= custom::kRecordSpinLowest; ++p) {
        EXPECT_EQ(custom::RecordSpinPosition(custom::MaxGainFromSpinPosition(p)), p);
    }
    // The top of the spin shows the most gain.
    EXPECT_EQ(FormatLevelDb(custom::MaxGainFromSpinPosition(0), LevelScale::RecordGainScale), "+22.5");
    EXPECT_EQ(FormatLevelDb(custom::MaxGainFromSpinPosition(15), LevelScale::RecordGainScale), "+0.0");
}

// --- level steps of a slider's keys -------------------------------------------

// Steps from a level, within the line's two limit rows; Beep steps two codes
// and stays on the even ones. (Every step of every line from one limit to
// the other: the settings model's test of the keys.)
TEST(LevelScale, LevelStepsAwayStaysWithinTheLimits) {
    const struct {
        int level, steps, maxLevel, minLevel;
        LevelScale scale;
        int expected;
    } rows[] = {
        {2, 1, 8, 31, LevelScale::Gain, 8},           // louder than the limit: back to it
        {0xE4, 1, 0, 31, LevelScale::Attenuation, 5}, // only the field counts
        {4, INT_MAX, 0, 31, LevelScale::Attenuation, 31},
        {4, INT_MIN, 0, 31, LevelScale::Attenuation, 0},
        {10, 1, 20, 5, LevelScale::Attenuation, 20},  // crossed rows: the max level wins
        {5, 1, 0, 31, LevelScale::Beep, 6},
        {8, -custom::kWholeScale, 3, 31, LevelScale::Beep, 4},  // an odd max: no louder than it
    };
    for (const auto& r : rows)
        EXPECT_EQ(custom::LevelStepsAway(static_cast<std::uint8_t>(r.level), r.steps, static_cast<std::uint8_t>(r.maxLevel),
                                         static_cast<std::uint8_t>(r.minLevel), r.scale),
                  r.expected)
            << r.level << " by " << r.steps;
}
