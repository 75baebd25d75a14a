#include "framework/file_read.h"

namespace fw {

ReadResult ReadFileUpTo(const std::wstring& path, std::size_t limit) {
    ReadResult result;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.error = {FileCause::IsDirectory, ERROR_ACCESS_DENIED};
        return result;
    }
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result.error = FileErrorFromSystem(::GetLastError());
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

}  // namespace fw
