// The native build's file access. A path is examined with stat before it is
// opened, so a device is never opened at all (opening one can have effects,
// and a named pipe waits for a writer); the open itself does not wait
// (O_NONBLOCK) and fstat confirms that what was opened is what was examined.
// Replacing: mkstemp beside the file, fsync, rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "tool/file_io.h"
#include "win32/device_name.h"

namespace tool {
namespace {

FileId IdOf(const struct stat& st) {
    return {true, static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

// Why a file of this mode is refused, or "" for a regular file.
std::string NotRegular(mode_t mode) {
    if (S_ISREG(mode)) return "";
    if (S_ISDIR(mode)) return RefusalText(NotAFile::Folder);
    if (S_ISFIFO(mode)) return RefusalText(NotAFile::NamedPipe);
    if (S_ISSOCK(mode)) return RefusalText(NotAFile::Socket);
    return RefusalText(NotAFile::Device);
}

std::string ReadCause(int error) { return error == ENOENT ? "no such file" : std::strerror(error); }

// Reads through `readSome` (bytes read, 0 at the end, negative on failure)
// until the end or one byte past `limit`, and marks `result` too large then.
template <typename ReadSome>
bool ReadUpTo(ReadResult& result, std::size_t limit, ReadSome readSome) {
    std::uint8_t buffer[4096];
    while (result.bytes.size() <= limit) {
        const long n = readSome(buffer, sizeof buffer);
        if (n < 0) return false;
        if (n == 0) break;
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
    }
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.tooLarge = true;
    }
    return true;
}

// Reads an open descriptor; a regular file's size is known before reading,
// so a file too large is refused without reading it.
ReadResult ReadFrom(int fd, std::size_t limit, bool regularOnly) {
    ReadResult result;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = std::strerror(errno);
        return result;
    }
    if (S_ISREG(st.st_mode)) {
        result.id = IdOf(st);
        if (static_cast<std::uintmax_t>(st.st_size) > limit) {
            result.ok = result.tooLarge = true;
            return result;
        }
    } else if (regularOnly) {
        result.error = NotRegular(st.st_mode);
        return result;
    }
    const bool read = ReadUpTo(result, limit, [fd](std::uint8_t* buffer, std::size_t size) -> long {
        for (;;) {
            const ssize_t n = ::read(fd, buffer, size);
            if (n >= 0 || errno != EINTR) return n;
        }
    });
    if (!read) {
        result.bytes.clear();
        result.error = std::string("read failed: ") + std::strerror(errno);
        return result;
    }
    result.ok = true;
    return result;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

// Follows symbolic links to the file they lead to, so that the file is
// replaced and the links stay. A link to nothing yet gives where the file
// is to be made.
bool FollowLinks(std::string& path, std::string& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string target(static_cast<std::size_t>(st.st_size) + 256, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) == target.size()) {
            error = "cannot follow the symbolic link: " + std::string(std::strerror(n < 0 ? errno : ENAMETOOLONG));
            return false;
        }
        target.resize(static_cast<std::size_t>(n));
        path = target.starts_with('/') ? target : FolderOf(path) + target;
    }
    error = "cannot follow the symbolic link: " + std::string(std::strerror(ELOOP));
    return false;
}

// Replacing the file standard output or error was opened on (/dev/stdout
// leads there) would leave them writing into a file that is gone.
bool IsStandardOutput(const FileId& id) {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO})
        if (struct stat st {}; ::fstat(fd, &st) == 0 && IdOf(st) == id) return true;
    return false;
}

WriteResult Failed(const std::string& what) { return {false, what + ": " + std::strerror(errno)}; }

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

constexpr char kTemporaryPrefix[] = ".corvaset-dat-";

