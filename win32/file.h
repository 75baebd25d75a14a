// File access that reports why it failed, and a whole-file write that either
// replaces the target completely or leaves it untouched.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

enum class FileCause {
    None,
    NotFound,          // the file does not exist
    FolderNotFound,    // the folder it is in does not exist
    AccessDenied,      // no permission, or the folder cannot be written
    SharingViolation,  // held open by another program
    ReadOnly,          // the target carries the read-only attribute
    IsDirectory,       // the target name is taken by a folder
    DiskFull,          // the disk ran out of space, or a write came up short
    PathTooLong,       // the path is longer than the system takes
    DeviceName,        // CON, NUL, COM1, aux.dat ...: the name opens a device
    DevicePath,        // \\.\PhysicalDrive0, \\.\pipe\x ...: a path to a device or a pipe
    NotAFile,          // a device, a named pipe (FIFO) or a console, not a file on a disk
    BrokenLink,        // a symbolic link into a folder that does not exist
    Other,
};

struct FileError {
    FileCause cause = FileCause::None;
    DWORD systemError = 0;
    explicit operator bool() const { return cause != FileCause::None; }
};

FileError FileErrorFromSystem(DWORD systemError);

// None for a file on a disk; else NotAFile, with ERROR_BAD_PIPE for a named
// pipe and ERROR_INVALID_FUNCTION for a device or a console, so that a
// caller can name which it is.
FileError DiskFileOnly(HANDLE handle);

// The call CFile::Write makes to write bytes: ::WriteFile unless a test has
// put another in its place.
using WriteCall = BOOL(WINAPI*)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);

// For tests: every CFile write goes through `call` while the object lives.
// A full disk makes WriteFile report success with fewer bytes on some file
// systems but not under Wine, so only a stand-in can show that case.
class ScopedWriteCall {
public:
    explicit ScopedWriteCall(WriteCall call);
    ~ScopedWriteCall();
    ScopedWriteCall(const ScopedWriteCall&) = delete;
    ScopedWriteCall& operator=(const ScopedWriteCall&) = delete;

private:
    WriteCall m_previous;
};

class CFile {
public:
    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    FileError Open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition);
    // Writes all of `size` bytes; fewer bytes written counts as a full disk.
    FileError Write(const void* data, DWORD size);
    FileError Flush();
    FileError Close();
    HANDLE Handle() const { return m_handle; }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// The absolute form of a path relative to the current directory.
std::wstring FullPathName(const std::wstring& path);

// The form of a full path that the file calls take beyond MAX_PATH
// characters (\\?\C:\... or \\?\UNC\server\...); a short path as it is.
std::wstring LongPathForm(const std::wstring& full);

// What is at the full path `full`, examined without reading or opening it
// for data (which could block on a device or a pipe): a device name (in any
// form, \\?\C:\nul too), a path in the device namespace (\\.\NAME), a
// device, a pipe or a folder is refused; a file on a disk, or nothing
// (`exists` false), is not. `final` becomes the file a symbolic link leads
// to, else `full`.
FileError ExamineFile(const std::wstring& full, bool& exists, std::wstring& final);

// Refuses, before anything is written, a target that ExamineFile refuses, a
// read-only one (not every file system refuses to replace it) and one that
// another program holds open. `final` is the file a write would replace or
// make: through a symbolic link, the file it leads to, there yet or not.
FileError CheckReplaceable(const std::wstring& full, std::wstring& final);

// Writes `data` to a temporary file beside the file and then moves it over
// the file in one step. On failure the file keeps its old bytes and the
// temporary file is gone. Through a symbolic link the file it leads to is
// replaced or made and the link stays. A target that CheckReplaceable
// refuses is refused before anything is written.
//
// The temporary file is made new, never taken over: whatever stands at a
// name it might have (a link, a folder, a leftover, a user's own file) is
// left as it is and another name is tried. So the file written has the
// writer's own owner and permissions. It is marked for deletion while it is
// written, so that a killed write leaves nothing behind; Windows XP cannot
// take the mark back, and there a write killed before the rename leaves a
// file named like kTemporaryPattern, which no later write removes.
inline constexpr wchar_t kTemporaryPattern[] = L"~corvaset-XXXXXXXX.tmp";
FileError WriteFileReplacing(const std::wstring& target, const void* data, DWORD size);

}  // namespace fw
