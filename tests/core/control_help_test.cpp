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

// A control of each kind and each reason for greying: the first line speaks of
// the control itself, the second of the bit or field it shows, in its terms.
TEST(ControlHelp, EachControlExplainsWhatItShows) {
    using custom::Shows;
    struct Case {
        custom::ControlMeaning control;
        std::uint32_t value;
        CodecModel model;
        custom::Greying greying;
        const char* tip;
    };
    const Case cases[] = {
        {{Shows::ClearBit, Entry::GeneralPurpose, 13}, 0, CodecModel::Model3, {Greyed::ShownOnly},
         "Ticked: the codec's 3D enhancement is off as the driver starts.\n"
         "GeneralPurpose bit 13 (ticked while 0): factory ticked, now ticked\n"
         "Greyed: the dialog shows this driver setting but cannot change it"},
        {{Shows::Bit, Entry::CDVolume, 15}, 0x0C0C, CodecModel::Model3, {Greyed::ShownOnly},
         "Ticked: the CD input starts muted.\nCDVolume bit 15: factory not ticked, now not ticked\n"
         "Greyed: the dialog shows this driver setting but cannot change it"},
        {{Shows::Bit, Entry::MicVolume, 6}, 0x0044, CodecModel::Model3, {},
         "Ticked: the microphone boost is on as the driver starts.\n"
         "MicVolume bit 6: factory not ticked, now ticked, changed"},
        {{Shows::Bit, Entry::GeneralPurpose, 8}, 0, CodecModel::Model3, {},
         "Ticked: the codec takes the microphone from its second input.\n"
         "GeneralPurpose bit 8: factory not ticked, now not ticked"},
        {{Shows::Level, Entry::LineInVolume}, 0x0804, CodecModel::Model3, {},
         "How loud the line input is as the driver starts.\n"
         "LineInVolume level (bits 0-4, 8-12): factory +6.0 dB, now +6.0 dB (left +0.0 dB), changed"},
        {{Shows::Limit, Entry::MasVMax}, 0x05, CodecModel::Model3, {},
         "The loudest level the driver lets the Master output reach.\nMasVMax: factory +0.0 dB, now -7.5 dB, changed"},
        {{Shows::Limit, Entry::WaveOutVolume}, 0x0707, CodecModel::Model3, {},
         "The level of wave and software synth playback as the driver starts.\n"
         "WaveOutVolume level (bits 0-4, 8-12): factory +0.0 dB, now +1.5 dB, changed"},
        {{Shows::Source, Entry::RecordSelect, 4}, 0x0404, CodecModel::Model3, {},
         "Selected: the driver records from Line In until the user picks another input.\n"
         "RecordSelect: factory Stereo Mix, now Line In, changed"},
        {{Shows::Switch, Entry::DisableHeadphone}, 0, CodecModel::Model3, {},
         "Ticked: turns the headphone output off in the driver.\n"
         "DisableHeadphone: factory ticked, now not ticked, changed"},
        {{Shows::Switch, Entry::EnableJackDetect}, 1, CodecModel::Model2, {Greyed::Model3Only},
         "Ticked: lets the driver switch outputs when a plug goes into a jack.\n"
         "EnableJackDetect: factory not ticked, now ticked, changed\n"
         "Greyed: only QM-3/QM-3A has this; under QM-2 Save leaves it out"},
        {{Shows::Switch, Entry::DisableSPDIF}, 0, CodecModel::Model1, {Greyed::Model3Only},
         "Ticked: turns the S/PDIF digital output off in the driver.\n"
         "DisableSPDIF: factory not ticked, now not ticked\n"
         "Greyed: only QM-3/QM-3A has this; it stays as it is under QM-1/1P"},
        {{Shows::Limit, Entry::MicVMax}, 8, CodecModel::Model3, {Greyed::LineDisabled, Entry::DisableMic},
         "The loudest level the driver lets the microphone reach.\nMicVMax: factory +12.0 dB, now +0.0 dB, changed\n"
         "Greyed while the Mic line's \"Disable Line\" box is ticked (DisableMic)"},
        {{}, 0, CodecModel::Model3, {Greyed::NoSetting}, "Greyed: the driver has no such setting for this line"},
    };
    for (const Case& c : cases) {
        custom::EntryTable working;
        custom::CopyDefaults(working);
        if (c.control.entry != Entry::Count) working[c.control.entry].value = c.value;
        EXPECT_EQ(custom::ControlHelpText(c.control, working, c.model, c.greying), c.tip);
    }
    // A switch that greys is named as the dialog shows its box.
    custom::EntryTable factory;
    custom::CopyDefaults(factory);
    const std::pair<Entry, const char*> kSwitches[] = {
        {Entry::DisableSPDIF, "Greyed while the SPDIF line's \"Disable Line\" box is ticked (DisableSPDIF)"},
        {Entry::DisablePCBeep, "Greyed while the PC Speaker line's \"Disable Line\" box is ticked (DisablePCBeep)"},
        {Entry::DisableLineIn, "Greyed while the Line In line's \"Disable Line\" box is ticked (DisableLineIn)"},
        {Entry::DisableMicBoost, "Greyed while the \"Disable Mic Boost\" box is ticked (DisableMicBoost)"},
        {Entry::DisableMic2, "Greyed while the \"Disable Mic2\" box is ticked (DisableMic2)"},
    };
    for (const auto& [off, tip] : kSwitches)
        EXPECT_EQ(custom::ControlHelpText({}, factory, CodecModel::Model3, {Greyed::LineDisabled, off}), tip);
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
