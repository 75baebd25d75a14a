// The sliders and the "Max Volume (dB)" spins, driven through the real
// controls: mouse presses on spin arrows, keys and drags on sliders.
#include "tests/ui/dialog_fixture.h"

#include <climits>

#include "tests/ui/expected_lines.h"

using custom::Entry;

class LevelTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        // Free the Headphone line so that every level column can be used.
        Click(IDC_DISABLE_HEADPHONE);
        ASSERT_EQ(Value(Entry::DisableHeadphone), 0u);
    }
};

TEST_F(LevelTest, MasterSpinLowersTheLimitAndPullsTheLevelDown) {
    PressSpin(IDC_MAXSPIN_MASTER, true);  // already at the loudest limit: refused
    EXPECT_EQ(Value(Entry::MasVMax), 0u);
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_MASTER), 0);
    EXPECT_EQ(Text(IDC_MAXTEXT_MASTER), L"+0.0");

    PressSpin(IDC_MAXSPIN_MASTER, false);
    EXPECT_EQ(Value(Entry::MasVMax), 1u);
    EXPECT_EQ(Text(IDC_MAXTEXT_MASTER), L"-1.5");
    EXPECT_EQ(Value(Entry::MasterVolume), 0x0404u);
    EXPECT_EQ(SliderPos(IDC_SLIDER_MASTER), 103);
    EXPECT_EQ(Text(IDC_DEFTEXT_MASTER), L"-6.0");

    for (int i = 0; i < 4; ++i) PressSpin(IDC_MAXSPIN_MASTER, false);
    EXPECT_EQ(Value(Entry::MasVMax), 5u);
    EXPECT_EQ(Value(Entry::MasterVolume), 0x0505u);
    EXPECT_EQ(Text(IDC_DEFTEXT_MASTER), L"-7.5");
    EXPECT_EQ(SliderPos(IDC_SLIDER_MASTER), 0);

    PressSpin(IDC_MAXSPIN_MASTER, true);
    EXPECT_EQ(Value(Entry::MasVMax), 4u);
    EXPECT_EQ(Text(IDC_MAXTEXT_MASTER), L"-6.0");
    EXPECT_EQ(Value(Entry::MasterVolume), 0x0505u);
    EXPECT_EQ(SliderPos(IDC_SLIDER_MASTER), 40);
}

// Every level column: the spin runs its whole range, pulls the level along
// and keeps the mute bit and bits 5-7; the slider reaches both limits.
TEST_F(LevelTest, EveryColumnsSpinAndSliderStayWithinTheirLimits) {
    for (const auto& c : kExpectedLines) {
        SCOPED_TRACE(c.name);
        auto& level = dialog.WorkingEntryTable()[c.level];
        level.value |= 0x80E0;  // muted, with bits 5-7 set
        const std::uint32_t kept = level.value & ~std::uint32_t{0x1F1F};

        int presses = 0;
        for (; presses < 40 && SpinPos(c.maxSpin) < 31 - (c.spinStep - 1); ++presses) PressSpin(c.maxSpin, false);
        const std::uint32_t quietest = c.spinStep == 2 ? 30u : 31u;
        EXPECT_EQ(Value(c.maxLevel), quietest);
        PressSpin(c.maxSpin, false);  // beyond the range: refused
        EXPECT_EQ(Value(c.maxLevel), quietest);
        EXPECT_EQ(level.value & 0x1F, quietest) << "level pulled down to the limit";
        EXPECT_EQ((level.value >> 8) & 0x1F, c.stereo ? quietest : 0u);
        EXPECT_EQ(level.value & ~std::uint32_t{0x1F1F}, kept);
        EXPECT_EQ(SliderPos(c.slider), 0);

        while (SpinPos(c.maxSpin) > 0) PressSpin(c.maxSpin, true);
        EXPECT_EQ(Value(c.maxLevel), 0u);
        EXPECT_EQ(level.value & 0x1F, quietest) << "a louder limit leaves the level";

        SliderKey(c.slider, VK_HOME);
        EXPECT_EQ(level.value & 0x1F, 0u);
        SliderKey(c.slider, VK_END);
        EXPECT_EQ(level.value & 0x1F, 31u) << "clamped to the min-level row";
        EXPECT_EQ(Text(c.defaultText), c.quietestText);
        // Muted, bits 5-7 kept, both level fields (or the one) at 31.
        EXPECT_EQ(level.value, c.stereo ? 0x9FFFu : 0x80FFu);
    }
}

