// The dialog on a screen too small for it (the null driver's 1024 x 768, as
// a 1366 x 768 laptop or a 1080p panel at 150 %): sized to the work area,
// scrolled by its bars, the wheel and the keyboard focus, and still working.
#include "tests/ui/dialog_fixture.h"

#include <set>

using custom::Entry;

namespace {

RECT WorkArea() {
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

class FitTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        FinishStarting();
    }
    RECT TemplateSize() const {
        RECT r{0, 0, 636, 464};
        ::MapDialogRect(hwnd, &r);
        return r;
    }
    bool HasBar(LONG bar) const { return (::GetWindowLongW(hwnd, GWL_STYLE) & bar) != 0; }
    // A control's rectangle in the dialog's client coordinates.
    RECT InClient(int id) const {
        RECT r;
        ::GetWindowRect(::GetDlgItem(hwnd, id), &r);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    RECT Client() const {
        RECT c;
        ::GetClientRect(hwnd, &c);
        return c;
    }
    void Scroll(UINT message, WORD code) { ::SendMessageW(hwnd, message, MAKEWPARAM(code, 0), 0); }
};

// The dialog as it first shows, before it starts watching its controls.
class FitAtShowTest : public FitTest {
protected:
    void SetUp() override { DialogTest::SetUp(); }
};

// The first control, "Save" at the bottom, has the focus and is wholly in
// view the moment the dialog shows: nothing moves once the user sees it.
TEST_F(FitAtShowTest, TheFocusedFirstControlIsInViewBeforeAnythingMoves) {
    ASSERT_EQ(dialog.ToolTips(), nullptr);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(hwnd, IDOK));
    EXPECT_TRUE(Inside(InClient(IDOK), Client()));
}

