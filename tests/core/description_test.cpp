// Descriptions: what a good one sets, and one bad description per kind of
// problem with the line it is blamed on.
#include "custom/description.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

using custom::CodecModel;
using custom::Entry;

TEST(Description, SetsWhatItSaysAndKeepsTheRest) {
    // Line 5 is exactly as long as a line may be: 200 characters.
    const std::string longest = "codec = QM-2   # the longest line allowed " + std::string(158, '.');
    const custom::Description d = custom::ParseDescription(
        "\xEF\xBB\xBF# a comment\r\n"
        "\r\n"
        "  MasterVolume = -7.5 mute   # trailing comment\r\n"
        "RecordSelect=Stereo  Mix\n" +
        longest + "\nEnableJackDetect = on");
    ASSERT_EQ(longest.size(), 200u);
    ASSERT_TRUE(d.ok()) << d.errors[0].text;
    EXPECT_EQ(d.model, CodecModel::Model2);
    EXPECT_EQ(d.working[Entry::MasterVolume].value, 0x8505u);
    EXPECT_EQ(d.working[Entry::RecordSelect].value, 0x0505u);
    EXPECT_EQ(d.working[Entry::MicVolume].value, 0x8004u);
    // The dialog would leave jack detection out of a QM-2 package.
    ASSERT_EQ(d.notes.size(), 1u);
    EXPECT_EQ(d.notes[0].line, 6u);
    EXPECT_NE(d.notes[0].text.find("EnableJackDetect is left out"), std::string::npos);
}

// As lowering the limit in the dialog does, a max level given alone pulls a
// louder level down to it (keeping the level's other bits); a quieter level stays.
TEST(Description, AMaxLevelAlonePullsALouderLevelDown) {
    const struct {
        const char* text;
        Entry limit, level;
        std::uint32_t limitValue, levelValue;
    } cases[] = {
        {"MasVMax = -7.5", Entry::MasVMax, Entry::MasterVolume, 0x05, 0x0505},
        {"MasVMax = 0x07", Entry::MasVMax, Entry::MasterVolume, 0x07, 0x0707},
        {"MicVMax = +0.0", Entry::MicVMax, Entry::MicVolume, 0x08, 0x8008},
        {"PCBVMax = -9.0", Entry::PCBVMax, Entry::BeepVolume, 0x06, 0x0006},
        {"MasVMax = -3.0", Entry::MasVMax, Entry::MasterVolume, 0x02, 0x0404},
        {"ACDVMax = -6.0", Entry::ACDVMax, Entry::CDVolume, 0x0C, 0x0C0C},
    };
    for (const auto& c : cases) {
        const custom::Description d = custom::ParseDescription(c.text);
        ASSERT_TRUE(d.ok()) << c.text << ": " << d.errors[0].text;
        EXPECT_EQ(d.working[c.limit].value, c.limitValue) << c.text;
        EXPECT_EQ(d.working[c.level].value, c.levelValue) << c.text;
    }
}

TEST(Description, OpensWithTheModelTheDialogOpensWith) {
    EXPECT_EQ(custom::ParseDescription("").model, CodecModel::Model3);
}

namespace {

struct BadCase {
    const char* name;
    std::string text;
    std::size_t line;
    const char* says;
};

std::vector<BadCase> BadCases() {
    return {
        {"unknown key", "MasterVolume = -7.5\nMasterVol = -7.5\n", 2, "unknown key 'MasterVol'"},
        {"duplicate key", "DisableAUX = on\n\nDisableAUX = off\n", 3, "already set on line 1"},
        {"duplicate codec", "codec = QM-2\ncodec = QM-2\n", 2, "codec is already set on line 1"},
        {"unknown codec", "codec = QM-4\n", 1, "unknown codec 'QM-4'"},
        {"no equals sign", "MasterVolume -7.5\n", 1, "expected 'Key = value'"},
        {"off the scale", "MasterVolume = -7.0\n", 1, "not on this scale"},
        {"out of range", "MicRMax = +30.0\n", 1, "not on this scale"},
        {"raw value out of range", "MasVMax = 0x40\n", 1, "outside the level codes"},
        {"never changed", "# x\nPollingPeriod = 0x00000001\n", 2, "never changes"},
        {"level above its limit", "MasVMax = -7.5\nMasterVolume = -6.0\n", 2, "MasterVolume: level -6.0 dB is louder"},
        {"disabled line recorded", "RecordSelect = AUX\nDisableAUX = on\n", 1, "is a disabled line"},
        {"long line", "# " + std::string(300, 'x') + "\n", 1, "302 bytes long"},
        {"carriage return", "MasVMax = x\rspoof: 0 errors\n", 1, "'x\\rspoof: 0 errors' is not a decibel"},
        {"binary", std::string("MasterVolume = -7.5\nab\0cd", 25), 2, "control byte 0x00"},
        {"too large", std::string(70000, '\n'), 0, "more than 65536"},
    };
}

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class BadDescriptions : public ::testing::TestWithParam<BadCase> {};

}  // namespace

TEST_P(BadDescriptions, AreRefusedNamingTheLine) {
    const BadCase& c = GetParam();
    const custom::Description d = custom::ParseDescription(c.text);
    ASSERT_FALSE(d.ok());
    EXPECT_EQ(d.errors[0].line, c.line);
    EXPECT_NE(d.errors[0].text.find(c.says), std::string::npos) << d.errors[0].text;
}

INSTANTIATE_TEST_SUITE_P(OnePerKind, BadDescriptions, ::testing::ValuesIn(BadCases()), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(Description, ListsEveryErrorUpToALimit) {
    std::string text;
    for (int i = 0; i < 50; ++i) text += "Nonsense" + std::to_string(i) + " = 1\n";
    const custom::Description d = custom::ParseDescription(text);
    ASSERT_EQ(d.errors.size(), 21u);
    EXPECT_EQ(d.errors[19].line, 20u);
    EXPECT_NE(d.errors[20].text.find("too many errors"), std::string::npos);
}

TEST(Description, PrintsOnlyChangesUnlessAskedForAll) {
    custom::EntryTable t;
    custom::CopyDefaults(t);
    t[Entry::DisableAUX].value = 1;
    const std::string changes = custom::PrintDescription(t, false);
    EXPECT_NE(changes.find("\nDisableAUX = on\n"), std::string::npos);
    EXPECT_EQ(changes.find("MasterVolume"), std::string::npos);
    const std::string all = custom::PrintDescription(t, true);
    EXPECT_NE(all.find("\nMasterVolume = -6.0  # factory value\n"), std::string::npos);
    EXPECT_NE(all.find("\nPollingPeriod = 0x00000000  # factory value\n"), std::string::npos);
    // Both give the same table back.
    for (const std::string& text : {changes, all}) {
        const custom::Description d = custom::ParseDescription(text);
        ASSERT_TRUE(d.ok()) << d.errors[0].text;
        for (std::size_t i = 0; i < custom::kEntryCount; ++i) EXPECT_EQ(d.working[i].value, t[i].value);
    }
}
