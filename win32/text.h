// Texts that Windows builds: a message with its inserts filled in, the
// system's own description of an error code, and UTF-8 and UTF-16 each way.
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

// Text the core made, which is ASCII, as the window calls take it.
std::wstring WidenAscii(const std::string& text);

// UTF-8 (the command-line tool's text and paths) as the system calls take
// it, and back.
std::wstring Utf16FromUtf8(const std::string& text);
std::string Utf8FromUtf16(const std::wstring& text);

// `number` in decimal. Not std::to_wstring: it goes through the C runtime's
// wide printf, which would be a tenth of the program's size.
std::wstring DecimalText(unsigned number);

// `path` cut to at most `limit` characters (not less than 8) for a box: the
// beginning and the file's name stay, "..." stands for the middle.
std::wstring CompactPath(const std::wstring& path, std::size_t limit);

// The system's description of `error` without its line break and final full
// stop; empty when the system has none.
std::wstring SystemErrorText(DWORD error);

}  // namespace fw
