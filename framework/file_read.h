// Reading a small file whole, refusing what cannot be the file asked for
// before reading more than needed, and noting what a file was when it was
// last seen, to tell whether someone else has changed it since.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/file.h"

namespace fw {

struct ReadResult {
    FileError error;
    bool tooLarge = false;  // longer than the limit; bytes then holds nothing
    std::vector<std::uint8_t> bytes;
};

// Reads at most `limit` bytes of the file at `path`. Only a file on a disk
// is read: a device name, a device, a pipe or a folder is refused before
// anything is read (as ExamineFile does), a longer file as tooLarge.
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
