// What no user can do, sent to the real dialog as another program could:
// clicks on greyed and shown-only boxes and on unchecked radios, spin
// notifications with any values, scroll messages from anywhere.
#include "tests/ui/dialog_fixture.h"

#include <climits>

using custom::Entry;

using ForgedInput = DialogTest;

// A greyed button another program clicks moves its own check: the dialog puts it back.
TEST_F(ForgedInput, ClicksOnGreyedButtonsChangeNeitherSettingsNorChecks) {
    for (int id : {IDC_CODEC_QM2, IDC_DISABLE_AUX}) Click(id);  // greys the QM-3 boxes and Select Aux
    for (int id : {IDC_MUTE_CD, IDC_DISABLE_CD, IDC_MUTE_3D, IDC_DISABLE_SPDIF, IDC_JACK_DETECT, IDC_MUTE_HEADPHONE,
                   IDC_DISABLE_MASTER, IDC_MUTE_WAVE, IDC_SELECT_AUX}) {
        Click(id);
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        EXPECT_EQ(ControlOffTheSettings(), 0) << id;
    }
    Click(IDC_DISABLE_AUX);
    EXPECT_TRUE(WorkingEqualsDefaults());
    EXPECT_FALSE(Enabled(IDC_MUTE_SPDIF));
    EXPECT_FALSE(Enabled(IDC_MAXSPIN_3D));
}

// Click notifications that another program sends with a real radio's handle
// while that radio is not checked: no click did them, so nothing follows.
TEST_F(ForgedInput, RadioClicksCannotStoreWhatTheRadiosDoNotShow) {
    const auto forgeClick = [&](int id) {
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, id)));
    };
    for (int id = IDC_SELECT_MIC; id <= IDC_SELECT_PHONE; ++id) forgeClick(id);
    EXPECT_EQ(Value(Entry::RecordSelect), 0x0505u);
    EXPECT_TRUE(Checked(IDC_SELECT_STEREOMIX));

    forgeClick(IDC_CODEC_QM2);
    forgeClick(IDC_CODEC_QM1);
    EXPECT_TRUE(Enabled(IDC_JACK_DETECT));
    Click(IDC_CODEC_QM1);
    forgeClick(IDC_CODEC_QM3);
    EXPECT_FALSE(Enabled(IDC_JACK_DETECT));
    EXPECT_TRUE(WorkingEqualsDefaults());
}

// The model moves a spin from its own position whatever the notification
// claims; records that cannot be read, and sliders and spins without a
// setting or greyed, change nothing.
TEST_F(ForgedInput, SpinNotificationsMoveOnlyFromTheSpinsOwnPosition) {
    for (int id : {IDC_DISABLE_HEADPHONE, IDC_DISABLE_AUX}) Click(id);
    for (int id : {IDC_SLIDER_WAVE, IDC_SLIDER_SWSYNTH, IDC_SLIDER_3D, IDC_SLIDER_SPDIF}) DragSlider(id, 250);
    for (int id : {IDC_MAXSPIN_3D, IDC_MAXSPIN_SPDIF}) SendSpinNotification(id, 5, 1);
    for (int id : {IDC_MAXSPIN_MASTER, IDC_MAXSPIN_WAVE, IDC_RECSPIN_CD, IDC_MAXSPIN_AUX}) {
        EXPECT_EQ(SendSpinNotification(id, 0, INT_MAX), 1) << "the control's own move is refused";
        SendSpinNotification(id, INT_MIN, INT_MIN);
    }
    ::SendMessageW(hwnd, WM_NOTIFY, IDC_MAXSPIN_MASTER, static_cast<LPARAM>(0x10));
    NMUPDOWN lying{};
    lying.hdr = {::GetDlgItem(hwnd, IDC_SLIDER_MASTER), IDC_MAXSPIN_MASTER, UDN_DELTAPOS};
    lying.iDelta = 1;
    ::SendMessageW(hwnd, WM_NOTIFY, IDC_MAXSPIN_MASTER, reinterpret_cast<LPARAM>(&lying));
    for (int id : {IDC_DISABLE_HEADPHONE, IDC_DISABLE_AUX}) Click(id);
    EXPECT_TRUE(WorkingEqualsDefaults());

    SendSpinNotification(IDC_MAXSPIN_MASTER, 20, 3);
    EXPECT_EQ(Value(Entry::MasVMax), 3u);
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_MASTER), 3);
    EXPECT_EQ(Text(IDC_MAXTEXT_MASTER), L"-4.5");
}

TEST_F(ForgedInput, ScrollMessagesCannotMakeALevelLouderThanItsLimit) {
    // Scroll messages from a spin, from a window that is not ours, from nothing.
    const auto master = Value(Entry::MasterVolume);
    ::SendMessageW(hwnd, WM_VSCROLL, TB_BOTTOM, reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, IDC_MAXSPIN_MASTER)));
    ::SendMessageW(hwnd, WM_VSCROLL, TB_BOTTOM, reinterpret_cast<LPARAM>(::GetDesktopWindow()));
    ::SendMessageW(hwnd, WM_VSCROLL, TB_BOTTOM, 0);
    EXPECT_EQ(Value(Entry::MasterVolume), master);

    // Another program widens the Master slider's range and moves the thumb
    // beyond the top or the bottom: the level stays between its limits.
    for (int i = 0; i < 10; ++i) PressSpin(IDC_MAXSPIN_MASTER, false);
    ASSERT_EQ(Value(Entry::MasVMax), 10u);
    const struct { int position; std::uint32_t level; } beyond[] = {
        {-200, 0x0A0A}, {INT_MIN, 0x0A0A}, {300, 0x1F1F}, {INT_MAX, 0x1F1F}};
    HWND slider = ::GetDlgItem(hwnd, IDC_SLIDER_MASTER);
    for (const auto& b : beyond) {
        ::SendMessageW(slider, TBM_SETRANGEMIN, FALSE, INT_MIN);
        ::SendMessageW(slider, TBM_SETRANGEMAX, FALSE, INT_MAX);
        ::SendMessageW(slider, TBM_SETPOS, TRUE, b.position);
        ::SendMessageW(hwnd, WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 0), reinterpret_cast<LPARAM>(slider));
        EXPECT_EQ(Value(Entry::MasterVolume), b.level) << b.position;
    }
}
