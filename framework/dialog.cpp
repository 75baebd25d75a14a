#include "framework/dialog.h"

#include <algorithm>

#include "framework/app.h"
#include "framework/startup_trace.h"

namespace fw {
namespace {

// Messages whose result a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT msg) {
    switch (msg) {
        case WM_QUERYDRAGICON:
        case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM: case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_INITDIALOG:
            return true;
        default:
            return false;
    }
}

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

// MessageBoxW, with the box centred on `owner` when it first shows. The
// system puts a message box in the middle of the screen and lets no caller
// say where: only a hook sees the box before it shows. This one watches this
// thread for the length of this one call.
int CentredMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    s_boxOwner = owner;
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, CentreBoxOnOwner, nullptr, ::GetCurrentThreadId());
    const int result = ::MessageBoxW(owner, text, caption, type);
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    s_boxOwner = nullptr;
    return result;
}

}  // namespace

// The system's CheckRadioButton visits every control of the dialog, and an
// automatic radio button being checked walks around all of them twice to
// clear the rest of its group. The caller clears the rest button by button
// anyway, so the button to check is checked as a plain radio button (its
// type switched there and back with BM_SETSTYLE, without a redraw): the
// same check and tab stop, without the walk. A button that already has its
// check and tab stop is left as it is.
void SetRadioCheck(HWND button, bool check) {
    const bool checked = ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool tabStop = (::GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP) != 0;
    if (checked == check && tabStop == check) return;
    if (!check) {
        ::SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
        return;
    }
    const auto setType = [button](LONG type) {
        const LONG style = ::GetWindowLongW(button, GWL_STYLE);
        ::SendMessageW(button, BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | type), FALSE);
    };
    const bool automatic = (::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (automatic) setType(BS_RADIOBUTTON);
    ::SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    if (automatic) setType(BS_AUTORADIOBUTTON);
}

// A window left behind by its object would call into a dialog that is gone.
CDialog::~CDialog() {
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::RunIn(MakeWindow make, HWND parent) {
    DialogTemplate prepared(m_templateId);
    PrepareTemplate(prepared);
    const DLGTEMPLATE* made = prepared.Data();
    return made != nullptr ? make(::GetModuleHandleW(nullptr), made, parent, DialogProc, reinterpret_cast<LPARAM>(this))
                           : -1;
}

int CDialog::MessageBox(const std::wstring& text, const wchar_t* caption, UINT type) const {
    const std::wstring appName = CWinApp::AppName();
    return WhileModal(
        [&] { return CentredMessageBox(m_hWnd, text.c_str(), caption != nullptr ? caption : appName.c_str(), type); });
}

HWND CDialog::FindItem(int id) const {
    for (std::size_t i = 0; i < m_controlIds.size(); ++i)
        if (m_controlIds[i] == id) return m_controls[i];
    return nullptr;
}

void CDialog::ReplaceControl(HWND old, HWND made) {
    std::replace(m_controls.begin(), m_controls.end(), old, made);
    ::DestroyWindow(old);
}

// A dialog opens in the middle of its owner, or of the screen when it has none.
BOOL CDialog::OnInitDialog() {
    CenterWindow(m_hWnd, ::GetWindow(m_hWnd, GW_OWNER));
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lp);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        self->m_hWnd = hwnd;
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    // No exception may unwind through the system's dialog manager.
    try {
        const INT_PTR result = self->HandleMessage(msg, wp, lp);
        if (msg == WM_NCDESTROY) self->m_hWnd = nullptr;
        return result;
    } catch (...) {
        ::OutputDebugStringW(L"unexpected exception in a dialog handler\n");
        return FALSE;
    }
}

CDialog* CDialog::FromHandle(HWND dialog) {
    if (::GetWindowLongPtrW(dialog, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(DialogProc)) return nullptr;
    return reinterpret_cast<CDialog*>(::GetWindowLongPtrW(dialog, DWLP_USER));
}

INT_PTR CDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // 1. Initialisation.
    if (msg == WM_INITDIALOG) {
        StartupStep("template-created");
        m_controls.clear();
        m_controlIds.clear();
        for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            m_controls.push_back(child);
            m_controlIds.push_back(::GetDlgCtrlID(child));
        }
        return OnInitDialog();
    }

    // 2. The derived class's filter.
    Message m = DecodeMessage(msg, wp, lp);
    m.refused = !AcceptsMessage(m);

    // 3. The message table, and 4. what was refused.
    const bool taken = RouteMessage(m);
    if (m.refused) OnRefused(m);
    if (!taken || !m.handled) return FALSE;
    if (ReturnsResultDirectly(msg)) return m.result;
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, m.result);
    return TRUE;
}

}  // namespace fw
