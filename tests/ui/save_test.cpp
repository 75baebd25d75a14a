// "Save": what it writes, what it tells the user, and that every failure
// leaves the old file, no temporary file, an open dialog and the edits.
#include "tests/ui/dialog_fixture.h"

#include <thread>

#include "dialog/save_messages.h"
#include "tests/support/save_obstacles.h"
#include "win32/file.h"
#include "win32/system_library.h"
#include "win32/text.h"

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

    EXPECT_TRUE(Ended());
    EXPECT_EQ(test_support::ReadFileBytes(datPath), kOldBytes);
    EXPECT_TRUE(SameTime(test_support::LastWriteTime(datPath), before));
}

TEST_F(SaveTest, ModelThreeOnlyChangeUnderQm2IsNothingToSave) {
    Click(IDC_JACK_DETECT);
    Click(IDC_CODEC_QM2);
    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"No customized feature!");
    EXPECT_FALSE(test_support::FileExists(datPath));
}

// Save As writes to the name given and the dialog stays on it, whatever the
// outcome (a later Save there: the Save As session of the end-to-end tests).
TEST_F(SaveTest, SaveAsKeepsTheDialogOnTheNewFile) {
    const struct { const char* name; const wchar_t* file; bool edit; const wchar_t* firstLine; } kCases[] = {
        {"nothing customized", L"empty.dat", false, L"No customized feature!"},
        {"a folder that is not there", L"missing\\a.dat", true, L"The folder of "},
        {"written", L"model7.dat", true, L"Create customized file successfully!"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        if (c.edit) UnmuteMic();
        const std::wstring path = folder->File(c.file);
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
        dialog.SaveAs(path);
        const auto seen = answerer.Finish();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text.rfind(c.firstLine, 0), 0u) << seen[0].text;
        EXPECT_FALSE(Ended());
        EXPECT_EQ(test_support::WindowText(hwnd), L"Tessan Corvaset - v1.0 - " + path);
    }
}

TEST_F(SaveTest, ChangeIsWrittenReportedAndEndsTheDialog) {
    ASSERT_TRUE(test_support::WriteFileBytes(datPath, kOldBytes));
    // A file of the user's at the name earlier versions gave their temporary file.
    ASSERT_TRUE(test_support::WriteFileBytes(datPath + L".corvaset-tmp", kOldBytes));
    UnmuteMic();
    Click(IDC_ENABLE_48K_SPDIF);

    const auto seen = ClickAndAnswer(IDOK, {IDYES});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, datPath + L" already exists, and it was not opened here.\n\n"
                                      L"Replace it? The customizations it holds are then lost.");
    EXPECT_EQ(seen[1].caption, L"SUCCESS");
    EXPECT_EQ(seen[1].text,
              L"Create customized file successfully!\n"
              L"Please copy the customized file, CORVASET.DAT, into the driver directories of package to enable "
              L"customized features.\n"
              L"Please make sure your driver version is 5.10.3570 or later.\n"
              L"\"Enable 48K SPDIF\" is only supported with 5.10.3590 or later.");
    EXPECT_EQ(seen[1].icon, BoxIcon::Information);
    EXPECT_TRUE(Ended());

    const auto bytes = test_support::ReadFileBytes(datPath);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(bytes->size(), 584u);  // the longer old file is gone
    std::vector<std::uint8_t> expected(584, 0);
    expected[32] = 1, expected[36] = 0x04;    // MicVolume 0x0004
    expected[288] = 1, expected[292] = 0x01;  // Enable48KSpdif 1
    EXPECT_EQ(*bytes, expected);
    EXPECT_EQ(test_support::ListFolder(folder->Path()),
              (std::vector<std::wstring>{L"corvaset.dat", L"corvaset.dat.corvaset-tmp"}));
    EXPECT_EQ(test_support::ReadFileBytes(datPath + L".corvaset-tmp"), kOldBytes);
}

