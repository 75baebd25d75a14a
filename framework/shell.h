// Files dropped on a window from the Windows shell. The DLL behind them loads
// on first use, not with the program.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace fw {

// Lets files be dropped on `window` (WM_DROPFILES), as DragAcceptFiles does.
void AcceptDroppedFiles(HWND window);

// The paths of the files a WM_DROPFILES message carries; releases the drop.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

}  // namespace fw
