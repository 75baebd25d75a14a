// The dialog from the keyboard alone: spins take their keys, every control
// without text of its own shows where the focus is, and the dialog's boxes
// open in its middle.
#include "tests/ui/dialog_fixture.h"

#include <vector>

#include "app/about_dlg.h"

using custom::Entry;

namespace {

LRESULT CALLBACK CuesHidden(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    return msg == WM_QUERYUISTATE ? UISF_HIDEFOCUS : ::DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

class KeyboardTest : public DialogTest {
protected:
    KeyboardTest() : DialogTest(&CAboutDlg::Show) {}
    void SetUp() override {
        DialogTest::SetUp();
        FinishStarting();  // the keys are served once the dialog has been painted
    }

    // A key pressed on the focused control, through the dialog manager as the message loop passes it.
    void PressKey(WORD vk) {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, vk, 0);
        ::PostMessageW(::GetFocus(), WM_KEYUP, vk, 0xC0000001);
        PumpMessages();
    }

    // The control's pixels as it paints itself.
    std::vector<COLORREF> Pixels(HWND control) {
        RECT r;
        ::GetClientRect(control, &r);
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, r.right, r.bottom);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x) pixels.push_back(::GetPixel(dc, x, y));
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        ::ReleaseDC(nullptr, screen);
        return pixels;
    }
};

// Each key on a focused spin is what as many presses of its arrow do; the
// focus stays on the spin. In order, on one dialog.
TEST_F(KeyboardTest, SpinsTakeTheirKeys) {
    struct Press {
        int spin;
        WORD key;
        Entry entry;
        std::uint32_t value;
        const wchar_t* text;  // the spin's text
    };
    const Press presses[] = {
        {IDC_MAXSPIN_MASTER, VK_UP, Entry::MasVMax, 0, L"+0.0"},    // at the loudest limit already
        {IDC_MAXSPIN_MASTER, VK_DOWN, Entry::MasVMax, 1, L"-1.5"},
        {IDC_MAXSPIN_MASTER, VK_NEXT, Entry::MasVMax, 5, L"-7.5"},
        {IDC_MAXSPIN_MASTER, VK_NEXT, Entry::MasterVolume, 0x0909, L"-13.5"},  // the level pulled down
        {IDC_MAXSPIN_MASTER, VK_LEFT, Entry::MasVMax, 8, L"-12.0"},
        {IDC_MAXSPIN_MASTER, VK_RIGHT, Entry::MasVMax, 9, L"-13.5"},
        {IDC_MAXSPIN_MASTER, VK_END, Entry::MasterVolume, 0x1F1F, L"-46.5"},
        {IDC_MAXSPIN_MASTER, VK_HOME, Entry::MasVMax, 0, L"+0.0"},
        {IDC_MAXSPIN_PCSPEAKER, VK_END, Entry::PCBVMax, 30, L"-45.0"},  // 3 dB a press
        {IDC_MAXSPIN_PCSPEAKER, VK_PRIOR, Entry::PCBVMax, 22, L"-33.0"},
        {IDC_MAXSPIN_PCSPEAKER, VK_PRIOR, Entry::BeepVolume, 0x001E, L"-21.0"},
        {IDC_MAXSPIN_WAVE, VK_UP, Entry::WaveOutVolume, 0x0707, L"+1.5"},
        {IDC_MAXSPIN_SWSYNTH, VK_NEXT, Entry::WaveOutVolume, 0x0B0B, L"-4.5"},
        {IDC_RECSPIN_MIC, VK_HOME, Entry::MicRMax, 15, L"+22.5"},
        {IDC_RECSPIN_MIC, VK_NEXT, Entry::MicRMax, 11, L"+16.5"},
        {IDC_RECSPIN_MIC, VK_END, Entry::MicRMax, 0, L"+0.0"},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(::testing::Message() << press.spin << " key " << press.key);
        HWND spin = ::GetDlgItem(hwnd, press.spin);
        ::SetFocus(spin);
        PressKey(press.key);
        EXPECT_EQ(Value(press.entry), press.value);
        EXPECT_EQ(test_support::WindowText(reinterpret_cast<HWND>(::SendMessageW(spin, UDM_GETBUDDY, 0, 0))),
                  press.text);
        EXPECT_EQ(::GetFocus(), spin);
    }
    EXPECT_EQ(Text(IDC_MAXTEXT_WAVE), L"-4.5") << "Wave and SW Synth together";
}

// A check box without text and a spin draw a focus rectangle around
// themselves only while they have the focus and the keyboard cues are on.
TEST_F(KeyboardTest, BareBoxesAndSpinsShowTheFocusAroundThemselves) {
    for (int id : {IDC_MUTE_MASTER, IDC_MAXSPIN_MASTER}) {
        SCOPED_TRACE(id);
        HWND control = ::GetDlgItem(hwnd, id);
        RECT r;
        ::GetClientRect(control, &r);
        ::SetFocus(::GetDlgItem(hwnd, IDOK));
        const auto unfocused = Pixels(control);
        ::SetFocus(control);
        const auto focused = Pixels(control);
        // Wine keeps no keyboard cue state (WM_QUERYUISTATE always answers
        // 0, cues on): the control is told they are hidden as Windows would.
        ::SetWindowSubclass(control, CuesHidden, 1, 0);
        const auto cuesHidden = Pixels(control);
        ::RemoveWindowSubclass(control, CuesHidden, 1);

        EXPECT_EQ(cuesHidden, unfocused);
        // Focused, only the outermost ring of pixels changes, and every
        // other pixel of it (the dotted line).
        int ringChanged = 0, insideChanged = 0;
        for (int y = 0; y < r.bottom; ++y) {
            for (int x = 0; x < r.right; ++x) {
                const std::size_t i = static_cast<std::size_t>(y * r.right + x);
                const bool ring = x == 0 || y == 0 || x == r.right - 1 || y == r.bottom - 1;
                if (focused[i] != unfocused[i]) ++(ring ? ringChanged : insideChanged);
            }
        }
        EXPECT_EQ(insideChanged, 0);
        EXPECT_GE(ringChanged, r.right + r.bottom - 4) << "about half of the ring's pixels";
    }
}

// The About box and a message box open in the middle of the dialog, wherever it is.
TEST_F(KeyboardTest, BoxesOpenInTheMiddleOfTheDialog) {
    ::SetWindowPos(hwnd, nullptr, 10, 20, 600, 440, SWP_NOZORDER);  // middle (310, 240)
    std::vector<test_support::SeenBox> seen;
    {
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
        ::SendMessageW(hwnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        Click(IDOK);  // nothing to save: a message box
        seen = answerer.Finish();
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FALSE(seen[0].isMessageBox);
    EXPECT_TRUE(seen[1].isMessageBox);
    for (const auto& box : seen) {
        SCOPED_TRACE(box.caption);
        EXPECT_NEAR((box.place.left + box.place.right) / 2, 310, 1);
        EXPECT_NEAR((box.place.top + box.place.bottom) / 2, 240, 1);
    }
}
