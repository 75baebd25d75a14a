#include "framework/clipboard.h"

#include <cstring>

namespace fw {

bool CopyTextToClipboard(HWND owner, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return false;
    if (void* at = ::GlobalLock(memory)) {
        std::memcpy(at, text.c_str(), bytes);
        ::GlobalUnlock(memory);
    }
    // Once the clipboard has the memory, it is the clipboard's to free.
    const bool copied = ::OpenClipboard(owner) && ::EmptyClipboard() &&
                        ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!copied) ::GlobalFree(memory);
    ::CloseClipboard();
    return copied;
}

}  // namespace fw
