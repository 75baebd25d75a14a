// Measures how long a dialog program takes from launch until its dialog is
// on screen. Usage: launch_time [--trace] RUNS CAPTION EXE...
// The programs take turns, run by run and in the reverse order every other
// run, so that a change in the machine's load during the measurement, and
// whatever one launch leaves behind for the next, falls on all of them alike. Prints one line per
// program: the median and the fastest run in ms. With --trace each program
// is told to write its start-up steps (framework/startup_trace.h) to a file,
// and one more line per step gives the median time from launch to that step.
// With two programs, a last line gives the median of the first one's time
// over the second one's, run by run: each pair ran moments apart, so that
// ratio follows the machine's changing load less than the ratio of medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Search {
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

double Ms(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

struct Step {
    std::string name;
    double ms;
};

// The steps a traced program wrote, in ms from `start`.
std::vector<Step> ReadSteps(const wchar_t* path, LONGLONG start) {
    std::vector<Step> steps;
    FILE* file = _wfopen(path, L"r");
    if (file == nullptr) return steps;
    char name[64];
    long long ticks = 0;
    while (std::fscanf(file, "%63s %lld", name, &ticks) == 2) steps.push_back({name, Ms(ticks - start)});
    std::fclose(file);
    return steps;
}

// Milliseconds from CreateProcess until the dialog is visible, or -1; with a
// trace file, the program's steps go to `steps` and "visible" last.
double TimeOneLaunch(const std::wstring& exe, const wchar_t* caption, const wchar_t* traceFile,
                     std::vector<Step>* steps) {
    if (traceFile != nullptr) ::DeleteFileW(traceFile);
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, now;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return -1;
    Search search{caption, nullptr};
    double ms = -1;
    // Up to 20 s: on a machine busy with other work a launch can take seconds.
    do {
        ::EnumThreadWindows(process.dwThreadId, FindCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) ::Sleep(0);
        ::QueryPerformanceCounter(&now);
    } while (search.found == nullptr && Ms(now.QuadPart - start.QuadPart) < 20000);
    if (search.found != nullptr) {
        ms = Ms(now.QuadPart - start.QuadPart);
        ::PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (traceFile != nullptr && steps != nullptr) {
        *steps = ReadSteps(traceFile, start.QuadPart);
        steps->push_back({"visible", ms});
    }
    return ms;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Program {
    std::wstring exe;
    std::vector<double> times;
    std::vector<std::string> stepOrder;                  // as the program first reported them
    std::vector<std::vector<double>> stepTimes;          // per step, one per run
};

void AddSteps(Program& p, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        auto at = std::find(p.stepOrder.begin(), p.stepOrder.end(), s.name);
        if (at == p.stepOrder.end()) {
            p.stepOrder.push_back(s.name);
            p.stepTimes.emplace_back();
            at = p.stepOrder.end() - 1;
        }
        p.stepTimes[static_cast<std::size_t>(at - p.stepOrder.begin())].push_back(s.ms);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int first = 1;
    const bool trace = argc > 1 && wcscmp(argv[1], L"--trace") == 0;
    if (trace) ++first;
    if (argc - first < 3) {
        std::fputs("usage: launch_time [--trace] RUNS CAPTION EXE...\n", stderr);
        return 2;
    }
    const int runs = _wtoi(argv[first]);
    const wchar_t* caption = argv[first + 1];
    wchar_t traceFile[MAX_PATH] = L"";
    if (trace) {
        wchar_t folder[MAX_PATH];
        ::GetTempPathW(MAX_PATH, folder);
        ::GetTempFileNameW(folder, L"cvt", 0, traceFile);
        ::SetEnvironmentVariableW(L"CORVASET_STARTUP_TRACE", traceFile);
    }
    std::vector<Program> programs;
    for (int p = first + 2; p < argc; ++p) programs.push_back({argv[p], {}, {}, {}});
    for (const Program& p : programs) TimeOneLaunch(p.exe, caption, nullptr, nullptr);  // warm the file cache
    for (int r = 0; r < runs; ++r) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Program& p = programs[r % 2 == 0 ? i : programs.size() - 1 - i];
            std::vector<Step> steps;
            const double ms = TimeOneLaunch(p.exe, caption, trace ? traceFile : nullptr, &steps);
            if (ms < 0) {
                std::fwprintf(stderr, L"%ls: the dialog did not appear\n", p.exe.c_str());
                return 1;
            }
            p.times.push_back(ms);
            AddSteps(p, steps);
        }
    }
    if (trace) ::DeleteFileW(traceFile);
    if (programs.size() == 2) {
        std::vector<double> ratios;
        for (int r = 0; r < runs; ++r) ratios.push_back(programs[0].times[r] / programs[1].times[r]);
        std::wprintf(L"paired_ratio_median=%.3f\n", Median(ratios));
    }
    for (const Program& p : programs) {
        std::wprintf(L"%ls median_ms=%.1f min_ms=%.1f runs=%d\n", p.exe.c_str(), Median(p.times),
                     *std::min_element(p.times.begin(), p.times.end()), runs);
        for (std::size_t s = 0; s < p.stepOrder.size(); ++s)
            std::wprintf(L"%ls step=%hs median_ms=%.1f\n", p.exe.c_str(), p.stepOrder[s].c_str(),
                         Median(p.stepTimes[s]));
    }
    return 0;
}
