// File access that reports why it failed, and a whole-file write that either
// replaces the target completely or leaves it untouched.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

enum class FileCause {
    None,
    NotFound,          // the file or its folder does not exist
    AccessDenied,      // no permission, or the folder cannot be written
    SharingViolation,  // held open by another program
    ReadOnly,          // the target carries the read-only attribute
    IsDirectory,       // the target name is taken by a folder
    DiskFull,          // the disk ran out of space, or a write came up short
    PathTooLong,       // the folder's path leaves no room for a temporary file's name
    Other,
};

struct FileError {
    FileCause cause = FileCause::None;
    DWORD systemError = 0;
    explicit operator bool() const { return cause != FileCause::None; }
};

FileError FileErrorFromSystem(DWORD systemError);

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

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// The absolute form of a path relative to the current directory.
std::wstring FullPathName(const std::wstring& path);

// Writes `data` to a temporary file beside `target` and then moves it over
// `target` in one step. On failure `target` keeps its old bytes and the
// temporary file is gone. A read-only target or a folder of that name is
// refused up front, since not every file system refuses to replace them, and
// so is a folder whose path is too long to name a temporary file in.
FileError WriteFileReplacing(const std::wstring& target, const void* data, DWORD size);

}  // namespace fw
