#include "dialog/changes_dlg.h"

#include <array>
#include <span>

#include "framework/clipboard.h"
#include "res/resource.h"

CChangesDlg::CChangesDlg(const std::wstring& list) : fw::CDialog(IDD_CHANGES) {
    for (wchar_t c : list) {
        if (c == L'\n') m_list += L'\r';
        m_list += c;
    }
}

// The list in a fixed-width font, so its columns line up as `corvaset-dat
// show` prints them.
BOOL CChangesDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    const fw::CWnd list(FindItem(IDC_CHANGES_LIST));
    list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(ANSI_FIXED_FONT)));
    list.SetWindowText(m_list);
    return TRUE;
}

void CChangesDlg::OnCopy() { fw::CopyTextToClipboard(m_hWnd, m_list); }

struct ChangesMessageTable {
    static constexpr std::array<fw::MessageEntry<CChangesDlg>, 3> kAll = {{
        fw::OnClicked<&CChangesDlg::OnCopy>(IDC_CHANGES_COPY),
        fw::OnClickedEnd<CChangesDlg>(IDOK),
        fw::OnClickedEnd<CChangesDlg>(IDCANCEL),
    }};
};

bool CChangesDlg::RouteMessage(fw::Message& m) {
    return fw::DispatchMessageTable<CChangesDlg>(*this, std::span(ChangesMessageTable::kAll), m);
}
