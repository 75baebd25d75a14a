// The settings as the dialog edits them: each action, then the entries and
// what the controls show. Expected values are written out.
#include "custom/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "custom/entry_meaning.h"
#include "custom/value_rules.h"

using custom::ControlMeaning;
using custom::Entry;
using custom::Greyed;
using custom::Settings;
using custom::Shows;

namespace {

constexpr ControlMeaning Box(Entry e, unsigned bit = 0) { return {bit == 0 ? Shows::Switch : Shows::Bit, e, bit}; }
constexpr ControlMeaning Level(Entry e) { return {Shows::Level, e}; }
constexpr ControlMeaning Limit(Entry e) { return {Shows::Limit, e}; }
constexpr ControlMeaning Source(unsigned n) { return {Shows::Source, Entry::RecordSelect, n}; }

std::uint32_t Value(const Settings& s, Entry e) { return s.Working()[e].value; }
std::string Key(Entry e) { return custom::DefaultEntryTable[e].key; }

// "Level AUXVolume", "Bit MicVolume 6", "Source 3": how the tables below name a control.
std::string Name(const ControlMeaning& c) {
    switch (c.shows) {
        case Shows::Switch: return Key(c.entry);
        case Shows::Bit: return "Bit " + Key(c.entry) + " " + std::to_string(c.bit);
        case Shows::Level: return "Level " + Key(c.entry);
        case Shows::Limit: return "Limit " + Key(c.entry);
        case Shows::Source: return "Source " + std::to_string(c.bit);
        default: return "?";
    }
}

// A control for every setting the dialog can change.
std::vector<ControlMeaning> EveryChangeableControl() {
    std::vector<ControlMeaning> all;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        const auto e = static_cast<Entry>(i);
        const custom::EntryMeaning& m = custom::MeaningOf(i);
        switch (m.kind) {
            case custom::EntryKind::Switch:
                if (m.changeable != 0) all.push_back(Box(e));
                break;
            case custom::EntryKind::MicSelect: all.push_back(Box(e, custom::kMic2SelectBit)); break;
            case custom::EntryKind::Level:
                if (custom::HasLimitRows(i)) all.push_back(Level(e));
                for (unsigned bit : {custom::kMicBoostBit, custom::kMuteBit})
                    if (m.changeable & (1u << bit)) all.push_back(Box(e, bit));
                break;
            case custom::EntryKind::MaxLevel:
            case custom::EntryKind::MaxGain: all.push_back(Limit(e)); break;
            default: break;
        }
    }
    all.push_back(Limit(Entry::WaveOutVolume));
    for (unsigned n = 0; n < custom::kRecordSources; ++n) all.push_back(Source(n));
    return all;
}

std::set<std::string> GreyedNames(const Settings& s) {
    std::set<std::string> names;
    for (const ControlMeaning& c : EveryChangeableControl())
        if (!s.ViewOf(c).Enabled()) names.insert(Name(c));
    return names;
}

// A table that differs from the factory one only in `edit`, opened as a file.
template <class Edit>
Settings Opened(Edit edit) {
    Settings s;
    custom::EntryTable table = s.Working();
    edit(table);
    s.TakeOpenedFile(table, custom::CustomFileRecords{});
    return s;
}

}  // namespace

