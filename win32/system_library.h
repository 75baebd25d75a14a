// Windows DLLs loaded when the program first needs them instead of with the
// program: under Wine every DLL loaded at start-up, with the DLLs it brings
// along, delays the dialog. And functions newer than Windows XP, which the
// programs look up at run time so that they still start there.
#pragma once

#include <windows.h>

namespace fw {

// The DLL `name` from the system folder only, never from the current or the
// program's folder; null when it cannot be loaded. It stays loaded for the
// life of the process.
HMODULE LoadSystemLibrary(const wchar_t* name);

// Sets `call` to the function `name` of `library`; false, with `call` null,
// when there is no such function or no library.
template <class Call>
bool FindCall(HMODULE library, const char* name, Call& call) {
    const FARPROC found = library != nullptr ? ::GetProcAddress(library, name) : nullptr;
    call = reinterpret_cast<Call>(reinterpret_cast<void*>(found));
    return call != nullptr;
}

// Whether the functions newer than Windows XP count as missing, so that the
// XP paths run on any Windows: set by CORVASET_AS_WINDOWS_XP=1 in the
// environment, read once.
bool NewerCallsHidden();

// FindCall for a function that Windows XP lacks: every caller has an XP
// path beside it, taken when this finds nothing.
template <class Call>
bool FindNewerCall(HMODULE library, const char* name, Call& call) {
    if (NewerCallsHidden()) {
        call = nullptr;
        return false;
    }
    return FindCall(library, name, call);
}

}  // namespace fw
