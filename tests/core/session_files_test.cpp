// Files the dialog writes in the end-to-end sessions, made with the core as
// the dialog's handlers edit the table: each checks clean, and its
// description makes the same bytes again, as does opening and saving it.
#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "custom/custom_file.h"
#include "custom/level_scale.h"
#include "custom/description.h"
#include "custom/file_check.h"

using custom::Channels;
using custom::CodecModel;
using custom::Entry;
using custom::EntryTable;
using custom::LevelScale;

namespace {

struct Session {
    const char* name;
    CodecModel model;
    std::function<void(EntryTable&)> edit;
};

// A spin press that lowers a playback limit pulls a louder level down with it.
void LowerLimit(EntryTable& t, Entry max, Entry level, Channels channels, unsigned to) {
    custom::StoreByte(t[max], static_cast<std::uint8_t>(to));
    if ((t[level].value & 0x1F) < to) custom::StoreLevelField(t[level], to, channels);
}

void Slide(EntryTable& t, Entry level, Entry max, Entry min, LevelScale scale, Channels channels, int position) {
    const auto code = custom::LevelFromSliderPosition(position, static_cast<std::uint8_t>(t[max].value),
                                                      static_cast<std::uint8_t>(t[min].value), scale);
    if (scale == LevelScale::Beep) custom::StoreLevelKeepingBit0(t[level], code);
    else custom::StoreLevelField(t[level], code, channels);
}

const Session kSessions[] = {
    {"MutesAndFeatureBoxes", CodecModel::Model3,
     [](EntryTable& t) {
         custom::StoreBit(t[Entry::MicVolume], custom::kMuteBit, false);
         custom::StoreBit(t[Entry::MicVolume], custom::kMicBoostBit, true);
         custom::StoreBit(t[Entry::GeneralPurpose], custom::kMic2SelectBit, true);
         custom::StoreBit(t[Entry::MasterVolume], custom::kMuteBit, true);
         for (Entry e : {Entry::EnableJackDetect, Entry::Enable48KSpdif, Entry::SpdifMute, Entry::SpdifSrc})
             custom::StoreByte(t[e], 1);
     }},
    {"LimitsWithTheSpinArrows", CodecModel::Model3,
     [](EntryTable& t) {
         LowerLimit(t, Entry::MasVMax, Entry::MasterVolume, Channels::Stereo, 5);
         custom::StoreLevelField(t[Entry::WaveOutVolume], 7, Channels::Stereo);
         custom::StoreByte(t[Entry::MicRMax], custom::MaxGainFromSpinPosition(3));
         LowerLimit(t, Entry::PCBVMax, Entry::BeepVolume, Channels::Mono, 2);
         custom::StoreByte(t[Entry::ACDVMax], 7);
     }},
    {"SlidersWithTheKeyboardAndByDragging", CodecModel::Model3,
     [](EntryTable& t) {
         Slide(t, Entry::LineInVolume, Entry::LinVMax, Entry::LinVMin, LevelScale::Gain, Channels::Stereo, 156);
         Slide(t, Entry::PhoneVolume, Entry::PhoVMax, Entry::PhoVMin, LevelScale::Gain, Channels::Mono, 0);
         Slide(t, Entry::MasterVolume, Entry::MasVMax, Entry::MasVMin, LevelScale::Attenuation, Channels::Stereo, 256);
         Slide(t, Entry::CDVolume, Entry::ACDVMax, Entry::ACDVMin, LevelScale::Gain, Channels::Stereo, 0);
     }},
    {"DisablingLinesUnderQm2", CodecModel::Model2,
     [](EntryTable& t) {
         custom::StoreByte(t[Entry::DisableHeadphone], 0);
         custom::StoreRegister(t[Entry::RecordSelect], 0x0000);
         custom::StoreByte(t[Entry::DisableAUX], 1);
         custom::StoreRegister(t[Entry::RecordSelect], 0x0505);  // the fallback to Stereo Mix
         custom::StoreByte(t[Entry::DisableSPDIF], 1);
         custom::StoreByte(t[Entry::DisableMicBoost], 1);
     }},
    {"Qm1PackageLeavesTheQm3FeaturesOut", CodecModel::Model1,
     [](EntryTable& t) {
         custom::StoreByte(t[Entry::EnableJackDetect], 1);
         custom::StoreByte(t[Entry::Enable33VSupport], 1);
         custom::StoreBit(t[Entry::VideoVolume], custom::kMuteBit, true);
     }},
    {"LongMixedSession", CodecModel::Model3,
     [](EntryTable& t) {
         LowerLimit(t, Entry::VidVMax, Entry::VideoVolume, Channels::Stereo, 10);
         custom::StoreByte(t[Entry::VidVMax], 9);
         custom::StoreLevelField(t[Entry::WaveOutVolume], 10, Channels::Stereo);
         custom::StoreByte(t[Entry::PhoRMax], 0);
         custom::StoreRegister(t[Entry::RecordSelect], 0x0404);
         custom::StoreByte(t[Entry::DisablePCBeep], 1);
         custom::StoreByte(t[Entry::DisableMic2], 1);
         custom::StoreByte(t[Entry::Enable33VSupport], 1);
         Slide(t, Entry::AUXVolume, Entry::AuxVMax, Entry::AuxVMin, LevelScale::Gain, Channels::Stereo, 256);
     }},
    {"MicAsRecordSource", CodecModel::Model3,
     [](EntryTable& t) { custom::StoreRegister(t[Entry::RecordSelect], 0x0000); }},
    {"PcSpeakerSliderKeepsBit0", CodecModel::Model3,
     [](EntryTable& t) {
         Slide(t, Entry::BeepVolume, Entry::PCBVMax, Entry::PCBVMin, LevelScale::Beep, Channels::Mono, 256);
         Slide(t, Entry::BeepVolume, Entry::PCBVMax, Entry::PCBVMin, LevelScale::Beep, Channels::Mono, 127);
         custom::StoreBit(t[Entry::BeepVolume], custom::kMuteBit, true);
     }},
};

void PrintTo(const Session& c, std::ostream* os) { *os << c.name; }

class SessionFiles : public ::testing::TestWithParam<Session> {};

}  // namespace

