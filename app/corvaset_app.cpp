#include "app/corvaset_app.h"

#include <commctrl.h>

#include "app/about_dlg.h"
#include "dialog/corvaset_dlg.h"
#include "framework/shell.h"
#include "framework/startup_trace.h"

CCorvasetApp theApp;

BOOL CCorvasetApp::InitInstance() {
    fw::StartupStep("init-instance");
    // The settings dialog is built from trackbars and up-down controls.
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&classes);
    fw::StartupStep("common-controls");

    CCorvasetDlg dialog(&CAboutDlg::Show);
    // A file named on the command line, dropped on the program's icon or
    // opened with it from Explorer.
    dialog.SetStartArguments(fw::ArgumentsOf(::GetCommandLineW()));
    m_pMainWnd = &dialog;
    fw::StartupStep("dialog-object");
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // Nothing more to do once the dialog has closed: end without a message loop.
    return FALSE;
}
