// The recording half of framework/startup_trace.h, linked only into the
// benchmark's traced programs. Stamps stay in memory while the program
// starts, so that recording costs no file access on the way; they are
// written once the program ends, one "name ticks" line each. Ticks are the
// system-wide QueryPerformanceCounter, the clock launch_time starts from.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "framework/startup_trace.h"

namespace {

struct Stamp {
    const char* name;
    LONGLONG ticks;
};

Stamp g_stamps[64];
int g_count = 0;

void WriteStamps() {
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetEnvironmentVariableW(L"CORVASET_STARTUP_TRACE", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    FILE* file = _wfopen(path, L"w");
    if (file == nullptr) return;
    for (int i = 0; i < g_count; ++i) std::fprintf(file, "%s %lld\n", g_stamps[i].name, g_stamps[i].ticks);
    std::fclose(file);
}

// The first C++ code of the program: the C runtime is up, no other static
// object has been built yet.
struct FirstStatic {
    FirstStatic() {
        fw::StartupStep("runtime-ready");
        std::atexit(WriteStamps);
    }
};
FirstStatic g_first __attribute__((init_priority(101)));

}  // namespace

// Only a step's first time counts: the first paint, not every paint.
void fw::StartupStep(const char* name) {
    if (g_count == static_cast<int>(std::size(g_stamps))) return;
    for (int i = 0; i < g_count; ++i)
        if (std::strcmp(g_stamps[i].name, name) == 0) return;
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    g_stamps[g_count++] = {name, now.QuadPart};
}