// A new file in `folder` for the replacement, made where nothing stands and
// never through a link. Unnamed where the file system allows (O_TMPFILE):
// if the program is killed before Name(), nothing is left behind. Else it
// has a name from the start, which a killed write leaves; no later write
// removes it, as nothing proves whose it is. A name still held when the
// object goes is removed: it is this object's own file.
class TemporaryFile {
public:
    TemporaryFile(const std::string& folder, mode_t mode) : m_folder(folder) {
        fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0) return;
        name = folder + kTemporaryPrefix + "XXXXXX";
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) name.clear();
    }
    ~TemporaryFile() {
        if (fd >= 0) ::close(fd);
        if (!name.empty()) ::unlink(name.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Gives an unnamed file a name no other file has, just before the
    // rename; closes it either way. False, with errno, on failure.
    bool Name() {
        const bool unnamed = name.empty();
        if (unnamed) {
            const std::string self = "/proc/self/fd/" + std::to_string(fd);
            std::random_device random;
            for (int tries = 0; tries < 16 && name.empty(); ++tries) {
                char suffix[16];
                std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
                const std::string candidate = m_folder + kTemporaryPrefix + suffix;
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0)
                    name = candidate;
                else if (errno != EEXIST)
                    break;
            }
        }
        const int closed = ::close(fd);
        fd = -1;
        return !name.empty() && closed == 0;
    }

    int fd = -1;
    std::string name;

private:
    std::string m_folder;
};

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::size_t limit) {
    if (path == "-") return ReadFrom(STDIN_FILENO, limit, false);
    ReadResult result;
    if (fw::IsDeviceName(std::string_view(path))) {
        result.error = RefusalText(NotAFile::DeviceName);
        return result;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.error = ReadCause(errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.error = NotRegular(st.st_mode);
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.error = ReadCause(errno);
        return result;
    }
    result = ReadFrom(fd, limit, true);
    ::close(fd);
    return result;
}

namespace {

// Examines the target of a write: `file` becomes the file to replace or
// make (through links), `target` what stands there. Not ok, with the
// cause, when it may not be written. `changed`: another program replaced
// the file while it was being examined, and it is to be examined again.
WriteResult Examine(const std::string& path, const FileId& input, std::string& file, struct stat& target,
                    bool& exists, bool& changed) {
    changed = false;
    // stat follows the links: what it finds is the file the write would hit.
    exists = ::stat(path.c_str(), &target) == 0;
    if (!exists && errno != ENOENT) return Failed("cannot look at the file");
    if (exists) {
        if (S_ISDIR(target.st_mode)) return {false, "a folder of that name is in the way"};
        if (!S_ISREG(target.st_mode)) return {false, NotRegular(target.st_mode)};
        if (input.known && IdOf(target) == input)
            return {false, "it is the file being read: writing it would destroy what is read"};
        if (IsStandardOutput(IdOf(target))) return {false, kIsStandardOutput};
        if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return {false, "the file is read-only"};
    }
    std::string error;
    file = path;
    if (!FollowLinks(file, error)) return {false, error};
    struct stat found {};
    changed = exists && (::lstat(file.c_str(), &found) != 0 || !(IdOf(found) == IdOf(target)));
    if (changed) return {false, "the file changed while it was being examined"};
    return {true, ""};
}

}  // namespace

WriteResult WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size,
                               const FileId& input) {
    if (fw::IsDeviceName(std::string_view(path))) return {false, RefusalText(NotAFile::DeviceName)};
    // Several programs may write the file at once: each replaces it whole.
    std::string file;
    struct stat target {};
    bool exists = false, changed = false;
    WriteResult examined = Examine(path, input, file, target, exists, changed);
    for (int looks = 0; changed && looks < 20; ++looks) examined = Examine(path, input, file, target, exists, changed);
    if (!examined.ok) return examined;

    // The replacement has the writer's own owner; a replaced file keeps its
    // permissions, a new one gets what the umask allows.
    mode_t mode = target.st_mode & 0777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    TemporaryFile temporary(FolderOf(file), mode);
    if (temporary.fd < 0) return Failed("cannot create a temporary file in " + FolderOf(file));
    WriteResult result{true, ""};
    if (::fchmod(temporary.fd, mode) != 0) result = Failed("cannot set the file's permissions");
    if (result.ok && !WriteAll(temporary.fd, data, size)) result = Failed("write failed");
    if (result.ok && ::fsync(temporary.fd) != 0) result = Failed("write failed");
    if (result.ok && !temporary.Name()) result = Failed("cannot name the temporary file in " + FolderOf(file));
    if (result.ok) {
        if (::rename(temporary.name.c_str(), file.c_str()) != 0) return Failed("cannot replace the file");
        temporary.name.clear();
    }
    return result;
}

WriteResult WriteStandardOutput(const std::uint8_t* data, std::size_t size) {
    if (::isatty(STDOUT_FILENO)) return {false, "standard output is a terminal: redirect it, or name a FILE"};
    if (!WriteAll(STDOUT_FILENO, data, size)) return {false, std::strerror(errno)};
    return {true, ""};
}

WriteResult WriteText(StandardStream stream, const std::string& text) {
    const int fd = stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
    if (!WriteAll(fd, reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))
        return {false, std::strerror(errno)};
    return {true, ""};
}

}  // namespace tool
