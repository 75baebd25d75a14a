#include "framework/keyboard.h"

#include <commctrl.h>

#include <cwchar>

namespace fw {
namespace {

constexpr UINT_PTR kSubclassId = 0x4B425344;
constexpr int kPageSteps = 4;

enum Kind : DWORD_PTR { kSpin = 1, kSlider = 2, kBareBox = 4 };

// The arrows of an up-down control, as many presses as `presses` asks and
// its range allows (up: towards its upper end); nothing at that end.
void PressSpinArrow(HWND spin, bool up, int presses) {
    UDACCEL accel{0, 1};
    ::SendMessageW(spin, UDM_GETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    const LRESULT range = ::SendMessageW(spin, UDM_GETRANGE, 0, 0);
    const int lower = static_cast<short>(HIWORD(range)), upper = static_cast<short>(LOWORD(range));
    const int position = static_cast<int>(::SendMessageW(spin, UDM_GETPOS32, 0, 0));
    const int towards = up ? upper : lower;
    const int room = (towards > position ? towards - position : position - towards) / static_cast<int>(accel.nInc);
    const int steps = presses < room ? presses : room;
    if (steps <= 0) return;
    NMUPDOWN press{{spin, static_cast<UINT_PTR>(::GetDlgCtrlID(spin)), UDN_DELTAPOS}, position,
                   (towards > position ? 1 : -1) * steps * static_cast<int>(accel.nInc)};
    if (::SendMessageW(::GetParent(spin), WM_NOTIFY, press.hdr.idFrom, reinterpret_cast<LPARAM>(&press)) == 0)
        ::SendMessageW(spin, UDM_SETPOS32, 0, position + press.iDelta);
}

constexpr int kToTheEnd = 0x7FFF;  // presses: as many as the range holds

// The presses a key stands for on an up-down control or trackbar, and
// which way (up: towards a spin's upper end, a trackbar's top); 0 for none.
int KeyPresses(WPARAM key, bool& up) {
    up = true;
    switch (key) {
        case VK_DOWN: case VK_RIGHT: up = false; [[fallthrough]];
        case VK_UP: case VK_LEFT: return 1;
        case VK_NEXT: up = false; [[fallthrough]];
        case VK_PRIOR: return kPageSteps;
        case VK_END: up = false; [[fallthrough]];
        case VK_HOME: return kToTheEnd;
        default: return 0;
    }
}

// Tells the parent of a key as the trackbar's own scroll notifications, but
// leaves the thumb to the parent: a line of the thumb is rarely what a key
// means, and at an end the trackbar would not tell at all.
void ReportSliderKey(HWND slider, bool up, int presses) {
    const UINT message = (::GetWindowLongW(slider, GWL_STYLE) & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    const WORD code = presses == kToTheEnd ? (up ? TB_TOP : TB_BOTTOM) : (up ? TB_LINEUP : TB_LINEDOWN);
    for (int i = 0; i < (presses == kToTheEnd ? 1 : presses); ++i)
        ::SendMessageW(::GetParent(slider), message, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(slider));
}

// The control's own painting, then the focus rectangle over it.
void PaintWithFocus(HWND hwnd, HDC dc) {
    ::DefSubclassProc(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    if (::GetFocus() != hwnd || (::SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) return;
    RECT r;
    ::GetClientRect(hwnd, &r);
    ::DrawFocusRect(dc, &r);
}

LRESULT CALLBACK KeyboardProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR kind) {
    switch (msg) {
        case WM_GETDLGCODE:
            if (kind & kSpin) return ::DefSubclassProc(hwnd, msg, wp, lp) | DLGC_WANTARROWS;
            break;
        case WM_KEYDOWN: {
            bool up = false;
            const int presses = (kind & (kSpin | kSlider)) ? KeyPresses(wp, up) : 0;
            if (presses == 0) break;
            (kind & kSpin) ? PressSpinArrow(hwnd, up, presses) : ReportSliderKey(hwnd, up, presses);
            return 0;
        }
        case WM_PAINT:
            if (kind & (kSpin | kBareBox)) {
                PAINTSTRUCT ps;
                HDC dc = ::BeginPaint(hwnd, &ps);
                PaintWithFocus(hwnd, dc);
                ::EndPaint(hwnd, &ps);
                return 0;
            }
            break;
        case WM_PRINTCLIENT:
            if (kind & (kSpin | kBareBox)) {
                PaintWithFocus(hwnd, reinterpret_cast<HDC>(wp));
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE: {
            const LRESULT result = ::DefSubclassProc(hwnd, msg, wp, lp);
            if (kind & (kSpin | kBareBox)) ::InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(hwnd, KeyboardProc, kSubclassId);
            break;
    }
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void ServeKeyboard(HWND control) {
    wchar_t name[32] = L"";
    ::GetClassNameW(control, name, 32);
    const LONG type = ::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    DWORD_PTR kind = 0;
    if (_wcsicmp(name, UPDOWN_CLASSW) == 0)
        kind = kSpin;
    else if (_wcsicmp(name, TRACKBAR_CLASSW) == 0)
        kind = kSlider;
    else if (_wcsicmp(name, WC_BUTTONW) == 0 && type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON &&
             ::GetWindowTextLengthW(control) == 0)  // check boxes and radio buttons (a group box has a caption)
        kind = kBareBox;
    if (kind != 0) ::SetWindowSubclass(control, KeyboardProc, kSubclassId, kind);
}

}  // namespace fw
