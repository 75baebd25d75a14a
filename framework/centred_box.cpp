#include "framework/centred_box.h"

#include "framework/wnd.h"

namespace fw {
namespace {

// The dialog whose message box is to be centred on it, until it is.
HWND s_boxOwner = nullptr;

LRESULT CALLBACK CentreBoxOnOwner(int code, WPARAM wp, LPARAM lp) {
    const auto box = reinterpret_cast<HWND>(wp);
    if (code == HCBT_ACTIVATE && s_boxOwner != nullptr && ::GetWindow(box, GW_OWNER) == s_boxOwner) {
        CenterWindow(box, s_boxOwner);
        s_boxOwner = nullptr;  // once: a box the user has moved stays where it is
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

// The system puts a message box in the middle of the screen and lets no
// caller say where: only a hook sees the box before it shows. This one
// watches this thread for the length of this one call.
int CentredMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    s_boxOwner = owner;
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, CentreBoxOnOwner, nullptr, ::GetCurrentThreadId());
    const int result = ::MessageBoxW(owner, text, caption, type);
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    s_boxOwner = nullptr;
    return result;
}

}  // namespace fw
