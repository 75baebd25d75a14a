// "Save": what it writes, what it tells the user, and that every failure
// leaves the old file, no temporary file, an open dialog and the edits.
#include "tests/ui/dialog_fixture.h"

#include "dialog/save_messages.h"
#include "framework/app.h"

using custom::Entry;
using test_support::BoxIcon;
using test_support::SeenBox;

namespace {

const std::vector<std::uint8_t> kOldBytes(600, 0xA5);  // longer than a customization file

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

}  // namespace

class SaveTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        folder = std::make_unique<test_support::ScratchDir>(FolderPrefix());
        cwd = std::make_unique<test_support::CurrentDirectory>(folder->Path());
        datPath = folder->File(L"corvaset.dat");
    }
    void TearDown() override {
        cwd.reset();
        folder.reset();
    }
    virtual std::wstring FolderPrefix() const { return L"corvaset-save"; }

    std::unique_ptr<test_support::ScratchDir> folder;
    std::unique_ptr<test_support::CurrentDirectory> cwd;
    std::wstring datPath;
};

TEST_F(SaveTest, NothingChangedSaysSoClosesAndLeavesAnOldFileAlone) {
    ASSERT_TRUE(test_support::WriteFileBytes(datPath, kOldBytes));
    const FILETIME before = test_support::LastWriteTime(datPath);
    ::Sleep(20);

    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"No customized feature!");
    EXPECT_EQ(seen[0].caption, fw::CWinApp::AppName());
    EXPECT_EQ(seen[0].caption, L"corvaset_ui_tests");
    EXPECT_FALSE(seen[0].iconShown);

    EXPECT_EQ(dialog.EndResult(), IDOK);
    EXPECT_EQ(test_support::ReadFileBytes(datPath), kOldBytes);
    EXPECT_TRUE(SameTime(test_support::LastWriteTime(datPath), before));
}

TEST_F(SaveTest, ModelThreeOnlyChangeUnderQm2IsNothingToSave) {
    custom::StoreByte(dialog.WorkingEntryTable()[Entry::EnableJackDetect], 1);
    Click(IDC_CODEC_QM2);
    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"No customized feature!");
    EXPECT_FALSE(test_support::FileExists(datPath));
}

TEST_F(SaveTest, ChangeIsWrittenReportedAndEndsTheDialog) {
    ASSERT_TRUE(test_support::WriteFileBytes(datPath, kOldBytes));
    UnmuteMic();
    custom::StoreByte(dialog.WorkingEntryTable()[Entry::Enable48KSpdif], 1);

    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"SUCCESS");
    EXPECT_EQ(seen[0].text, save_messages::kSuccessText);
    EXPECT_EQ(seen[0].icon, BoxIcon::Information);
    EXPECT_EQ(dialog.EndResult(), IDOK);

    const auto bytes = test_support::ReadFileBytes(datPath);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(bytes->size(), 584u);  // the longer old file is gone
    std::vector<std::uint8_t> expected(584, 0);
    expected[32] = 1, expected[36] = 0x04;    // MicVolume 0x0004
    expected[288] = 1, expected[292] = 0x01;  // Enable48KSpdif 1
    EXPECT_EQ(*bytes, expected);
    EXPECT_EQ(test_support::ListFolder(folder->Path()), std::vector<std::wstring>{L"corvaset.dat"});
}

TEST_F(SaveTest, SuccessTextIsFourLinesWithoutFinalLineFeed) {
    const std::wstring text = save_messages::kSuccessText;
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 3);
    EXPECT_NE(text.back(), L'\n');
    EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
    EXPECT_NE(text.find(L"\n\"Enable 48K SPDIF\" is only supported with 5.10.3590 or later."), std::wstring::npos);
}

// Each way the file can refuse to be created, set up in the scratch folder
// and removed again so that the user can retry.
struct CreateFailure {
    const char* name;
    bool hasOldFile;
    void (*make)(const std::wstring& dat, HANDLE* lock);
    void (*undo)(const std::wstring& dat, HANDLE* lock);
};

