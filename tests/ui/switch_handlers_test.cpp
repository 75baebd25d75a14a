// The "Mute", feature and "Disable" boxes, clicked as a user would.
#include "tests/ui/dialog_fixture.h"

#include <set>

using custom::Entry;

class SwitchTest : public DialogTest {
protected:
    // The IDs of the dialog's enabled controls.
    std::set<int> EnabledControls() const {
        std::set<int> ids;
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
            if (::IsWindowEnabled(child)) ids.insert(::GetDlgCtrlID(child));
        return ids;
    }
    static std::set<int> Changed(const std::set<int>& a, const std::set<int>& b) {
        std::set<int> changed;
        for (int id : a)
            if (!b.count(id)) changed.insert(id);
        for (int id : b)
            if (!a.count(id)) changed.insert(id);
        return changed;
    }
};

// Every box whose click writes its state, with the bit it owns (1 for a
// switch byte): ticking and unticking flips exactly that bit and back.
TEST_F(SwitchTest, EachSwitchBoxWritesOnlyItsOwnBitOrByte) {
    const struct { int box; Entry entry; std::uint32_t bit; } kBoxes[] = {
        {IDC_MUTE_MASTER, Entry::MasterVolume, 0x8000},   {IDC_MUTE_HEADPHONE, Entry::HeadphoneVolume, 0x8000},
        {IDC_MUTE_SPDIF, Entry::SpdifMute, 1},            {IDC_MUTE_AUX, Entry::AUXVolume, 0x8000},
        {IDC_MUTE_VIDEO, Entry::VideoVolume, 0x8000},     {IDC_MUTE_LINEIN, Entry::LineInVolume, 0x8000},
        {IDC_MUTE_MIC, Entry::MicVolume, 0x8000},         {IDC_MUTE_PHONE, Entry::PhoneVolume, 0x8000},
        {IDC_MUTE_PCSPEAKER, Entry::BeepVolume, 0x8000},  {IDC_SPDIF_SRC, Entry::SpdifSrc, 1},
        {IDC_MIC2_SELECT, Entry::GeneralPurpose, 0x100},  {IDC_MIC_BOOST, Entry::MicVolume, 0x40},
        {IDC_JACK_DETECT, Entry::EnableJackDetect, 1},    {IDC_ENABLE_33V, Entry::Enable33VSupport, 1},
        {IDC_ENABLE_48K_SPDIF, Entry::Enable48KSpdif, 1},
    };
    Click(IDC_DISABLE_HEADPHONE);  // frees the Headphone "Mute" box
    for (const auto& b : kBoxes) {
        SCOPED_TRACE(b.box);
        const auto before = dialog.WorkingEntryTable();
        Click(b.box);
        for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
            const std::uint32_t flipped = i == custom::IndexOf(b.entry) ? b.bit : 0;
            EXPECT_EQ(dialog.WorkingEntryTable()[i].value, before[i].value ^ flipped) << before[i].key;
        }
        Click(b.box);
        EXPECT_EQ(Value(b.entry), before[b.entry].value);
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

// Every "Disable Line" box and the two "Disable Control" boxes: exactly
// the listed controls change state, and a recordable line's "Select" radio
// is greyed with the source moved to Stereo Mix.
TEST_F(SwitchTest, DisablingBoxesGreyTheirControlsAndMoveTheSourceOffTheLine) {
    const struct {
        int box;
        Entry flag;
        std::set<int> controls;
        int selectRadio;
    } kLines[] = {
        {IDC_DISABLE_SPDIF, Entry::DisableSPDIF, {IDC_MUTE_SPDIF, IDC_SPDIF_SRC, IDC_ENABLE_48K_SPDIF}, 0},
        {IDC_DISABLE_PCSPEAKER, Entry::DisablePCBeep,
         {IDC_MAXTEXT_PCSPEAKER, IDC_MAXSPIN_PCSPEAKER, IDC_SLIDER_PCSPEAKER, IDC_DEFTEXT_PCSPEAKER, IDC_MUTE_PCSPEAKER}, 0},
        {IDC_DISABLE_AUX, Entry::DisableAUX,
         {IDC_MAXTEXT_AUX, IDC_MAXSPIN_AUX, IDC_SLIDER_AUX, IDC_DEFTEXT_AUX, IDC_MUTE_AUX, IDC_RECTEXT_AUX,
          IDC_RECSPIN_AUX}, IDC_SELECT_AUX},
        {IDC_DISABLE_VIDEO, Entry::DisableVideo,
         {IDC_MAXTEXT_VIDEO, IDC_MAXSPIN_VIDEO, IDC_SLIDER_VIDEO, IDC_DEFTEXT_VIDEO, IDC_MUTE_VIDEO, IDC_RECTEXT_VIDEO,
          IDC_RECSPIN_VIDEO}, IDC_SELECT_VIDEO},
        {IDC_DISABLE_LINEIN, Entry::DisableLineIn,
         {IDC_MAXTEXT_LINEIN, IDC_MAXSPIN_LINEIN, IDC_SLIDER_LINEIN, IDC_DEFTEXT_LINEIN, IDC_MUTE_LINEIN,
          IDC_RECTEXT_LINEIN, IDC_RECSPIN_LINEIN}, IDC_SELECT_LINEIN},
        {IDC_DISABLE_MIC, Entry::DisableMic,
         {IDC_MAXTEXT_MIC, IDC_MAXSPIN_MIC, IDC_SLIDER_MIC, IDC_DEFTEXT_MIC, IDC_MUTE_MIC, IDC_RECTEXT_MIC,
          IDC_RECSPIN_MIC, IDC_MIC2_SELECT, IDC_MIC_BOOST, IDC_DISABLE_MIC2, IDC_DISABLE_MIC_BOOST}, IDC_SELECT_MIC},
        {IDC_DISABLE_PHONE, Entry::DisablePhone,
         {IDC_MAXTEXT_PHONE, IDC_MAXSPIN_PHONE, IDC_SLIDER_PHONE, IDC_DEFTEXT_PHONE, IDC_MUTE_PHONE,
          IDC_RECTEXT_PHONE, IDC_RECSPIN_PHONE}, IDC_SELECT_PHONE},
        {IDC_DISABLE_HEADPHONE, Entry::DisableHeadphone,
         {IDC_MAXTEXT_HEADPHONE, IDC_MAXSPIN_HEADPHONE, IDC_SLIDER_HEADPHONE, IDC_DEFTEXT_HEADPHONE,
          IDC_MUTE_HEADPHONE}, 0},
        {IDC_DISABLE_MIC2, Entry::DisableMic2, {IDC_MIC2_SELECT}, 0},
        {IDC_DISABLE_MIC_BOOST, Entry::DisableMicBoost, {IDC_MIC_BOOST}, 0},
    };
    for (const auto& line : kLines) {
        SCOPED_TRACE(line.box);
        Click(IDC_DEFAULT);
        Click(IDC_SELECT_MIC);
        const bool wasTicked = Checked(line.box);
        std::set<int> expected = line.controls;
        if (line.selectRadio != 0) expected.insert(line.selectRadio);

        const std::set<int> enabledBefore = EnabledControls();
        Click(line.box);
        EXPECT_EQ(Value(line.flag), wasTicked ? 0u : 1u);
        EXPECT_EQ(Changed(enabledBefore, EnabledControls()), expected);
        for (int id : line.controls) EXPECT_EQ(Enabled(id), wasTicked) << id;
        if (line.selectRadio != 0) {
            EXPECT_EQ(Value(Entry::RecordSelect), 0x0505u) << "moved to Stereo Mix";
            EXPECT_TRUE(Checked(IDC_SELECT_STEREOMIX));
        } else {
            EXPECT_EQ(Value(Entry::RecordSelect), 0x0000u) << "the source stays";
        }

        Click(line.box);
        EXPECT_EQ(Value(line.flag), wasTicked ? 1u : 0u);
        EXPECT_EQ(EnabledControls(), enabledBefore);
        if (line.selectRadio != 0) {
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
