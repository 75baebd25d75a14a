// Reading whole files and replacing a file in one step. The write goes to a
// temporary file beside the target and is moved over it, so the target ends
// up either with all of the new bytes or untouched, as the dialog saves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tool {

struct ReadResult {
    bool ok = false;
    bool tooLarge = false;  // longer than the limit; bytes then holds nothing
    std::vector<std::uint8_t> bytes;
    std::string error;      // the cause, when not ok
};

ReadResult ReadWholeFile(const std::string& path, std::size_t limit);

struct WriteResult {
    bool ok = false;
    std::string error;
};

// Refuses a folder of that name and a read-only target up front (root would
// replace a read-only file without a word), then writes and moves.
WriteResult WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace tool
