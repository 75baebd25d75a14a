// What reading and refusing files means on every platform; the platform
// files (file_io_posix.cpp, file_io_windows.cpp) do the system calls.
#include <cctype>

#include "tool/file_io.h"

namespace tool {

std::string RefusalText(NotAFile kind) {
    switch (kind) {
        case NotAFile::Folder: return "is a folder, not a file";
        case NotAFile::NamedPipe: return "is a named pipe (FIFO), not a file";
        case NotAFile::Device: return "is a device, not a file";
        case NotAFile::Socket: return "is a socket, not a file";
        case NotAFile::DeviceName: return "is a Windows device name (CON, NUL, AUX, PRN, COM1-9, LPT1-9), not a file";
    }
    return "is not a file";
}

bool IsWindowsDeviceName(const std::string& path) {
    const std::size_t start = path.find_last_of("/\\:");
    std::string base = path.substr(start == std::string::npos ? 0 : start + 1);
    base = base.substr(0, base.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$")
        return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}

}  // namespace tool
