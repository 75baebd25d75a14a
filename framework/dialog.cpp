#include "framework/dialog.h"

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

}  // namespace

void DDX_Control(CDataExchange& dx, int id, CWnd& control) { control.Attach(dx.dialog->FindItem(id)); }

CDialog::~CDialog() {
    if (m_modeless && m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal(HWND parent) {
    m_modeless = false;
    m_endResult.reset();
    DialogTemplate prepared(m_templateId);
    PrepareTemplate(prepared);
    const DLGTEMPLATE* made = prepared.Data();
    return made != nullptr ? ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), made, parent, DialogProc,
                                                       reinterpret_cast<LPARAM>(this))
                           : -1;
}

bool CDialog::Create(HWND parent) {
    m_modeless = true;
    m_endResult.reset();
    DialogTemplate prepared(m_templateId);
    PrepareTemplate(prepared);
    const DLGTEMPLATE* made = prepared.Data();
    return made != nullptr && ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), made, parent, DialogProc,
                                                           reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int result) {
    m_endResult = result;
    if (m_modeless)
        ::ShowWindow(m_hWnd, SW_HIDE);
    else
        ::EndDialog(m_hWnd, result);
}

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

int CDialog::MessageBox(const std::wstring& text, const wchar_t* caption, UINT type) const {
    const std::wstring appName = CWinApp::AppName();
    // The system puts a message box in the middle of the screen and lets no
    // caller say where: only a hook sees the box before it shows. This one
    // watches this thread for the length of this one call.
    s_boxOwner = m_hWnd;
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, CentreBoxOnOwner, nullptr, ::GetCurrentThreadId());
    const int result = WhileModal(
        [&] { return ::MessageBoxW(m_hWnd, text.c_str(), caption != nullptr ? caption : appName.c_str(), type); });
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    s_boxOwner = nullptr;
    return result;
}

// Button by button: the system's CheckRadioButton visits every control of
// the dialog, and an automatic radio button being checked walks around all
// of them twice to clear the rest of its group. Here the rest are cleared
// one by one anyway, so the button to check is checked as a plain radio
// button (its type switched there and back with BM_SETSTYLE, without a
// redraw): the same check and tab stop, without the walk. A button that
// already has its check and tab stop is left as it is.
void CDialog::CheckRadioButton(int first, int last, int check) const {
    for (int id = first; id <= last; ++id) {
        const HWND button = FindItem(id);
        const bool checked = ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const bool tabStop = (::GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP) != 0;
        if (checked == (id == check) && tabStop == (id == check)) continue;
        if (id != check) {
            ::SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
            continue;
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
}

void CDialog::SetItemEnabled(int id, bool enabled) {
    const CWnd control(FindItem(id));
    if (control.IsWindowEnabled() != enabled) control.EnableWindow(enabled);
}

void CDialog::SetItemText(int id, const std::wstring& text) { CWnd(FindItem(id)).SetWindowText(text); }

HWND CDialog::FindItem(int id) const {
    for (std::size_t i = 0; i < m_controlIds.size(); ++i)
        if (m_controlIds[i] == id) return m_controls[i];
    return nullptr;
}

// A dialog opens in the middle of its owner, or of the screen when it has none.
BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    CenterWindow(m_hWnd, ::GetWindow(m_hWnd, GW_OWNER));
    return TRUE;
}

void CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx{this, saveAndValidate};
    DoDataExchange(dx);
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
    if (!AcceptsMessage(m)) return FALSE;

    // 3. The message table.
    if (RouteMessage(m) && m.handled) {
        if (ReturnsResultDirectly(msg)) return m.result;
        ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, m.result);
        return TRUE;
    }

    // 4. OK and Cancel, unless a modal window the dialog opened is up: the
    //    dialog would end under it.
    if (msg == WM_COMMAND && m.code == BN_CLICKED && !ModalWindowUp()) {
        if (m.id == IDOK) { OnOK(); return TRUE; }
        if (m.id == IDCANCEL) { OnCancel(); return TRUE; }
    }
    return FALSE;
}

}  // namespace fw
