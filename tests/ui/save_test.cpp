// "Save": what it writes, what it tells the user, and that every failure
// leaves the old file, no temporary file, an open dialog and the edits.
#include "tests/ui/dialog_fixture.h"

#include "dialog/save_messages.h"
#include "framework/file.h"
#include "tests/support/save_obstacles.h"

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
    EXPECT_EQ(seen[0].text,
              L"Create customized file successfully!\n"
              L"Please copy the customized file, CORVASET.DAT, into the driver directories of package to enable "
              L"customized features.\n"
              L"Please make sure your driver version is 5.10.3570 or later.\n"
              L"\"Enable 48K SPDIF\" is only supported with 5.10.3590 or later.");
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

// Each thing in the way of the file: the box says what happened, and the
// old file, the folder, the dialog and the edits stay as they were until the
// cause is removed and "Save" works.
class SaveObstacleTest : public SaveTest, public ::testing::WithParamInterface<test_support::SaveObstacle> {};

TEST_P(SaveObstacleTest, ShowsErrorKeepsOldFileAndDialogThenRetrySucceeds) {
    const test_support::SaveObstacle& obstacle = GetParam();
    test_support::ObstacleInPlace inPlace(obstacle, folder->Path(), kOldBytes);
    if (!inPlace.SkipReason().empty()) GTEST_SKIP() << inPlace.SkipReason();
    ASSERT_TRUE(inPlace.InPlace());
    test_support::CurrentDirectory there(inPlace.Folder());
    const std::wstring dat = inPlace.Dat();
    const auto listing = test_support::ListFolder(inPlace.Folder());
    UnmuteMic();

    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, obstacle.caption != nullptr ? obstacle.caption : L"corvaset_ui_tests");
    EXPECT_EQ(seen[0].text, obstacle.text(dat));
    EXPECT_EQ(seen[0].icon, BoxIcon::Stop);

    EXPECT_FALSE(dialog.EndResult().has_value());
    EXPECT_EQ(dialog.WorkingEntryTable()[Entry::MicVolume].value, 0x0004u);
    EXPECT_EQ(test_support::ListFolder(inPlace.Folder()), listing);
    const DWORD attributes = ::GetFileAttributesW(dat.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, !obstacle.oldFileKept);
    inPlace.Remove();
    if (obstacle.oldFileKept) {
        EXPECT_EQ(test_support::ReadFileBytes(dat), kOldBytes);
    }

    const auto retry = ClickAndAnswer(IDOK);
    ASSERT_EQ(retry.size(), 1u);
    EXPECT_EQ(retry[0].caption, L"SUCCESS");
    EXPECT_EQ(dialog.EndResult(), IDOK);
    EXPECT_EQ(test_support::ReadFileBytes(dat)->size(), 584u);
}

