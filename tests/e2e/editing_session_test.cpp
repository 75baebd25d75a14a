// Sessions in which the user edits with the mouse and the keyboard, then
// saves: the exact records of "corvaset.dat".
#include "res/resource.h"
#include "tests/e2e/user_session.h"

using custom::Entry;

TEST_F(UserSession, MutesAndFeatureBoxes) {
    auto& app = Start();
    app.Click(IDC_MUTE_MIC);  // unticks: the Mic starts muted
    app.Click(IDC_MIC_BOOST);
    app.Click(IDC_MIC2_SELECT);
    app.Click(IDC_MUTE_MASTER);
    app.Click(IDC_JACK_DETECT);
    app.Click(IDC_ENABLE_48K_SPDIF);
    app.Click(IDC_MUTE_SPDIF);
    app.Click(IDC_SPDIF_SRC);
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MicVolume, 0x0044}, {Entry::GeneralPurpose, 0x0100},
                                 {Entry::MasterVolume, 0x8404}, {Entry::EnableJackDetect, 1},
                                 {Entry::Enable48KSpdif, 1}, {Entry::SpdifMute, 1}, {Entry::SpdifSrc, 1}});
}

TEST_F(UserSession, LimitsWithTheSpinArrows) {
    auto& app = Start();
    for (int i = 0; i < 5; ++i) app.ClickSpinArrow(IDC_MAXSPIN_MASTER, false);  // the fifth pulls the level down
    app.ClickSpinArrow(IDC_MAXSPIN_WAVE, true);
    for (int i = 0; i < 3; ++i) app.ClickSpinArrow(IDC_RECSPIN_MIC, false);
    app.ClickSpinArrow(IDC_RECSPIN_STEREOMIX, true);  // already full gain: refused
    app.ClickSpinArrow(IDC_MAXSPIN_PCSPEAKER, false);
    app.ClickSpinArrow(IDC_MAXSPIN_CD, true);  // CD's limit starts at 0.0 dB, 12 dB below the top
    EXPECT_EQ(app.Text(IDC_MAXTEXT_MASTER), L"-7.5");
    EXPECT_EQ(app.Text(IDC_MAXTEXT_SWSYNTH), L"+1.5");
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MasVMax, 5}, {Entry::MasterVolume, 0x0505}, {Entry::WaveOutVolume, 0x0707},
                                 {Entry::MicRMax, 12}, {Entry::PCBVMax, 2}, {Entry::ACDVMax, 7}});
}

TEST_F(UserSession, SlidersWithTheKeyboardAndByDragging) {
    auto& app = Start();
    app.FocusSlider(IDC_SLIDER_LINEIN);
    app.PressKey(VK_HOME);
    for (int i = 0; i < 3; ++i) app.PressKey(VK_NEXT);  // four level steps a page: twelve below the top
    EXPECT_EQ(app.SliderPos(IDC_SLIDER_LINEIN), 223);
    app.FocusSlider(IDC_SLIDER_PHONE);
    app.PressKey(VK_HOME);
    app.DragSliderThumb(IDC_SLIDER_MASTER, 400);  // far below the channel: the bottom
    app.DragSliderThumb(IDC_SLIDER_CD, -400);     // far above: the top, CD's limit
    EXPECT_EQ(app.SliderPos(IDC_SLIDER_MASTER), 256);
    EXPECT_EQ(app.Text(IDC_DEFTEXT_MASTER), L"-46.5");
    EXPECT_EQ(app.Text(IDC_DEFTEXT_CD), L"+0.0");
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::LineInVolume, 0x0C0C}, {Entry::PhoneVolume, 0x0000},
                                 {Entry::MasterVolume, 0x1F1F}, {Entry::CDVolume, 0x0808}});
}

TEST_F(UserSession, DisablingLinesAndTheRecordSourceFallback) {
    auto& app = Start();
    app.Click(IDC_DISABLE_HEADPHONE);  // unticks: the Headphone line starts disabled
    EXPECT_TRUE(app.IsEnabled(IDC_SLIDER_HEADPHONE));
    app.Click(IDC_SELECT_MIC);
    app.Click(IDC_DISABLE_AUX);  // moves the source back to Stereo Mix
    EXPECT_TRUE(app.IsChecked(IDC_SELECT_STEREOMIX));
    EXPECT_FALSE(app.IsEnabled(IDC_SELECT_AUX));
    app.Click(IDC_DISABLE_SPDIF);
    app.Click(IDC_CODEC_QM2);  // the S/PDIF switch is written under every model
    app.Click(IDC_DISABLE_MIC_BOOST);
    EXPECT_FALSE(app.IsEnabled(IDC_MIC_BOOST));
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::DisableHeadphone, 0}, {Entry::DisableAUX, 1}, {Entry::DisableSPDIF, 1},
                                 {Entry::DisableMicBoost, 1}});
}

TEST_F(UserSession, Qm1PackageLeavesTheQm3FeaturesOut) {
    auto& app = Start();
    app.Click(IDC_JACK_DETECT);
    app.Click(IDC_ENABLE_33V);
    app.Click(IDC_CODEC_QM1);
    EXPECT_FALSE(app.IsEnabled(IDC_JACK_DETECT));
    app.Click(IDC_MUTE_VIDEO);
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::VideoVolume, 0x8404}});
}

TEST_F(UserSession, LongMixedSessionWithDefaultInTheMiddle) {
    auto& app = Start();
    app.Click(IDC_MUTE_AUX);
    app.ClickSpinArrow(IDC_MAXSPIN_AUX, false);
    app.Click(IDC_SELECT_PHONE);
    app.Click(IDC_DEFAULT);  // all of it undone
    EXPECT_FALSE(app.IsChecked(IDC_MUTE_AUX));

    app.Click(IDC_MUTE_PHONE);
    app.Click(IDC_MUTE_PHONE);  // changed and changed back
    for (int i = 0; i < 10; ++i) app.ClickSpinArrow(IDC_MAXSPIN_VIDEO, false);  // 10 steps: pulls 4 to 10
    app.ClickSpinArrow(IDC_MAXSPIN_VIDEO, true);
    app.ClickSpinArrow(IDC_MAXSPIN_SWSYNTH, false);
    app.ClickSpinArrow(IDC_MAXSPIN_WAVE, false);
    for (int i = 0; i < 16; ++i) app.ClickSpinArrow(IDC_RECSPIN_PHONE, false);  // past the end: 0 dB
    app.Click(IDC_SELECT_LINEIN);
    app.Click(IDC_DISABLE_PCSPEAKER);
    app.Click(IDC_DISABLE_MIC2);
    app.Click(IDC_MIC2_SELECT);  // greyed by "Disable Mic2": nothing happens
    app.Click(IDC_ENABLE_33V);
    app.Click(IDC_CODEC_QM2);
    app.Click(IDC_CODEC_QM3);  // back: 3.3 V is written again
    app.FocusSlider(IDC_SLIDER_AUX);
    app.PressKey(VK_END);
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::VidVMax, 9}, {Entry::VideoVolume, 0x0A0A}, {Entry::WaveOutVolume, 0x0A0A},
                                 {Entry::PhoRMax, 0}, {Entry::RecordSelect, 0x0404}, {Entry::DisablePCBeep, 1},
                                 {Entry::DisableMic2, 1}, {Entry::Enable33VSupport, 1},
                                 {Entry::AUXVolume, 0x1F1F}});
}
