#include "framework/file_read.h"

namespace fw {

ReadResult ReadFileUpTo(const std::wstring& path, std::size_t limit) {
    ReadResult result;
    bool exists = false;
    std::wstring final;
    result.error = ExamineFile(FullPathName(path), exists, final);
    if (!result.error && !exists) result.error = {FileCause::NotFound, ERROR_FILE_NOT_FOUND};
    if (result.error) return result;
    const HANDLE file = ::CreateFileW(LongPathForm(final).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result.error = FileErrorFromSystem(::GetLastError());
        return result;
    }
    // What was opened may not be what was examined a moment before.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        result.error = {FileCause::NotAFile, ERROR_INVALID_FUNCTION};
        return result;
    }
    // One byte more than the limit tells a longer file without reading it all.
    result.bytes.resize(limit + 1);
    std::size_t total = 0;
    while (total < result.bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(file, result.bytes.data() + total, static_cast<DWORD>(result.bytes.size() - total), &read,
                        nullptr)) {
            result.error = FileErrorFromSystem(::GetLastError());
            break;
        }
        if (read == 0) break;
        total += read;
    }
    ::CloseHandle(file);
    result.bytes.resize(total);
    if (!result.error && total > limit) {
        result.tooLarge = true;
        result.bytes.clear();
    }
    return result;
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
