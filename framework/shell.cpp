#include "framework/shell.h"

#include <commdlg.h>
#include <shellapi.h>

namespace fw {

std::vector<std::wstring> ArgumentsOf(const wchar_t* commandLine) {
    std::vector<std::wstring> arguments;
    // An empty command line would give the program's own path as argv[0].
    if (commandLine == nullptr || *commandLine == L'\0') return arguments;
    int count = 0;
    wchar_t** argv = ::CommandLineToArgvW(commandLine, &count);
    if (argv == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(argv[i]);
    ::LocalFree(argv);
    return arguments;
}

std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
    std::vector<std::wstring> files;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(::DragQueryFileW(drop, i, path.data(), length + 1));
        files.push_back(std::move(path));
    }
    ::DragFinish(drop);
    return files;
}

std::optional<std::wstring> ChooseFileToOpen(HWND owner, const wchar_t* filter) {
    std::wstring path(32768, L'\0');  // the longest path Windows has
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameW(&ofn)) return std::nullopt;
    path.resize(path.find(L'\0'));
    return path;
}

}  // namespace fw
