// What the Windows shell hands a program: its command-line arguments and the
// files dropped on a window. The DLL behind them loads on first use, not
// with the program.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace fw {

// The arguments of a command line after the program's own name, split and
// unquoted as Windows does for every program ("C:\a b\x.dat" is one).
std::vector<std::wstring> ArgumentsOf(const wchar_t* commandLine);

// Lets files be dropped on `window` (WM_DROPFILES), as DragAcceptFiles does.
void AcceptDroppedFiles(HWND window);

// The paths of the files a WM_DROPFILES message carries; releases the drop.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

}  // namespace fw
