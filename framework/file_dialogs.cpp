#include "framework/file_dialogs.h"

#include <commdlg.h>

#include "win32/system_library.h"

namespace fw {
namespace {

// Both dialogs load with comdlg32 the first time one is asked for.
std::optional<std::wstring> ChooseFile(HWND owner, const wchar_t* filter, const wchar_t* extension) {
    using Call = decltype(&::GetOpenFileNameW);
    static Call calls[2] = {};
    static bool loaded = false;
    if (!loaded) {
        const HMODULE comdlg32 = LoadSystemLibrary(L"comdlg32.dll");
        FindCall(comdlg32, "GetOpenFileNameW", calls[0]);
        FindCall(comdlg32, "GetSaveFileNameW", calls[1]);
        loaded = true;
    }
    const bool save = extension != nullptr;
    if (calls[save] == nullptr) return std::nullopt;
    std::wstring path(32768, L'\0');  // the longest path Windows has
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrDefExt = extension;
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!calls[save](&ofn)) return std::nullopt;
    path.resize(path.find(L'\0'));
    return path;
}

}  // namespace

std::optional<std::wstring> ChooseFileToOpen(HWND owner, const wchar_t* filter) {
    return ChooseFile(owner, filter, nullptr);
}

std::optional<std::wstring> ChooseFileToSave(HWND owner, const wchar_t* filter, const wchar_t* extension) {
    return ChooseFile(owner, filter, extension);
}

}  // namespace fw
