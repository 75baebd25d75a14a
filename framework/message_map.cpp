#include "framework/message_map.h"

#include <shellapi.h>
#include <shlobj.h>

#include "framework/shell.h"

namespace fw {
namespace {

// The DPIs a monitor can have, 50 % to 1000 % of 96: a forged one would
// shrink the dialog to nothing or push its controls off to the far corner.
constexpr UINT kLowestDpi = 48, kHighestDpi = 960;

// A drop handle is a movable global memory block holding DROPFILES and, at
// its pFiles offset, a list of names that ends with an empty one. The block
// is sized and locked through the global memory calls, which answer a handle
// that is not one of this process's blocks with 0 instead of reading it.
bool IsReadableDrop(HDROP drop) {
    const SIZE_T size = ::GlobalSize(drop);
    if (size < sizeof(DROPFILES)) return false;
    const auto* bytes = static_cast<const BYTE*>(::GlobalLock(drop));
    if (bytes == nullptr) return false;
    const auto* files = reinterpret_cast<const DROPFILES*>(bytes);
    const SIZE_T charSize = files->fWide ? sizeof(wchar_t) : 1;
    bool ended = false;
    if (files->pFiles >= sizeof(DROPFILES) && files->pFiles < size) {
        // Two zero characters in a row, or one at the very start, end the list.
        bool previousZero = true;
        for (SIZE_T at = files->pFiles; at + charSize <= size && !ended; at += charSize) {
            const bool zero = charSize == 1 ? bytes[at] == 0 : (bytes[at] | bytes[at + 1]) == 0;
            ended = zero && previousZero;
            previousZero = zero;
        }
    }
    ::GlobalUnlock(drop);
    return ended;
}

}  // namespace

const RECT* SuggestedDpiRect(WPARAM wp, LPARAM lp) {
    const auto* suggested = reinterpret_cast<const RECT*>(lp);
    const bool sound = HIWORD(wp) >= kLowestDpi && HIWORD(wp) <= kHighestDpi && IsReadable(suggested, sizeof(RECT));
    return sound ? suggested : nullptr;
}

std::optional<std::vector<std::wstring>> TakeDrop(WPARAM wp) {
    const auto drop = reinterpret_cast<HDROP>(wp);
    if (!IsReadableDrop(drop)) return std::nullopt;
    return TakeDroppedFiles(drop);
}

Message DecodeMessage(UINT message, WPARAM wp, LPARAM lp) {
    Message m{message, wp, lp, 0, 0};
    switch (message) {
        case WM_COMMAND:
            m.id = LOWORD(wp);
            m.code = HIWORD(wp);
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            if (IsReadable(header, sizeof(NMHDR))) {
                m.id = static_cast<UINT>(header->idFrom);
                m.code = header->code;
            }
            break;
        }
        case WM_SYSCOMMAND: m.id = static_cast<UINT>(wp & 0xFFF0); break;
        case WM_TIMER: m.id = static_cast<UINT>(wp); break;
        case WM_VSCROLL:
        case WM_HSCROLL:
            m.id = lp != 0 ? static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(lp))) : 0;
            m.code = LOWORD(wp);
            break;
    }
    return m;
}

}  // namespace fw