TEST(Settings, EachBoxFlipsOnlyItsOwnBitOrSwitch) {
    const struct { ControlMeaning box; std::uint32_t flipped; } kBoxes[] = {
        {Box(Entry::MasterVolume, 15), 0x8000},    {Box(Entry::HeadphoneVolume, 15), 0x8000},
        {Box(Entry::SpdifMute), 1},                {Box(Entry::AUXVolume, 15), 0x8000},
        {Box(Entry::VideoVolume, 15), 0x8000},     {Box(Entry::LineInVolume, 15), 0x8000},
        {Box(Entry::MicVolume, 15), 0x8000},       {Box(Entry::PhoneVolume, 15), 0x8000},
        {Box(Entry::BeepVolume, 15), 0x8000},      {Box(Entry::SpdifSrc), 1},
        {Box(Entry::GeneralPurpose, 8), 0x100},    {Box(Entry::MicVolume, 6), 0x40},
        {Box(Entry::EnableJackDetect), 1},         {Box(Entry::Enable33VSupport), 1},
        {Box(Entry::Enable48KSpdif), 1},           {Box(Entry::DisableMic2), 1},
    };
    Settings s;
    s.ToggleBox(Box(Entry::DisableHeadphone));  // frees the Headphone "Mute" box
    for (const auto& b : kBoxes) {
        SCOPED_TRACE(Name(b.box));
        const custom::EntryTable before = s.Working();
        const int ticked = s.ViewOf(b.box).position;
        s.ToggleBox(b.box);
        EXPECT_EQ(s.ViewOf(b.box).position, !ticked);
        for (std::size_t i = 0; i < custom::kEntryCount; ++i)
            EXPECT_EQ(s.Working()[i].value, before[i].value ^ (i == custom::IndexOf(b.box.entry) ? b.flipped : 0))
                << before[i].key;
        s.ToggleBox(b.box);
        EXPECT_EQ(Value(s, b.box.entry), before[b.box.entry].value);
    }
}

// What no user can do, as another program could still ask for it: greyed
// and shown-only boxes, spins, sliders and radios of a line switched off.
TEST(Settings, GreyedControlsDoNothing) {
    Settings s;
    s.ChooseCodecModel(custom::CodecModel::Model2);
    for (ControlMeaning box : {Box(Entry::CDVolume, 15), Box(Entry::DisableCD), ControlMeaning{Shows::ClearBit,
                               Entry::GeneralPurpose, 13}, Box(Entry::DisableSPDIF), Box(Entry::EnableJackDetect),
                               Box(Entry::HeadphoneVolume, 15), ControlMeaning{}})
        s.ToggleBox(box);
    s.PressSpin(Entry::HP_VMax, 1);
    s.MoveSlider(Entry::HeadphoneVolume, 0);
    s.StepLevel(Entry::HeadphoneVolume, 1);
    s.ToggleBox(Box(Entry::DisableAUX));
    s.ChooseRecordSource(3);
    s.ChooseRecordSource(8);
    EXPECT_EQ(Value(s, Entry::RecordSelect), 0x0505u);
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        const std::uint32_t factory = custom::DefaultEntryTable[i].value;
        EXPECT_EQ(s.Working()[i].value, i == custom::IndexOf(Entry::DisableAUX) ? 1u : factory) << i;
    }
}

// Each "Disable" box greys exactly its line's controls (Headphone starts
// off) and moves the record source off a recordable line for good.
TEST(Settings, DisableSwitchesGreyTheirLinesAndMoveTheSourceOff) {
    const std::set<std::string> kAtStart = {"Level HeadphoneVolume", "Bit HeadphoneVolume 15", "Limit HP_VMax"};
    const struct {
        Entry flag;
        std::set<std::string> greyed;
        bool movesSource;
    } kLines[] = {
        {Entry::DisableSPDIF, {"SpdifMute", "SpdifSrc", "Enable48KSpdif"}, false},
        {Entry::DisablePCBeep, {"Level BeepVolume", "Bit BeepVolume 15", "Limit PCBVMax"}, false},
        {Entry::DisableAUX, {"Level AUXVolume", "Bit AUXVolume 15", "Limit AuxVMax", "Limit AuxRMax", "Source 3"}, true},
        {Entry::DisableVideo,
         {"Level VideoVolume", "Bit VideoVolume 15", "Limit VidVMax", "Limit VidRMax", "Source 2"}, true},
        {Entry::DisableLineIn,
         {"Level LineInVolume", "Bit LineInVolume 15", "Limit LinVMax", "Limit LinRMax", "Source 4"}, true},
        {Entry::DisableMic,
         {"Level MicVolume", "Bit MicVolume 6", "Bit MicVolume 15", "Limit MicVMax", "Limit MicRMax", "Source 0",
          "Bit GeneralPurpose 8", "DisableMic2", "DisableMicBoost"}, true},
        {Entry::DisablePhone,
         {"Level PhoneVolume", "Bit PhoneVolume 15", "Limit PhoVMax", "Limit PhoRMax", "Source 7"}, true},
        {Entry::DisableHeadphone, {}, false},  // starts ticked: unticking frees the line
        {Entry::DisableMic2, {"Bit GeneralPurpose 8"}, false},
        {Entry::DisableMicBoost, {"Bit MicVolume 6"}, false},
    };
    for (const auto& line : kLines) {
        SCOPED_TRACE(Key(line.flag));
        Settings s;
        s.ChooseRecordSource(0);
        s.ToggleBox(Box(line.flag));
        std::set<std::string> expected = line.flag == Entry::DisableHeadphone ? std::set<std::string>{} : kAtStart;
        expected.insert(line.greyed.begin(), line.greyed.end());
        EXPECT_EQ(GreyedNames(s), expected);
        EXPECT_EQ(Value(s, Entry::RecordSelect), line.movesSource ? 0x0505u : 0x0000u);
        s.ToggleBox(Box(line.flag));
        EXPECT_EQ(GreyedNames(s), kAtStart);
        EXPECT_EQ(Value(s, Entry::RecordSelect), line.movesSource ? 0x0505u : 0x0000u) << "the source stays moved";
    }
}

