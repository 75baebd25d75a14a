// What reading and refusing files means on every platform; the platform
// files (file_io_posix.cpp, file_io_windows.cpp) do the system calls.
#include "tool/file_io.h"

namespace tool {

std::string RefusalText(NotAFile kind) {
    switch (kind) {
        case NotAFile::Folder: return "is a folder, not a file";
        case NotAFile::NamedPipe: return "is a named pipe (FIFO), not a file";
        case NotAFile::Device: return "is a device, not a file";
        case NotAFile::Socket: return "is a socket, not a file";
        case NotAFile::DeviceName: return "is a Windows device name (CON, NUL, AUX, PRN, COM1-9, LPT1-9), not a file";
        case NotAFile::DevicePath: return "names a device or a pipe, not a file on a disk";
    }
    return "is not a file";
}

}  // namespace tool