const CreateFailure kCreateFailures[] = {
    {"ReadOnlyFile", true,
     [](const std::wstring& dat, HANDLE*) {
         test_support::WriteFileBytes(dat, kOldBytes);
         ::SetFileAttributesW(dat.c_str(), FILE_ATTRIBUTE_READONLY);
     },
     [](const std::wstring& dat, HANDLE*) { ::SetFileAttributesW(dat.c_str(), FILE_ATTRIBUTE_NORMAL); }},
    {"FolderOfThatName", false,
     [](const std::wstring& dat, HANDLE*) { ::CreateDirectoryW(dat.c_str(), nullptr); },
     [](const std::wstring& dat, HANDLE*) { ::RemoveDirectoryW(dat.c_str()); }},
    {"FileHeldOpenWithoutSharing", true,
     [](const std::wstring& dat, HANDLE* lock) {
         test_support::WriteFileBytes(dat, kOldBytes);
         *lock = ::CreateFileW(dat.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
     },
     [](const std::wstring&, HANDLE* lock) { ::CloseHandle(*lock); }},
};

void PrintTo(const CreateFailure& failure, std::ostream* os) { *os << failure.name; }

class CreateFailureTest : public SaveTest, public ::testing::WithParamInterface<CreateFailure> {};

TEST_P(CreateFailureTest, ShowsErrorKeepsOldFileAndDialogThenRetrySucceeds) {
    HANDLE lock = INVALID_HANDLE_VALUE;
    GetParam().make(datPath, &lock);
    const auto listing = test_support::ListFolder(folder->Path());
    UnmuteMic();

    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"ERROR");
    EXPECT_EQ(seen[0].text, L"Create customized file failed!");
    EXPECT_EQ(seen[0].icon, BoxIcon::Stop);

    EXPECT_FALSE(dialog.EndResult().has_value());
    EXPECT_EQ(dialog.WorkingEntryTable()[Entry::MicVolume].value, 0x0004u);
    EXPECT_EQ(test_support::ListFolder(folder->Path()), listing);
    const DWORD attributes = ::GetFileAttributesW(datPath.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, !GetParam().hasOldFile);
    GetParam().undo(datPath, &lock);
    if (GetParam().hasOldFile) {
        EXPECT_EQ(test_support::ReadFileBytes(datPath), kOldBytes);
    }

    const auto retry = ClickAndAnswer(IDOK);
    ASSERT_EQ(retry.size(), 1u);
    EXPECT_EQ(retry[0].caption, L"SUCCESS");
    EXPECT_EQ(dialog.EndResult(), IDOK);
    EXPECT_EQ(test_support::ReadFileBytes(datPath)->size(), 584u);
}

INSTANTIATE_TEST_SUITE_P(Save, CreateFailureTest, ::testing::ValuesIn(kCreateFailures),
                         [](const auto& info) { return std::string(info.param.name); });

class NonAsciiFolderTest : public SaveTest {
protected:
    std::wstring FolderPrefix() const override { return L"corvaset-\u00fcber-\u65e5\u672c"; }
};

TEST_F(NonAsciiFolderTest, SavesIntoAFolderWhoseNameIsNotAscii) {
    UnmuteMic();
    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"SUCCESS");
    EXPECT_EQ(test_support::ReadFileBytes(datPath)->size(), 584u);
}

// A disk with no room left: a tiny tmpfs that the test runner mounts.
class FullDiskTest : public DialogTest {};

TEST_F(FullDiskTest, ReportsDiskFullWithThePathAndKeepsEverything) {
    std::string reason;
    const std::wstring dir = test_support::FullDiskFolder(reason);
    if (dir.empty()) GTEST_SKIP() << reason;
    const std::wstring dat = dir + L"\\corvaset.dat";
    ASSERT_TRUE(test_support::WriteFileBytes(dat, kOldBytes));
    ASSERT_FALSE(test_support::FillDisk(dir).empty());

    test_support::CurrentDirectory cwd(dir);
    const auto listing = test_support::ListFolder(dir);
    UnmuteMic();
    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, fw::CWinApp::AppName());
    EXPECT_EQ(seen[0].text, L"Disk full while accessing " + dir + L"\\corvaset.dat.");
    EXPECT_EQ(seen[0].icon, BoxIcon::Stop);

    EXPECT_FALSE(dialog.EndResult().has_value());
    EXPECT_EQ(dialog.WorkingEntryTable()[Entry::MicVolume].value, 0x0004u);
    EXPECT_EQ(test_support::ReadFileBytes(dat), kOldBytes);
    EXPECT_EQ(test_support::ListFolder(dir), listing);

    // With room made, "Save" works.
    ::DeleteFileW((dir + L"\\filler").c_str());
    const auto retry = ClickAndAnswer(IDOK);
    ASSERT_EQ(retry.size(), 1u);
    EXPECT_EQ(retry[0].caption, L"SUCCESS");
    EXPECT_EQ(test_support::ReadFileBytes(dat)->size(), 584u);
    ::DeleteFileW(dat.c_str());
}