// The first cause wins; the tips say it. A feature box stays greyed by its
// own switch while its line comes back, and a QM-3 feature by the model.
TEST(Settings, GreyingGivesTheFirstCause) {
    Settings s;
    s.ToggleBox(Box(Entry::DisableMic2));
    s.ToggleBox(Box(Entry::DisableMic));
    const struct { ControlMeaning control; Greyed why; Entry by; } kBefore[] = {
        {Box(Entry::GeneralPurpose, 8), Greyed::LineDisabled, Entry::DisableMic},
        {Source(0), Greyed::LineDisabled, Entry::DisableMic},
        {Box(Entry::CDVolume, 15), Greyed::ShownOnly, Entry::Count},
        {ControlMeaning{}, Greyed::NoSetting, Entry::Count},
        {Limit(Entry::ACDRMax), Greyed::No, Entry::Count},
    };
    for (const auto& c : kBefore) {
        EXPECT_EQ(s.GreyingOf(c.control).why, c.why) << Name(c.control);
        EXPECT_EQ(s.GreyingOf(c.control).disabledBy, c.by) << Name(c.control);
    }
    EXPECT_EQ(s.TipOf(Source(0)),
              "Selected: the driver records from Mic until the user picks another input.\n"
              "RecordSelect: factory Stereo Mix, now Stereo Mix\nGreyed while the Mic line's \"Disable Line\" box is ticked (DisableMic)");
    s.ToggleBox(Box(Entry::DisableMic));
    EXPECT_EQ(s.GreyingOf(Box(Entry::GeneralPurpose, 8)).disabledBy, Entry::DisableMic2);
    EXPECT_TRUE(s.ViewOf(Box(Entry::MicVolume, 6)).Enabled());

    s.ToggleBox(Box(Entry::DisableSPDIF));
    s.ChooseCodecModel(custom::CodecModel::Model1);
    EXPECT_EQ(s.GreyingOf(Box(Entry::SpdifMute)).why, Greyed::LineDisabled);
    EXPECT_EQ(s.GreyingOf(Box(Entry::DisableSPDIF)).why, Greyed::Model3Only);
    EXPECT_EQ(s.GreyingOf(Box(Entry::Enable33VSupport)).why, Greyed::Model3Only);
    s.ChooseCodecModel(custom::CodecModel::Model3);
    EXPECT_TRUE(s.ViewOf(Box(Entry::DisableSPDIF)).Enabled());
    EXPECT_TRUE(s.ViewOf(Box(Entry::Enable33VSupport)).Enabled());
    EXPECT_FALSE(s.ViewOf(Box(Entry::SpdifSrc)).Enabled()) << "held by its line's box under QM-3 too";
}