TEST_F(LevelTest, SliderKeysAndDragsSetTheLevelFromThePosition) {
    SliderKey(IDC_SLIDER_LINEIN, VK_NEXT);  // one page (52) down from 127
    EXPECT_EQ(SliderPos(IDC_SLIDER_LINEIN), 179);
    EXPECT_EQ(Value(Entry::LineInVolume), 0x0707u);  // 179 lies in the 7-step range
    EXPECT_EQ(Text(IDC_DEFTEXT_LINEIN), L"+1.5");

    DragSlider(IDC_SLIDER_MIC, 21);
    EXPECT_EQ(Value(Entry::MicVolume), 0x8000u);  // top range: 0 steps; mute kept, right byte only
    EXPECT_EQ(Text(IDC_DEFTEXT_MIC), L"+12.0");
    EXPECT_EQ(SliderPos(IDC_SLIDER_MIC), 21) << "the thumb stays where it was left";
    DragSlider(IDC_SLIDER_MIC, 22);
    EXPECT_EQ(Value(Entry::MicVolume), 0x8001u);
}

TEST_F(LevelTest, PcSpeakerMovesInThreeDecibelStepsAndItsSliderKeepsBitZero) {
    PressSpin(IDC_MAXSPIN_PCSPEAKER, false);
    EXPECT_EQ(Value(Entry::PCBVMax), 2u);
    EXPECT_EQ(Text(IDC_MAXTEXT_PCSPEAKER), L"-3.0");
    EXPECT_EQ(Value(Entry::BeepVolume), 0x0004u);
    EXPECT_EQ(SliderPos(IDC_SLIDER_PCSPEAKER), 74);
    PressSpin(IDC_MAXSPIN_PCSPEAKER, true);

    SliderKey(IDC_SLIDER_PCSPEAKER, VK_END);
    EXPECT_EQ(Value(Entry::BeepVolume), 0x001Fu);  // clamped to the odd min-level row
    EXPECT_EQ(Text(IDC_DEFTEXT_PCSPEAKER), L"-45.0");
    DragSlider(IDC_SLIDER_PCSPEAKER, 127);  // 4 steps: -6.0, and the old bit 0 survives
    EXPECT_EQ(Value(Entry::BeepVolume), 0x0005u);
    EXPECT_EQ(Text(IDC_DEFTEXT_PCSPEAKER), L"-6.0");

    for (int i = 0; i < 3; ++i) PressSpin(IDC_MAXSPIN_PCSPEAKER, false);  // limit 6 pulls the level, clearing bit 0
    EXPECT_EQ(Value(Entry::PCBVMax), 6u);
    EXPECT_EQ(Value(Entry::BeepVolume), 0x0006u);
}

TEST_F(LevelTest, WaveAndSwSynthSpinsShareTheOutputLevel) {
    PressSpin(IDC_MAXSPIN_WAVE, true);
    EXPECT_EQ(Value(Entry::WaveOutVolume), 0x0707u);
    EXPECT_EQ(Text(IDC_MAXTEXT_WAVE), L"+1.5");
    EXPECT_EQ(Text(IDC_MAXTEXT_SWSYNTH), L"+1.5");
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_SWSYNTH), 7);

    PressSpin(IDC_MAXSPIN_SWSYNTH, false);
    PressSpin(IDC_MAXSPIN_SWSYNTH, false);
    EXPECT_EQ(Value(Entry::WaveOutVolume), 0x0909u);
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_WAVE), 9);
    EXPECT_EQ(Text(IDC_MAXTEXT_WAVE), L"-1.5");
}

TEST_F(LevelTest, EveryRecordSpinRunsFromFullGainToNone) {
    for (const auto& c : kExpectedRecordLines) {
        SCOPED_TRACE(c.maxSpin);
        PressSpin(c.maxSpin, true);
        EXPECT_EQ(Value(c.maxGain), 15u);
        PressSpin(c.maxSpin, false);
        EXPECT_EQ(Value(c.maxGain), 14u);
        EXPECT_EQ(Text(c.maxText), L"+21.0");
        for (int i = 0; i < 20; ++i) PressSpin(c.maxSpin, false);
        EXPECT_EQ(Value(c.maxGain), 0u);
        EXPECT_EQ(SpinPos(c.maxSpin), 15);
        EXPECT_EQ(Text(c.maxText), L"+0.0");
    }
}

TEST_F(LevelTest, InertSlidersAndSpinsChangeNothing) {
    for (int id : {IDC_SLIDER_WAVE, IDC_SLIDER_SWSYNTH, IDC_SLIDER_3D, IDC_SLIDER_SPDIF}) DragSlider(id, 250);
    for (int id : {IDC_MAXSPIN_3D, IDC_MAXSPIN_SPDIF}) SendSpinNotification(id, 5, 1);
    Click(IDC_DISABLE_HEADPHONE);  // back to the factory value
    EXPECT_TRUE(WorkingEqualsDefaults());
}

