#include "framework/shell.h"

#include <shellapi.h>

#include "win32/system_library.h"

namespace fw {
namespace {

// The shell's DLL loads only when a command line or a drop needs it.
struct ShellCalls {
    decltype(&::CommandLineToArgvW) splitCommandLine = nullptr;
    decltype(&::DragQueryFileW) queryDroppedFile = nullptr;
    decltype(&::DragFinish) finishDrop = nullptr;
};

const ShellCalls& Shell() {
    static const ShellCalls calls = [] {
        ShellCalls c;
        const HMODULE shell32 = LoadSystemLibrary(L"shell32.dll");
        FindCall(shell32, "CommandLineToArgvW", c.splitCommandLine);
        FindCall(shell32, "DragQueryFileW", c.queryDroppedFile);
        FindCall(shell32, "DragFinish", c.finishDrop);
        return c;
    }();
    return calls;
}

// Past the program's name, which Windows takes up to the next quote when it
// starts with one and up to the first space or tab otherwise.
const wchar_t* AfterProgramName(const wchar_t* commandLine) {
    const wchar_t* at = commandLine;
    if (*at == L'"') {
        ++at;
        while (*at != L'\0' && *at != L'"') ++at;
        if (*at == L'"') ++at;
    } else {
        while (*at != L'\0' && *at != L' ' && *at != L'\t') ++at;
    }
    while (*at == L' ' || *at == L'\t') ++at;
    return at;
}

}  // namespace

void AcceptDroppedFiles(HWND window) {
    ::SetWindowLongW(window, GWL_EXSTYLE, ::GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}

std::vector<std::wstring> ArgumentsOf(const wchar_t* commandLine) {
    std::vector<std::wstring> arguments;
    // An empty command line would give the program's own path as argv[0].
    if (commandLine == nullptr || *AfterProgramName(commandLine) == L'\0') return arguments;
    if (Shell().splitCommandLine == nullptr) return arguments;
    int count = 0;
    wchar_t** argv = Shell().splitCommandLine(commandLine, &count);
    if (argv == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(argv[i]);
    ::LocalFree(argv);
    return arguments;
}

std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
    std::vector<std::wstring> files;
    const ShellCalls& shell = Shell();
    if (shell.queryDroppedFile == nullptr || shell.finishDrop == nullptr) return files;
    const UINT count = shell.queryDroppedFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = shell.queryDroppedFile(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(shell.queryDroppedFile(drop, i, path.data(), length + 1));
        files.push_back(std::move(path));
    }
    shell.finishDrop(drop);
    return files;
}

}  // namespace fw