// A lower Master limit pulls the level down with it; a louder one leaves
// it. Each step: the limit row, its text, the level row, its text, the thumb.
TEST(Settings, MasterSpinMovesTheLimitAndPullsTheLevel) {
    const struct { int delta; std::uint32_t limit; const char* limitText; std::uint32_t level; const char* levelText;
                   int thumb; } kPresses[] = {
        {-1, 0, "+0.0", 0x0404, "-6.0", 127},  // already at the loudest: refused
        {1, 1, "-1.5", 0x0404, "-6.0", 103},
        {4, 5, "-7.5", 0x0505, "-7.5", 0},
        {-1, 4, "-6.0", 0x0505, "-7.5", 40},
        {INT_MAX, 4, "-6.0", 0x0505, "-7.5", 40},  // out of range, in 32 bits too
        {INT_MIN, 4, "-6.0", 0x0505, "-7.5", 40},
        {28, 4, "-6.0", 0x0505, "-7.5", 40},
    };
    Settings s;
    for (const auto& p : kPresses) {
        SCOPED_TRACE(p.delta);
        s.PressSpin(Entry::MasVMax, p.delta);
        EXPECT_EQ(Value(s, Entry::MasVMax), p.limit);
        EXPECT_EQ(s.ViewOf(Limit(Entry::MasVMax)).text, p.limitText);
        EXPECT_EQ(s.ViewOf(Limit(Entry::MasVMax)).position, static_cast<int>(p.limit));
        EXPECT_EQ(Value(s, Entry::MasterVolume), p.level);
        EXPECT_EQ(s.ViewOf(Level(Entry::MasterVolume)).text, p.levelText);
        EXPECT_EQ(s.ViewOf(Level(Entry::MasterVolume)).position, p.thumb);
    }
}

// Every line: the spin runs its whole range and pulls the level along,
// keeping the mute bit and bits 5-7; the slider's ends are the limit and
// the quietest row.
TEST(Settings, EveryLineStaysWithinItsLimits) {
    const struct { Entry level, limit; int step; bool stereo; const char* quietest; } kLines[] = {
        {Entry::MasterVolume, Entry::MasVMax, 1, true, "-46.5"},  {Entry::BeepVolume, Entry::PCBVMax, 2, false, "-45.0"},
        {Entry::PhoneVolume, Entry::PhoVMax, 1, false, "-34.5"},  {Entry::MicVolume, Entry::MicVMax, 1, false, "-34.5"},
        {Entry::LineInVolume, Entry::LinVMax, 1, true, "-34.5"},  {Entry::CDVolume, Entry::ACDVMax, 1, true, "-34.5"},
        {Entry::VideoVolume, Entry::VidVMax, 1, true, "-34.5"},   {Entry::AUXVolume, Entry::AuxVMax, 1, true, "-34.5"},
        {Entry::HeadphoneVolume, Entry::HP_VMax, 1, true, "-46.5"},
    };
    for (const auto& line : kLines) {
        SCOPED_TRACE(Key(line.level));
        Settings s = Opened([&](custom::EntryTable& t) {
            t[line.level].value |= 0x80E0;
            t[Entry::DisableHeadphone].value = 0;
        });
        const std::uint32_t kept = Value(s, line.level) & ~0x1F1Fu;
        const std::uint32_t lowest = line.step == 2 ? 30 : 31;
        for (int i = 0; i < 40; ++i) s.PressSpin(line.limit, line.step);
        EXPECT_EQ(Value(s, line.limit), lowest);
        EXPECT_EQ(Value(s, line.level) & 0x1F, lowest);
        EXPECT_EQ((Value(s, line.level) >> 8) & 0x1F, line.stereo ? lowest : 0u);
        EXPECT_EQ(Value(s, line.level) & ~0x1F1Fu, kept);
        EXPECT_EQ(s.ViewOf(Level(line.level)).position, 0);
        for (int i = 0; i < 40; ++i) s.PressSpin(line.limit, -line.step);
        EXPECT_EQ(Value(s, line.limit), 0u);
        EXPECT_EQ(Value(s, line.level) & 0x1F, lowest) << "a louder limit leaves the level";

        s.MoveSlider(line.level, 0);
        EXPECT_EQ(Value(s, line.level) & 0x1F, 0u);
        s.MoveSlider(line.level, 256);
        EXPECT_EQ(Value(s, line.level), line.stereo ? 0x9FFFu : 0x80FFu) << "the quietest row, muted, bits 5-7 kept";
        EXPECT_EQ(s.ViewOf(Level(line.level)).text, line.quietest);
    }
}

