// What a control's tip says, and the list of what Save would write.
#include "custom/control_help.h"
#include "custom/entry_meaning.h"
#include "custom/listing.h"

#include <gtest/gtest.h>

using custom::CodecModel;
using custom::Entry;
using custom::Greyed;

TEST(ControlHelp, EveryEntryTheDialogChangesSaysWhatItDoes) {
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        if (custom::DialogChanges(i)) {
            EXPECT_GT(custom::EntryDescription(i).size(), 20u) << i;
        }
    }
}

// One entry of each kind the dialog edits, at its factory value and
// changed, and each reason for greying.
TEST(ControlHelp, TipsTellTheEntryItsValuesAndWhyItIsGreyed) {
    struct Case {
        Entry entry;
        std::uint32_t value;
        CodecModel model;
        custom::Greying greying;
        const char* tip;
    };
    const Case cases[] = {
        {Entry::MasVMax, 0x00, CodecModel::Model3, {},
         "The loudest level the driver lets the Master output reach.\nMasVMax: factory +0.0, now +0.0"},
        {Entry::MasVMax, 0x05, CodecModel::Model3, {},
         "The loudest level the driver lets the Master output reach.\nMasVMax: factory +0.0, now -7.5, changed"},
        {Entry::MicVolume, 0x0044, CodecModel::Model3, {},
         "The microphone's playback level, mute and boost as the driver starts.\n"
         "MicVolume: factory +6.0 mute, now +6.0 boost, changed"},
        {Entry::RecordSelect, 0x0404, CodecModel::Model3, {},
         "The input the driver records from until the user picks another.\n"
         "RecordSelect: factory Stereo Mix, now Line In, changed"},
        {Entry::GeneralPurpose, 0x0100, CodecModel::Model3, {},
         "Mic2 Select: the codec takes the microphone from its second input.\n"
         "GeneralPurpose: factory none, now mic2, changed"},
        {Entry::OutRMax, 0x0C, CodecModel::Model3, {},
         "The largest gain the driver allows when recording the stereo mix.\n"
         "OutRMax: factory +22.5, now +18.0, changed"},
        {Entry::DisableHeadphone, 0, CodecModel::Model3, {},
         "Turns the headphone output off in the driver.\nDisableHeadphone: factory on, now off, changed"},
        {Entry::EnableJackDetect, 1, CodecModel::Model2, {Greyed::Model3Only},
         "Lets the driver switch outputs when a plug goes into a jack.\n"
         "EnableJackDetect: factory off, now on, changed\n"
         "Greyed: only QM-3/QM-3A has this; under QM-2 Save leaves it out"},
        {Entry::DisableSPDIF, 0, CodecModel::Model1, {Greyed::Model3Only},
         "Turns the S/PDIF digital output off in the driver.\nDisableSPDIF: factory off, now off\n"
         "Greyed: only QM-3/QM-3A has this; it stays as it is under QM-1/1P"},
        {Entry::MicVMax, 8, CodecModel::Model3, {Greyed::LineDisabled, Entry::DisableMic},
         "The loudest level the driver lets the microphone reach.\nMicVMax: factory +12.0, now +0.0, changed\n"
         "Greyed while the Mic line's \"Disable Line\" box is ticked (DisableMic)"},
        {Entry::DisableCD, 0, CodecModel::Model3, {Greyed::ShownOnly},
         "Turns the CD input off in the driver.\nDisableCD: factory off, now off\n"
         "Greyed: shown, never changed by the dialog"},
    };
    for (const Case& c : cases) {
        custom::EntryTable working;
        custom::CopyDefaults(working);
        working[c.entry].value = c.value;
        EXPECT_EQ(custom::ControlHelpText(c.entry, working, c.model, c.greying), c.tip);
    }
    custom::EntryTable factory;
    custom::CopyDefaults(factory);
    EXPECT_EQ(custom::ControlHelpText(std::nullopt, factory, CodecModel::Model3, {Greyed::NoSetting}),
              "Greyed: the driver has no such setting for this line");
    // A switch that greys is named as the dialog shows its box.
    const std::pair<Entry, const char*> kSwitches[] = {
        {Entry::DisableSPDIF, "Greyed while the SPDIF line's \"Disable Line\" box is ticked (DisableSPDIF)"},
        {Entry::DisablePCBeep, "Greyed while the PC Speaker line's \"Disable Line\" box is ticked (DisablePCBeep)"},
        {Entry::DisableLineIn, "Greyed while the Line In line's \"Disable Line\" box is ticked (DisableLineIn)"},
        {Entry::DisableMicBoost, "Greyed while the \"Disable Mic Boost\" box is ticked (DisableMicBoost)"},
        {Entry::DisableMic2, "Greyed while the \"Disable Mic2\" box is ticked (DisableMic2)"},
    };
    for (const auto& [off, tip] : kSwitches)
        EXPECT_EQ(custom::ControlHelpText(std::nullopt, factory, CodecModel::Model3, {Greyed::LineDisabled, off}), tip);
    EXPECT_EQ(custom::CodecModelHelpText(CodecModel::Model2),
              "The codec model the driver package is for; only QM-3/QM-3A gets the S/PDIF, 3.3 V and jack "
              "detection settings.\ncodec: factory QM-3/QM-3A, now QM-2, changed");
}

// The list reads the image the file is written from, and names what the
// model leaves out.
TEST(SavedRecordsList, ListsThePresentRecordsThenWhatTheModelLeavesOut) {
    custom::EntryTable working;
    custom::CopyDefaults(working);
    EXPECT_EQ(custom::SavedRecordsList(custom::EncodeCustomFile(working, CodecModel::Model3), working,
                                       CodecModel::Model3),
              "Nothing is customized\n");

    working[Entry::MasVMax].value = 5;
    working[Entry::MasterVolume].value = 0x0505;
    working[Entry::EnableJackDetect].value = 1;
    working[Entry::SpdifSrc].value = 1;
    EXPECT_EQ(custom::SavedRecordsList(custom::EncodeCustomFile(working, CodecModel::Model3), working,
                                       CodecModel::Model3),
              "  0  MasterVolume         0x0505      -7.5 dB\n"
              " 19  SpdifSrc             0x01        on  [QM-3/QM-3A only]\n"
              " 35  EnableJackDetect     0x01        on  [QM-3/QM-3A only]\n"
              " 38  MasVMax              0x05        max level -7.5 dB (MasterVolume)\n");
    EXPECT_EQ(custom::SavedRecordsList(custom::EncodeCustomFile(working, CodecModel::Model2), working,
                                       CodecModel::Model2),
              "  0  MasterVolume         0x0505      -7.5 dB\n"
              " 38  MasVMax              0x05        max level -7.5 dB (MasterVolume)\n"
              "\nLeft out under QM-2:\n"
              " 19  SpdifSrc             0x01        on  [QM-3/QM-3A only]\n"
              " 35  EnableJackDetect     0x01        on  [QM-3/QM-3A only]\n");
}
