// "Save" when the file cannot be written: the user is told, the dialog stays
// open with the edits, the old file keeps its bytes, and a second "Save"
// after the cause is removed writes the file.
#include "res/resource.h"
#include "tests/e2e/user_session.h"
#include "tests/support/save_obstacles.h"

using custom::Entry;

class SaveObstacle : public UserSession, public ::testing::WithParamInterface<test_support::SaveObstacle> {};

TEST_P(SaveObstacle, ErrorKeepsTheDialogAndTheOldFileThenSaveAgainWorks) {
    const test_support::SaveObstacle& obstacle = GetParam();
    test_support::ObstacleInPlace inPlace(obstacle, folder.Path(), kOldBytes);
    if (!inPlace.SkipReason().empty()) GTEST_SKIP() << inPlace.SkipReason();
    ASSERT_TRUE(inPlace.InPlace());
    UseFolder(inPlace.Folder());
    RememberOldFile();
    const auto listing = test_support::ListFolder(workDir);
    auto& app = Start();
    app.Click(IDC_MUTE_MASTER);

    // An old file that was not opened here is asked about before it is
    // replaced: a full disk shows only after Yes, while writing; the other
    // obstacles are found before anyone is asked, and the retry asks.
    const bool foundWhileWriting = obstacle.kind == test_support::ObstacleKind::FullDisk;
    if (foundWhileWriting) SaveOverUnseenFile(app, IDYES);
    else app.Click(IDOK);
    const auto box = app.AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, obstacle.caption != nullptr ? obstacle.caption : L"corvaset");
    EXPECT_EQ(box->text, obstacle.text(datPath));
    EXPECT_TRUE(box->iconShown);
    EXPECT_FALSE(app.WaitForExit(300)) << "the dialog stays open";
    EXPECT_TRUE(app.IsChecked(IDC_MUTE_MASTER)) << "with the edit";
    EXPECT_EQ(test_support::ListFolder(workDir), listing) << "no temporary file left";

    inPlace.Remove();
    if (obstacle.oldFileKept) ExpectOldFileUntouched();
    const auto records = SaveAndRead(app, obstacle.oldFileKept && !foundWhileWriting);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MasterVolume, 0x8404}});
}

INSTANTIATE_TEST_SUITE_P(Save, SaveObstacle, ::testing::ValuesIn(test_support::kSaveObstacles),
                         [](const auto& info) { return std::string(info.param.name); });
