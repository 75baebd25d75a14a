// Texts that Windows builds: a message with its inserts filled in, and the
// system's own description of an error code.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace fw {

// `pattern` with %1 ... %9 replaced by the inserts in order. An insert is
// copied as it is, even when it holds a '%', and line breaks stay as they
// are (FormatMessageW would make each a CR LF). A '%' that names no given
// insert stays.
std::wstring FormatInserts(const wchar_t* pattern, std::initializer_list<std::wstring> inserts);

// The system's description of `error` without its line break and final full
// stop; empty when the system has none.
std::wstring SystemErrorText(DWORD error);

}  // namespace fw