TEST_P(SessionFiles, CheckCleanAndRebuildFromTheirDescription) {
    const Session& s = GetParam();
    EntryTable t;
    custom::CopyDefaults(t);
    s.edit(t);
    ASSERT_TRUE(custom::AnyCustomized(t, s.model));
    const custom::CustomFileImage image = custom::EncodeCustomFile(t, s.model);

    const custom::FileReport report = custom::CheckFileBytes(image.data(), image.size());
    for (const custom::FileFinding& f : report.findings) ADD_FAILURE() << custom::FindingText(f);

    for (bool all : {false, true}) {
        const std::string text = custom::PrintDescription(report.working, all);
        const custom::Description d = custom::ParseDescription(text);
        ASSERT_TRUE(d.ok()) << d.errors[0].line << ": " << d.errors[0].text << "\n" << text;
        EXPECT_EQ(custom::EncodeCustomFile(d.working, d.model), image) << text;
    }

    // Opened in the dialog under another model and saved without a change:
    // the same bytes, QM-3 features included.
    const CodecModel model = custom::ModelForOpenedFile(*report.records, CodecModel::Model2);
    EXPECT_EQ(custom::EncodeCustomFile(report.working, model, &*report.records), image);
}

INSTANTIATE_TEST_SUITE_P(EndToEndSessions, SessionFiles, ::testing::ValuesIn(kSessions),
                         [](const auto& info) { return std::string(info.param.name); });

// The recorded bytes of two sessions, so the edits above stay what the
// dialog really saved.
TEST(SessionFiles, MatchTheRecordsTheDialogSaved) {
    EntryTable t;
    custom::CopyDefaults(t);
    kSessions[2].edit(t);
    EXPECT_EQ(t[Entry::LineInVolume].value, 0x0505u);
    EXPECT_EQ(t[Entry::MasterVolume].value, 0x1F1Fu);
    EXPECT_EQ(t[Entry::CDVolume].value, 0x0808u);
    custom::CopyDefaults(t);
    kSessions[5].edit(t);
    EXPECT_EQ(t[Entry::VideoVolume].value, 0x0A0Au);
    EXPECT_EQ(t[Entry::AUXVolume].value, 0x1F1Fu);
    EXPECT_EQ(t[Entry::MicRMax].value, 0x0Fu);
    custom::CopyDefaults(t);
    kSessions[7].edit(t);
    EXPECT_EQ(t[Entry::BeepVolume].value, 0x8005u);
}
