#include "app/about_dlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg() : fw::CDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::RouteMessage(fw::Message& m) {
    static constexpr fw::MessageEntry<CAboutDlg> kTable[] = {
        fw::OnClickedEnd<CAboutDlg>(IDOK),
        fw::OnClickedEnd<CAboutDlg>(IDCANCEL),
    };
    return fw::DispatchMessageTable<CAboutDlg>(*this, kTable, m);
}

void CAboutDlg::Show(HWND owner) {
    CAboutDlg about;
    about.DoModal(owner);
}