INSTANTIATE_TEST_SUITE_P(Save, SaveObstacleTest, ::testing::ValuesIn(test_support::kSaveObstacles),
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

// Causes the user can remove: the box says only that creating failed.
TEST(FailureBox, CreateFailuresSayOnlyThatCreatingFailed) {
    for (const fw::FileCause cause : {fw::FileCause::AccessDenied, fw::FileCause::SharingViolation,
                                      fw::FileCause::ReadOnly, fw::FileCause::IsDirectory}) {
        const auto box = save_messages::FailureBoxFor({cause, 5}, L"C:\\a\\corvaset.dat");
        EXPECT_STREQ(box.caption, L"ERROR") << static_cast<int>(cause);
        EXPECT_EQ(box.text, L"Create customized file failed!") << static_cast<int>(cause);
    }
}

// Every other cause: a box captioned with the program's name that names the
// file and what happened.
struct FailureText {
    const char* name;
    fw::FileError error;
    const wchar_t* path;
    const wchar_t* text;
};

const FailureText kFailureTexts[] = {
    {"DiskFull", {fw::FileCause::DiskFull, 112}, L"D:\\c.dat", L"Disk full while accessing D:\\c.dat."},
    {"NotFound", {fw::FileCause::NotFound, 3}, L"D:\\c.dat", L"The folder of D:\\c.dat could not be found."},
    {"PathTooLong", {fw::FileCause::PathTooLong, 206}, L"D:\\c.dat",
     L"The folder path of D:\\c.dat is too long to save there."},
    // With Wine's own description of the code.
    {"OtherWithTheSystemsDescription", {fw::FileCause::Other, 1117}, L"D:\\c.dat",
     L"An error occurred while writing D:\\c.dat (system error 1117: I/O device error)."},
    {"OtherWithoutDescription", {fw::FileCause::Other, 0x20000001}, L"D:\\c.dat",
     L"An error occurred while writing D:\\c.dat (system error 536870913: no description)."},
    // Percent signs in the path are the path's own, not inserts.
    {"PercentSignsInThePath", {fw::FileCause::Other, 1117}, L"C:\\%2%1%%\\corvaset.dat",
     L"An error occurred while writing C:\\%2%1%%\\corvaset.dat (system error 1117: I/O device error)."},
};

void PrintTo(const FailureText& failure, std::ostream* os) { *os << failure.name; }

class FailureTextTest : public ::testing::TestWithParam<FailureText> {};

TEST_P(FailureTextTest, BoxNamesTheFileAndWhatHappened) {
    const auto box = save_messages::FailureBoxFor(GetParam().error, GetParam().path);
    EXPECT_EQ(box.caption, nullptr);
    EXPECT_EQ(box.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Save, FailureTextTest, ::testing::ValuesIn(kFailureTexts),
                         [](const auto& info) { return std::string(info.param.name); });

// GetTempFileNameW takes a folder of at most 246 characters (its final
// backslash included); a longer one is reported before anything is written.
struct LongFolder {
    const char* name;
    std::size_t length;  // of the folder's path with its final backslash
    bool saves;
};

const LongFolder kLongFolders[] = {
    {"Longest", 246, true},
    {"OneTooLong", 247, false},
};

void PrintTo(const LongFolder& folder, std::ostream* os) { *os << folder.name; }

class LongFolderTest : public SaveTest, public ::testing::WithParamInterface<LongFolder> {};

TEST_P(LongFolderTest, FolderTooLongForATemporaryFileIsReported) {
    const std::size_t nameLength = GetParam().length - folder->Path().size() - 2;
    const std::wstring deep = folder->File(std::wstring(nameLength, L'd'));
    ASSERT_TRUE(::CreateDirectoryW(deep.c_str(), nullptr)) << ::GetLastError();
    ASSERT_EQ(deep.size() + 1, GetParam().length);
    test_support::CurrentDirectory there(deep);
    UnmuteMic();

    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    if (GetParam().saves) {
        EXPECT_EQ(seen[0].caption, L"SUCCESS");
        EXPECT_EQ(test_support::ListFolder(deep), std::vector<std::wstring>{L"corvaset.dat"});
    } else {
        EXPECT_EQ(seen[0].caption, L"corvaset_ui_tests");
        EXPECT_EQ(seen[0].text, L"The folder path of " + deep + L"\\corvaset.dat is too long to save there.");
        EXPECT_EQ(seen[0].icon, BoxIcon::Stop);
        EXPECT_TRUE(test_support::ListFolder(deep).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Save, LongFolderTest, ::testing::ValuesIn(kLongFolders),
                         [](const auto& info) { return std::string(info.param.name); });

// A write that reports success with fewer bytes than asked, as a full disk
// does on some file systems (never under Wine, hence the stand-in call).
BOOL WINAPI WriteNothing(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) {
    *written = 0;
    return TRUE;
}

BOOL WINAPI WriteAllButTheLastByte(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    return ::WriteFile(file, data, size - 1, written, overlapped);
}

struct ShortWrite {
    const char* name;
    fw::WriteCall call;
};

const ShortWrite kShortWrites[] = {
    {"NothingWritten", WriteNothing},
    {"AllButTheLastByteWritten", WriteAllButTheLastByte},
};

void PrintTo(const ShortWrite& write, std::ostream* os) { *os << write.name; }

class ShortWriteTest : public SaveTest, public ::testing::WithParamInterface<ShortWrite> {};

TEST_P(ShortWriteTest, CountsAsDiskFullAndLeavesTheOldFileAlone) {
    ASSERT_TRUE(test_support::WriteFileBytes(datPath, kOldBytes));
    UnmuteMic();
    std::vector<SeenBox> seen;
    {
        fw::ScopedWriteCall shortWrite(GetParam().call);
        seen = ClickAndAnswer(IDOK);
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"Disk full while accessing " + datPath + L".");
    EXPECT_FALSE(dialog.EndResult().has_value());
    EXPECT_EQ(test_support::ReadFileBytes(datPath), kOldBytes);
    EXPECT_EQ(test_support::ListFolder(folder->Path()), std::vector<std::wstring>{L"corvaset.dat"});
}

INSTANTIATE_TEST_SUITE_P(Save, ShortWriteTest, ::testing::ValuesIn(kShortWrites),
                         [](const auto& info) { return std::string(info.param.name); });