// Clicks and keys posted while "Replace it?" is up change nothing; Yes saves the edits shown.
TEST_F(SaveTest, PostedCommandsWhileAskingChangeNothing) {
    std::vector<std::uint8_t> edits(584, 0);
    edits[32] = 1, edits[36] = 0x04;  // MicVolume 0x0004
    ASSERT_TRUE(test_support::WriteFileBytes(datPath, kOldBytes));
    UnmuteMic();
    std::thread other([&, thread = ::GetCurrentThreadId()] {
        for (int i = 0; i < 500 && !test_support::FindDialogOfThread(thread, hwnd); ++i) ::Sleep(10);
        for (int id : {IDC_DEFAULT, IDC_JACK_DETECT, IDC_CODEC_QM1, IDC_SELECT_MIC})
            ::PostMessageW(::GetDlgItem(hwnd, id), BM_CLICK, 0, 0);
        ::PostMessageW(::GetDlgItem(hwnd, IDC_SLIDER_MASTER), WM_KEYDOWN, VK_END, 0);
        test_support::AnswerNextBox(thread, hwnd, 5000, IDYES);  // after what was posted
        test_support::AnswerNextBox(thread, hwnd, 5000);         // the success
    });
    Click(IDOK);
    other.join();
    EXPECT_EQ(Value(Entry::MicVolume), 0x0004u);
    EXPECT_EQ(ControlOffTheSettings(), 0);
    EXPECT_EQ(test_support::ReadFileBytes(datPath), edits);
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

    // An old file is asked about first where it could be replaced at all.
    const auto seen = ClickAndAnswer(IDOK, {IDYES});
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().caption, obstacle.caption != nullptr ? obstacle.caption : L"corvaset_ui_tests");
    EXPECT_EQ(seen.back().text, obstacle.text(dat));
    EXPECT_EQ(seen.back().icon, BoxIcon::Stop);

    EXPECT_FALSE(Ended());
    EXPECT_EQ(Value(Entry::MicVolume), 0x0004u);
    EXPECT_EQ(test_support::ListFolder(inPlace.Folder()), listing);
    const DWORD attributes = ::GetFileAttributesW(dat.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, !obstacle.oldFileKept);
    inPlace.Remove();
    if (obstacle.oldFileKept) {
        EXPECT_EQ(test_support::ReadFileBytes(dat), kOldBytes);
    }

    const auto retry = ClickAndAnswer(IDOK, {IDYES});
    ASSERT_FALSE(retry.empty());
    EXPECT_EQ(retry.back().caption, L"SUCCESS");
    EXPECT_TRUE(Ended());
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

// Causes the user can remove: the first line says that creating failed,
// the others name the file and the cause (the system's words under Wine).
TEST(FailureBox, CreateFailuresNameTheFileAndTheCause) {
    const struct { fw::FileError error; const wchar_t* cause; } kCauses[] = {
        {{fw::FileCause::AccessDenied, 5}, L"Access denied."},
        {{fw::FileCause::SharingViolation, 32}, L"Sharing violation."},
        {{fw::FileCause::ReadOnly, 5}, L"The file is read-only."},
        {{fw::FileCause::IsDirectory, 5}, L"It is a folder."},
        {{fw::FileCause::DeviceName, 123}, L"Its name is a Windows device name (CON, NUL, AUX, PRN, COM1-9, LPT1-9), "
                                           L"not a file."},
        {{fw::FileCause::NotAFile, 1}, L"It is a device or a named pipe, not a file."},
    };
    for (const auto& c : kCauses) {
        const auto box = save_messages::FailureBoxFor(c.error, L"C:\\a\\corvaset.dat");
        EXPECT_STREQ(box.caption, L"ERROR") << c.cause;
        EXPECT_EQ(box.text, L"Create customized file failed!\n\nC:\\a\\corvaset.dat\n" + std::wstring(c.cause));
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
    {"DiskFull", {fw::FileCause::DiskFull, 112}, L"D:\\c.dat", L"Disk full while accessing D:\\c.dat.\n\nDisk full."},
    {"FolderNotFound", {fw::FileCause::FolderNotFound, 3}, L"D:\\c.dat",
     L"The folder of D:\\c.dat could not be found.\n\nPath not found."},
    {"PathTooLong", {fw::FileCause::PathTooLong, 206}, L"D:\\c.dat",
     L"The folder path of D:\\c.dat is too long to save there.\n\nFile name is too long."},
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

// A folder path longer than MAX_PATH and a name near the longest a name may
// be where the file system counts bytes (80 CJK characters are 240 bytes in
// UTF-8): the file and its temporary file are made through the long form of
// their paths.
TEST_F(SaveTest, SavesIntoAFolderWhosePathIsLongerThanMaxPath) {
    std::wstring deep = folder->Path();
    while (deep.size() < 400) {
        deep += L"\\" + std::wstring(100, L'd');
        ASSERT_TRUE(::CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) << ::GetLastError();
    }
    const std::wstring name = std::wstring(80, L'\u5b57') + L".dat";
    const std::wstring target = deep + L"\\" + name;
    test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
    EXPECT_TRUE(dialog.OpenCustomFile(target, true)) << "a new file's name";
    EXPECT_TRUE(answerer.Finish().empty());
    UnmuteMic();

    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"SUCCESS") << seen[0].text;
    EXPECT_EQ(test_support::ReadFileBytes(L"\\\\?\\" + target)->size(), 584u);
    EXPECT_EQ(test_support::ListFolder(L"\\\\?\\" + deep), std::vector<std::wstring>{name});
}

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
        seen = ClickAndAnswer(IDOK, {IDYES});
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, L"Disk full while accessing " + datPath + L".\n\nDisk full.");
    EXPECT_FALSE(Ended());
    EXPECT_EQ(test_support::ReadFileBytes(datPath), kOldBytes);
    EXPECT_EQ(test_support::ListFolder(folder->Path()), std::vector<std::wstring>{L"corvaset.dat"});
}

