// Windows' device names, as a rule without Windows: the file is meant for
// Windows, so both builds of the programs refuse a name that opens a device
// there (the native tool too, where such a name is an ordinary file).
// Platform-free and header-only: the native tool includes it as well.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>

namespace fw {

// CON, PRN, AUX, NUL, COM1-9, LPT1-9 and the console's CONIN$ and CONOUT$
// open the device in every folder, in any case, whatever follows the first
// dot and with spaces before it: "nul", "aux.dat", "COM1 .txt". `path` is a
// whole path; its last part counts, after either kind of slash.
template <typename Char>
bool IsDeviceName(std::basic_string_view<Char> path) {
    std::string name;  // the last part, upper case, up to its first dot; '?' for any other letter
    for (Char c : path) {
        const auto code = static_cast<std::make_unsigned_t<Char>>(c);
        if (code == '/' || code == '\\') name.clear();
        else if (code >= 'a' && code <= 'z') name += static_cast<char>(code - 'a' + 'A');
        else name += code < 0x80 ? static_cast<char>(code) : '?';
    }
    name.resize(std::min(name.find('.'), name.size()));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (name == device) return true;
    return name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")) && name[3] >= '1' && name[3] <= '9';
}

}  // namespace fw