TEST(Settings, SliderPositionsGiveLevelsAndAPlacedThumbKeepsItsOwn) {
    Settings s;
    const struct { Entry level; int position; std::uint32_t value; const char* text; } kMoves[] = {
        {Entry::LineInVolume, 179, 0x0707, "+1.5"},
        {Entry::MicVolume, 21, 0x8000, "+12.0"},  // mute kept, the right field only
        {Entry::MicVolume, 22, 0x8001, "+10.5"},
        {Entry::LineInVolume, -5, 0x0000, "+12.0"},  // a range another program widened
        {Entry::LineInVolume, INT_MAX, 0x1F1F, "-34.5"},
        {Entry::BeepVolume, 256, 0x001F, "-45.0"},  // the odd quietest row
        {Entry::BeepVolume, 127, 0x0005, "-6.0"},   // 4 steps; the old bit 0 survives
    };
    for (const auto& m : kMoves) {
        s.MoveSlider(m.level, m.position);
        EXPECT_EQ(Value(s, m.level), m.value) << m.position;
        EXPECT_EQ(s.ViewOf(Level(m.level)).text, m.text) << m.position;
    }
    // Master at -46.5 dB sits at 254, which read back would be -42.0: a
    // click on the thumb where the program placed it keeps -46.5.
    s.MoveSlider(Entry::MasterVolume, 256);
    s.PressSpin(Entry::MasVMax, 1);
    s.PressSpin(Entry::MasVMax, -1);
    ASSERT_EQ(s.ViewOf(Level(Entry::MasterVolume)).position, 254);
    s.MoveSlider(Entry::MasterVolume, 254);
    EXPECT_EQ(s.ViewOf(Level(Entry::MasterVolume)).text, "-46.5");
    s.MoveSlider(Entry::MasterVolume, 200);
    s.MoveSlider(Entry::MasterVolume, 254);
    EXPECT_EQ(s.ViewOf(Level(Entry::MasterVolume)).text, "-42.0");
}

// The PC Speaker limit moves a whole 3 dB step and pulls the level to an
// even code; Wave and SW Synth share one level; record gains run 15..0.
// From Home, each Down sets the next level code until the quietest allowed,
// also those no slider position shows; End and Up come back. The thumb goes
// where the level is, and a click on it there keeps the level.
TEST(Settings, KeysReachEveryLevelBetweenTheLimitsOneStepAPress) {
    const struct { Entry level; std::uint32_t loudest, quietest, codesAStep; } kLines[] = {
        {Entry::MasterVolume, 0, 31, 1}, {Entry::HeadphoneVolume, 0, 31, 1}, {Entry::AUXVolume, 0, 31, 1},
        {Entry::VideoVolume, 0, 31, 1},  {Entry::CDVolume, 8, 31, 1},         {Entry::LineInVolume, 0, 31, 1},
        {Entry::MicVolume, 0, 31, 1},    {Entry::PhoneVolume, 0, 31, 1},      {Entry::BeepVolume, 0, 30, 2},
    };
    Settings s;
    s.ToggleBox(Box(Entry::DisableHeadphone));
    for (const auto& line : kLines) {
        SCOPED_TRACE(Key(line.level));
        s.StepLevel(line.level, -custom::kWholeScale);  // Home
        for (std::uint32_t code = line.loudest;; code += line.codesAStep) {
            ASSERT_EQ(Value(s, line.level) & 0x1F, code);
            s.MoveSlider(line.level, s.ViewOf(Level(line.level)).position);
            ASSERT_EQ(Value(s, line.level) & 0x1F, code) << "a click on the placed thumb";
            if (code == line.quietest) break;
            s.StepLevel(line.level, 1);
        }
        s.StepLevel(line.level, 1);
        EXPECT_EQ(Value(s, line.level) & 0x1F, line.quietest);
        s.StepLevel(line.level, -4);  // PgUp
        EXPECT_EQ(Value(s, line.level) & 0x1F, line.quietest - 4 * line.codesAStep);
        s.StepLevel(line.level, custom::kWholeScale);  // End
        EXPECT_EQ(Value(s, line.level) & 0x1F, line.quietest);
    }
    s.StepLevel(Entry::MasterVolume, -4);
    EXPECT_EQ(Value(s, Entry::MasterVolume), 0x1B1Bu);
    EXPECT_EQ(s.ViewOf(Level(Entry::MasterVolume)).text, "-40.5");
    EXPECT_EQ(s.ViewOf(Level(Entry::MasterVolume)).position, 253);
    EXPECT_EQ(s.ViewOf(Level(Entry::AUXVolume)).text, "-34.5");
    EXPECT_EQ(Value(s, Entry::BeepVolume), 0x001Eu);
    EXPECT_EQ(s.ViewOf(Level(Entry::BeepVolume)).text, "-45.0");
}

