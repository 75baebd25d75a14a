#include "framework/file.h"

#include <vector>

namespace fw {

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
    const auto* bytes = static_cast<const BYTE*>(data);
    while (size > 0) {
        DWORD written = 0;
        if (!::WriteFile(m_handle, bytes, size, &written, nullptr)) return FileErrorFromSystem(::GetLastError());
        // Some file systems report success for a write that ran out of space.
        if (written == 0) return {FileCause::DiskFull, ERROR_DISK_FULL};
        bytes += written;
        size -= written;
    }
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

    wchar_t temporary[MAX_PATH];
    if (!::GetTempFileNameW(FolderOf(target).c_str(), L"cvs", 0, temporary))
        return FileErrorFromSystem(::GetLastError());

    FileError error = WriteWholeFile(temporary, data, size);
    if (!error && !::MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = FileErrorFromSystem(::GetLastError());
    if (error) ::DeleteFileW(temporary);
    return error;
}

}  // namespace fw
