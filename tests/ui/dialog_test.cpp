// The settings dialog's window, initialisation, system menu, About box and
// the buttons that end it or reset it.
#include "tests/ui/dialog_fixture.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <thread>

#include "app/about_dlg.h"

using test_support::SeenBox;

namespace {

RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
    RECT r{x, y, x + cx, y + cy};
    ::MapDialogRect(dialog, &r);
    return r;
}

}  // namespace

TEST_F(DialogTest, WindowIsTheTemplatesPopupWithoutMinimizeOrMaximize) {
    EXPECT_EQ(test_support::WindowText(hwnd), L"Tessan Corvaset - v1.0");
    const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & DS_MODALFRAME);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // The whole client area is the template's; on a screen too small for it
    // the scroll bars run over exactly that.
    const RECT expected = DialogUnits(hwnd, 0, 0, 636, 464);
    SCROLLINFO info{sizeof(info), SIF_RANGE};
    ASSERT_TRUE(::GetScrollInfo(hwnd, SB_HORZ, &info));
    EXPECT_EQ(info.nMax + 1, expected.right);
    ASSERT_TRUE(::GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nMax + 1, expected.bottom);
}

TEST_F(DialogTest, PushButtonsSitInARowWithSaveAsDefault) {
    struct Button { int id; const wchar_t* caption; int x; };
    for (const Button& b : {Button{IDOK, L"Save", 204}, Button{IDC_DEFAULT, L"Default", 294},
                            Button{IDCANCEL, L"Cancel", 384}}) {
        HWND button = ::GetDlgItem(hwnd, b.id);
        ASSERT_NE(button, nullptr) << b.id;
        EXPECT_EQ(test_support::WindowText(button), b.caption);
        RECT r;
        ::GetWindowRect(button, &r);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        ::OffsetRect(&r, ScrollPosition().x, ScrollPosition().y);  // in the content
        const RECT expected = DialogUnits(hwnd, b.x, 433, 47, 20);
        EXPECT_EQ(r.left, expected.left) << b.id;
        EXPECT_EQ(r.top, expected.top) << b.id;
    }
    EXPECT_EQ(LOWORD(::SendMessageW(hwnd, DM_GETDEFID, 0, 0)), IDOK);
}

TEST_F(DialogTest, InitialisationAddsOpenSaveAsChangesAndAboutAtTheEndOfTheSystemMenu) {
    HMENU menu = ::GetSystemMenu(hwnd, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 5);

    MENUITEMINFOW separator{sizeof(separator), MIIM_FTYPE};
    ASSERT_TRUE(::GetMenuItemInfoW(menu, count - 5, TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

    const struct { int fromEnd; UINT id; const wchar_t* text; } kItems[] = {
        {4, 0x0020, L"&Open..."}, {3, 0x0040, L"Sa&ve As..."}, {2, 0x0030, L"C&hanges..."},
        {1, 0x0010, L"&About Corvaset..."}};
    for (const auto& item : kItems) {
        EXPECT_EQ(::GetMenuItemID(menu, count - item.fromEnd), item.id);
        wchar_t text[64] = L"";
        ::GetMenuStringW(menu, count - item.fromEnd, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, item.text);
    }
}

TEST_F(DialogTest, InitialisationSetsTheIcons) {
    const auto appIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(appIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0)), appIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0)), appIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_QUERYDRAGICON, 0, 0)), appIcon);
}

// The dialog as the application makes it, with the application's About box.
class WithAboutBox : public DialogTest {
protected:
    WithAboutBox() : DialogTest(&CAboutDlg::Show) {}
};