TEST(Settings, PcSpeakerWaveAndRecordSpins) {
    Settings s;
    s.PressSpin(Entry::PCBVMax, 1);  // half a step: no press can do that
    s.PressSpin(Entry::PCBVMax, 2);
    EXPECT_EQ(Value(s, Entry::PCBVMax), 2u);
    EXPECT_EQ(s.ViewOf(Limit(Entry::PCBVMax)).text, "-3.0");
    EXPECT_EQ(s.ViewOf(Level(Entry::BeepVolume)).position, 74);
    s.MoveSlider(Entry::BeepVolume, 256);
    for (int i = 0; i < 3; ++i) s.PressSpin(Entry::PCBVMax, 2);
    EXPECT_EQ(Value(s, Entry::BeepVolume), 0x001Fu) << "a louder limit leaves it";
    s.MoveSlider(Entry::BeepVolume, 0);
    EXPECT_EQ(Value(s, Entry::BeepVolume), 0x0009u) << "the limit 8, and bit 0 kept";

    s.PressSpin(Entry::WaveOutVolume, -1);
    EXPECT_EQ(Value(s, Entry::WaveOutVolume), 0x0707u);
    EXPECT_EQ(s.ViewOf(Limit(Entry::WaveOutVolume)).text, "+1.5");
    s.PressSpin(Entry::WaveOutVolume, 40);
    EXPECT_EQ(s.ViewOf(Limit(Entry::WaveOutVolume)).position, 7);

    s.PressSpin(Entry::ACDRMax, -1);
    EXPECT_EQ(Value(s, Entry::ACDRMax), 15u);
    s.PressSpin(Entry::ACDRMax, 2);
    EXPECT_EQ(Value(s, Entry::ACDRMax), 13u);
    EXPECT_EQ(s.ViewOf(Limit(Entry::ACDRMax)).text, "+19.5");
    s.PressSpin(Entry::ACDRMax, 13);
    EXPECT_EQ(Value(s, Entry::ACDRMax), 0u);
    EXPECT_EQ(s.ViewOf(Limit(Entry::ACDRMax)).position, 15);
    s.PressSpin(Entry::ACDRMax, 1);
    EXPECT_EQ(Value(s, Entry::ACDRMax), 0u);
}

TEST(Settings, RadiosAndDefault) {
    Settings s;
    const std::uint32_t kSources[] = {0x0000, 0x0101, 0x0202, 0x0303, 0x0404, 0x0505, 0x0606, 0x0707};
    for (unsigned n = 0; n < 8; ++n) {
        s.ChooseRecordSource(n);
        EXPECT_EQ(Value(s, Entry::RecordSelect), kSources[n]);
        for (unsigned other = 0; other < 8; ++other) EXPECT_EQ(s.ViewOf(Source(other)).position, other == n);
    }
    s.ToggleBox(Box(Entry::EnableJackDetect));
    s.ChooseCodecModel(custom::CodecModel::Model2);
    EXPECT_EQ(s.ViewOf({Shows::Codec, Entry::Count, 1}).position, 1);
    EXPECT_EQ(s.ViewOf(Box(Entry::EnableJackDetect)).position, 1) << "a greyed box keeps its check";
    s.ResetToDefaults();
    EXPECT_EQ(Value(s, Entry::RecordSelect), 0x0505u);
    EXPECT_EQ(Value(s, Entry::EnableJackDetect), 0u);
    EXPECT_EQ(s.Model(), custom::CodecModel::Model2) << "Default keeps the model";
    EXPECT_FALSE(s.HasUnsavedEdits());
}

