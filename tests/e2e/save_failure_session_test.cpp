// "Save" when the file cannot be written: the user is told, the dialog stays
// open with the edits, the old file keeps its bytes, and a second "Save"
// after the cause is removed writes the file.
#include "res/resource.h"
#include "tests/e2e/user_session.h"

using custom::Entry;

namespace {

struct Obstacle {
    const char* name;
    void (*make)(const std::wstring& dat, HANDLE* lock);
    void (*remove)(const std::wstring& dat, HANDLE* lock);
};

const Obstacle kObstacles[] = {
    {"ReadOnlyFile",
     [](const std::wstring& dat, HANDLE*) { ::SetFileAttributesW(dat.c_str(), FILE_ATTRIBUTE_READONLY); },
     [](const std::wstring& dat, HANDLE*) { ::SetFileAttributesW(dat.c_str(), FILE_ATTRIBUTE_NORMAL); }},
    {"FileHeldOpenWithoutSharing",
     [](const std::wstring& dat, HANDLE* lock) {
         *lock = ::CreateFileW(dat.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
     },
     [](const std::wstring&, HANDLE* lock) { ::CloseHandle(*lock); }},
};

void PrintTo(const Obstacle& o, std::ostream* os) { *os << o.name; }

}  // namespace

class SaveObstacle : public UserSession, public ::testing::WithParamInterface<Obstacle> {};

TEST_P(SaveObstacle, ErrorKeepsTheDialogAndTheOldFileThenSaveAgainWorks) {
    WithOldFile();
    HANDLE lock = INVALID_HANDLE_VALUE;
    GetParam().make(datPath, &lock);
    auto app = Start();
    ASSERT_NE(app->Dialog(), nullptr);
    app->Click(IDC_MUTE_MASTER);

    app->Click(IDOK);
    const auto box = app->AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, L"ERROR");
    EXPECT_EQ(box->text, L"Create customized file failed!");
    EXPECT_TRUE(box->iconShown);
    EXPECT_FALSE(app->WaitForExit(300)) << "the dialog stays open";
    EXPECT_TRUE(app->IsChecked(IDC_MUTE_MASTER)) << "with the edit";

    GetParam().remove(datPath, &lock);
    ExpectOldFileUntouched();
    const auto records = SaveAndRead(*app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MasterVolume, 0x8404}});
}

INSTANTIATE_TEST_SUITE_P(Save, SaveObstacle, ::testing::ValuesIn(kObstacles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UserSession, FolderNamedLikeTheFileIsReported) {
    ASSERT_TRUE(::CreateDirectoryW(datPath.c_str(), nullptr));
    auto app = Start();
    ASSERT_NE(app->Dialog(), nullptr);
    app->Click(IDC_SELECT_CD);
    app->PressKey(VK_RETURN);
    const auto box = app->AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"Create customized file failed!");
    EXPECT_FALSE(app->WaitForExit(300));
    EXPECT_TRUE(::GetFileAttributesW(datPath.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(test_support::ListFolder(folder.Path()), std::vector<std::wstring>{L"corvaset.dat"});
    app->Click(IDCANCEL);
    EXPECT_TRUE(app->WaitForExit());
}

TEST(FullDiskSession, DiskFullIsReportedWithThePathAndNothingIsLost) {
    std::string reason;
    const std::wstring dir = test_support::FullDiskFolder(reason);
    if (dir.empty()) GTEST_SKIP() << reason;
    const std::wstring exe = test_support::WindowsPathFromEnv("CORVASET_EXE");
    const std::wstring dat = dir + L"\\corvaset.dat";
    ASSERT_TRUE(test_support::WriteFileBytes(dat, kOldBytes));
    const std::wstring filler = test_support::FillDisk(dir);
    ASSERT_FALSE(filler.empty());

    AppDriver app(exe, dir);
    ASSERT_NE(app.Dialog(), nullptr);
    app.Click(IDC_DISABLE_PHONE);
    app.Click(IDOK);
    const auto box = app.AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, L"corvaset");
    EXPECT_EQ(box->text, L"Disk full while accessing " + dat + L".");
    EXPECT_TRUE(box->iconShown);
    EXPECT_FALSE(app.WaitForExit(300));
    EXPECT_EQ(test_support::ReadFileBytes(dat), kOldBytes);
    EXPECT_EQ(test_support::ListFolder(dir).size(), 2u) << "no temporary file left";

    ::DeleteFileW(filler.c_str());
    app.Click(IDOK);
    const auto saved = app.AnswerBox();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->caption, L"SUCCESS");
    EXPECT_TRUE(app.WaitForExit());
    const auto bytes = test_support::ReadFileBytes(dat);
    ASSERT_TRUE(bytes.has_value());
    const auto records = custom::DecodeCustomFile(bytes->data(), bytes->size());
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::DisablePhone, 1}});
    ::DeleteFileW(dat.c_str());
}