TEST_F(WithAboutBox, AboutBoxOpensFromTheSystemMenuAndLeavesTheDialogAsItWas) {
    UnmuteMic();
    Click(IDC_CODEC_QM2);

    std::vector<SeenBox> seen;
    {
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
        ::SendMessageW(hwnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        seen = answerer.Finish();
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"About Corvaset");
    EXPECT_EQ(seen[0].text, L"Corvaset Version 1.0");
    EXPECT_FALSE(seen[0].isMessageBox);

    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_EQ(Value(custom::Entry::MicVolume), 0x0004u);
    EXPECT_TRUE(::IsDlgButtonChecked(hwnd, IDC_CODEC_QM2));
}

class EndWithoutSaving : public DialogTest, public ::testing::WithParamInterface<int> {};

// Cancel, Escape and the close box: each ends the dialog and writes nothing.
TEST_P(EndWithoutSaving, EndsWithCancelAndWritesNothing) {
    test_support::ScratchDir folder;
    test_support::CurrentDirectory cwd(folder.Path());
    Click(IDC_MUTE_MASTER);

    test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
    switch (GetParam()) {
        case 0: Click(IDCANCEL); break;
        case 1: ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case 2: {
            MSG escape{hwnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001};
            ::IsDialogMessageW(hwnd, &escape);
            break;
        }
    }
    PumpMessages();
    EXPECT_TRUE(answerer.Finish().empty());
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(test_support::ListFolder(folder.Path()).empty());
}

INSTANTIATE_TEST_SUITE_P(CancelEscapeClose, EndWithoutSaving, ::testing::Values(0, 1, 2));

// The same dialog object run a second time: its control members load and
// read the new window's controls, not those of the window that is gone.
TEST_F(DialogTest, SecondRunOfTheSameObjectTalksToTheNewWindow) {
    ASSERT_TRUE(::DestroyWindow(hwnd));
    ASSERT_EQ(dialog.GetSafeHwnd(), nullptr);
    ASSERT_TRUE(test_support::CreateModeless(dialog));
    hwnd = dialog.GetSafeHwnd();

    EXPECT_EQ(Text(IDC_DEFTEXT_MASTER), L"-6.0");
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_WAVE), 8);
    EXPECT_TRUE(Checked(IDC_MUTE_MIC));
    DragSlider(IDC_SLIDER_MASTER, 256);
    EXPECT_EQ(Value(custom::Entry::MasterVolume), 0x1F1Fu);
    EXPECT_EQ(Text(IDC_DEFTEXT_MASTER), L"-46.5");
}

namespace {

// A drop handle as any process could make one: `pFiles` where the list is
// said to start, then `list` as its bytes.
HGLOBAL MakeBlock(std::size_t size, DWORD pFiles, const std::wstring& list) {
    HGLOBAL memory = ::GlobalAlloc(GHND, size);
    auto* bytes = static_cast<BYTE*>(::GlobalLock(memory));
    if (size >= sizeof(DROPFILES)) {
        auto* drop = reinterpret_cast<DROPFILES*>(bytes);
        drop->pFiles = pFiles;
        drop->fWide = TRUE;
        std::memcpy(bytes + sizeof(DROPFILES), list.data(), std::min(list.size() * 2, size - sizeof(DROPFILES)));
    }
    ::GlobalUnlock(memory);
    return memory;
}

BOOL CALLBACK CountDialog(HWND window, LPARAM count) {
    if (::IsWindowVisible(window) && test_support::ClassName(window) == L"#32770") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

// Drops, DPI changes and notifications that carry a handle or a pointer to
// something that is not what the message says: the dialog ignores them,
// shows no box and stays as it was. The last row is a real drop, which is taken.
TEST_F(DialogTest, ForgedDropsDpiChangesAndNotificationsAreIgnored) {
    void* gone = ::VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    ::VirtualFree(gone, 0, MEM_RELEASE);
    const std::wstring oneFile(L"C:\\x.dat\0\0", 10);
    // A spin press whose header ends its page, the next page not committed.
    auto* page = static_cast<BYTE*>(::VirtualAlloc(nullptr, 8192, MEM_RESERVE, PAGE_NOACCESS));
    ::VirtualAlloc(page, 4096, MEM_COMMIT, PAGE_READWRITE);
    auto* cutPress = reinterpret_cast<NMHDR*>(page + 4096 - sizeof(NMHDR));
    *cutPress = {::GetDlgItem(hwnd, IDC_MAXSPIN_MASTER), IDC_MAXSPIN_MASTER, UDN_DELTAPOS};
    // A tip request the handler would fill in, in a page it may only read.
    auto* readOnlyTip = static_cast<NMTTDISPINFOW*>(::VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    readOnlyTip->hdr = {::GetDlgItem(hwnd, IDC_MUTE_MASTER), IDC_MUTE_MASTER, TTN_GETDISPINFOW};
    DWORD was = 0;
    ::VirtualProtect(readOnlyTip, 4096, PAGE_READONLY, &was);

    const struct {
        const char* name;
        UINT message;
        WPARAM wp;
        LPARAM lp;
    } cases[] = {
        {"drop into the program's image", WM_DROPFILES, reinterpret_cast<WPARAM>(::GetModuleHandleW(nullptr)), 0},
        {"drop of a made-up handle", WM_DROPFILES, 0x7FF0000C, 0},
        {"drop of a low number", WM_DROPFILES, 0x10, 0},
        {"drop smaller than DROPFILES", WM_DROPFILES, reinterpret_cast<WPARAM>(MakeBlock(8, 0, L"")), 0},
        {"drop list past its block", WM_DROPFILES, reinterpret_cast<WPARAM>(MakeBlock(64, 4096, oneFile)), 0},
        {"drop list inside DROPFILES", WM_DROPFILES, reinterpret_cast<WPARAM>(MakeBlock(64, 4, oneFile)), 0},
        {"drop list without its end", WM_DROPFILES,
         reinterpret_cast<WPARAM>(MakeBlock(sizeof(DROPFILES) + 16, sizeof(DROPFILES), L"C:\\abcdefgh")), 0},
        {"DPI change with a freed rectangle", 0x02E0, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(gone)},
        {"DPI change with a rectangle in no memory", 0x02E0, MAKEWPARAM(144, 144), 0x10},
        {"DPI change with a rectangle at the top of memory", 0x02E0, MAKEWPARAM(144, 144), LPARAM(0xFFFFFFF0)},
        {"DPI change with the last byte of memory", 0x02E0, MAKEWPARAM(144, 144), LPARAM(0xFFFFFFFF)},
        {"notification at the top of memory", WM_NOTIFY, IDC_MAXSPIN_MASTER, LPARAM(0xFFFFFFF8)},
        {"notification in the last bytes of memory", WM_NOTIFY, IDC_MAXSPIN_MASTER, LPARAM(0xFFFFFFF6)},
        {"notification at the last byte of memory", WM_NOTIFY, IDC_MAXSPIN_MASTER, LPARAM(0xFFFFFFFF)},
        {"spin press running off its page", WM_NOTIFY, IDC_MAXSPIN_MASTER, reinterpret_cast<LPARAM>(cutPress)},
        {"tip request in a read-only page", WM_NOTIFY, IDC_MUTE_MASTER, reinterpret_cast<LPARAM>(readOnlyTip)},
        {"wide drop list without its end, zero low bytes", WM_DROPFILES,
         reinterpret_cast<WPARAM>(MakeBlock(sizeof(DROPFILES) + 4, sizeof(DROPFILES), L"\u0100\u0200")), 0},
    };
    RECT before;
    ::GetWindowRect(hwnd, &before);
    const auto table = dialog.Settings().Working();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
        ::SendMessageW(hwnd, c.message, c.wp, c.lp);
        EXPECT_TRUE(answerer.Finish().empty());
        RECT window;
        ::GetWindowRect(hwnd, &window);
        EXPECT_TRUE(::EqualRect(&window, &before));
        EXPECT_EQ(test_support::WindowText(hwnd), L"Tessan Corvaset - v1.0");
        for (std::size_t i = 0; i < custom::kEntryCount; ++i)
            EXPECT_EQ(Value(static_cast<custom::Entry>(i)), table[i].value) << table[i].key;
    }
    // The same list, well formed, is a drop: "C:\x.dat" cannot be opened.
    test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
    ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeBlock(64, sizeof(DROPFILES), oneFile)), 0);
    EXPECT_EQ(answerer.Finish().size(), 1u);
}

