// Non-owning window handle wrapper and the control wrappers the dialogs use.
// Each method is one message or one API call; none owns or destroys a window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace fw {

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }

    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageW(m_hWnd, msg, wp, lp); }
    void EnableWindow(bool enable) const { ::EnableWindow(m_hWnd, enable); }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    void SetWindowText(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const;

protected:
    HWND m_hWnd = nullptr;
};

// Moves `window` so that its middle is that of `over`, or of its monitor's
// work area when `over` is null, as far as that work area lets the whole
// window, or at least its top left corner, be seen.
void CenterWindow(HWND window, HWND over);

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class CSliderCtrl : public CWnd {
public:
    void SetRangeMin(int min, bool redraw = false) const { SendMessage(TBM_SETRANGEMIN, redraw, min); }
    void SetRangeMax(int max, bool redraw = false) const { SendMessage(TBM_SETRANGEMAX, redraw, max); }
    void SetTicFreq(int freq) const { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(freq)); }
    void SetPageSize(int size) const { SendMessage(TBM_SETPAGESIZE, 0, size); }
    void SetPos(int pos) const { SendMessage(TBM_SETPOS, TRUE, pos); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetAccel(int count, const UDACCEL* accel) const {
        SendMessage(UDM_SETACCEL, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(accel));
    }
    void SetRange(int lower, int upper) const { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void SetPos(int pos) const { SendMessage(UDM_SETPOS32, 0, pos); }
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
};

}  // namespace fw