// Notifications no user can produce: spin presses with any values, scroll
// messages from controls that are not live sliders or from a slider whose
// range another program changed.
TEST_F(LevelTest, ForgedSpinPressesMoveOnlyFromTheSpinsOwnPosition) {
    // Deltas that leave the range from where each spin stands, some of
    // which wrap into it in 32 bits; the reported position does not count.
    const int outside[][2] = {{0, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MAX, 40}, {5, -9},
                              {0, INT_MIN}, {31, 32}, {INT_MIN, -9}, {16, 100}};
    const auto before = dialog.WorkingEntryTable();
    for (const auto& e : outside) {
        for (const auto& c : kExpectedLines) EXPECT_EQ(SendSpinNotification(c.maxSpin, e[0], e[1]), 1);
        for (int spin : {IDC_MAXSPIN_WAVE, IDC_MAXSPIN_SWSYNTH}) SendSpinNotification(spin, e[0], e[1]);
        for (const auto& c : kExpectedRecordLines) SendSpinNotification(c.maxSpin, e[0], e[1]);
    }
    for (std::size_t i = 0; i < custom::kEntryCount; ++i)
        EXPECT_EQ(dialog.WorkingEntryTable()[i].value, before[i].value) << before[i].key;

    // A press that claims another position moves from where the spin is,
    // and the spin, its text and the table agree afterwards.
    SendSpinNotification(IDC_MAXSPIN_MASTER, 20, 3);
    EXPECT_EQ(Value(Entry::MasVMax), 3u);
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_MASTER), 3);
    EXPECT_EQ(Text(IDC_MAXTEXT_MASTER), L"-4.5");
    SendSpinNotification(IDC_RECSPIN_CD, 12, 2);  // from the top (row 15) two steps down
    EXPECT_EQ(Value(Entry::ACDRMax), 13u);
    EXPECT_EQ(SpinPos(IDC_RECSPIN_CD), 2);
    EXPECT_EQ(Text(IDC_RECTEXT_CD), L"+19.5");
    SendSpinNotification(IDC_MAXSPIN_SWSYNTH, 0, -1);  // Wave's level 8, one step louder
    EXPECT_EQ(Value(Entry::WaveOutVolume), 0x0707u);
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_WAVE), 7);
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_SWSYNTH), 7);

    // An unreadable notification record and a header naming another control.
    ::SendMessageW(hwnd, WM_NOTIFY, IDC_MAXSPIN_MASTER, static_cast<LPARAM>(0x10));
    NMUPDOWN lying{};
    lying.hdr = {::GetDlgItem(hwnd, IDC_SLIDER_MASTER), IDC_MAXSPIN_MASTER, UDN_DELTAPOS};
    lying.iPos = 3;
    lying.iDelta = 1;
    ::SendMessageW(hwnd, WM_NOTIFY, IDC_MAXSPIN_MASTER, reinterpret_cast<LPARAM>(&lying));
    EXPECT_EQ(Value(Entry::MasVMax), 3u);
}

TEST_F(LevelTest, ForgedScrollMessagesCannotMakeALevelLouderThanItsLimit) {
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

// A thumb the program placed keeps its level when the user clicks it
// without moving it, on every scale; moving it away and back converts.
TEST_F(LevelTest, ClickingAPlacedThumbKeepsTheLevel) {
    for (const auto& c : kExpectedLines) {
        SCOPED_TRACE(c.name);
        SliderKey(c.slider, VK_END);
        const std::uint32_t quietest = Value(c.level);
        PressSpin(c.maxSpin, false);
        PressSpin(c.maxSpin, true);  // the thumb is placed again
        const int placed = SliderPos(c.slider);
        DragSlider(c.slider, placed);  // pressed and let go where it is
        EXPECT_EQ(Value(c.level), quietest);
        EXPECT_EQ(Text(c.defaultText), c.quietestText);
    }
    // Master's thumb sits at 254 for -46.5 dB; moved away and back it reads
    // 254 as any other position.
    ASSERT_EQ(SliderPos(IDC_SLIDER_MASTER), 254);
    DragSlider(IDC_SLIDER_MASTER, 200);
    DragSlider(IDC_SLIDER_MASTER, 254);
    EXPECT_EQ(Text(IDC_DEFTEXT_MASTER), L"-42.0");
}