// While a box of the dialog is up, the commands that open a window of their
// own may still arrive, posted by another program: none opens a second
// window, the dialog stays greyed under the box, and Cancel does not end
// the dialog under it.
TEST_F(WithAboutBox, CommandsThatOpenAWindowAreIgnoredWhileOneIsUp) {
    const DWORD thread = ::GetCurrentThreadId();
    for (const bool fromSave : {false, true}) {
        SCOPED_TRACE(fromSave ? "the box Save shows" : "the About box");
        int dialogsSeen = 0;
        bool enabledUnderBox = true;
        std::thread other([&] {
            HWND outer = nullptr;
            for (int i = 0; i < 500 && outer == nullptr; ++i, ::Sleep(10))
                outer = test_support::FindDialogOfThread(thread, hwnd);
            for (WPARAM command : {IDM_OPENFILE, IDM_SAVEAS, IDM_CHANGES, IDM_ABOUTBOX})
                ::PostMessageW(hwnd, WM_SYSCOMMAND, command, 0);
            // A file dropped meanwhile: opening it would tell that it cannot be.
            ::PostMessageW(hwnd, WM_DROPFILES,
                           reinterpret_cast<WPARAM>(MakeBlock(64, sizeof(DROPFILES), std::wstring(L"C:\\x.dat\0\0", 10))), 0);
            for (int button : {IDOK, IDCANCEL})
                ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, button)));
            ::Sleep(500);
            ::EnumThreadWindows(thread, CountDialog, reinterpret_cast<LPARAM>(&dialogsSeen));
            enabledUnderBox = ::IsWindowEnabled(hwnd) != FALSE;
            // Closes whatever is up, the outer box last.
            for (int quiet = 0, i = 0; quiet < 20 && i < 1000; ++i, ::Sleep(10)) {
                HWND box = test_support::FindDialogOfThread(thread, hwnd);
                quiet = box == nullptr ? quiet + 1 : 0;
                if (box != nullptr) ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
            }
        });
        if (fromSave)
            ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, IDOK)));
        else
            ::SendMessageW(hwnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        other.join();
        EXPECT_EQ(dialogsSeen, 2) << "the dialog and its box";
        EXPECT_FALSE(enabledUnderBox);
        EXPECT_EQ(Ended(), fromSave);
        ::ShowWindow(hwnd, SW_SHOW);  // Save ended the dialog, which hides it
    }
}
