#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "tool/file_io.h"

namespace tool {

ReadResult ReadWholeFile(const std::string& path, std::size_t limit) {
    ReadResult result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        result.error = "no such file";
        return result;
    }
    if (std::filesystem::is_directory(status)) {
        result.error = "is a folder, not a file";
        return result;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) {
        result.error = std::strerror(errno);
        return result;
    }
    std::uint8_t buffer[4096];
    while (result.bytes.size() <= limit) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) {
        result.bytes.clear();
        result.error = "read failed";
        return result;
    }
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.tooLarge = true;
    }
    result.ok = true;
    return result;
}

}  // namespace tool
