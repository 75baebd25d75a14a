// corvaset.exe with the keyboard alone: Tab reaches every control, arrows,
// Space and Enter change and save.
#include "tests/e2e/user_session.h"

#include <set>

#include "res/resource.h"

using custom::Entry;

TEST_F(UserSession, KeyboardOnlySessionReachesEveryTabStopAndSaves) {
    auto& app = Start();
    // Once round the tab order: "Save" first, every usable tab stop once.
    const int first = app.FocusedId();
    EXPECT_EQ(first, IDOK);
    std::set<int> reached;
    int presses = 0;
    do {
        reached.insert(app.FocusedId());
        app.PressTab();
    } while (app.FocusedId() != first && ++presses < 100);
    EXPECT_EQ(presses + 1, 55);
    EXPECT_EQ(reached.size(), 55u);
    for (int id : {IDC_MAXSPIN_MASTER, IDC_RECSPIN_PHONE, IDC_MUTE_PCSPEAKER, IDC_DISABLE_HEADPHONE,
                   IDC_SLIDER_AUX, IDC_SELECT_STEREOMIX, IDC_CODEC_QM3, IDC_DEFAULT})
        EXPECT_EQ(reached.count(id), 1u) << id;

    // In tab order: each control's keys, then on to the next.
    struct Keys {
        int control;
        WORD keys[5];
    };
    const Keys session[] = {
        {IDC_MAXSPIN_MASTER, {VK_DOWN}},          // limit -1.5
        {IDC_MAXSPIN_WAVE, {VK_UP}},              // Wave and SW Synth +1.5
        {IDC_MAXSPIN_PCSPEAKER, {VK_END, VK_PRIOR}},  // limit -33.0, level pulled to -45.0
        // Levels no slider position shows: End is the quietest allowed, each Up a step louder.
        {IDC_SLIDER_MASTER, {VK_END, VK_UP, VK_UP, VK_UP, VK_UP}},  // -40.5
        {IDC_SLIDER_AUX, {VK_END, VK_UP}},                          // -33.0
        {IDC_SLIDER_LINEIN, {VK_DOWN, VK_NEXT}},  // five level steps: +4.5, then -1.5
        {IDC_MUTE_MASTER, {VK_SPACE}},
        {IDC_RECSPIN_MIC, {VK_DOWN}},             // +21.0
    };
    for (const auto& step : session) {
        ASSERT_TRUE(app.TabTo(step.control)) << step.control;
        for (WORD key : step.keys)
            if (key != 0) app.PressKey(key);
    }
    EXPECT_EQ(app.TextOnceItIs(IDC_DEFTEXT_LINEIN, L"-1.5"), L"-1.5");
    EXPECT_EQ(app.Text(IDC_DEFTEXT_MASTER), L"-40.5");
    app.PressKey(VK_RETURN);  // "Save", the default button
    const auto box = app.AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, L"SUCCESS");
    ASSERT_TRUE(app.WaitForExit());
    const auto bytes = test_support::ReadFileBytes(datPath);
    ASSERT_TRUE(bytes.has_value());
    const auto records = custom::DecodeCustomFile(bytes->data(), bytes->size());
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MasVMax, 1},
                                {Entry::MasterVolume, 0x9B1B},
                                {Entry::AUXVolume, 0x1E1E},
                                {Entry::WaveOutVolume, 0x0707},
                                {Entry::PCBVMax, 22},
                                {Entry::BeepVolume, 0x001E},
                                {Entry::LineInVolume, 0x0909},
                                {Entry::MicRMax, 14}});
}

// One arrow press is one step of the level a slider shows, on every slider
// the user can move, both ways.
TEST_F(UserSession, OneArrowPressIsOneLevelStepOnEverySlider) {
    struct Slider {
        int slider;
        int text;
        const wchar_t* down;    // after one Down from the start
        const wchar_t* upUp;    // after two Ups from there
    };
    const Slider sliders[] = {
        {IDC_SLIDER_MASTER, IDC_DEFTEXT_MASTER, L"-7.5", L"-4.5"},
        {IDC_SLIDER_AUX, IDC_DEFTEXT_AUX, L"+4.5", L"+7.5"},
        {IDC_SLIDER_VIDEO, IDC_DEFTEXT_VIDEO, L"+4.5", L"+7.5"},
        {IDC_SLIDER_CD, IDC_DEFTEXT_CD, L"-7.5", L"-4.5"},
        {IDC_SLIDER_LINEIN, IDC_DEFTEXT_LINEIN, L"+4.5", L"+7.5"},
        {IDC_SLIDER_MIC, IDC_DEFTEXT_MIC, L"+4.5", L"+7.5"},
        {IDC_SLIDER_PHONE, IDC_DEFTEXT_PHONE, L"+4.5", L"+7.5"},
        {IDC_SLIDER_PCSPEAKER, IDC_DEFTEXT_PCSPEAKER, L"-9.0", L"-3.0"},
    };
    auto& app = Start();
    for (const auto& s : sliders) {
        SCOPED_TRACE(s.slider);
        ASSERT_TRUE(app.TabTo(s.slider));
        app.PressKey(VK_DOWN);
        EXPECT_EQ(app.TextOnceItIs(s.text, s.down), s.down);
        app.PressKey(VK_UP);
        app.PressKey(VK_UP);
        EXPECT_EQ(app.TextOnceItIs(s.text, s.upUp), s.upUp);
    }
}