TEST_F(FitTest, TheWindowLiesInTheWorkAreaAndScrollsOverTheWholeTemplate) {
    RECT window;
    ::GetWindowRect(hwnd, &window);
    EXPECT_TRUE(Inside(window, WorkArea()));
    ASSERT_TRUE(HasBar(WS_VSCROLL) && HasBar(WS_HSCROLL));

    Scroll(WM_VSCROLL, SB_BOTTOM);
    EXPECT_TRUE(Inside(InClient(IDOK), Client())) << "Save at the bottom";
    Scroll(WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(Client().right + ScrollPosition().x, TemplateSize().right);
    EXPECT_EQ(Client().bottom + ScrollPosition().y, TemplateSize().bottom);
    EXPECT_TRUE(Inside(InClient(IDC_CODEC_QM3), Client())) << "the Codec group at the far right";

    Scroll(WM_VSCROLL, SB_TOP);
    Scroll(WM_HSCROLL, SB_TOP);
    EXPECT_EQ(ScrollPosition().x, 0);
    EXPECT_EQ(ScrollPosition().y, 0);
}

// Where the dialog fits, it keeps the template's exact size and no bars;
// fitted again to the small screen, the bars come back.
TEST_F(FitTest, OnALargeEnoughWorkAreaNothingChanges) {
    dialog.Scroller().Fit(RECT{0, 0, 2560, 1440});
    EXPECT_FALSE(HasBar(WS_VSCROLL) || HasBar(WS_HSCROLL));
    EXPECT_EQ(Client().right, TemplateSize().right);
    EXPECT_EQ(Client().bottom, TemplateSize().bottom);

    // A new display: the dialog is fitted again to the screen it is on.
    ::SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_TRUE(HasBar(WS_VSCROLL) && HasBar(WS_HSCROLL));
    RECT window;
    ::GetWindowRect(hwnd, &window);
    EXPECT_TRUE(Inside(window, WorkArea()));
}

// Fitted from far off the bottom right into work areas a little smaller
// than the whole window: pulled wholly inside, with a bar in each direction
// that needs one, counting the room the other bar takes.
TEST_F(FitTest, AWindowTooLargeForTheWorkAreaIsPulledInsideWithTheBarsItNeeds) {
    dialog.Scroller().Fit(RECT{0, 0, 2560, 1440});
    RECT whole;
    ::GetWindowRect(hwnd, &whole);
    const int width = whole.right - whole.left, height = whole.bottom - whole.top;
    const int vbar = ::GetSystemMetrics(SM_CXVSCROLL), hbar = ::GetSystemMetrics(SM_CYHSCROLL);
    const struct {
        const char* name;
        int dx, dy;  // the work area's size less the whole window's
        bool barX, barY;
    } cases[] = {
        {"too low, the vertical bar leaves too little width", 0, -100, true, true},
        {"too low, with room for the vertical bar", vbar, -100, false, true},
        {"too narrow, the horizontal bar leaves too little height", -100, 0, true, true},
        {"too narrow, with room for the horizontal bar", -100, hbar, true, false},
        {"too small both ways", -300, -300, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RECT work{40, 30, 40 + width + c.dx, 30 + height + c.dy};
        ::SetWindowPos(hwnd, nullptr, 3000, 2000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        dialog.Scroller().Fit(work);
        RECT window;
        ::GetWindowRect(hwnd, &window);
        EXPECT_TRUE(Inside(window, work));
        EXPECT_EQ(HasBar(WS_HSCROLL), c.barX);
        EXPECT_EQ(HasBar(WS_VSCROLL), c.barY);
    }
}

// On a monitor of another DPI the content grows with it: moved to 144 DPI
// from 96, the scroll ranges cover the template at one and a half times its
// size (from this screen's DPI where the test runs on another), and moved
// back, at its own size.
TEST_F(FitTest, ADpiChangeScalesTheContent) {
    HDC dc = ::GetDC(hwnd);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(hwnd, dc);
    RECT at144 = TemplateSize();
    at144.right = MulDiv(at144.right, 144, dpi);
    at144.bottom = MulDiv(at144.bottom, 144, dpi);
    RECT suggested{0, 0, 1200, 900};
    ::SendMessageW(hwnd, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    SCROLLINFO info{sizeof(info), SIF_RANGE};
    ASSERT_TRUE(::GetScrollInfo(hwnd, SB_HORZ, &info));
    EXPECT_EQ(info.nMax + 1, at144.right);
    ASSERT_TRUE(::GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nMax + 1, at144.bottom);
    Scroll(WM_HSCROLL, SB_BOTTOM);
    Scroll(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(Client().right + ScrollPosition().x, at144.right);
    EXPECT_EQ(Client().bottom + ScrollPosition().y, at144.bottom);

    // Back on the first monitor the ranges are the template's own again.
    RECT smaller{0, 0, 600, 400};
    ::SendMessageW(hwnd, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&smaller));
    ASSERT_TRUE(::GetScrollInfo(hwnd, SB_HORZ, &info));
    EXPECT_EQ(info.nMax + 1, TemplateSize().right);
    ASSERT_TRUE(::GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nMax + 1, TemplateSize().bottom);
}

// WM_DPICHANGED as any process could forge it: no rectangle, a DPI no
// monitor has, or a place off every screen (which on a screen where the
// dialog fits would lose it). The dialog stays as it was and scrolls as before.
TEST_F(FitTest, AForgedDpiChangeChangesNothing) {
    RECT suggested{0, 0, 300, 200}, offScreen{32767, 3, 32767, 32770};
    HDC dc = ::GetDC(hwnd);
    const auto dpi = static_cast<WORD>(::GetDeviceCaps(dc, LOGPIXELSY));
    ::ReleaseDC(hwnd, dc);
    const struct {
        const char* name;
        WORD dpi;
        RECT* rect;
    } cases[] = {{"no rectangle", 144, nullptr}, {"DPI 0", 0, &suggested},   {"DPI 47", 47, &suggested},
                 {"DPI 961", 961, &suggested},   {"DPI 65535", 65535, &suggested}, {"off every screen", dpi, &offScreen}};
    RECT before;
    ::GetWindowRect(hwnd, &before);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::SendMessageW(hwnd, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(c.rect));
        RECT window;
        ::GetWindowRect(hwnd, &window);
        EXPECT_TRUE(::EqualRect(&window, &before));
        SCROLLINFO info{sizeof(info), SIF_RANGE};
        if (HasBar(WS_VSCROLL)) {  // on a screen where the dialog fits, it has none
            ASSERT_TRUE(::GetScrollInfo(hwnd, SB_VERT, &info));
            EXPECT_EQ(info.nMax + 1, TemplateSize().bottom);
        }
        Scroll(WM_VSCROLL, SB_BOTTOM);
        EXPECT_TRUE(Inside(InClient(IDOK), Client())) << "Save at the bottom";
        Scroll(WM_VSCROLL, SB_TOP);
    }
}

// Tab, Shift+Tab and the arrow keys between radios: whatever takes the focus
// is wholly in view.
TEST_F(FitTest, TheFocusedControlIsAlwaysInView) {
    ::SetFocus(::GetDlgItem(hwnd, IDOK));
    std::set<int> visited;
    for (bool backwards : {false, true}) {
        for (int step = 0; step < 120; ++step) {
            ::SendMessageW(hwnd, WM_NEXTDLGCTL, backwards, FALSE);
            const HWND focus = ::GetFocus();
            ASSERT_NE(focus, nullptr);
            const int id = ::GetDlgCtrlID(focus);
            visited.insert(id);
            EXPECT_TRUE(Inside(InClient(id), Client())) << "control " << id << (backwards ? " (Shift+Tab)" : "");
        }
    }
    EXPECT_GE(visited.size(), 50u) << "the tab order reaches every kind of control";

    // Arrow keys move between the "Select" radios, from Mono Mix at the left
    // to Phone at the right.
    Click(IDC_SELECT_MONOMIX);
    ::SetFocus(::GetDlgItem(hwnd, IDC_SELECT_MONOMIX));
    for (int i = 0; i < 7; ++i) {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_RIGHT, 0);
        PumpMessages();
        EXPECT_TRUE(Inside(InClient(::GetDlgCtrlID(::GetFocus())), Client()));
    }
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_SELECT_PHONE);
}

// Scrolled to the far corner, a spin arrow and a thumb drag do exactly what
// they do unscrolled.
TEST_F(FitTest, ControlsWorkWhileScrolled) {
    Scroll(WM_VSCROLL, SB_BOTTOM);
    Scroll(WM_HSCROLL, SB_BOTTOM);
    ASSERT_GT(ScrollPosition().y, 0);
    PressSpin(IDC_MAXSPIN_MASTER, false);
    EXPECT_EQ(Value(Entry::MasVMax), 1u);
    EXPECT_EQ(Text(IDC_MAXTEXT_MASTER), L"-1.5");
    DragSlider(IDC_SLIDER_LINEIN, 179);
    EXPECT_EQ(Value(Entry::LineInVolume), 0x0707u);
    PressSpin(IDC_RECSPIN_PHONE, false);
    EXPECT_EQ(Value(Entry::PhoRMax), 14u);
}

// The wheel over the background scrolls; over a slider or spin that does not
// have the focus it scrolls too and changes no setting.
TEST_F(FitTest, TheWheelScrollsAndNeverChangesAControlWithoutTheFocus) {
    ::SetFocus(::GetDlgItem(hwnd, IDC_MUTE_MASTER));
    const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA));
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, down, 0);
    const int afterBackground = ScrollPosition().y;
    EXPECT_GT(afterBackground, 0);
    const WPARAM up = MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA));
    for (WPARAM turn : {up, down, up})
        for (int id : {IDC_SLIDER_MASTER, IDC_MAXSPIN_MIC, IDC_RECSPIN_CD})
            ::SendMessageW(::GetDlgItem(hwnd, id), WM_MOUSEWHEEL, turn, 0);
    EXPECT_LT(ScrollPosition().y, afterBackground);
    EXPECT_TRUE(WorkingEqualsDefaults());
    EXPECT_EQ(SliderPos(IDC_SLIDER_MASTER), 127);
    EXPECT_EQ(SpinPos(IDC_MAXSPIN_MIC), 0);
}

