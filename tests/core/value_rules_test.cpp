// What the dialog can produce, one rule per case.
#include "custom/value_rules.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

using custom::Entry;
using custom::IndexOf;
using custom::Severity;

namespace {

struct RuleCase {
    const char* name;
    std::vector<std::pair<Entry, std::uint32_t>> values;
    Entry entry;
    Severity severity;
    const char* says;
    std::optional<Entry> related = std::nullopt;
    unsigned byte = 0;
};

const RuleCase kCases[] = {
    {"switch of 2", {{Entry::DisableAUX, 2}}, Entry::DisableAUX, Severity::Error, "neither 0 (off) nor 1"},
    {"max level past 31", {{Entry::MasVMax, 0x20}}, Entry::MasVMax, Severity::Error, "outside the level codes"},
    {"max gain past 15", {{Entry::MicRMax, 0x10}}, Entry::MicRMax, Severity::Error, "outside the gain codes"},
    {"register with a third byte", {{Entry::MasterVolume, 0x10404}}, Entry::MasterVolume, Severity::Error,
     "above the entry's 2-byte size", std::nullopt, 2},
    {"switch with a second byte", {{Entry::SpdifSrc, 0x100}}, Entry::SpdifSrc, Severity::Error,
     "above the entry's 1-byte size", std::nullopt, 1},
    {"polling period", {{Entry::PollingPeriod, 1}}, Entry::PollingPeriod, Severity::Warning, "never changes"},
    {"CD disable switch", {{Entry::DisableCD, 1}}, Entry::DisableCD, Severity::Warning, "never changes"},
    {"min level row", {{Entry::MasVMin, 0x1E}}, Entry::MasVMin, Severity::Warning, "never changes"},
    {"odd PC Speaker limit", {{Entry::PCBVMax, 3}}, Entry::PCBVMax, Severity::Warning, "is odd"},
    {"master bit 5", {{Entry::MasterVolume, 0x0424}}, Entry::MasterVolume, Severity::Warning, "bits 0x0020"},
    {"CD mute", {{Entry::CDVolume, 0x8C0C}}, Entry::CDVolume, Severity::Warning, "bits 0x8000", std::nullopt, 1},
    {"3D bit", {{Entry::GeneralPurpose, 0x2000}}, Entry::GeneralPurpose, Severity::Warning, "bits 0x2000",
     std::nullopt, 1},
    {"record source past 7", {{Entry::RecordSelect, 0x0808}}, Entry::RecordSelect, Severity::Warning, "bits 0x0808"},
    {"stereo channels apart", {{Entry::MasterVolume, 0x0504}}, Entry::MasterVolume, Severity::Warning,
     "left channel -7.5 dB differs from right channel -6.0 dB", std::nullopt, 1},
    {"record channels apart", {{Entry::RecordSelect, 0x0301}}, Entry::RecordSelect, Severity::Warning,
     "left source AUX differs from right source CD", std::nullopt, 1},
    {"level above a new limit", {{Entry::MasVMax, 5}}, Entry::MasterVolume, Severity::Warning,
     "level -6.0 dB is louder than its max level -7.5 dB (MasVMax)", Entry::MasVMax},
    {"PC Speaker level above its limit", {{Entry::PCBVMax, 6}, {Entry::BeepVolume, 0x0005}}, Entry::BeepVolume,
     Severity::Warning, "louder than its max level -9.0 dB", Entry::PCBVMax},
    {"disabled line recorded", {{Entry::DisableAUX, 1}, {Entry::RecordSelect, 0x0303}}, Entry::RecordSelect,
     Severity::Warning, "record source AUX is a disabled line (DisableAUX on)", Entry::DisableAUX},
    // A value that does not fit its field is the only fault told, not what it would do to another entry.
    {"max level too wide", {{Entry::MasVMax, 0xFFFFFFFF}}, Entry::MasVMax, Severity::Error,
     "0xFFFFFFFF has bytes above the entry's 1-byte size", std::nullopt, 1},
    {"recorded line's switch too wide", {{Entry::DisableAUX, 0x100}, {Entry::RecordSelect, 0x0303}}, Entry::DisableAUX,
     Severity::Error, "above the entry's 1-byte size", std::nullopt, 1},
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class Rules : public ::testing::TestWithParam<RuleCase> {};

}  // namespace

TEST_P(Rules, FindsExactlyTheBrokenRule) {
    const RuleCase& c = GetParam();
    custom::EntryTable t;
    custom::CopyDefaults(t);
    for (const auto& [entry, value] : c.values) t[entry].value = value;
    const auto findings = custom::CheckWorkingTable(t);
    std::string all;
    for (const auto& f : findings) all += f.message + "; ";
    ASSERT_EQ(findings.size(), 1u) << all;
    EXPECT_EQ(findings[0].index, IndexOf(c.entry));
    EXPECT_EQ(findings[0].severity, c.severity);
    EXPECT_NE(findings[0].message.find(c.says), std::string::npos) << findings[0].message;
    EXPECT_EQ(findings[0].byte, c.byte);
    EXPECT_EQ(findings[0].related, c.related ? std::optional<std::size_t>(IndexOf(*c.related)) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(OnePerRule, Rules, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(Rules, WhatTheDialogProducesPasses) {
    custom::EntryTable t;
    custom::CopyDefaults(t);
    EXPECT_TRUE(custom::CheckWorkingTable(t).empty());
    // Muted, boosted, at the limit; an odd PC Speaker level left by the
    // slider's clamp; a level quieter than a louder limit; Mic recorded.
    t[Entry::MicVolume].value = 0x8044;
    t[Entry::MicVMax].value = 4;
    t[Entry::BeepVolume].value = 0x801F;
    t[Entry::PCBVMax].value = 30;
    t[Entry::CDVolume].value = 0x1F1F;
    t[Entry::ACDVMax].value = 0;
    t[Entry::RecordSelect].value = 0;
    t[Entry::DisableMic2].value = 1;
    t[Entry::GeneralPurpose].value = 0x0100;
    t[Entry::DisableHeadphone].value = 0;
    EXPECT_TRUE(custom::CheckWorkingTable(t).empty());
}
