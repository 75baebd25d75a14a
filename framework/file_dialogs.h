// The standard Open and Save dialogs. Their DLL loads on first use, not with
// the program.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace fw {

// Shows the Open dialog over `owner`; `filter` is pairs of "name\0pattern\0"
// ending in "\0". The chosen file's full path, or nothing when cancelled.
std::optional<std::wstring> ChooseFileToOpen(HWND owner, const wchar_t* filter);
// The Save dialog likewise: a name typed without an extension gets
// `extension`, and an existing file is saved over only when the user says so.
std::optional<std::wstring> ChooseFileToSave(HWND owner, const wchar_t* filter, const wchar_t* extension);

}  // namespace fw
