// A non-owning window handle. Each method is one message or one API call;
// none owns or destroys a window.
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

}  // namespace fw
