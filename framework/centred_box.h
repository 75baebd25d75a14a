// A message box that opens in the middle of its owner.
#pragma once

#include <windows.h>

namespace fw {

// MessageBoxW, with the box centred on `owner` when it first shows.
int CentredMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

}  // namespace fw
