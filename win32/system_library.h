// Windows DLLs loaded when the program first needs them instead of with the
// program: under Wine every DLL loaded at start-up, with the DLLs it brings
// along, delays the dialog.
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

}  // namespace fw
