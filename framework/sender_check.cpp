#include "framework/sender_check.h"

namespace fw {

bool SenderCheck::Passes(const CDialog& dialog, const Message& m) const {
    HWND from = nullptr;
    switch (m.message) {
        case WM_COMMAND:
            if (m.id == IDOK || m.id == IDCANCEL) return true;
            if (m.lParam == 0) {
                const bool menuOrAccelerator = m.code == 0 || m.code == 1;
                return menuOrAccelerator && dialog.FindItem(static_cast<int>(m.id)) == nullptr;
            }
            from = reinterpret_cast<HWND>(m.lParam);
            break;
        case WM_NOTIFY:
            if (m.id == 0 && m.code == 0) return false;  // unreadable header
            from = reinterpret_cast<const NMHDR*>(m.lParam)->hwndFrom;
            if (from != nullptr && from == m_popup) return true;
            break;
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (m.lParam == 0) return true;  // the dialog's own scroll bar
            from = reinterpret_cast<HWND>(m.lParam);
            break;
        default:
            return true;
    }
    // A disabled control sends nothing.
    return from == dialog.FindItem(static_cast<int>(m.id)) && ::IsWindowEnabled(from);
}

}  // namespace fw
