// Texts that Windows builds: a message with its inserts filled in, and the
// system's own description of an error code.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace fw {

// `pattern` with %1, %2, ... replaced by the inserts in order, as
// FormatMessageW builds it. An insert is copied as it is, even when it holds
// a '%'. The pattern must name no insert beyond those given.
std::wstring FormatInserts(const wchar_t* pattern, std::initializer_list<std::wstring> inserts);

// The system's description of `error` without its line break and final full
// stop; empty when the system has none.
std::wstring SystemErrorText(DWORD error);

}  // namespace fw
