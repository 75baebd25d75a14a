#include "framework/dialog_scroller.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <optional>

#include "framework/dialog_template.h"
#include "win32/system_library.h"

namespace fw {
namespace {

constexpr UINT_PTR kSubclassId = 0x5C01;
constexpr int kWheelStep = 48;  // pixels a wheel notch scrolls

bool IsClass(HWND hwnd, const wchar_t* className) {
    wchar_t name[32] = L"";
    ::GetClassNameW(hwnd, name, 32);
    return _wcsicmp(name, className) == 0;
}

bool IsSliderOrSpin(HWND hwnd) { return IsClass(hwnd, TRACKBAR_CLASSW) || IsClass(hwnd, UPDOWN_CLASSW); }

// Labels and group boxes never take the focus: only the other controls need
// watching for it.
bool CanTakeFocus(HWND hwnd) {
    const bool groupBox = (::GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && IsClass(hwnd, WC_BUTTONW);
    return !groupBox && !IsClass(hwnd, WC_STATICW);
}

// The pixels of 4 dialog units across and 8 down in the template's font,
// found as the dialog manager finds them: the font's height, and half its
// average width over the letters, rounded.
SIZE FontBaseUnits(const DialogTemplate::Layout& layout) {
    HDC screen = ::GetDC(nullptr);
    const int pixels = MulDiv(layout.pointSize, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    HFONT font = ::CreateFontW(-pixels, 0, 0, 0, layout.weight, layout.italic, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                               PROOF_QUALITY, FF_DONTCARE, layout.face.c_str());
    const HGDIOBJ old = ::SelectObject(screen, font);
    TEXTMETRICW metrics{};
    SIZE letters{};
    static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    ::GetTextMetricsW(screen, &metrics);
    ::GetTextExtentPoint32W(screen, kLetters, 52, &letters);
    ::SelectObject(screen, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

// The part of a monitor windows may take; the primary one's when unknown.
RECT WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{sizeof(info)};
    if (!::GetMonitorInfoW(monitor, &info)) ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return info.rcWork;
}

// The per-monitor DPI calls of Windows 10 1607 and later, looked up once;
// each is null where the system (or the Wine) lacks it.
struct DpiCalls {
    UINT(WINAPI* dpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    int(WINAPI* systemMetricsForDpi)(int, UINT) = nullptr;
};

const DpiCalls& Dpi() {
    static const DpiCalls calls = [] {
        DpiCalls c;
        const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        FindNewerCall(user32, "GetDpiForWindow", c.dpiForWindow);
        FindNewerCall(user32, "AdjustWindowRectExForDpi", c.adjustWindowRectExForDpi);
        FindNewerCall(user32, "GetSystemMetricsForDpi", c.systemMetricsForDpi);
        return c;
    }();
    return calls;
}

// The DPI of the monitor the window is on; before per-monitor DPI, the
// system's.
UINT DpiOf(HWND hwnd) {
    if (Dpi().dpiForWindow != nullptr)
        if (const UINT dpi = Dpi().dpiForWindow(hwnd); dpi != 0) return dpi;
    HDC dc = ::GetDC(hwnd);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int SystemMetric(int index, UINT dpi) {
    return Dpi().systemMetricsForDpi != nullptr ? Dpi().systemMetricsForDpi(index, dpi) : ::GetSystemMetrics(index);
}

void AdjustWindowRectFor(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    Dpi().adjustWindowRectExForDpi != nullptr ? Dpi().adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi)
                                              : ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}  // namespace

CDialogScroller::~CDialogScroller() {
    if (m_hwnd == nullptr || !::IsWindow(m_hwnd)) return;
    for (HWND child : m_controls) ::RemoveWindowSubclass(child, ChildProc, kSubclassId);
}

// The controls are moved by whole steps of the font (4 dialog units across,
// 8 down), so that each lands on the very pixel it would have unmoved, less
// the same scroll: a dialog unit is a fraction of a pixel.
void CDialogScroller::Prepare(DialogTemplate& dialogTemplate) {
    const std::optional<DialogTemplate::Layout> layout = dialogTemplate.LayoutOf();
    m_templateSize = layout ? layout->size : SIZE{};
    m_placed = {};
    if (!layout) return;
    const SIZE unit = FontBaseUnits(*layout);  // pixels of 4 units across and 8 down
    const SIZE content{MulDiv(layout->size.cx, unit.cx, 4), MulDiv(layout->size.cy, unit.cy, 8)};
    RECT frame{0, 0, 0, 0};
    const DWORD exStyle = layout->exStyle | ((layout->style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    ::AdjustWindowRectEx(&frame, layout->style, FALSE, exStyle);
    // The view of a dialog too large for the screen: the work area less the
    // frame and both scroll bars.
    const RECT area = WorkAreaOf(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    const SIZE view{area.right - area.left - (frame.right - frame.left) - ::GetSystemMetrics(SM_CXVSCROLL),
                    area.bottom - area.top - (frame.bottom - frame.top) - ::GetSystemMetrics(SM_CYHSCROLL)};
    // The fewest whole steps that bring the control's far edge into view,
    // as far as the dialog can scroll.
    const auto steps = [](int farEdge, int view, int whole, int step) {
        if (farEdge <= view || whole <= view || step <= 0) return 0;
        return std::min((farEdge - view + step - 1) / step, (whole - view) / step);
    };
    const RECT& first = layout->firstTabStop;
    m_placed = {4 * steps(MulDiv(first.right, unit.cx, 4), view.cx, content.cx, unit.cx),
                8 * steps(MulDiv(first.bottom, unit.cy, 8), view.cy, content.cy, unit.cy)};
    if (m_placed.x != 0 || m_placed.y != 0) dialogTemplate.MoveItems(-m_placed.x, -m_placed.y);
}

void CDialogScroller::Attach(HWND dialog, const std::vector<HWND>& controls) {
    m_hwnd = dialog;
    m_controls = controls;
    RECT content{0, 0, m_templateSize.cx, m_templateSize.cy}, placed{0, 0, m_placed.x, m_placed.y};
    if (m_templateSize.cx == 0) ::GetClientRect(dialog, &content); else ::MapDialogRect(dialog, &content);
    ::MapDialogRect(dialog, &placed);
    m_content = {content.right, content.bottom};
    m_position = {placed.right, placed.bottom};
    m_scrollsX = m_scrollsY = m_watchingFocus = m_watching = false;
    m_dpi = DpiOf(dialog);
    FitInto(WorkAreaOf(::MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST)));
    ScrollTo(m_position.x, m_position.y);  // only where the dialog cannot scroll that far
}

void CDialogScroller::WatchControls() {
    m_watching = true;
    if (Scrolls()) {
        WatchFocus();
    } else {
        for (HWND child : m_controls)
            if (IsSliderOrSpin(child)) Subclass(child);
    }
    if (HWND focus = ::GetFocus(); focus != nullptr && ::IsChild(m_hwnd, focus)) ScrollIntoView(focus);
}

void CDialogScroller::Fit() { Fit(WorkAreaOf(::MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST))); }

void CDialogScroller::Fit(const RECT& work) {
    ScrollTo(0, 0);
    FitInto(work);
}

void CDialogScroller::FitInto(const RECT& work) {
    const LONG style = ::GetWindowLongW(m_hwnd, GWL_STYLE) & ~(WS_HSCROLL | WS_VSCROLL);
    const LONG exStyle = ::GetWindowLongW(m_hwnd, GWL_EXSTYLE);
    RECT full{0, 0, m_content.cx, m_content.cy};
    AdjustWindowRectFor(full, static_cast<DWORD>(style), static_cast<DWORD>(exStyle), m_dpi);
    const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
    int width = full.right - full.left, height = full.bottom - full.top;
    // A bar takes room from the other direction, which may then need one too.
    bool scrollX = width > workWidth, scrollY = height > workHeight;
    if (scrollY && !scrollX) scrollX = width + SystemMetric(SM_CXVSCROLL, m_dpi) > workWidth;
    if (scrollX && !scrollY) scrollY = height + SystemMetric(SM_CYHSCROLL, m_dpi) > workHeight;
    const bool changed = scrollX != m_scrollsX || scrollY != m_scrollsY;
    m_scrollsX = scrollX;
    m_scrollsY = scrollY;
    ::ShowScrollBar(m_hwnd, SB_HORZ, scrollX);
    ::ShowScrollBar(m_hwnd, SB_VERT, scrollY);
    if (!scrollX && !scrollY) {
        // It fits: the dialog's own size, placed as it was unless that changed.
        if (changed) ::SetWindowPos(m_hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (scrollY) width += SystemMetric(SM_CXVSCROLL, m_dpi);
    if (scrollX) height += SystemMetric(SM_CYHSCROLL, m_dpi);
    width = std::min(width, workWidth);
    height = std::min(height, workHeight);
    RECT window;
    ::GetWindowRect(m_hwnd, &window);
    const int x = std::clamp(static_cast<int>(window.left), static_cast<int>(work.left), static_cast<int>(work.right) - width);
    const int y = std::clamp(static_cast<int>(window.top), static_cast<int>(work.top), static_cast<int>(work.bottom) - height);
    ::SetWindowPos(m_hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBars();
    if (m_watching) WatchFocus();
}

void CDialogScroller::UpdateBars() {
    RECT client;
    ::GetClientRect(m_hwnd, &client);
    const struct { bool shown; int bar, content; LONG page; int position; } bars[] = {
        {m_scrollsX, SB_HORZ, m_content.cx, client.right, m_position.x},
        {m_scrollsY, SB_VERT, m_content.cy, client.bottom, m_position.y}};
    for (const auto& b : bars) {
        SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, b.content - 1,
                        static_cast<UINT>(b.page), b.position, 0};
        if (b.shown) ::SetScrollInfo(m_hwnd, b.bar, &info, TRUE);
    }
}

// Once the dialog scrolls, every control that takes the focus is brought
// into view: Tab, Shift+Tab and the arrow keys between radios.
void CDialogScroller::WatchFocus() {
    if (m_watchingFocus) return;
    m_watchingFocus = true;
    for (HWND child : m_controls)
        if (CanTakeFocus(child)) Subclass(child);
}

void CDialogScroller::Subclass(HWND child) {
    ::SetWindowSubclass(child, ChildProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void CDialogScroller::ScrollTo(int x, int y) {
    RECT client;
    ::GetClientRect(m_hwnd, &client);
    x = m_scrollsX ? std::clamp(x, 0, std::max(0, static_cast<int>(m_content.cx - client.right))) : 0;
    y = m_scrollsY ? std::clamp(y, 0, std::max(0, static_cast<int>(m_content.cy - client.bottom))) : 0;
    if (x == m_position.x && y == m_position.y) return;
    // Every control moves, also those wholly outside the visible part (which
    // ScrollWindowEx leaves where they are under Wine).
    const int dx = m_position.x - x, dy = m_position.y - y;
    HDWP moves = ::BeginDeferWindowPos(static_cast<int>(m_controls.size()));
    for (HWND child : m_controls) {
        if (moves == nullptr) break;
        RECT r;
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
        moves = ::DeferWindowPos(moves, child, nullptr, r.left + dx, r.top + dy, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves != nullptr) ::EndDeferWindowPos(moves);
    ::RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    m_position = {x, y};
    if (m_scrollsX) ::SetScrollPos(m_hwnd, SB_HORZ, x, TRUE);
    if (m_scrollsY) ::SetScrollPos(m_hwnd, SB_VERT, y, TRUE);
}

bool CDialogScroller::RouteMessage(Message& m) {
    using S = CDialogScroller;
    static constexpr MessageEntry<S> kTable[] = {
        fw::OnOwnScroll<&S::OnScroll>(WM_VSCROLL),
        fw::OnOwnScroll<&S::OnScroll>(WM_HSCROLL),
        fw::OnMouseWheel<&S::OnWheel>(),
        fw::OnMessage<&S::OnDisplayChange>(WM_DISPLAYCHANGE, Default::Runs),
        fw::OnDpiChanged<&S::OnDpiChanged>(),
    };
    return fw::DispatchMessageTable<S>(*this, kTable, m);
}

void CDialogScroller::OnScroll(int bar, WORD code) {
    const bool vertical = bar == SB_VERT;
    if (vertical ? !m_scrollsY : !m_scrollsX) return;
    SCROLLINFO info{sizeof(info), SIF_ALL};
    ::GetScrollInfo(m_hwnd, bar, &info);
    int target = vertical ? m_position.y : m_position.x;
    const int line = kWheelStep / 3, page = static_cast<int>(info.nPage);
    switch (code) {
        case SB_LINEUP: target -= line; break;
        case SB_LINEDOWN: target += line; break;
        case SB_PAGEUP: target -= page; break;
        case SB_PAGEDOWN: target += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: target = info.nTrackPos; break;
        case SB_TOP: target = 0; break;
        case SB_BOTTOM: target = info.nMax; break;
        default: return;
    }
    vertical ? ScrollTo(m_position.x, target) : ScrollTo(target, m_position.y);
}

void CDialogScroller::OnWheel(short delta) {
    const int by = -delta * kWheelStep / WHEEL_DELTA;
    // Down when it can, else across (ScrollTo keeps a direction that cannot scroll at 0).
    m_scrollsY ? ScrollTo(m_position.x, m_position.y + by) : ScrollTo(m_position.x + by, m_position.y);
}

void CDialogScroller::ScrollIntoView(HWND child) {
    if (!Scrolls()) return;
    RECT r, client;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
    ::GetClientRect(m_hwnd, &client);
    int x = m_position.x, y = m_position.y;
    // Content coordinates of the control; a control larger than the view shows its top left.
    const int left = r.left + x, top = r.top + y, right = r.right + x, bottom = r.bottom + y;
    if (right - x > client.right) x = right - client.right;
    if (left < x) x = left;
    if (bottom - y > client.bottom) y = bottom - client.bottom;
    if (top < y) y = top;
    ScrollTo(x, y);
}

// The system's suggested place is taken when it lies on a monitor's work area
// at about the size the window takes at the new DPI; any other (another
// program can send anything) would lose the window: it scales where it is.
void CDialogScroller::OnDpiChanged(UINT newDpi, const RECT& suggested) {
    ScrollTo(0, 0);
    const int to = static_cast<int>(newDpi), from = static_cast<int>(m_dpi);
    m_content = {MulDiv(m_content.cx, to, from), MulDiv(m_content.cy, to, from)};
    m_dpi = newDpi;
    RECT place, overlap, work = WorkAreaOf(::MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
    ::GetWindowRect(m_hwnd, &place);
    const long long width = MulDiv(place.right - place.left, to, from);
    const long long height = MulDiv(place.bottom - place.top, to, from);
    const auto about = [](long long length, long long wanted) { return std::llabs(length - wanted) <= wanted / 4; };
    const bool sane = about(0LL + suggested.right - suggested.left, width) &&
                      about(0LL + suggested.bottom - suggested.top, height) &&
                      ::IntersectRect(&overlap, &suggested, &work);
    place = sane ? suggested : RECT{place.left, place.top, place.left + LONG(width), place.top + LONG(height)};
    ::SetWindowPos(m_hwnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    Fit();
}

LRESULT CALLBACK CDialogScroller::ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<CDialogScroller*>(data);
    switch (msg) {
        case WM_SETFOCUS: {
            const LRESULT result = ::DefSubclassProc(hwnd, msg, wp, lp);
            self->ScrollIntoView(hwnd);
            return result;
        }
        case WM_MOUSEWHEEL:
            // Only the control the user is working with takes the wheel; over
            // any other slider or spin it scrolls the dialog.
            if (IsSliderOrSpin(hwnd) && ::GetFocus() != hwnd) {
                self->OnWheel(static_cast<short>(HIWORD(wp)));
                return 0;
            }
            break;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(hwnd, ChildProc, kSubclassId);
            break;
    }
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace fw
