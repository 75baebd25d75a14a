#include "framework/wnd.h"

#include <algorithm>

namespace fw {

std::wstring CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), length + 1)));
    return text;
}

void CenterWindow(HWND window, HWND over) {
    MONITORINFO monitor{sizeof(monitor)};
    if (!::GetMonitorInfoW(::MonitorFromWindow(over != nullptr ? over : window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    RECT r, middle = work;
    ::GetWindowRect(window, &r);
    if (over != nullptr) ::GetWindowRect(over, &middle);
    const LONG width = r.right - r.left, height = r.bottom - r.top;
    const LONG x = std::max(std::min((middle.left + middle.right - width) / 2, work.right - width), work.left);
    const LONG y = std::max(std::min((middle.top + middle.bottom - height) / 2, work.bottom - height), work.top);
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fw
