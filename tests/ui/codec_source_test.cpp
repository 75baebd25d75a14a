// The Codec radios and the "Select" radios.
#include "tests/ui/dialog_fixture.h"

namespace {

constexpr int kQm3Boxes[] = {IDC_DISABLE_SPDIF, IDC_MUTE_SPDIF, IDC_SPDIF_SRC, IDC_ENABLE_48K_SPDIF,
                             IDC_ENABLE_33V, IDC_JACK_DETECT};
constexpr int kSpdifLine[] = {IDC_MUTE_SPDIF, IDC_SPDIF_SRC, IDC_ENABLE_48K_SPDIF};

}  // namespace

using CodecTest = DialogTest;

TEST_F(CodecTest, OtherModelsGreyTheQm3BoxesAndKeepTheirChecks) {
    Click(IDC_JACK_DETECT);
    Click(IDC_ENABLE_48K_SPDIF);
    for (int model : {IDC_CODEC_QM2, IDC_CODEC_QM1}) {
        Click(model);
        for (int id : kQm3Boxes) EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_TRUE(Checked(IDC_JACK_DETECT));
        EXPECT_TRUE(Checked(IDC_ENABLE_48K_SPDIF));
        EXPECT_FALSE(Checked(IDC_ENABLE_33V));
    }
    Click(IDC_CODEC_QM3);
    for (int id : kQm3Boxes) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_TRUE(Checked(IDC_JACK_DETECT));
}

TEST_F(CodecTest, BackToQm3KeepsTheSpdifLineGreyedWhileItsDisableBoxIsTicked) {
    Click(IDC_DISABLE_SPDIF);
    ASSERT_TRUE(Checked(IDC_DISABLE_SPDIF));
    Click(IDC_CODEC_QM2);
    Click(IDC_CODEC_QM3);
    EXPECT_TRUE(Enabled(IDC_DISABLE_SPDIF));
    EXPECT_TRUE(Enabled(IDC_ENABLE_33V));
    EXPECT_TRUE(Enabled(IDC_JACK_DETECT));
    for (int id : kSpdifLine) EXPECT_FALSE(Enabled(id)) << id;

    Click(IDC_DISABLE_SPDIF);  // unticked
    Click(IDC_CODEC_QM1);
    Click(IDC_CODEC_QM3);
    for (int id : kSpdifLine) EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(CodecTest, ModelChangesNoEntry) {
    Click(IDC_CODEC_QM2);
    Click(IDC_CODEC_QM3);
    EXPECT_TRUE(WorkingEqualsDefaults());
}

using RecordSourceTest = DialogTest;

TEST_F(RecordSourceTest, EachSelectRadioStoresItsSourceInBothChannels) {
    // Left to right in the dialog: Mono Mix, Stereo Mix, AUX, Video, CD, Line In, Mic, Phone.
    const struct { int radio; std::uint32_t recordSelect; } kSources[] = {
        {IDC_SELECT_MONOMIX, 0x0606}, {IDC_SELECT_STEREOMIX, 0x0505}, {IDC_SELECT_AUX, 0x0303},
        {IDC_SELECT_VIDEO, 0x0202},   {IDC_SELECT_CD, 0x0101},        {IDC_SELECT_LINEIN, 0x0404},
        {IDC_SELECT_MIC, 0x0000},     {IDC_SELECT_PHONE, 0x0707},
    };
    for (const auto& source : kSources) {
        Click(source.radio);
        EXPECT_EQ(Value(custom::Entry::RecordSelect), source.recordSelect) << source.radio;
        for (int id = IDC_SELECT_MIC; id <= IDC_SELECT_PHONE; ++id) EXPECT_EQ(Checked(id), id == source.radio);
    }
    Click(IDC_SELECT_PHONE);  // the checked one again: same value
    EXPECT_EQ(Value(custom::Entry::RecordSelect), 0x0707u);
}

TEST_F(RecordSourceTest, DefaultPutsTheSourceBackOnStereoMix) {
    Click(IDC_SELECT_VIDEO);
    Click(IDC_DEFAULT);
    EXPECT_EQ(Value(custom::Entry::RecordSelect), 0x0505u);
    EXPECT_TRUE(Checked(IDC_SELECT_STEREOMIX));
    EXPECT_FALSE(Checked(IDC_SELECT_VIDEO));
}

// Click notifications that another program sends with a real radio's handle
// while that radio is not checked: no click did them, so nothing follows.
TEST_F(RecordSourceTest, ForgedRadioClicksCannotStoreWhatTheRadiosDoNotShow) {
    const auto forgeClick = [&](int id) {
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, id)));
    };
    for (int id = IDC_SELECT_MIC; id <= IDC_SELECT_PHONE; ++id) forgeClick(id);
    EXPECT_EQ(Value(custom::Entry::RecordSelect), 0x0505u);
    EXPECT_TRUE(Checked(IDC_SELECT_STEREOMIX));

    forgeClick(IDC_CODEC_QM2);
    forgeClick(IDC_CODEC_QM1);
    for (int id : kQm3Boxes) EXPECT_TRUE(Enabled(id)) << id;
    Click(IDC_CODEC_QM1);
    forgeClick(IDC_CODEC_QM3);
    for (int id : kQm3Boxes) EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(WorkingEqualsDefaults());
}
