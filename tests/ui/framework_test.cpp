// The dialog base and its message tables, on a dialog of their own that logs
// what its table hands it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "framework/dialog.h"
#include "framework/sender_check.h"
#include "res/resource.h"
#include "tests/support/modeless_dialog.h"
#include "tests/support/win_test_support.h"
#include "win32/text.h"

namespace {

constexpr UINT kNoControl = 40001;  // an ID no control of template 102 has

// Template 102 under a bare dialog class that checks senders and whose table
// takes every command.
class LoggingDialog : public fw::CDialog {
public:
    LoggingDialog() : fw::CDialog(IDD_CORVASET_DIALOG) {}
    std::vector<UINT> commands;  // the IDs of the commands the table was handed
    UINT failOn = 0;             // the handler throws after logging this ID
    using fw::CDialog::ReplaceControl;

protected:
    bool AcceptsMessage(const fw::Message& m) const override { return m_senderCheck.Passes(*this, m); }
    bool RouteMessage(fw::Message& m) override {
        static constexpr fw::MessageEntry<LoggingDialog> kTable[] = {
            {WM_COMMAND, 0, 0, 0xFFFF,
             [](LoggingDialog& d, fw::Message& m, const auto& e) {
                 return fw::crack::Answer<&LoggingDialog::OnAnyCommand>(d, m, e, m.id);
             },
             fw::CodeMatch::Any},
        };
        return fw::DispatchMessageTable<LoggingDialog>(*this, kTable, m);
    }

private:
    void OnAnyCommand(UINT id) {
        commands.push_back(id);
        if (failOn != 0 && id == failOn) throw std::runtime_error("handler failed");
    }
    fw::SenderCheck m_senderCheck;
};

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&classes);
        ASSERT_TRUE(test_support::CreateModeless(dialog)) << "error " << ::GetLastError();
        hwnd = dialog.GetSafeHwnd();
    }

    LoggingDialog dialog;
    HWND hwnd = nullptr;
};

struct Command {
    const char* name;
    WORD id;
    WORD code;
    int senderId;       // the control whose window rides in lParam; 0: none
    bool senderGreyed;  // that control greyed first
    bool reachesTable;
};

const Command kCommands[] = {
    {"MenuCommand", kNoControl, 0, 0, false, true},
    {"AcceleratorCommand", kNoControl, 1, 0, false, true},
    {"ClickFromTheButton", IDC_DEFAULT, BN_CLICKED, IDC_DEFAULT, false, true},
    {"MenuCommandNamingAControl", IDC_DEFAULT, 0, 0, false, false},
    {"AcceleratorCommandNamingAControl", IDC_DEFAULT, 1, 0, false, false},
    {"WindowlessNotificationWithAnotherCode", kNoControl, BN_DOUBLECLICKED, 0, false, false},
    {"ClickFromAnotherControlsWindow", IDC_DEFAULT, BN_CLICKED, IDC_MUTE_MIC, false, false},
    {"ClickFromTheGreyedButton", IDC_DEFAULT, BN_CLICKED, IDC_DEFAULT, true, false},
};

void PrintTo(const Command& c, std::ostream* os) { *os << c.name; }

class SenderCheck : public FrameworkTest, public ::testing::WithParamInterface<Command> {};

TEST_P(SenderCheck, OnlyCommandsFromWhereTheySayReachTheTable) {
    const Command& c = GetParam();
    ASSERT_EQ(::GetDlgItem(hwnd, kNoControl), nullptr);
    HWND sender = c.senderId != 0 ? ::GetDlgItem(hwnd, c.senderId) : nullptr;
    if (c.senderGreyed) ::EnableWindow(sender, FALSE);

    ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(c.id, c.code), reinterpret_cast<LPARAM>(sender));
    EXPECT_EQ(dialog.commands, c.reachesTable ? std::vector<UINT>{c.id} : std::vector<UINT>{});
}

