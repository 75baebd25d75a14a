// The "Mute", feature and "Disable" boxes, clicked as a user would.
#include "tests/ui/dialog_fixture.h"

#include "dialog/columns.h"

using custom::Entry;
using namespace columns;

using SwitchTest = DialogTest;

// Every box whose click writes its state: ticking and unticking gives back
// exactly the value before, and only the box's own bit or byte changes.
TEST_F(SwitchTest, EachSwitchBoxWritesOnlyItsOwnBitOrByte) {
    Click(IDC_DISABLE_HEADPHONE);  // frees the Headphone "Mute" box
    for (const auto& box : kCheckBoxes) {
        if (!box.clickWrites) continue;
        SCOPED_TRACE(custom::DefaultEntryTable[box.entry].key);
        const std::uint32_t before = Value(box.entry);
        const bool wasTicked = Checked(box.box);
        Click(box.box);
        const std::uint32_t mask = box.shows == Shows::Switch ? 0xFFu : 1u << box.bit;
        EXPECT_EQ(Value(box.entry) & ~mask, before & ~mask);
        EXPECT_NE(Value(box.entry), before);
        if (box.shows == Shows::Switch) {
            EXPECT_EQ(Value(box.entry), wasTicked ? 0u : 1u);
        }
        Click(box.box);
        EXPECT_EQ(Value(box.entry), before);
    }
}

TEST_F(SwitchTest, MicMuteAndBoostAreIndependentBits) {
    Click(IDC_MUTE_MIC);
    EXPECT_EQ(Value(Entry::MicVolume), 0x0004u);
    Click(IDC_MIC_BOOST);
    EXPECT_EQ(Value(Entry::MicVolume), 0x0044u);
    Click(IDC_MUTE_MIC);
    EXPECT_EQ(Value(Entry::MicVolume), 0x8044u);
    Click(IDC_MIC2_SELECT);
    EXPECT_EQ(Value(Entry::GeneralPurpose), 0x0100u);
    EXPECT_TRUE(Checked(IDC_MUTE_3D)) << "the 3D bit is not touched";
}

// Every "Disable Line" box and the two "Disable Control" boxes.
TEST_F(SwitchTest, DisablingBoxesGreyTheirControlsAndMoveTheSourceOffTheLine) {
    for (const auto& line : kDisablingBoxes) {
        SCOPED_TRACE(custom::DefaultEntryTable[line.flag].key);
        Click(IDC_DEFAULT);
        Click(IDC_SELECT_MIC);
        const bool wasTicked = Checked(line.box);
        Click(line.box);
        const bool ticked = !wasTicked;
        EXPECT_EQ(Value(line.flag), ticked ? 1u : 0u);
        for (int id : line.controls) EXPECT_EQ(Enabled(id), !ticked) << id;
        if (line.selectRadio != 0) {
            EXPECT_EQ(Enabled(line.selectRadio), !ticked);
            EXPECT_EQ(Value(Entry::RecordSelect), 0x0505u) << "moved to Stereo Mix";
            EXPECT_TRUE(Checked(IDC_SELECT_STEREOMIX));
        } else {
            EXPECT_EQ(Value(Entry::RecordSelect), 0x0000u) << "the source stays";
        }
        Click(line.box);
        EXPECT_EQ(Value(line.flag), wasTicked ? 1u : 0u);
        for (int id : line.controls) EXPECT_EQ(Enabled(id), wasTicked ? false : true) << id;
        if (line.selectRadio != 0) {
            EXPECT_TRUE(Enabled(line.selectRadio));
            EXPECT_EQ(Value(Entry::RecordSelect), 0x0505u) << "the source does not come back";
        }
    }
}

TEST_F(SwitchTest, MicLineRespectsTheDisableMic2AndMicBoostBoxes) {
    Click(IDC_DISABLE_MIC2);
    EXPECT_FALSE(Enabled(IDC_MIC2_SELECT));
    Click(IDC_DISABLE_MIC);
    Click(IDC_DISABLE_MIC);
    EXPECT_FALSE(Enabled(IDC_MIC2_SELECT)) << "still held by Disable Mic2";
    EXPECT_TRUE(Enabled(IDC_MIC_BOOST));
    EXPECT_TRUE(Enabled(IDC_DISABLE_MIC2));
    EXPECT_TRUE(Checked(IDC_DISABLE_MIC2));
}

TEST_F(SwitchTest, TwoRecordableLinesDisabledGreyBothRadios) {
    Click(IDC_SELECT_VIDEO);
    Click(IDC_DISABLE_VIDEO);
    Click(IDC_DISABLE_AUX);
    EXPECT_FALSE(Enabled(IDC_SELECT_VIDEO));
    EXPECT_FALSE(Enabled(IDC_SELECT_AUX));
    EXPECT_TRUE(Enabled(IDC_SELECT_MIC));
    EXPECT_EQ(Value(Entry::RecordSelect), 0x0505u);
}

TEST_F(SwitchTest, HeadphoneUntickedIsACustomization) {
    Click(IDC_DISABLE_HEADPHONE);
    EXPECT_EQ(Value(Entry::DisableHeadphone), 0u);
    for (int id : {1092, 1042, 1012, 1093, 1044}) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_TRUE(custom::AnyCustomized(dialog.WorkingEntryTable(), custom::CodecModel::Model1));
}

// Clicks that no user can make: on greyed boxes and on display-only boxes.
TEST_F(SwitchTest, ForgedClicksOnGreyedOrDisplayOnlyBoxesChangeNothing) {
    Click(IDC_CODEC_QM2);  // greys the QM-3 boxes
    for (int id : {IDC_MUTE_CD, IDC_DISABLE_CD, IDC_MUTE_3D, IDC_DISABLE_SPDIF, IDC_JACK_DETECT, IDC_MUTE_HEADPHONE,
                   IDC_DISABLE_MASTER, IDC_MUTE_WAVE}) {
        HWND box = ::GetDlgItem(hwnd, id);
        ::SendMessageW(box, BM_SETCHECK, !::SendMessageW(box, BM_GETCHECK, 0, 0), 0);
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    EXPECT_TRUE(WorkingEqualsDefaults());
    EXPECT_FALSE(Enabled(IDC_MUTE_SPDIF));
    EXPECT_FALSE(Enabled(IDC_MAXSPIN_HEADPHONE));
}
