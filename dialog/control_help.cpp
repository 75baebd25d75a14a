// Each setting explains itself: the tips of the controls and their
// accessible descriptions, asked of the settings model when they are shown.
#include "dialog/corvaset_dlg.h"
#include "win32/text.h"

using namespace controls;

std::wstring CCorvasetDlg::HelpTextOf(HWND control) const {
    const std::size_t index = IndexOfId(::GetDlgCtrlID(control));
    if (index == kControlCount) return {};
    return fw::WidenAscii(m_settings.TipOf(kControls[index].shows));
}

// The tooltip made after the first paint asks for each text as it shows it.
void CCorvasetDlg::OnToolTipText(NMTTDISPINFOW& request) {
    m_tipText = HelpTextOf(m_tips.ControlOf(request.hdr));
    request.lpszText = m_tipText.data();
    request.hinst = nullptr;
}

void CCorvasetDlg::OnDialogMouse(UINT message, WPARAM wp, LPARAM lp) { m_tips.RelayDialogMouse(message, wp, lp); }

void CCorvasetDlg::ExplainControls() {
    std::vector<HWND> explained;
    for (HWND control : Controls())
        if (HasHelpText(::GetDlgCtrlID(control))) explained.push_back(control);
    if (m_tips.Create(m_hWnd, explained)) m_senderCheck.AcceptNotificationsFrom(m_tips.GetSafeHwnd());
}