INSTANTIATE_TEST_SUITE_P(Save, ShortWriteTest, ::testing::ValuesIn(kShortWrites),
                         [](const auto& info) { return std::string(info.param.name); });

// The file "Save" would replace is one the user has seen: opened, chosen or
// agreed to; any other, or one changed since, is asked about first.
class SaveTargetTest : public SaveTest {
protected:
    // A valid customization file: MasterVolume present with `master`.
    static std::vector<std::uint8_t> FileWithMaster(std::uint8_t master) {
        std::vector<std::uint8_t> b(584, 0);
        b[0] = 1, b[4] = 0x04, b[5] = master;
        return b;
    }
    // Runs a shell command in the scratch folder; its exit status. Wine
    // starts a Unix program but cannot wait for it: it writes its status.
    int Shell(const std::string& command) {
        using ToUnix = char*(CDECL*)(LPCWSTR);
        const auto toUnix = reinterpret_cast<ToUnix>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
        if (toUnix == nullptr) return -1;
        std::wstring line = L"/bin/sh -c \"cd '";
        for (const char* c = toUnix(folder->Path().c_str()); *c; ++c) line += static_cast<wchar_t>(*c);
        line += L"' && (" + std::wstring(command.begin(), command.end()) + L"); echo $? >../status.txt\"";
        STARTUPINFOW startup{sizeof(startup)};
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return -2;
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        const std::wstring written = folder->Path().substr(0, folder->Path().find_last_of(L'\\')) + L"\\status.txt";
        for (int i = 0; i < 500; ++i, ::Sleep(10)) {
            const auto bytes = test_support::ReadFileBytes(written);
            if (!bytes || bytes->empty() || bytes->back() != '\n') continue;
            ::DeleteFileW(written.c_str());
            return std::atoi(std::string(bytes->begin(), bytes->end()).c_str());
        }
        return -3;
    }
    // Saves in a dialog of its own, answering its boxes.
    static std::vector<test_support::SeenBox> OpenEditSave(CCorvasetDlg& d, const std::wstring& path,
                                                           std::vector<int> answers = {}) {
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), d.GetSafeHwnd(), std::move(answers));
        if (!path.empty()) d.OpenCustomFile(path);
        UnmuteMicOf(d);
        ::SendMessageW(::GetDlgItem(d.GetSafeHwnd(), IDOK), BM_CLICK, 0, 0);
        return answerer.Finish();
    }
    std::vector<test_support::SeenBox> Open(const std::wstring& path, bool mayBeNew = false) {
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
        dialog.OpenCustomFile(path, mayBeNew);
        return answerer.Finish();
    }
};

