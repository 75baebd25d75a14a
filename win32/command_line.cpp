#include "win32/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/system_library.h"

namespace fw {
namespace {

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

std::vector<std::wstring> ArgumentsOf(const wchar_t* commandLine) {
    std::vector<std::wstring> arguments;
    // An empty command line would give the program's own path as argv[0].
    if (commandLine == nullptr || *AfterProgramName(commandLine) == L'\0') return arguments;
    static decltype(&::CommandLineToArgvW) split = nullptr;
    if (split == nullptr && !FindCall(LoadSystemLibrary(L"shell32.dll"), "CommandLineToArgvW", split)) return arguments;
    int count = 0;
    wchar_t** argv = split(commandLine, &count);
    if (argv == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(argv[i]);
    ::LocalFree(argv);
    return arguments;
}

}  // namespace fw
