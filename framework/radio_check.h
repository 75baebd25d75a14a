// Checking one radio button of a group without the system's walk of the dialog.
#pragma once

#include <windows.h>

namespace fw {

// Gives `button` its check and tab stop (`checked`), or takes both away.
void SetRadioCheck(HWND button, bool checked);

}  // namespace fw
