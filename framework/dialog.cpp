#include "framework/dialog.h"

#include "bench/startup_trace.h"
#include "framework/app.h"
#include "framework/centred_box.h"
#include "framework/radio_check.h"

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

void CDialog::CheckRadioButton(int first, int last, int check) const {
    for (int id = first; id <= last; ++id) SetRadioCheck(FindItem(id), id == check);
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
    if (!RouteMessage(m) || !m.handled) return FALSE;
    if (ReturnsResultDirectly(msg)) return m.result;
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, m.result);
    return TRUE;
}

}  // namespace fw