TEST_F(SaveTargetTest, AnUnseenOrChangedFileIsAskedAboutNoKeepsFileAndEdits) {
    const wchar_t kUnseen[] =
        L" already exists, and it was not opened here.\n\nReplace it? The customizations it holds are then lost.";
    const wchar_t kChanged[] =
        L" has changed since it was opened here.\n\nReplace it? The changes made to it are then lost.";
    enum Setup { NeverOpened, SavedByAnotherInstance, NewNameMadeSince, RewrittenWithItsTimeKept };
    const struct { const char* name; Setup setup; const wchar_t* question; } kCases[] = {
        {"corvaset.dat here, never opened", NeverOpened, kUnseen},
        {"opened, then saved by another instance", SavedByAnotherInstance, kChanged},
        {"a new name given, made by another program since", NewNameMadeSince, kUnseen},
        {"opened, then other bytes of the same size with the old time", RewrittenWithItsTimeKept, kChanged},
    };
    ::ShowWindow(hwnd, SW_HIDE);  // a visible dialog counts as a box to answer
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = c.setup == NeverOpened ? datPath : folder->File(std::to_wstring(c.setup) + L".dat");
        if (c.setup != NewNameMadeSince) {
            ASSERT_TRUE(test_support::WriteFileBytes(path, FileWithMaster(0x84)));
        }
        CCorvasetDlg mine(nullptr);
        ASSERT_TRUE(test_support::CreateModeless(mine));
        if (c.setup != NeverOpened) {
            test_support::BoxAnswerer answerer(::GetCurrentThreadId(), mine.GetSafeHwnd());
            mine.OpenCustomFile(path, c.setup == NewNameMadeSince);
            EXPECT_TRUE(answerer.Finish().empty());
            ::Sleep(20);
        }
        if (c.setup == SavedByAnotherInstance) {
            // The other instance opened it too and saved first: not asked.
            ::ShowWindow(mine.GetSafeHwnd(), SW_HIDE);
            CCorvasetDlg other(nullptr);
            ASSERT_TRUE(test_support::CreateModeless(other));
            EXPECT_EQ(OpenEditSave(other, path).size(), 1u) << "only the success box";
            ::ShowWindow(mine.GetSafeHwnd(), SW_SHOW);
        } else {
            const FILETIME time = test_support::LastWriteTime(path);
            ASSERT_TRUE(test_support::WriteFileBytes(path, FileWithMaster(0x85)));
            if (c.setup == RewrittenWithItsTimeKept) {
                HANDLE file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
                ASSERT_TRUE(::SetFileTime(file, nullptr, nullptr, &time));
                ::CloseHandle(file);
            }
        }
        const auto before = test_support::ReadFileBytes(path);
        auto seen = OpenEditSave(mine, L"", {IDNO});
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, path + c.question);
        EXPECT_EQ(seen[0].icon, BoxIcon::Other);
        EXPECT_TRUE(::IsWindowVisible(mine.GetSafeHwnd()));
        EXPECT_EQ(mine.Settings().Working()[Entry::MicVolume].value, 0x0004u) << "the edit stays";
        EXPECT_EQ(test_support::ReadFileBytes(path), before);

        seen = OpenEditSave(mine, L"", {IDYES});
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[1].caption, L"SUCCESS");
        EXPECT_EQ(test_support::ReadFileBytes(path)->at(32), 1u) << "MicVolume written";
    }
}

// The success box names the file written unless it is corvaset.dat here;
// an opened file reset to the factory values is said to be left as it was.
TEST_F(SaveTargetTest, BoxesNameTheOpenedFile) {
    const std::wstring package = folder->File(L"package.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(package, FileWithMaster(0x84)));
    EXPECT_TRUE(Open(package).empty());
    Click(IDC_DEFAULT);
    auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"No customized feature!\n\n" + package +
                                L" was left unchanged: it still holds its customizations.");
    EXPECT_EQ(test_support::ReadFileBytes(package), FileWithMaster(0x84));

    CCorvasetDlg second(nullptr);
    ASSERT_TRUE(test_support::CreateModeless(second));
    seen = OpenEditSave(second, package);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              L"Create customized file successfully!\n"
              L"Please copy the customized file, " + package + L", into the driver directories of package to enable "
              L"customized features.\n"
              L"Please make sure your driver version is 5.10.3570 or later.\n"
              L"\"Enable 48K SPDIF\" is only supported with 5.10.3590 or later.");
}

