// The Windows build's file access. Inside the tool paths are UTF-8; every
// file call gets them as UTF-16, so any name works whatever the ANSI code
// page. Device names and the device namespace are refused by name, before
// anything is opened; what is opened is then checked to be a file on a disk.
// The replacing write goes through the dialog's own, so both programs refuse
// and report the same targets alike.

// FILE_ID_INFO (Windows 8) is asked for at run time, with the older file
// index as the fallback, so the program still runs on Windows 7.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602
#include <windows.h>

#include <cstring>

#include "framework/file.h"
#include "tool/file_io.h"

namespace tool {
namespace {

std::wstring Wide(const std::string& utf8) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

// The system's own words for an error code.
std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = n ? std::wstring(text, n) : L"";
    if (text) ::LocalFree(text);
    while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ' ||
                              words.back() == L'.'))
        words.pop_back();
    return words.empty() ? "system error " + std::to_string(error) : Utf8FromWide(words.c_str());
}

std::string CauseText(const fw::FileError& error) {
    switch (error.cause) {
        case fw::FileCause::ReadOnly: return "the file is read-only";
        case fw::FileCause::IsDirectory: return "a folder of that name is in the way";
        case fw::FileCause::DiskFull: return "the disk is full";
        default: return SystemMessage(error.systemError);
    }
}

// \\.\NAME opens a device (a volume, a pipe, a port), never a file.
bool IsDeviceNamespace(const std::wstring& path) {
    return path.size() >= 4 && (path[0] == L'\\' || path[0] == L'/') && (path[1] == L'\\' || path[1] == L'/') &&
           path[2] == L'.' && (path[3] == L'\\' || path[3] == L'/');
}

// Which file a handle leads to. FILE_ID_INFO first: Wine answers it for
// the standard handles, where GetFileInformationByHandle fails.
FileId IdOf(HANDLE handle) {
    FILE_ID_INFO id{};
    if (::GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id)) {
        FileId result{true, id.VolumeSerialNumber, 0, 0};
        std::memcpy(&result.index, id.FileId.Identifier, 8);
        std::memcpy(&result.indexHigh, id.FileId.Identifier + 8, 8);
        return result;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) return {};
    return {true, info.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow, 0};
}

// Wine gives the standard handles a volume serial number of 0: the file
// index alone then decides.
bool SameFile(const FileId& a, const FileId& b) {
    return a.known && b.known && a.index == b.index && a.indexHigh == b.indexHigh &&
           (a.volume == b.volume || a.volume == 0 || b.volume == 0);
}

// Replacing the file standard output or error was opened on would leave
// them writing into a file that is gone.
bool IsStandardOutput(const FileId& id) {
    for (const DWORD which : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        const HANDLE handle = ::GetStdHandle(which);
        if (::GetFileType(handle) == FILE_TYPE_DISK && SameFile(IdOf(handle), id)) return true;
    }
    return false;
}

std::string NotOnDisk(DWORD type) {
    return RefusalText(type == FILE_TYPE_PIPE ? NotAFile::NamedPipe : NotAFile::Device);
}

// Reads an open handle; a file's size is known before reading, so a file
// too large is refused without reading it.
ReadResult ReadFrom(HANDLE handle, std::size_t limit, bool fileOnly) {
    ReadResult result;
    const DWORD type = ::GetFileType(handle);
    if (type == FILE_TYPE_DISK) {
        result.id = IdOf(handle);
        LARGE_INTEGER size{};
        if (::GetFileSizeEx(handle, &size) && static_cast<std::uint64_t>(size.QuadPart) > limit) {
            result.ok = result.tooLarge = true;
            return result;
        }
    } else if (fileOnly) {
        result.error = NotOnDisk(type);
        return result;
    }
    const bool read = ReadUpTo(result, limit, [handle](std::uint8_t* buffer, std::size_t size) -> long {
        DWORD n = 0;
        if (::ReadFile(handle, buffer, static_cast<DWORD>(size), &n, nullptr)) return static_cast<long>(n);
        return ::GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;  // a pipe's writer has finished
    });
    if (!read) {
        result.bytes.clear();
        result.error = "read failed: " + SystemMessage(::GetLastError());
        return result;
    }
    result.ok = true;
    return result;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return ::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &mode);
}

