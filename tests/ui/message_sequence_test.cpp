// The messages the settings dialog's controls get as it starts and as its
// radio buttons are checked, recorded by a hook and compared with short
// tables of what is expected, as Wine's own message tests do it.
#include "tests/ui/dialog_fixture.h"

#include <map>
#include <ostream>
#include <set>
#include <span>

namespace {

struct Seen {
    HWND control;
    UINT message;
    WPARAM wParam;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* os) {
    *os << "{" << ::GetDlgCtrlID(s.control) << ", 0x" << std::hex << s.message << std::dec << ", " << s.wParam << "}";
}

// The messages sent on this thread to the controls of `dialog`, in order,
// while the log lives. With no dialog, it records the controls of the first
// window that gets WM_INITDIALOG, from then on.
class MessageLog {
public:
    explicit MessageLog(HWND dialog = nullptr)
        : m_dialog(dialog), m_hook(::SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, ::GetCurrentThreadId())) {
        s_log = this;
    }
    ~MessageLog() {
        ::UnhookWindowsHookEx(m_hook);
        s_log = nullptr;
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<Seen> seen;
    std::size_t shownAt = 0;  // how many were seen when the dialog was shown; 0: not shown

private:
    static LRESULT CALLBACK Record(int code, WPARAM wp, LPARAM lp) {
        const auto& m = *reinterpret_cast<const CWPSTRUCT*>(lp);
        MessageLog* log = s_log;
        if (code == HC_ACTION && log != nullptr) {
            if (log->m_dialog == nullptr && m.message == WM_INITDIALOG) log->m_dialog = m.hwnd;
            if (m.hwnd == log->m_dialog && m.message == WM_SHOWWINDOW && m.wParam) log->shownAt = log->seen.size();
            // A control's own report that its style changed, after a message that changed it.
            const bool styleEcho = m.message == WM_STYLECHANGING || m.message == WM_STYLECHANGED;
            if (log->m_dialog != nullptr && !styleEcho && ::GetAncestor(m.hwnd, GA_PARENT) == log->m_dialog)
                log->seen.push_back({m.hwnd, m.message, m.wParam});
        }
        return ::CallNextHookEx(nullptr, code, wp, lp);
    }

    static inline MessageLog* s_log = nullptr;
    HWND m_dialog;
    HHOOK m_hook;
};

// An expected message: `optional` may be missing, `wparam` compares wParam too.
enum Flags { none = 0, optional = 1, wparam = 2 };
struct Expected {
    int id;
    UINT message;
    WPARAM wParam;
    int flags;
};

// As Wine's ok_sequence: the log must be the table in order, where an
// optional entry may be missing. Returns what differs first, or "".
std::string SequenceMismatch(HWND dialog, const std::vector<Seen>& seen, std::span<const Expected> expected) {
    std::size_t i = 0;
    for (const Expected& e : expected) {
        const bool matches = i < seen.size() && seen[i].control == ::GetDlgItem(dialog, e.id) &&
                             seen[i].message == e.message && (!(e.flags & wparam) || seen[i].wParam == e.wParam);
        if (matches)
            ++i;
        else if (!(e.flags & optional))
            return "expected " + ::testing::PrintToString(Seen{::GetDlgItem(dialog, e.id), e.message, e.wParam}) +
                   ", seen " + (i < seen.size() ? ::testing::PrintToString(seen[i]) : "nothing");
    }
    return i < seen.size() ? "unexpected " + ::testing::PrintToString(seen[i]) : "";
}

// The dialog created while a log records its controls.
class StartupSequenceTest : public DialogTest {
protected:
    void SetUp() override {
        MessageLog log;
        DialogTest::SetUp();
        ASSERT_NE(log.shownAt, 0u) << "the dialog was not shown";
        startup.assign(log.seen.begin(), log.seen.begin() + static_cast<std::ptrdiff_t>(log.shownAt));
    }
    std::vector<Seen> startup;  // from WM_INITDIALOG until the dialog shows
};

// Each kind of control gets only the messages that load it, and the first
// one the focus: no WM_SETTEXT and no WM_ENABLE, as the first texts and
// greying come with the template, and no move, as a dialog larger than the
// screen has its controls placed scrolled in the template. The input
// method's note that goes with the focus may come on top.
TEST_F(StartupSequenceTest, EachKindOfControlGetsOnlyWhatLoadsIt) {
    const std::set<UINT> kMayCome = {WM_IME_SETCONTEXT};
    std::map<std::wstring, std::set<UINT>> kinds;
    for (const Seen& s : startup)
        if (!kMayCome.count(s.message)) kinds[test_support::ClassName(s.control)].insert(s.message);
    const std::map<std::wstring, std::set<UINT>> expected = {
        {L"Button", {BM_GETCHECK, BM_SETCHECK, BM_SETSTYLE, WM_SETFOCUS}},
        {L"msctls_trackbar32",
         {TBM_SETRANGEMIN, TBM_SETRANGEMAX, TBM_SETTICFREQ, TBM_SETPAGESIZE, TBM_SETPOS}},
        {L"msctls_updown32", {UDM_SETACCEL, UDM_SETRANGE32, UDM_SETPOS32}},
    };
    EXPECT_EQ(kinds, expected);
}

struct RadioCase {
    const char* name;
    int check;
    std::vector<Expected> sequence;
};

void PrintTo(const RadioCase& c, std::ostream* os) { *os << c.name; }

// The dialog starts with QM-3 checked. Only the radios of the group are
// asked, and only those whose check changes are set.
const RadioCase kRadioCases[] = {
    {"AlreadyChecked",
     IDC_CODEC_QM3,
     {{IDC_CODEC_QM1, BM_GETCHECK, 0, optional},
      {IDC_CODEC_QM2, BM_GETCHECK, 0, optional},
      {IDC_CODEC_QM3, BM_GETCHECK, 0, optional}}},
    {"FromQm3ToQm1",
     IDC_CODEC_QM1,
     {{IDC_CODEC_QM1, BM_GETCHECK, 0, optional},
      {IDC_CODEC_QM1, BM_SETSTYLE, 0, optional},
      {IDC_CODEC_QM1, BM_SETCHECK, BST_CHECKED, wparam},
      {IDC_CODEC_QM1, BM_SETSTYLE, 0, optional},
      {IDC_CODEC_QM2, BM_GETCHECK, 0, optional},
      {IDC_CODEC_QM3, BM_GETCHECK, 0, optional},
      {IDC_CODEC_QM3, BM_SETCHECK, BST_UNCHECKED, wparam}}},
};

class RadioSequence : public DialogTest, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(RadioSequence, CheckingARadioTouchesOnlyItsGroup) {
    ASSERT_TRUE(Checked(IDC_CODEC_QM3));
    MessageLog log(hwnd);
    for (int id = IDC_CODEC_QM1; id <= IDC_CODEC_QM3; ++id) fw::SetRadioCheck(::GetDlgItem(hwnd, id), id == GetParam().check);
    EXPECT_EQ(SequenceMismatch(hwnd, log.seen, GetParam().sequence), "");
    EXPECT_TRUE(Checked(GetParam().check));
}

INSTANTIATE_TEST_SUITE_P(Cases, RadioSequence, ::testing::ValuesIn(kRadioCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
