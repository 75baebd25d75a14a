// Sessions that choose record sources and codec models, then save.
#include "res/resource.h"
#include "tests/e2e/user_session.h"

using custom::Entry;

TEST_F(UserSession, MicAsRecordSourceIsSavedAsPresentZero) {
    auto& app = Start();
    app.Click(IDC_SELECT_MIC);
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::RecordSelect, 0x0000}});
}

TEST_F(UserSession, RecordSourceIsSavedUnderEveryCodecModel) {
    auto& app = Start();
    app.Click(IDC_SELECT_MONOMIX);
    app.Click(IDC_CODEC_QM2);
    app.Click(IDC_SELECT_CD);
    app.Click(IDC_CODEC_QM1);
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::RecordSelect, 0x0101}});
}

TEST_F(UserSession, SourceChosenAndChosenBackIsNothingToSave) {
    auto& app = Start();
    app.Click(IDC_SELECT_PHONE);
    app.Click(IDC_SELECT_STEREOMIX);
    SaveExpectingNothing(app);
    EXPECT_FALSE(test_support::FileExists(datPath));
}

TEST_F(UserSession, DefaultUndoesTheSourceButKeepsTheModel) {
    auto& app = Start();
    app.Click(IDC_CODEC_QM2);
    app.Click(IDC_SELECT_AUX);
    app.Click(IDC_DEFAULT);
    EXPECT_EQ(::IsDlgButtonChecked(app.Dialog(), IDC_CODEC_QM2), BST_CHECKED);
    EXPECT_EQ(::IsDlgButtonChecked(app.Dialog(), IDC_SELECT_STEREOMIX), BST_CHECKED);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(app.Dialog(), IDC_JACK_DETECT)));
    SaveExpectingNothing(app);
}
