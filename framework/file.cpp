#include "framework/file.h"

#include <vector>

namespace fw {
namespace {

WriteCall g_writeCall = ::WriteFile;

}  // namespace

ScopedWriteCall::ScopedWriteCall(WriteCall call) : m_previous(g_writeCall) { g_writeCall = call; }

ScopedWriteCall::~ScopedWriteCall() { g_writeCall = m_previous; }

FileError FileErrorFromSystem(DWORD systemError) {
    FileCause cause = FileCause::Other;
    switch (systemError) {
        case ERROR_SUCCESS: cause = FileCause::None; break;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: cause = FileCause::NotFound; break;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT: cause = FileCause::AccessDenied; break;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: cause = FileCause::SharingViolation; break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: cause = FileCause::DiskFull; break;
        case ERROR_FILENAME_EXCED_RANGE: cause = FileCause::PathTooLong; break;
        default: break;
    }
    return {cause, systemError};
}

FileError CFile::Open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    Close();
    m_handle = ::CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_handle == INVALID_HANDLE_VALUE) return FileErrorFromSystem(::GetLastError());
    return {};
}

FileError CFile::Write(const void* data, DWORD size) {
    DWORD written = 0;
    if (!g_writeCall(m_handle, data, size, &written, nullptr)) return FileErrorFromSystem(::GetLastError());
    // A write to a disk file stops short only when the disk has run out of
    // space, and some file systems report success for it.
    if (written != size) return {FileCause::DiskFull, ERROR_DISK_FULL};
    return {};
}

FileError CFile::Flush() {
    if (!::FlushFileBuffers(m_handle)) return FileErrorFromSystem(::GetLastError());
    return {};
}

FileError CFile::Close() {
    if (m_handle == INVALID_HANDLE_VALUE) return {};
    const BOOL ok = ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    if (!ok) return FileErrorFromSystem(::GetLastError());
    return {};
}

std::wstring FullPathName(const std::wstring& path) {
    const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<wchar_t> buffer(needed);
    const DWORD length = ::GetFullPathNameW(path.c_str(), needed, buffer.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    return std::wstring(buffer.data(), length);
}

namespace {

// GetTempFileNameW takes a folder of at most MAX_PATH - 14 characters, and
// adds to it at most a separator, a three-letter prefix, four hex digits,
// ".tmp" and the terminating null.
constexpr std::size_t kLongestTemporaryFolder = MAX_PATH - 14;
constexpr std::size_t kTemporaryNameRoom = 1 + 3 + 4 + 4 + 1;

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

// Refuses targets that must not be replaced, and probes that no other
// program holds the target open, before anything is written.
FileError CheckTargetReplaceable(const std::wstring& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const FileError error = FileErrorFromSystem(::GetLastError());
        return error.cause == FileCause::NotFound && error.systemError == ERROR_FILE_NOT_FOUND ? FileError{} : error;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {FileCause::IsDirectory, ERROR_ACCESS_DENIED};
    if (attributes & FILE_ATTRIBUTE_READONLY) return {FileCause::ReadOnly, ERROR_ACCESS_DENIED};
    CFile probe;
    return probe.Open(target, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
}

FileError WriteWholeFile(const std::wstring& path, const void* data, DWORD size) {
    CFile file;
    FileError error = file.Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!error) error = file.Write(data, size);
    if (!error) error = file.Flush();
    const FileError closed = file.Close();
    return error ? error : closed;
}

}  // namespace

FileError WriteFileReplacing(const std::wstring& target, const void* data, DWORD size) {
    if (FileError error = CheckTargetReplaceable(target)) return error;

    const std::wstring folder = FolderOf(target);
    if (folder.size() > kLongestTemporaryFolder) return {FileCause::PathTooLong, ERROR_FILENAME_EXCED_RANGE};
    std::wstring temporary(folder.size() + kTemporaryNameRoom, L'\0');
    if (!::GetTempFileNameW(folder.c_str(), L"cvs", 0, temporary.data())) return FileErrorFromSystem(::GetLastError());
    temporary.resize(temporary.find(L'\0'));

    FileError error = WriteWholeFile(temporary, data, size);
    if (!error && !::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = FileErrorFromSystem(::GetLastError());
    if (error) ::DeleteFileW(temporary.c_str());
    return error;
}

}  // namespace fw
