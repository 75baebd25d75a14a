// Reading a small file whole, refusing what cannot be the file asked for
// before reading more than needed, and noting what a file was when it was
// last seen, to tell whether someone else has changed it since.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win32/file.h"

namespace fw {

struct ReadResult {
    FileError error;
    bool tooLarge = false;  // longer than the limit; bytes then holds nothing
    std::vector<std::uint8_t> bytes;
};

// Opens the file at `path` for reading. Only a file on a disk is opened: a
// device name, a device, a pipe or a folder is refused before it is opened
// for data (as ExamineFile does), and what was opened is checked once more.
// Long paths work. `share` as CreateFileW takes it.
FileError OpenForReading(const std::wstring& path, DWORD share, CFile& file);

// Reads `handle` to its end, at most `limit` bytes; a longer file is
// tooLarge. A pipe whose writer has finished has ended. On a failure bytes
// holds what was read before it.
ReadResult ReadUpTo(HANDLE handle, std::size_t limit);

// Reads at most `limit` bytes of the file at `path`, opened as
// OpenForReading opens it, shared for reading only.
ReadResult ReadFileUpTo(const std::wstring& path, std::size_t limit);

// A file as it was seen: whether it was there, its size, its last write
// time and up to `limit` bytes of it.
struct FileSeen {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t written = 0;
    std::vector<std::uint8_t> bytes;
    bool operator==(const FileSeen&) const = default;
};
FileSeen LookAtFile(const std::wstring& full, std::size_t limit);

}  // namespace fw
