// Opening a customization file in the dialog: from the command line, by a
// drop, with "Open..." in the system menu; what each problem tells; "Save"
// back to the opened file.
#include "tests/ui/dialog_fixture.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <thread>

#include "win32/command_line.h"

using custom::Entry;
using test_support::BoxIcon;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A 584-byte file with the given records present.
Bytes FileWith(std::initializer_list<std::pair<std::size_t, std::uint32_t>> records) {
    Bytes b(584, 0);
    for (const auto& [index, value] : records) {
        b[index * 8] = 1;
        for (int i = 0; i < 4; ++i) b[index * 8 + 4 + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return b;
}

// Records 0 (MasterVolume), 8 (AUXVolume), 18 (SpdifMute), 13 (RecordGain).
const Bytes kMasterMuted = FileWith({{0, 0x8404}});
const Bytes kAuxChannelsApart = FileWith({{8, 0x0403}});
const Bytes kSpdifMuted = FileWith({{18, 1}});

// An HDROP as Explorer hands it over: DROPFILES and a double-ended list.
HDROP MakeDrop(const std::vector<std::wstring>& files) {
    std::wstring list;
    for (const auto& f : files) list += f + L'\0';
    list += L'\0';
    const std::size_t size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace

class OpenFileTest : public DialogTest {
protected:
    // Opens `path` the way `how` says, answering each box with `answers`.
    std::vector<test_support::SeenBox> OpenAnswering(const std::wstring& path, std::vector<int> answers = {}) {
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd, std::move(answers));
        dialog.OpenCustomFile(path);
        return answerer.Finish();
    }
    std::wstring Caption() const { return test_support::WindowText(hwnd); }

    test_support::ScratchDir folder{L"corvaset-open \u00DCbung \u65E5\u672C"};
};

TEST(CommandLine, ArgumentsAreSplitAndUnquotedAsWindowsDoes) {
    const struct { const wchar_t* line; std::vector<std::wstring> arguments; } kLines[] = {
        {L"corvaset.exe", {}},
        {L"\"C:\\Program Files\\corvaset.exe\"", {}},
        {L"\"C:\\Program Files\\corvaset.exe\" x.dat", {L"x.dat"}},
        {L"corvaset.exe \t ", {}},
        {L"corvaset.exe \"C:\\a b\\x y.dat\"", {L"C:\\a b\\x y.dat"}},
        {L"corvaset.exe x.dat  y.dat", {L"x.dat", L"y.dat"}},
        {L"corvaset.exe \u00DCbung\\\u65E5\u672C.dat", {L"\u00DCbung\\\u65E5\u672C.dat"}},
    };
    for (const auto& l : kLines) EXPECT_EQ(fw::ArgumentsOf(l.line), l.arguments) << l.line;
}

TEST_F(OpenFileTest, AGoodFileShowsItsSettingsAndSaveWritesBackToIt) {
    const std::wstring path = folder.File(L"package one.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(path, kMasterMuted));
    test_support::CurrentDirectory here(folder.Path());
    EXPECT_TRUE(OpenAnswering(L"package one.dat").empty()) << "a relative name, no box";
    EXPECT_EQ(Value(Entry::MasterVolume), 0x8404u);
    EXPECT_TRUE(Checked(IDC_MUTE_MASTER));
    EXPECT_EQ(Caption(), L"Tessan Corvaset - v1.0 - " + path);

    Click(IDC_MUTE_MIC);  // unmuted: one record more
    const auto seen = ClickAndAnswer(IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"SUCCESS");
    EXPECT_EQ(test_support::ReadFileBytes(path), FileWith({{0, 0x8404}, {4, 0x0004}}));
    EXPECT_FALSE(test_support::FileExists(folder.File(L"corvaset.dat")));
}

// Every way a file can fail to open: a box with the stop icon names the path
// and the cause; the dialog stays as it was.
TEST_F(OpenFileTest, EachProblemIsToldAndChangesNothing) {
    const std::wstring locked = folder.File(L"locked.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(locked, kMasterMuted));
    HANDLE holder = ::CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    Bytes presentTwo = kMasterMuted;
    presentTwo[13 * 8] = 2;
    const struct { const wchar_t* name; std::optional<Bytes> bytes; const wchar_t* says; } kProblems[] = {
        {L"short.dat", Bytes(583, 0), L"is not a valid customization file: the driver would misread it.\n\n"
                                      L"\u2022 the file is cut short: 583 bytes instead of 584 (73 records of 8 bytes)"},
        {L"present.dat", presentTwo, L"\u2022 RecordGain: present is 2, neither 0 (absent) nor 1"},
        {L"switch.dat", FileWith({{35, 3}}), L"\u2022 EnableJackDetect: switch is 0x03, neither 0 (off) nor 1 (on)"},
        {L"long.dat", Bytes(100000, 0), L".\n\nIt is larger than a customization file (584 bytes)."},
        {L"missing.dat", std::nullopt, L".\n\nThe file does not exist."},
        {L"nodir\\sub\\new.dat", std::nullopt, L".\n\nIts folder does not exist."},
        {L"locked.dat", std::nullopt, L".\n\nAnother program is using it."},
        {L"", std::nullopt, L".\n\nIt is a folder."},
    };
    Click(IDC_CODEC_QM2);
    for (const auto& p : kProblems) {
        const std::wstring path = *p.name ? folder.File(p.name) : folder.Path();
        if (p.bytes) {
            ASSERT_TRUE(test_support::WriteFileBytes(path, *p.bytes));
        }
        const auto seen = OpenAnswering(path);
        ASSERT_EQ(seen.size(), 1u) << p.name;
        EXPECT_NE(seen[0].text.find(path), std::wstring::npos) << seen[0].text;
        EXPECT_NE(seen[0].text.find(p.says), std::wstring::npos) << seen[0].text;
        EXPECT_EQ(seen[0].icon, BoxIcon::Stop);
        EXPECT_TRUE(WorkingEqualsDefaults());
        EXPECT_TRUE(Checked(IDC_CODEC_QM2));
        EXPECT_EQ(Caption(), L"Tessan Corvaset - v1.0");
    }
    ::CloseHandle(holder);
}

// A file the dialog could not have written is opened only when the user says
// so, with its values exactly as stored; saved unchanged, it comes back byte
// for byte.
TEST_F(OpenFileTest, WarningsAskFirstAndYesTakesTheValuesAsStored) {
    const std::wstring path = folder.File(L"odd.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(path, kAuxChannelsApart));
    auto seen = OpenAnswering(path, {IDNO});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].text.find(L"The dialog could not have written " + path + L":\n\n\u2022 AUXVolume: left channel"),
              std::wstring::npos)
        << seen[0].text;
    EXPECT_NE(seen[0].text.find(L"Open it anyway?"), std::wstring::npos);
    EXPECT_TRUE(WorkingEqualsDefaults());

    seen = OpenAnswering(path, {IDYES});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(Value(Entry::AUXVolume), 0x0403u);
    ASSERT_EQ(ClickAndAnswer(IDOK).size(), 1u);
    EXPECT_EQ(test_support::ReadFileBytes(path), kAuxChannelsApart);
}

TEST_F(OpenFileTest, UnsavedEditsAreAskedAboutFirst) {
    const std::wstring path = folder.File(L"a.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(path, kMasterMuted));
    Click(IDC_MUTE_MIC);
    auto seen = OpenAnswering(path, {IDNO});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"The settings have changes that were not saved. Open this file and lose them?\n\n" + path);
    EXPECT_EQ(Value(Entry::MicVolume), 0x0004u);
    EXPECT_EQ(Value(Entry::MasterVolume), 0x0404u);

    EXPECT_EQ(OpenAnswering(path, {IDYES}).size(), 1u);
    EXPECT_EQ(Value(Entry::MicVolume), 0x8004u);
    EXPECT_EQ(Value(Entry::MasterVolume), 0x8404u);
    EXPECT_TRUE(OpenAnswering(path).empty()) << "nothing edited since it was opened";
}

// A file with a feature only the QM-3 family has is for that family; any
// other file keeps the model the user chose.
TEST_F(OpenFileTest, AFileWithQm3FeaturesSelectsQm3) {
    const std::wstring plain = folder.File(L"plain.dat"), spdif = folder.File(L"spdif.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(plain, kMasterMuted));
    ASSERT_TRUE(test_support::WriteFileBytes(spdif, kSpdifMuted));
    Click(IDC_CODEC_QM2);
    OpenAnswering(plain);
    EXPECT_TRUE(Checked(IDC_CODEC_QM2));
    EXPECT_FALSE(Enabled(IDC_JACK_DETECT));
    OpenAnswering(spdif);
    EXPECT_TRUE(Checked(IDC_CODEC_QM3));
    EXPECT_FALSE(Checked(IDC_CODEC_QM2));
    EXPECT_TRUE(Checked(IDC_MUTE_SPDIF));
    for (int id : {IDC_MUTE_SPDIF, IDC_JACK_DETECT, IDC_ENABLE_33V, IDC_DISABLE_SPDIF}) EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(OpenFileTest, DroppingOneFileOpensItAndSeveralAreRefused) {
    const std::wstring a = folder.File(L"\u65E5\u672C a.dat"), b = folder.File(L"b.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(a, kMasterMuted));
    ASSERT_TRUE(test_support::WriteFileBytes(b, kSpdifMuted));
    test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
    ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, b})), 0);
    EXPECT_TRUE(WorkingEqualsDefaults());
    ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a})), 0);
    EXPECT_EQ(Value(Entry::MasterVolume), 0x8404u);
    EXPECT_EQ(Caption(), L"Tessan Corvaset - v1.0 - " + a);
    const auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"Drop one customization file at a time. Nothing was opened.");
}

