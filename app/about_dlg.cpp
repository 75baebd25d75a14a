#include "app/about_dlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg() : fw::CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::Show(HWND owner) {
    CAboutDlg about;
    about.DoModal(owner);
}
