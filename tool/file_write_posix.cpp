// The native build's replacement: mkstemp beside the target, fsync, rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tool/file_io.h"

namespace tool {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
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

}  // namespace

WriteResult WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size) {
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode)) return {false, "a folder of that name is in the way"};
        if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return {false, "the file is read-only"};
    }
    std::string temporary = FolderOf(path) + ".corvaset-dat-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Failed("cannot create a temporary file in " + FolderOf(path));

    const mode_t mask = ::umask(0);
    ::umask(mask);
    WriteResult result{true, ""};
    if (::fchmod(fd, 0666 & ~mask) != 0) result = Failed("cannot set the file's permissions");
    if (result.ok && !WriteAll(fd, data, size)) result = Failed("write failed");
    if (result.ok && ::fsync(fd) != 0) result = Failed("write failed");
    if (::close(fd) != 0 && result.ok) result = Failed("write failed");
    if (result.ok && ::rename(temporary.c_str(), path.c_str()) != 0) result = Failed("cannot replace the file");
    if (!result.ok) ::unlink(temporary.c_str());
    return result;
}

}  // namespace tool
