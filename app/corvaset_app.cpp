#include "app/corvaset_app.h"

#include <commctrl.h>

#include "app/about_dlg.h"
#include "framework/startup_trace.h"
#include "dialog/corvaset_dlg.h"
#include "win32/command_line.h"

CCorvasetApp theApp;

void CCorvasetApp::InitInstance() {
    fw::StartupStep("init-instance");
    // The settings dialog is built from trackbars and up-down controls.
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&classes);
    fw::StartupStep("common-controls");

    CCorvasetDlg dialog(&CAboutDlg::Show);
    // A file named on the command line, dropped on the program's icon or
    // opened with it from Explorer.
    dialog.SetStartArguments(fw::ArgumentsOf(::GetCommandLineW()));
    fw::StartupStep("dialog-object");
    // The program is its dialog: it ends when the dialog closes.
    dialog.DoModal();
}
