#include "win32/file_read.h"

namespace fw {

FileError OpenForReading(const std::wstring& path, DWORD share, CFile& file) {
    bool exists = false;
    std::wstring final;
    if (FileError error = ExamineFile(FullPathName(path), exists, final)) return error;
    if (!exists) return {FileCause::NotFound, ERROR_FILE_NOT_FOUND};
    if (FileError error = file.Open(LongPathForm(final), GENERIC_READ, share, OPEN_EXISTING)) return error;
    // What was opened may not be what was examined a moment before.
    if (FileError error = DiskFileOnly(file.Handle())) {
        file.Close();
        return error;
    }
    return {};
}

ReadResult ReadUpTo(HANDLE handle, std::size_t limit) {
    ReadResult result;
    // One byte more than the limit tells a longer file without reading it all.
    result.bytes.resize(limit + 1);
    std::size_t total = 0;
    while (total < result.bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(handle, result.bytes.data() + total, static_cast<DWORD>(result.bytes.size() - total), &read,
                        nullptr)) {
            const DWORD failure = ::GetLastError();
            if (failure != ERROR_BROKEN_PIPE) result.error = FileErrorFromSystem(failure);
            break;
        }
        if (read == 0) break;
        total += read;
    }
    result.bytes.resize(total);
    if (!result.error && total > limit) {
        result.tooLarge = true;
        result.bytes.clear();
    }
    return result;
}

ReadResult ReadFileUpTo(const std::wstring& path, std::size_t limit) {
    CFile file;
    if (FileError error = OpenForReading(path, FILE_SHARE_READ, file)) return {error};
    return ReadUpTo(file.Handle(), limit);
}

FileSeen LookAtFile(const std::wstring& full, std::size_t limit) {
    FileSeen seen;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(LongPathForm(full).c_str(), GetFileExInfoStandard, &data)) return seen;
    seen.exists = true;
    seen.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    seen.written = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
    // A file held open without sharing shows only its size and time.
    seen.bytes = ReadFileUpTo(full, limit).bytes;
    return seen;
}

}  // namespace fw
