// The program's command line taken apart as Windows does for every program.
// The shell's DLL, which does it, loads on first use, not with the program.
#pragma once

#include <string>
#include <vector>

namespace fw {

// The arguments of a command line after the program's own name, split and
// unquoted as Windows does for every program ("C:\a b\x.dat" is one).
std::vector<std::wstring> ArgumentsOf(const wchar_t* commandLine);

}  // namespace fw
