// Reading a small file whole, refusing what cannot be the file asked for
// before reading more than needed.
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

// Reads at most `limit` bytes of the file at `path`; a folder of that name
// is refused as IsDirectory, a longer file as tooLarge.
ReadResult ReadFileUpTo(const std::wstring& path, std::size_t limit);

}  // namespace fw