// The test runner runs this file once more on other screens: at 144 DPI
// (CORVASET_EXPECT_DPI) and on a screen large enough for the whole dialog
// (CORVASET_EXPECT_FIT), where the dialog must keep its template's size.
TEST_F(FitTest, OnThisScreenTheDialogFitsOrScrollsAsItMust) {
    char dpi[8] = "", fit[8] = "";
    ::GetEnvironmentVariableA("CORVASET_EXPECT_DPI", dpi, sizeof dpi);
    ::GetEnvironmentVariableA("CORVASET_EXPECT_FIT", fit, sizeof fit);
    HDC dc = ::GetDC(hwnd);
    EXPECT_EQ(::GetDeviceCaps(dc, LOGPIXELSY), *dpi ? std::atoi(dpi) : 96);
    ::ReleaseDC(hwnd, dc);

    RECT window;
    ::GetWindowRect(hwnd, &window);
    EXPECT_TRUE(Inside(window, WorkArea()));
    if (*fit) {
        // Where it fits, it opens in the middle of the work area.
        const RECT work = WorkArea();
        EXPECT_NEAR(window.left + window.right, work.left + work.right, 2);
        EXPECT_NEAR(window.top + window.bottom, work.top + work.bottom, 2);
        EXPECT_FALSE(HasBar(WS_VSCROLL) || HasBar(WS_HSCROLL));
        EXPECT_EQ(Client().right, TemplateSize().right);
        EXPECT_EQ(Client().bottom, TemplateSize().bottom);
    } else {
        EXPECT_TRUE(HasBar(WS_VSCROLL) && HasBar(WS_HSCROLL));
        EXPECT_LT(Client().right, TemplateSize().right);
    }
}
