// Reading whole files and replacing a file in one step. The write goes to a
// temporary file beside the target and is moved over it, so the target ends
// up either with all of the new bytes or untouched, as the dialog saves.
//
// Only regular files are read or replaced: a named pipe, a device, a socket
// or a folder is refused before it is opened for reading or writing, so the
// tool neither blocks on it nor puts a plain file in its place. A path of
// "-" reads standard input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tool {

// Which file a path or handle leads to, whatever its spelling: device and
// inode, or on Windows volume serial number and file index.
struct FileId {
    bool known = false;
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    std::uint64_t indexHigh = 0;  // file systems with 128-bit file IDs
    bool operator==(const FileId&) const = default;
};

struct ReadResult {
    bool ok = false;
    bool tooLarge = false;  // longer than the limit; bytes then holds nothing
    std::vector<std::uint8_t> bytes;
    std::string error;      // the cause, when not ok
    FileId id;              // the file read, when it is one
};

// `path` "-" is standard input.
ReadResult ReadWholeFile(const std::string& path, std::size_t limit);

struct WriteResult {
    bool ok = false;
    std::string error;
};

// Refuses a target that is `input` (the file just read), that is not a
// regular file, or that is read-only, before anything is written. A symbolic
// link stays: the file it leads to is replaced, keeping its permissions.
WriteResult WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size,
                               const FileId& input);

// Writes binary bytes to standard output; refused when that is a terminal.
WriteResult WriteStandardOutput(const std::uint8_t* data, std::size_t size);

// Writes the tool's text (UTF-8, lines ending in \n). On Windows a console
// is given UTF-16, so any file name shows as it is, and elsewhere lines end
// in CR LF as Windows programs write them.
enum class StandardStream { Output, Error };
WriteResult WriteText(StandardStream stream, const std::string& text);

// --- shared by the platform files (file_read.cpp) ---------------------------

// What a path names when it is not a regular file.
// DeviceName: CON, NUL, aux.dat ...; DevicePath: \\.\PhysicalDrive0, \\.\pipe\x ...
enum class NotAFile { Folder, NamedPipe, Device, Socket, DeviceName, DevicePath };
std::string RefusalText(NotAFile kind);
inline constexpr const char* kIsStandardOutput =
    "it is the file standard output goes to: \"-o -\" writes there";

}  // namespace tool
