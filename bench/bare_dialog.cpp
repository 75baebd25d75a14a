// The baseline for the start-up benchmark: template 102 run by a plain
// dialog procedure, with none of the program's own code. Its traced build
// stamps the same steps as corvaset.exe's where it has them.
#include <windows.h>

#include "framework/startup_trace.h"
#include "res/resource.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) {
        fw::StartupStep("template-created");
        fw::StartupStep("init-dialog-done");
        return TRUE;
    }
    if (msg == WM_PAINT) fw::StartupStep("first-paint");
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        ::EndDialog(hwnd, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    fw::StartupStep("init-instance");
    ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CORVASET_DIALOG), nullptr, BareDialogProc, 0);
    return 0;
}