INSTANTIATE_TEST_SUITE_P(Commands, SenderCheck, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkTest, FindItemIsTheControlWithThatIdOrNothing) {
    EXPECT_EQ(test_support::WindowText(dialog.FindItem(IDC_DEFAULT)), L"Default");
    EXPECT_EQ(test_support::WindowText(dialog.FindItem(IDCANCEL)), L"Cancel");
    EXPECT_EQ(dialog.FindItem(kNoControl), nullptr);
    // A control made again in another's place is the one with that ID.
    const HWND old = dialog.FindItem(IDC_DEFAULT);
    const HWND made = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 9, 9, hwnd,
                                        reinterpret_cast<HMENU>(IDC_DEFAULT), nullptr, nullptr);
    dialog.ReplaceControl(old, made);
    EXPECT_EQ(dialog.FindItem(IDC_DEFAULT), made);
    EXPECT_FALSE(::IsWindow(old));
}

// A control as the test compares it: ID, class, text, style and place.
std::wstring Describe(HWND control) {
    RECT r;
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return std::to_wstring(::GetDlgCtrlID(control)) + L" " + test_support::ClassName(control) + L" \"" +
           test_support::WindowText(control) + L"\" " + std::to_wstring(::GetWindowLongW(control, GWL_STYLE)) + L" " +
           std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom);
}

std::vector<std::wstring> DescribeControls(HWND dialog) {
    std::vector<std::wstring> controls;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT))
        controls.push_back(Describe(c));
    return controls;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Texts and greying set in the template before the dialog is created change
// those controls and nothing else. "Four" moves every later control in the
// template by one word, which the rest must survive.
TEST(DialogTemplateTest, ChangesOnlyTheNamedControls) {
    class PreparedDialog : public fw::CDialog {
    public:
        PreparedDialog() : fw::CDialog(IDD_CORVASET_DIALOG) {}

    protected:
        void PrepareTemplate(fw::DialogTemplate& t) override {
            t.SetItemText(IDC_DEFAULT, L"first");
            t.SetItemText(IDC_DEFAULT, L"Four");  // the last text set counts
            t.SetItemText(IDC_MAXTEXT_MASTER, L"-10.5");
            t.SetItemEnabled(IDC_MUTE_MIC, false);
            t.SetItemEnabled(IDCANCEL, true);  // as it is
            t.SetItemText(kNoControl, L"nowhere");
            t.SetItemEnabled(kNoControl, false);
        }
    };
    const HWND plain = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CORVASET_DIALOG), nullptr,
                                            PlainDialogProc, 0);
    PreparedDialog prepared;
    ASSERT_TRUE(plain != nullptr && test_support::CreateModeless(prepared));
    std::vector<std::wstring> expected = DescribeControls(plain);
    ::DestroyWindow(plain);
    ASSERT_EQ(expected.size(), 152u);
    const auto change = [&expected](int id, const std::wstring& from, const std::wstring& to) {
        for (std::wstring& c : expected)
            if (c.compare(0, c.find(L' '), std::to_wstring(id)) == 0) c.replace(c.find(from), from.size(), to);
    };
    change(IDC_DEFAULT, L"\"Default\"", L"\"Four\"");
    change(IDC_MAXTEXT_MASTER, L"\"X\"", L"\"-10.5\"");
    const LONG mute = ::GetWindowLongW(prepared.FindItem(IDC_MUTE_MIC), GWL_STYLE);
    change(IDC_MUTE_MIC, std::to_wstring(mute & ~WS_DISABLED), std::to_wstring(mute | WS_DISABLED));
    EXPECT_NE(mute & WS_DISABLED, 0);
    EXPECT_EQ(DescribeControls(prepared.GetSafeHwnd()), expected);
}

