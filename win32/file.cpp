#include "win32/file.h"

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

FileError DiskFileOnly(HANDLE handle) {
    const DWORD type = ::GetFileType(handle);
    if (type == FILE_TYPE_DISK) return {};
    return {FileCause::NotAFile, type == FILE_TYPE_PIPE ? DWORD{ERROR_BAD_PIPE} : DWORD{ERROR_INVALID_FUNCTION}};
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

std::wstring LongPathForm(const std::wstring& full) {
    // Room for a temporary file's name beside it in the short form.
    if (full.size() < MAX_PATH - 14 || full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC" + full.substr(1);
    return L"\\\\?\\" + full;
}

FileError ExamineFile(const std::wstring& full, bool& exists, std::wstring& final) {
    exists = false;
    final = full;
    // The system gives a device name (COM1, nul, C:\x\aux.dat) the full
    // form \\.\NAME.
    if (full.starts_with(L"\\\\.\\")) return {FileCause::DeviceName, ERROR_INVALID_NAME};
    // Opened for its attributes only: no sharing conflict, no effect on a device.
    const HANDLE handle = ::CreateFileW(LongPathForm(full).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? FileError{} : FileErrorFromSystem(error);
    }
    exists = true;
    FileError error = DiskFileOnly(handle);
    BY_HANDLE_FILE_INFORMATION info{};
    if (error) {
        // a device, a pipe or a console
    } else if (!::GetFileInformationByHandle(handle, &info)) {
        error = FileErrorFromSystem(::GetLastError());
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = {FileCause::IsDirectory, ERROR_ACCESS_DENIED};
    } else {
        std::wstring path(32768, L'\0');
        const DWORD n = ::GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
        if (n > 0 && n < path.size()) {
            path.resize(n);
            // \\?\C:\... and \\?\UNC\server\... back to the ordinary forms.
            if (path.starts_with(L"\\\\?\\UNC\\")) final = L"\\" + path.substr(7);
            else if (path.starts_with(L"\\\\?\\")) final = path.substr(4);
        }
    }
    ::CloseHandle(handle);
    return error;
}

namespace {

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

FileError WriteWhole(CFile& file, const void* data, DWORD size) {
    FileError error = file.Write(data, size);
    if (!error) error = file.Flush();
    const FileError closed = file.Close();
    return error ? error : closed;
}

// A new file "cvsXXXX.tmp" beside `target`, opened for writing; its name in `temporary`.
FileError CreateTemporaryBeside(const std::wstring& target, CFile& file, std::wstring& temporary) {
    wchar_t name[] = L"cvs0000.tmp";
    unsigned number = ::GetTickCount() ^ ::GetCurrentProcessId();
    FileError error;
    for (unsigned tries = 0; tries < 0x10000; ++tries, ++number) {
        for (int digit = 0; digit < 4; ++digit) name[6 - digit] = L"0123456789ABCDEF"[(number >> (4 * digit)) & 0xF];
        temporary = FolderOf(target) + name;
        error = file.Open(LongPathForm(temporary), GENERIC_WRITE, 0, CREATE_NEW);
        if (error.systemError != ERROR_FILE_EXISTS) break;
    }
    return error;
}

}  // namespace

FileError CheckReplaceable(const std::wstring& full, std::wstring& final) {
    bool exists = false;
    if (FileError error = ExamineFile(full, exists, final)) return error;
    if (!exists) return {};
    const DWORD attributes = ::GetFileAttributesW(LongPathForm(final).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return {FileCause::ReadOnly, ERROR_ACCESS_DENIED};
    CFile probe;
    return probe.Open(LongPathForm(final), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
}

FileError WriteFileReplacing(const std::wstring& target, const void* data, DWORD size) {
    std::wstring final;
    if (FileError error = CheckReplaceable(FullPathName(target), final)) return error;

    // The new bytes go whole into a file of their own first: a failure up to
    // the move leaves the old file untouched, and the move itself is one step.
    CFile file;
    std::wstring temporary;
    if (FileError error = CreateTemporaryBeside(final, file, temporary)) return error;
    const std::wstring longTemporary = LongPathForm(temporary);
    FileError error = WriteWhole(file, data, size);
    if (!error && !::MoveFileExW(longTemporary.c_str(), LongPathForm(final).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = FileErrorFromSystem(::GetLastError());
    if (error) ::DeleteFileW(longTemporary.c_str());
    return error;
}

}  // namespace fw
