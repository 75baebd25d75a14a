#include "win32/system_library.h"

#include <string>

namespace fw {

HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return ::LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

bool NewerCallsHidden() {
    static const bool hidden = [] {
        wchar_t value[2] = {};
        return ::GetEnvironmentVariableW(L"CORVASET_AS_WINDOWS_XP", value, 2) == 1 && value[0] == L'1';
    }();
    return hidden;
}

}  // namespace fw
