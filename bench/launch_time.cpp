// Measures how long a dialog program takes from launch until its dialog is
// on screen. Usage: launch_time RUNS CAPTION EXE...
// Prints one line per program: the median and the fastest run in ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD threadId;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK FindCaption(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    wchar_t text[256] = L"";
    ::GetWindowTextW(hwnd, text, 256);
    if (::IsWindowVisible(hwnd) && wcscmp(text, s->caption) == 0) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from CreateProcess until the dialog is visible, or -1.
double TimeOneLaunch(const std::wstring& exe, const wchar_t* caption) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return -1;
    Search search{process.dwThreadId, caption, nullptr};
    double ms = -1;
    for (int i = 0; i < 20000 && search.found == nullptr; ++i) {
        ::EnumThreadWindows(process.dwThreadId, FindCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) ::Sleep(0);
    }
    ::QueryPerformanceCounter(&now);
    if (search.found != nullptr) {
        ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        ::PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ms;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fputs("usage: launch_time RUNS CAPTION EXE...\n", stderr);
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    for (int p = 3; p < argc; ++p) {
        std::vector<double> times;
        TimeOneLaunch(argv[p], argv[2]);  // warm the file cache
        for (int r = 0; r < runs; ++r) {
            const double ms = TimeOneLaunch(argv[p], argv[2]);
            if (ms < 0) {
                std::fwprintf(stderr, L"%ls: the dialog did not appear\n", argv[p]);
                return 1;
            }
            times.push_back(ms);
        }
        std::sort(times.begin(), times.end());
        std::wprintf(L"%ls median_ms=%.1f min_ms=%.1f runs=%d\n", argv[p], times[times.size() / 2], times[0], runs);
    }
    return 0;
}