// Writes all of `size` bytes; some file systems report success for a write
// that ran out of space, so fewer bytes written counts as a full disk.
WriteResult WriteAll(HANDLE handle, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (!::WriteFile(handle, data, static_cast<DWORD>(size), &written, nullptr))
            return {false, SystemMessage(::GetLastError())};
        if (written == 0) return {false, CauseText({fw::FileCause::DiskFull, ERROR_DISK_FULL})};
        data += written;
        size -= written;
    }
    return {true, ""};
}

}  // namespace

std::string Utf8FromWide(const wchar_t* wide) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return "";
    std::string utf8(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), n, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

ReadResult ReadWholeFile(const std::string& path, std::size_t limit) {
    if (path == "-") return ReadFrom(::GetStdHandle(STD_INPUT_HANDLE), limit, false);
    ReadResult result;
    const std::wstring wide = Wide(path);
    if (IsWindowsDeviceName(path)) {
        result.error = RefusalText(NotAFile::DeviceName);
        return result;
    }
    if (IsDeviceNamespace(wide)) {
        result.error = RefusalText(NotAFile::Device);
        return result;
    }
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            result.error = "no such file";
            return result;
        }
        // Anything else (Wine says "invalid parameter" for a named pipe or a
        // device): the open below tells what it is.
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        result.error = RefusalText(NotAFile::Folder);
        return result;
    }
    const HANDLE handle = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        result.error = SystemMessage(::GetLastError());
        return result;
    }
    result = ReadFrom(handle, limit, true);
    ::CloseHandle(handle);
    return result;
}

WriteResult WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size,
                               const FileId& input) {
    if (IsWindowsDeviceName(path)) return {false, RefusalText(NotAFile::DeviceName)};
    const std::wstring full = fw::FullPathName(Wide(path));
    if (IsDeviceNamespace(full)) return {false, RefusalText(NotAFile::Device)};

    // What is there now, opened for its attributes only (no sharing
    // conflict, no effect on a device): a file on a disk that is not the
    // input, else refused. The replacing write follows a symbolic link to
    // the file it leads to, and the link stays.
    const HANDLE handle = ::CreateFileW(full.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        std::string refusal;
        const DWORD type = ::GetFileType(handle);
        BY_HANDLE_FILE_INFORMATION info{};
        if (type != FILE_TYPE_DISK) {
            refusal = NotOnDisk(type);
        } else if (!::GetFileInformationByHandle(handle, &info)) {
            refusal = SystemMessage(::GetLastError());
        } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            refusal = "a folder of that name is in the way";
        } else if (SameFile(IdOf(handle), input)) {
            refusal = "it is the file being read: writing it would destroy what is read";
        } else if (IsStandardOutput(IdOf(handle))) {
            refusal = kIsStandardOutput;
        }
        ::CloseHandle(handle);
        if (!refusal.empty()) return {false, refusal};
    }
    const fw::FileError error = fw::WriteFileReplacing(full, data, static_cast<DWORD>(size));
    if (error) return {false, CauseText(error)};
    return {true, ""};
}

WriteResult WriteStandardOutput(const std::uint8_t* data, std::size_t size) {
    const HANDLE handle = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (IsConsole(handle)) return {false, "standard output is a terminal: redirect it, or name a FILE"};
    return WriteAll(handle, data, size);
}

WriteResult WriteText(StandardStream stream, const std::string& text) {
    const HANDLE handle = ::GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (IsConsole(handle)) {
        const std::wstring wide = Wide(text);
        DWORD written = 0;
        if (!::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr))
            return {false, SystemMessage(::GetLastError())};
        return {true, ""};
    }
    std::string lines;
    for (const char c : text) lines += c == '\n' ? "\r\n" : std::string(1, c);
    return WriteAll(handle, reinterpret_cast<const std::uint8_t*>(lines.data()), lines.size());
}

}  // namespace tool