// What fitting the settings dialog needs before it exists, and every
// control moved by whole steps of the font: each lands exactly that many
// pixels from where the unmoved template puts it.
TEST(DialogTemplateTest, GivesItsLayoutAndMovesEveryControl) {
    fw::DialogTemplate moved(IDD_CORVASET_DIALOG);
    const auto layout = moved.LayoutOf();
    ASSERT_TRUE(layout);
    EXPECT_EQ(std::pair(layout->size.cx, layout->size.cy), std::pair(636L, 464L));
    EXPECT_EQ(std::pair(layout->pointSize, layout->face), std::pair(8, std::wstring(L"MS Sans Serif")));
    const RECT save{204, 433, 251, 453};
    EXPECT_TRUE(::EqualRect(&layout->firstTabStop, &save));

    moved.MoveItems(-4, -8);
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HWND plain = ::CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_CORVASET_DIALOG), nullptr, PlainDialogProc, 0);
    const HWND shifted = ::CreateDialogIndirectParamW(module, moved.Data(), nullptr, PlainDialogProc, 0);
    ASSERT_TRUE(plain != nullptr && shifted != nullptr);
    RECT step{0, 0, 4, 8};
    ::MapDialogRect(plain, &step);
    int controls = 0;
    for (HWND a = ::GetWindow(plain, GW_CHILD), b = ::GetWindow(shifted, GW_CHILD); a != nullptr && b != nullptr;
         a = ::GetWindow(a, GW_HWNDNEXT), b = ::GetWindow(b, GW_HWNDNEXT), ++controls) {
        RECT ra, rb;
        ::GetWindowRect(a, &ra);
        ::GetWindowRect(b, &rb);
        ::MapWindowPoints(nullptr, plain, reinterpret_cast<POINT*>(&ra), 2);
        ::MapWindowPoints(nullptr, shifted, reinterpret_cast<POINT*>(&rb), 2);
        ::OffsetRect(&rb, step.right, step.bottom);
        EXPECT_TRUE(::EqualRect(&ra, &rb)) << ::GetDlgCtrlID(a);
    }
    EXPECT_EQ(controls, 152);
    ::DestroyWindow(plain);
    ::DestroyWindow(shifted);
}

// Only a whole DIALOGEX is rewritten: a plain DLGTEMPLATE, and one that
// cannot be read to its last control (tests/ui/test_templates.rc), go to the
// system as the program has them, whatever was set.
TEST(DialogTemplateTest, PlainAndBrokenTemplatesAreUsedAsTheyAre) {
    const struct {
        UINT id;
    } kTemplates[] = {
        {900},  // plain
        {901},  // one control short
        {902},  // a title without its end
        {903},  // three words
    };
    for (const auto& t : kTemplates) {
        const HMODULE module = ::GetModuleHandleW(nullptr);
        const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(t.id), MAKEINTRESOURCEW(5));
        ASSERT_NE(found, nullptr) << t.id;
        fw::DialogTemplate rewriter(t.id);
        rewriter.SetItemText(IDOK, L"changed");
        rewriter.SetItemEnabled(IDOK, false);
        EXPECT_EQ(rewriter.Data(), ::LockResource(::LoadResource(module, found))) << t.id;
        EXPECT_FALSE(rewriter.LayoutOf()) << t.id;
    }
}

// A handler's exception stops at the dialog procedure: the message returns,
// and the dialog goes on taking messages.
TEST_F(FrameworkTest, HandlerExceptionStopsAtTheDialogProcedure) {
    LoggingDialog throwing;
    throwing.failOn = kNoControl;
    ASSERT_TRUE(test_support::CreateModeless(throwing));
    const HWND window = throwing.GetSafeHwnd();

    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(kNoControl, 0), 0);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(kNoControl + 1, 0), 0);
    EXPECT_EQ(throwing.commands, (std::vector<UINT>{kNoControl, kNoControl + 1}));
}

// The checks and tab stops the system's CheckRadioButton leaves, on buttons
// that stay automatic radio buttons: a click still moves the check.
TEST_F(FrameworkTest, SetRadioCheckChecksOneClearsTheRestAndKeepsThemAutomatic) {
    const auto check = [&](int checked) {
        for (int id = IDC_CODEC_QM1; id <= IDC_CODEC_QM3; ++id) fw::SetRadioCheck(::GetDlgItem(hwnd, id), id == checked);
    };
    struct Radio {
        int id;
        UINT check;
        bool tabStop;
    };
    const auto expectRadios = [&](std::initializer_list<Radio> radios, const char* after) {
        for (const Radio& r : radios) {
            const HWND button = ::GetDlgItem(hwnd, r.id);
            const LONG style = ::GetWindowLongW(button, GWL_STYLE);
            EXPECT_EQ(::SendMessageW(button, BM_GETCHECK, 0, 0), r.check) << after << ": radio " << r.id;
            EXPECT_EQ((style & WS_TABSTOP) != 0, r.tabStop) << after << ": radio " << r.id;
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON) << after << ": radio " << r.id;
        }
    };

    check(IDC_CODEC_QM2);
    expectRadios({{IDC_CODEC_QM1, BST_UNCHECKED, false}, {IDC_CODEC_QM2, BST_CHECKED, true},
                  {IDC_CODEC_QM3, BST_UNCHECKED, false}},
                 "QM-2 checked");
    check(IDC_CODEC_QM3);
    expectRadios({{IDC_CODEC_QM1, BST_UNCHECKED, false}, {IDC_CODEC_QM2, BST_UNCHECKED, false},
                  {IDC_CODEC_QM3, BST_CHECKED, true}},
                 "QM-3 checked");
    ::SendMessageW(::GetDlgItem(hwnd, IDC_CODEC_QM1), BM_CLICK, 0, 0);
    expectRadios({{IDC_CODEC_QM1, BST_CHECKED, true}, {IDC_CODEC_QM2, BST_UNCHECKED, false},
                  {IDC_CODEC_QM3, BST_UNCHECKED, false}},
                 "QM-1 clicked");
}

