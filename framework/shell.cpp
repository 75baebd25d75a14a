#include "framework/shell.h"

#include <shellapi.h>

#include "win32/system_library.h"

namespace fw {

void AcceptDroppedFiles(HWND window) {
    ::SetWindowLongW(window, GWL_EXSTYLE, ::GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}

// The shell's DLL loads only when a drop needs it.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
    std::vector<std::wstring> files;
    static decltype(&::DragQueryFileW) query = nullptr;
    static decltype(&::DragFinish) finish = nullptr;
    if (finish == nullptr) {
        const HMODULE shell32 = LoadSystemLibrary(L"shell32.dll");
        if (!FindCall(shell32, "DragQueryFileW", query) || !FindCall(shell32, "DragFinish", finish)) return files;
    }
    const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = query(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(query(drop, i, path.data(), length + 1));
        files.push_back(std::move(path));
    }
    finish(drop);
    return files;
}

}  // namespace fw