// "Open..." in the system menu shows the standard Open dialog; the test
// types the file's name into it as a user would and presses Open.
TEST_F(OpenFileTest, OpenFromTheSystemMenuUsesTheOpenDialog) {
    const std::wstring path = folder.File(L"from the menu.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(path, kMasterMuted));
    std::wstring caption;
    std::thread user([&] {
        for (int i = 0; i < 500; ++i, ::Sleep(20)) {
            HWND open = test_support::FindDialogOfThread(::GetWindowThreadProcessId(hwnd, nullptr), hwnd);
            if (open == nullptr) continue;
            caption = test_support::WindowText(open);
            ::SetDlgItemTextW(open, 0x47C, path.c_str());  // the file name box
            ::PostMessageW(open, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return;
        }
    });
    ::SendMessageW(hwnd, WM_SYSCOMMAND, IDM_OPENFILE, 0);
    user.join();
    EXPECT_EQ(caption, L"Open");
    EXPECT_EQ(Value(Entry::MasterVolume), 0x8404u);
    EXPECT_EQ(Caption(), L"Tessan Corvaset - v1.0 - " + path);
}

// Browsing into another folder in the Open dialog and cancelling leaves the
// program's own folder: "Save" still writes corvaset.dat there.
TEST_F(OpenFileTest, BrowsingInTheOpenDialogLeavesTheProgramsFolder) {
    test_support::ScratchDir other;
    test_support::CurrentDirectory here(folder.Path());
    std::thread user([&] {
        for (int i = 0; i < 500; ++i, ::Sleep(20)) {
            HWND open = test_support::FindDialogOfThread(::GetWindowThreadProcessId(hwnd, nullptr), hwnd);
            if (open == nullptr) continue;
            ::SetDlgItemTextW(open, 0x47C, other.Path().c_str());  // a folder's name goes into it
            ::SendMessageW(open, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            ::PostMessageW(open, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
    });
    ::SendMessageW(hwnd, WM_SYSCOMMAND, IDM_OPENFILE, 0);
    user.join();
    UnmuteMic();
    ClickAndAnswer(IDOK);
    EXPECT_TRUE(test_support::FileExists(folder.File(L"corvaset.dat")));
    EXPECT_FALSE(test_support::FileExists(other.File(L"corvaset.dat")));
}

// The program's own arguments, as Windows passes a file for "Open with" or
// one dropped on the program's icon.
TEST(StartArguments, OneFileOpensAnythingElseIsToldAndTheDialogStartsAsAlways) {
    test_support::ScratchDir folder;
    const std::wstring path = folder.File(L"x y.dat");
    ASSERT_TRUE(test_support::WriteFileBytes(path, kMasterMuted));
    const struct { std::vector<std::wstring> arguments; std::uint32_t master; bool told; } kStarts[] = {
        {{path}, 0x8404, false}, {{}, 0x0404, false}, {{path, path}, 0x0404, true}, {{L"-o"}, 0x0404, true},
        {{L"/s"}, 0x0404, true}};
    for (const auto& s : kStarts) {
        CCorvasetDlg dialog(nullptr);
        dialog.SetStartArguments(s.arguments);
        ASSERT_TRUE(test_support::CreateModeless(dialog));
        // The file is opened once the dialog is up, from its message queue.
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), dialog.GetSafeHwnd());
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        EXPECT_EQ(dialog.Settings().Working()[Entry::MasterVolume].value, s.master);
        const auto seen = answerer.Finish();
        EXPECT_EQ(seen.size(), s.told ? 1u : 0u);
        if (s.told && !seen.empty()) {
            EXPECT_EQ(seen[0].text, L"Corvaset opens one customization file: corvaset.exe [FILE].\n"
                                    L"The settings start from the factory defaults.");
        }
    }
}
