// Start-up time stamps for the benchmark build. A program built with
// CORVASET_STARTUP_TRACE records a QueryPerformanceCounter stamp at each
// named step (its first time only) and, when it ends, writes them to the
// file the environment variable CORVASET_STARTUP_TRACE names
// (bench/startup_trace.cpp, scripts/startup-breakdown.sh). In every other
// build a step is nothing at all.
#pragma once

namespace fw {

#ifdef CORVASET_STARTUP_TRACE
void StartupStep(const char* name);
#else
inline void StartupStep(const char*) {}
#endif

}  // namespace fw