// Another program's look at the file holds it open for a moment, and under
// Wine no file open anywhere can be replaced: Save waits that moment out
// instead of failing with "Access denied".
TEST_F(SaveTargetTest, AMomentaryLookAtTheFileDoesNotFailSave) {
    ASSERT_TRUE(test_support::WriteFileBytes(datPath, FileWithMaster(0x84)));
    EXPECT_TRUE(Open(datPath).empty());
    UnmuteMic();
    const HANDLE look = ::CreateFileW(datPath.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      0, nullptr);
    ASSERT_NE(look, INVALID_HANDLE_VALUE);
    std::thread lookEnds([look] { ::Sleep(50), ::CloseHandle(look); });
    const auto seen = ClickAndAnswer(IDOK);
    lookEnds.join();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"SUCCESS") << seen[0].text;
}

// What is not a file on a disk is refused at once and named as what it is,
// even as the name of a new file.
TEST_F(SaveTargetTest, SpecialFiles) {
    // Wine opens a socket as it opens a device that is not there (Z:\dev\tty
    // without a terminal).
    ASSERT_EQ(Shell("mkfifo fifo && perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => q(socket), Listen => 1)'"),
              0);
    const std::wstring deviceName = L".\n\nIts name is a Windows device name (CON, NUL, AUX, PRN, COM1-9, LPT1-9), not a file.";
    const std::wstring devicePath = L".\n\nIt names a device or a pipe, not a file on a disk.";
    const struct { std::wstring path; std::wstring says; } kRefused[] = {
        {folder->File(L"fifo"), L".\n\nIt is a device or a named pipe, not a file."},
        {folder->File(L"socket"), L".\n\nIt is a device or a named pipe, not a file."},
        {folder->File(L"COM1"), L"COM1" + deviceName},
        {folder->File(L"aux.dat"), L"aux.dat" + deviceName},
        {L"\\\\?\\" + folder->File(L"nul"), L"nul" + deviceName},
        {L"\\\\.\\PhysicalDrive0", L"\\\\.\\PhysicalDrive0" + devicePath},
        {L"\\\\.\\pipe\\corvaset", L"\\\\.\\pipe\\corvaset" + devicePath},
    };
    for (const auto& r : kRefused) {
        const DWORD start = ::GetTickCount();
        const auto seen = Open(r.path, true);
        EXPECT_LT(::GetTickCount() - start, 3000u) << r.path;
        ASSERT_EQ(seen.size(), 1u) << r.path;
        EXPECT_NE(seen[0].text.find(r.says), std::wstring::npos) << seen[0].text;
    }
}

// Through a symbolic link the file it leads to is replaced or made, and the
// link stays; a link into a folder that is not there is refused.
TEST_F(SaveTargetTest, ThroughASymbolicLink) {
    if (fw::NewerCallsHidden()) GTEST_SKIP() << "Windows XP has no links to files";
    ASSERT_TRUE(test_support::WriteFileBytes(folder->File(L"target.dat"), FileWithMaster(0x84)));
    ASSERT_EQ(Shell("mkdir sub && ln -s target.dat old.dat && ln -s sub/made.dat new.dat && ln -s nowhere/x.dat lost.dat"),
              0);
    const struct { const char* link; const wchar_t* file; const wchar_t* refusal; } kLinks[] = {
        {"old.dat", L"target.dat", nullptr},
        {"new.dat", L"sub\\made.dat", nullptr},
        {"lost.dat", nullptr, L"\nIt is a symbolic link into a folder that does not exist."},
    };
    UnmuteMic();
    for (const auto& l : kLinks) {
        SCOPED_TRACE(l.link);
        const std::wstring path = folder->File(fw::WidenAscii(l.link));
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd, {IDYES});
        dialog.SaveAs(path);
        const auto seen = answerer.Finish();
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(Shell("test -L " + std::string(l.link)), 0) << "the link stays";
        if (l.refusal != nullptr) {
            EXPECT_EQ(seen.back().text, L"Create customized file failed!\n\n" + path + l.refusal);
        } else {
            EXPECT_EQ(seen.back().caption, L"SUCCESS") << seen.back().text;
            EXPECT_EQ(test_support::ReadFileBytes(folder->File(l.file)).value_or(kOldBytes).at(32), 1u) << "MicVolume";
        }
    }
    EXPECT_EQ(Shell("ls -A . sub | tr '\\n' ' ' | grep -qxF '.: lost.dat new.dat old.dat sub target.dat  sub: made.dat '"),
              0)
        << "no folder made, no temporary file left";
}
