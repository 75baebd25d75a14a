// Values in the dialog's terms, both ways.
#include "custom/value_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include "custom/entry_table.h"

using custom::Entry;
using custom::IndexOf;

namespace {

struct ParseCase {
    Entry entry;
    const char* text;
    std::optional<std::uint32_t> value;  // none: refused
    const char* says = "";
};

const ParseCase kParseCases[] = {
    {Entry::MasterVolume, "-7.5", 0x0505},
    {Entry::MasterVolume, "-7.5 mute", 0x8505},
    {Entry::MasterVolume, "-7.5dB  MUTE", 0x8505},
    {Entry::MasterVolume, "-7.5 dB mute", 0x8505},
    {Entry::MasterVolume, "-7.5 mute dB", std::nullopt, "unknown word 'dB'"},
    {Entry::MasterVolume, "-0", 0x0000},
    {Entry::MasterVolume, "-7.0", std::nullopt, "not on this scale: +0.0 to -46.5"},
    {Entry::MasterVolume, "-48.0", std::nullopt, "not on this scale"},
    {Entry::MasterVolume, "+1.5", std::nullopt, "not on this scale"},
    {Entry::MasterVolume, "-7.50", std::nullopt, "not a decibel value"},
    {Entry::MasterVolume, "loud", std::nullopt, "not a decibel value"},
    {Entry::MasterVolume, "-7.5 boost", std::nullopt, "this level takes mute"},
    {Entry::MicVolume, "+6.0", 0x0004},  // the factory mute is undone: the text says it all
    {Entry::MicVolume, "+6.0 mute boost", 0x8044},
    {Entry::MicVolume, "+6.0 boost boost", std::nullopt, "given twice"},
    {Entry::CDVolume, "+0.0", 0x0808},
    {Entry::CDVolume, "+0.0 mute", std::nullopt, "this level takes none"},
    {Entry::BeepVolume, "-6.0", 0x0004},
    {Entry::BeepVolume, "-4.5", std::nullopt, "steps of 3.0 dB"},
    {Entry::WaveOutVolume, "+1.5", 0x0707},
    {Entry::RecordSelect, "line in", 0x0404},
    {Entry::RecordSelect, "Mic", 0x0000},
    {Entry::RecordSelect, "Tape", std::nullopt, "unknown record source"},
    {Entry::GeneralPurpose, "mic2", 0x0100},
    {Entry::GeneralPurpose, "none", 0x0000},
    {Entry::DisableAUX, "on", 1},
    {Entry::DisableHeadphone, "off", 0},
    {Entry::DisableAUX, "yes", std::nullopt, "neither on nor off"},
    {Entry::MasVMax, "-7.5", 5},
    {Entry::PCBVMax, "-3.0", 2},
    {Entry::ACDVMax, "+1.5", 7},
    {Entry::MicRMax, "+18.0", 12},
    {Entry::MicRMax, "+24.0", std::nullopt, "+0.0 to +22.5"},
    {Entry::PollingPeriod, "0x00000000", 0},
    {Entry::PollingPeriod, "5", std::nullopt, "raw hex"},
    {Entry::MasterVolume, "0x8505", 0x8505},
    {Entry::MasterVolume, "0x123456789", std::nullopt, "at most 8 digits"},
    {Entry::MasterVolume, "0xg", std::nullopt, "not raw hex"},
    {Entry::MasterVolume, "", std::nullopt, "no value"},
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.text; }

class Parse : public ::testing::TestWithParam<ParseCase> {};

}  // namespace

TEST_P(Parse, GivesTheValueOrSaysWhyNot) {
    const ParseCase& c = GetParam();
    const custom::ParsedValue parsed = custom::ParseEntryValue(IndexOf(c.entry), c.text);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parsed.ok, c.value.has_value()) << parsed.error;
    if (c.value) {
        EXPECT_EQ(parsed.value, *c.value);
    } else {
        EXPECT_NE(parsed.error.find(c.says), std::string::npos) << parsed.error;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, Parse, ::testing::ValuesIn(kParseCases));

TEST(EntryText, UsesTheDialogsTermsWhereTheySayTheValueExactly) {
    const struct {
        Entry entry;
        std::uint32_t value;
        const char* text;
    } cases[] = {
        {Entry::MasterVolume, 0x8505, "-7.5 mute"},
        {Entry::MasterVolume, 0x0504, "0x0504"},  // channels apart
        {Entry::MicVolume, 0x8044, "+6.0 mute boost"},
        {Entry::BeepVolume, 0x0004, "-6.0"},
        {Entry::BeepVolume, 0x0005, "0x0005"},  // bit 0: the dB text cannot tell
        {Entry::RecordSelect, 0x0303, "AUX"},
        {Entry::GeneralPurpose, 0x0100, "mic2"},
        {Entry::DisableAUX, 1, "on"},
        {Entry::PCBVMax, 2, "-3.0"},
        {Entry::MicRMax, 12, "+18.0"},
        {Entry::ToneControls, 0x0F0F, "0x0F0F"},
        {Entry::PollingPeriod, 0, "0x00000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(custom::EntryValueText(IndexOf(c.entry), c.value), c.text);
}

TEST(EntryText, ExplainsValuesForListings) {
    const struct {
        Entry entry;
        std::uint32_t value;
        const char* text;
    } cases[] = {
        {Entry::MasterVolume, 0x8505, "-7.5 dB, muted"},
        {Entry::MasterVolume, 0x0504, "left -7.5 dB, right -6.0 dB"},
        {Entry::WaveOutVolume, 0x0707, "+1.5 dB (Wave and SW Synth)"},
        {Entry::MicVolume, 0x0044, "+6.0 dB, mic boost"},
        {Entry::BeepVolume, 0x0005, "-6.0 dB, bit 0 set"},
        {Entry::PhoneVolume, 0x0104, "+6.0 dB, other bits 0x0100"},
        {Entry::MasVMax, 5, "max level -7.5 dB (MasterVolume)"},
        {Entry::PCBVMin, 31, "min level -45.0 dB (BeepVolume)"},
        {Entry::ACDRMax, 12, "max record gain +18.0 dB (CD)"},
        {Entry::RecordSelect, 0, "record source Mic"},
        {Entry::RecordSelect, 0x0301, "record source left AUX, right CD"},
        {Entry::DisableAUX, 2, "0x02, neither on nor off"},
        {Entry::GeneralPurpose, 0x2100, "Mic2 Select on, 3D on"},
        {Entry::PowerDown, 0, "carried unchanged"},
    };
    for (const auto& c : cases) EXPECT_EQ(custom::EntryMeaningText(IndexOf(c.entry), c.value), c.text);
}
