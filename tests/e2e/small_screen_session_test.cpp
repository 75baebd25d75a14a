// The null driver's 1024 x 768 screen is smaller than the dialog: a whole
// session done with the mouse alone, the scroll bars included.
#include "tests/e2e/user_session.h"

#include "res/resource.h"

using custom::Entry;

TEST_F(UserSession, SmallScreenSessionWithTheMouseAlone) {
    auto& app = Start();
    const RECT window = app.WindowRect();
    EXPECT_TRUE(window.left >= 0 && window.top >= 0 && window.right <= ::GetSystemMetrics(SM_CXSCREEN) &&
                window.bottom <= ::GetSystemMetrics(SM_CYSCREEN));

    app.Click(IDC_CODEC_QM2);                       // far right
    app.Click(IDC_DISABLE_HEADPHONE);               // frees the Headphone line
    app.DragSliderThumb(IDC_SLIDER_HEADPHONE, -400);  // to its limit, +0.0 dB
    app.ClickSpinArrow(IDC_RECSPIN_PHONE, false);   // +21.0 dB
    app.Click(IDC_MUTE_MASTER);                     // far left
    EXPECT_TRUE(app.IsChecked(IDC_CODEC_QM2));
    const auto records = SaveAndRead(app);          // "Save", at the bottom
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MasterVolume, 0x8404}, {Entry::HeadphoneVolume, 0x0000},
                                 {Entry::DisableHeadphone, 0}, {Entry::PhoRMax, 14}});
    EXPECT_GT(app.ScrollClicks(), 0);
    EXPECT_EQ(app.KeyboardFallbacks(), 0) << "every control was reached with the mouse";
}
