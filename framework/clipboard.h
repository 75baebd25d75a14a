// Putting text on the clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Replaces the clipboard's contents with `text` as Unicode text. False when
// the clipboard is held by another program or memory runs out.
bool CopyTextToClipboard(HWND owner, const std::wstring& text);

}  // namespace fw
