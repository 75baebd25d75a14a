// What the Windows shell hands a program: its command-line arguments, the
// files dropped on a window, and the file chosen in the standard Open dialog.
// The DLLs behind them load on first use, not with the program.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>
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

// Shows the Open dialog over `owner`; `filter` is pairs of "name\0pattern\0"
// ending in "\0". The chosen file's full path, or nothing when cancelled.
std::optional<std::wstring> ChooseFileToOpen(HWND owner, const wchar_t* filter);
// The Save dialog likewise: a name typed without an extension gets
// `extension`, and an existing file is saved over only when the user says so.
std::optional<std::wstring> ChooseFileToSave(HWND owner, const wchar_t* filter, const wchar_t* extension);

}  // namespace fw