// What "Save" would write and "Changes..." lists; an opened file's model
// and records, and the edits since it was opened.
TEST(Settings, SaveChangesAndAnOpenedFile) {
    Settings s;
    EXPECT_FALSE(s.FileToSave());
    EXPECT_EQ(s.ChangesList(), "Nothing is customized\n");
    s.PressSpin(Entry::MasVMax, 1);
    s.ChooseRecordSource(0);
    s.ToggleBox(Box(Entry::Enable48KSpdif));
    EXPECT_TRUE(s.HasUnsavedEdits());
    EXPECT_EQ(s.ChangesList(),
              " 12  RecordSelect         0x0000      record source Mic\n"
              " 36  Enable48KSpdif       0x01        on  [QM-3/QM-3A only]\n"
              " 38  MasVMax              0x01        max level -1.5 dB (MasterVolume)\n");
    s.ChooseCodecModel(custom::CodecModel::Model2);
    EXPECT_EQ(s.FileToSave()->bytes[36 * 8], 0) << "left out under QM-2";
    // Written: nothing unsaved, and the file written is the one open.
    const custom::FileToWrite written = *s.FileToSave();
    s.TakeSavedFile(written);
    EXPECT_FALSE(s.HasUnsavedEdits());
    EXPECT_TRUE(s.OpenedHoldsRecords());
    EXPECT_EQ(s.FileToSave()->bytes, written.bytes);
    s.ResetToDefaults();  // while the file was written
    s.TakeSavedFile(written);
    EXPECT_TRUE(s.HasUnsavedEdits());

    custom::CustomFileRecords records{};
    records[custom::IndexOf(Entry::EnableJackDetect)] = {1, 1};
    custom::EntryTable table = custom::DefaultEntryTable;
    table[Entry::EnableJackDetect].value = 1;
    s.TakeOpenedFile(table, records);
    EXPECT_EQ(s.Model(), custom::CodecModel::Model3) << "a QM-3 feature's file is for QM-3";
    EXPECT_FALSE(s.HasUnsavedEdits());
    EXPECT_TRUE(s.OpenedHoldsRecords());
    EXPECT_EQ(s.ViewOf(Level(Entry::MasterVolume)).position, 127) << "thumbs placed for the file";
    s.ToggleBox(Box(Entry::EnableJackDetect));
    EXPECT_TRUE(s.HasUnsavedEdits());
    EXPECT_FALSE(s.FileToSave());
    EXPECT_TRUE(s.OpenedHoldsRecords());
}

// Whatever a user does, the table stays one the dialog could have written:
// the file checker finds nothing in it.
TEST(Settings, RandomSessionsKeepTheTableValid) {
    const std::vector<ControlMeaning> all = EveryChangeableControl();
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        Settings s;
        for (int step = 0; step < 3000; ++step) {
            const ControlMeaning& c = all[random() % all.size()];
            const int to = static_cast<int>(random() % 257);
            switch (c.shows) {
                case Shows::Level: (random() % 2 ? s.MoveSlider(c.entry, to) : s.StepLevel(c.entry, to % 7 - 3)); break;
                case Shows::Limit: s.PressSpin(c.entry, static_cast<int>(random() % 5) - 2); break;
                case Shows::Source: s.ChooseRecordSource(c.bit); break;
                default: s.ToggleBox(c); break;
            }
            if (random() % 200 == 0) s.ChooseCodecModel(static_cast<custom::CodecModel>(random() % 3));
            const auto findings = custom::CheckWorkingTable(s.Working());
            ASSERT_TRUE(findings.empty()) << "seed " << seed << " step " << step << ": " << findings[0].message;
        }
    }
}
