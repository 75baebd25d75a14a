// The baseline for the start-up benchmark: template 102 run by a plain
// dialog procedure, with none of the program's own code.
#include <windows.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        ::EndDialog(hwnd, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CORVASET_DIALOG), nullptr, BareDialogProc, 0);
    return 0;
}
