// The Windows build writes through the dialog's own replacing write, so both
// programs refuse and report the same targets alike.
#include <windows.h>

#include "framework/file.h"
#include "tool/file_io.h"

namespace tool {
namespace {

std::wstring Wide(const std::string& narrow) {
    // Command-line arguments arrive in the ANSI code page, as fopen reads them.
    const int n = ::MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<std::size_t>(n) : 1, L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

std::string CauseText(const fw::FileError& error) {
    switch (error.cause) {
        case fw::FileCause::NotFound: return "the folder does not exist";
        case fw::FileCause::AccessDenied: return "access denied";
        case fw::FileCause::SharingViolation: return "the file is held open by another program";
        case fw::FileCause::ReadOnly: return "the file is read-only";
        case fw::FileCause::IsDirectory: return "a folder of that name is in the way";
        case fw::FileCause::DiskFull: return "the disk is full";
        default: return "system error " + std::to_string(error.systemError);
    }
}

}  // namespace

WriteResult WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const fw::FileError error =
        fw::WriteFileReplacing(fw::FullPathName(Wide(path)), data, static_cast<DWORD>(size));
    if (error) return {false, CauseText(error)};
    return {true, ""};
}

}  // namespace tool
