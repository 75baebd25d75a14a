#include "tests/support/modeless_dialog.h"

namespace test_support {
namespace {

INT_PTR WINAPI MakeModeless(HINSTANCE module, LPCDLGTEMPLATEW made, HWND parent, DLGPROC procedure, LPARAM param) {
    return reinterpret_cast<INT_PTR>(::CreateDialogIndirectParamW(module, made, parent, procedure, param));
}

}  // namespace

// RunIn gives -1 without a template, CreateDialogIndirectParamW null on a failure.
bool CreateModeless(fw::CDialog& dialog) {
    const INT_PTR made = dialog.RunIn(MakeModeless);
    return made != 0 && made != -1;
}

}  // namespace test_support
