// The Windows build's file access, through the win32 layer's own file calls,
// so that both programs refuse and report the same files alike: only a file
// on a disk is read or replaced, a device name or a path in the device
// namespace is refused before anything is opened, and long paths work.
// Inside the tool paths are UTF-8; every file call gets them as UTF-16, so
// any name works whatever the ANSI code page.

#include <windows.h>

#include <cstring>

#include "tool/file_io.h"
#include "win32/file.h"
#include "win32/file_read.h"
#include "win32/system_library.h"
#include "win32/text.h"

namespace tool {
namespace {

// The system's own words for an error code.
std::string SystemMessage(DWORD error) {
    const std::wstring words = fw::SystemErrorText(error);
    return words.empty() ? "system error " + std::to_string(error) : fw::Utf8FromUtf16(words);
}

enum class Doing { Reading, Writing };

// Why a file could not be read or replaced.
std::string CauseText(const fw::FileError& error, Doing doing) {
    switch (error.cause) {
        case fw::FileCause::NotFound:
        case fw::FileCause::FolderNotFound:
            if (doing == Doing::Reading) return "no such file";
            break;
        case fw::FileCause::IsDirectory:
            return doing == Doing::Reading ? RefusalText(NotAFile::Folder) : "a folder of that name is in the way";
        case fw::FileCause::DeviceName: return RefusalText(NotAFile::DeviceName);
        case fw::FileCause::DevicePath: return RefusalText(NotAFile::DevicePath);
        case fw::FileCause::NotAFile:
            return RefusalText(error.systemError == ERROR_BAD_PIPE ? NotAFile::NamedPipe : NotAFile::Device);
        case fw::FileCause::ReadOnly: return "the file is read-only";
        case fw::FileCause::DiskFull: return "the disk is full";
        case fw::FileCause::BrokenLink: return "it is a symbolic link into a folder that does not exist";
        default: break;
    }
    return SystemMessage(error.systemError);
}

// A file's 128-bit identity (FILE_ID_INFO of Windows 8 and later), asked
// for by a call of Windows Vista and later that is looked up at run time.
struct FileIdInfo {
    ULONGLONG volumeSerialNumber;
    BYTE identifier[16];
};
constexpr int kFileIdInfo = 18;  // its FILE_INFO_BY_HANDLE_CLASS

BOOL(WINAPI* InformationByHandle())(HANDLE, int, LPVOID, DWORD) {
    static const auto call = [] {
        BOOL(WINAPI * found)(HANDLE, int, LPVOID, DWORD) = nullptr;
        fw::FindNewerCall(::GetModuleHandleW(L"kernel32.dll"), "GetFileInformationByHandleEx", found);
        return found;
    }();
    return call;
}

// The file index of the file `handle` is open on, from the system call
// beneath GetFileInformationByHandle, which needs no access to the file:
// Wine answers it for the standard handles, where GetFileInformationByHandle
// fails. Its volume is left unknown.
FileId IndexOf(HANDLE handle) {
    struct IoStatus {
        LONG_PTR status;
        ULONG_PTR information;
    };
    using Query = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);
    static const Query query = [] {
        Query found = nullptr;
        fw::FindCall(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile", found);
        return found;
    }();
    constexpr int kFileInternalInformation = 6;
    IoStatus status{};
    std::uint64_t index = 0;
    if (query == nullptr || query(handle, &status, &index, sizeof index, kFileInternalInformation) < 0) return {};
    return {true, 0, index, 0};
}

// Which file a handle leads to. FILE_ID_INFO first: Wine answers it for
// the standard handles, where GetFileInformationByHandle fails. Windows
// before 8 answers only the older file index.
FileId IdOf(HANDLE handle) {
    FileIdInfo id{};
    if (InformationByHandle() != nullptr && InformationByHandle()(handle, kFileIdInfo, &id, sizeof id)) {
        FileId result{true, id.volumeSerialNumber, 0, 0};
        std::memcpy(&result.index, id.identifier, 8);
        std::memcpy(&result.indexHigh, id.identifier + 8, 8);
        return result;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) return IndexOf(handle);
    return {true, info.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow, 0};
}

// Which file a full path leads to, opened for its attributes only.
FileId IdOf(const std::wstring& full) {
    const HANDLE handle = ::CreateFileW(fw::LongPathForm(full).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {};
    const FileId id = IdOf(handle);
    ::CloseHandle(handle);
    return id;
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

// Reads an open handle: a file, or standard input whatever it is.
ReadResult ReadFrom(HANDLE handle, std::size_t limit) {
    fw::ReadResult read = fw::ReadUpTo(handle, limit);
    ReadResult result;
    if (::GetFileType(handle) == FILE_TYPE_DISK) result.id = IdOf(handle);
    if (read.error) {
        result.error = "read failed: " + SystemMessage(read.error.systemError);
        return result;
    }
    result.ok = true;
    result.tooLarge = read.tooLarge;
    result.bytes = std::move(read.bytes);
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
        if (written == 0) return {false, CauseText({fw::FileCause::DiskFull, ERROR_DISK_FULL}, Doing::Writing)};
        data += written;
        size -= written;
    }
    return {true, ""};
}

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::size_t limit) {
    if (path == "-") return ReadFrom(::GetStdHandle(STD_INPUT_HANDLE), limit);
    ReadResult result;
    // Shared for writing too: a file another program has open is read as it is.
    fw::CFile file;
    if (const fw::FileError error = fw::OpenForReading(
            fw::Utf16FromUtf8(path), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, file)) {
        result.error = CauseText(error, Doing::Reading);
        return result;
    }
    return ReadFrom(file.Handle(), limit);
}

WriteResult WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size,
                               const FileId& input) {
    const std::wstring full = fw::FullPathName(fw::Utf16FromUtf8(path));
    // What is there now: nothing, or a file on a disk that is not the input.
    // The replacing write follows a symbolic link to the file it leads to,
    // and the link stays.
    bool exists = false;
    std::wstring final;
    if (const fw::FileError error = fw::ExamineFile(full, exists, final))
        return {false, CauseText(error, Doing::Writing)};
    if (exists) {
        const FileId id = IdOf(full);
        if (SameFile(id, input)) return {false, "it is the file being read: writing it would destroy what is read"};
        if (IsStandardOutput(id)) return {false, kIsStandardOutput};
    }
    const fw::FileError error = fw::WriteFileReplacing(full, data, static_cast<DWORD>(size));
    if (error) return {false, CauseText(error, Doing::Writing)};
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
        const std::wstring wide = fw::Utf16FromUtf8(text);
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