// Every UINT is a notification code of its own: 0xFFFFFFFF is NM_OUTOFMEMORY.
struct Target {
    int calls = 0;
    void Handle(const NMHDR&) { ++calls; }
    void HandleAny() { ++calls; }
};

struct CodeMatch {
    const char* name;
    fw::MessageEntry<Target> entry;
    UINT code;
    bool matches;
};

const CodeMatch kCodeMatches[] = {
    {"OutOfMemoryEntryTakesOutOfMemory", fw::OnNotify<&Target::Handle>(7, 0xFFFFFFFFu), 0xFFFFFFFFu, true},
    {"OutOfMemoryEntryLeavesAClick", fw::OnNotify<&Target::Handle>(7, 0xFFFFFFFFu), 0xFFFFFFFEu, false},
    {"OutOfMemoryEntryLeavesCodeZero", fw::OnNotify<&Target::Handle>(7, 0xFFFFFFFFu), 0, false},
    {"ClickEntryLeavesOutOfMemory", fw::OnNotify<&Target::Handle>(7, 0xFFFFFFFEu), 0xFFFFFFFFu, false},
    {"WindowMessageEntryTakesOutOfMemory", fw::OnMessage<&Target::HandleAny>(WM_NOTIFY, fw::Default::Skipped), 0xFFFFFFFFu, true},
    {"WindowMessageEntryTakesCodeZero", fw::OnMessage<&Target::HandleAny>(WM_NOTIFY, fw::Default::Skipped), 0, true},
};

void PrintTo(const CodeMatch& c, std::ostream* os) { *os << c.name; }

class MessageTableCodes : public ::testing::TestWithParam<CodeMatch> {};

TEST_P(MessageTableCodes, EntryTakesExactlyItsCode) {
    Target target;
    const fw::MessageEntry<Target> table[] = {GetParam().entry};
    const NMHDR header{nullptr, 7, GetParam().code};
    fw::Message m{WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header), 7, GetParam().code};
    EXPECT_EQ(fw::DispatchMessageTable<Target>(target, table, m), GetParam().matches);
    EXPECT_EQ(target.calls, GetParam().matches ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Codes, MessageTableCodes, ::testing::ValuesIn(kCodeMatches),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// A DPI change is taken from 50 % to 1000 % of 96 DPI, with a rectangle
// that can be read whole.
TEST(SuggestedDpiRectTest, TakesTheDpisAMonitorHasAndRectanglesInMemory) {
    RECT rect{0, 0, 640, 480};
    const auto at = reinterpret_cast<LPARAM>(&rect);
    const struct { WORD dpi; LPARAM rect; bool taken; } kCases[] = {
        {47, at, false}, {48, at, true}, {960, at, true}, {961, at, false}, {96, LPARAM(0xFFFFFFF0), false}};
    for (const auto& c : kCases)
        EXPECT_EQ(fw::SuggestedDpiRect(MAKEWPARAM(c.dpi, c.dpi), c.rect) != nullptr, c.taken) << c.dpi;
}

TEST(FormatInsertsTest, FillsEachNamedInsertAndKeepsEverythingElse) {
    EXPECT_EQ(fw::FormatInserts(L"%2 then %1, %1 again", {L"one", L"two"}), L"two then one, one again");
    EXPECT_EQ(fw::FormatInserts(L"Cannot open %1.\n\n%2", {L"C:\\50%2.dat", L"x"}), L"Cannot open C:\\50%2.dat.\n\nx");
    EXPECT_EQ(fw::FormatInserts(L"100% of %3 and a % at the end %", {L"a"}), L"100% of %3 and a % at the end %");
}
