
#include "tool/commands.h"
#include "tool/exit_codes.h"
#include "tool/file_io.h"

namespace tool {

Loaded LoadCustomFile(const std::string& path, TextOut& err) {
    Loaded loaded{kSuccess, {}};
    const ReadResult read = ReadWholeFile(path, kCustomFileReadLimit);
    if (!read.ok) {
        err << path << ": cannot read: " << read.error << '\n';
        loaded.exitCode = kIoError;
        return loaded;
    }
    if (read.tooLarge) {
        err << path << ": more than " << kCustomFileReadLimit << " bytes: not a customization file (584 bytes)\n";
        loaded.exitCode = kInvalid;
        return loaded;
    }
    loaded.report = custom::CheckFileBytes(read.bytes.data(), read.bytes.size());
    if (const std::size_t errors = loaded.report.Count(custom::Severity::Error)) {
        err << path << ": not a valid customization file (" << errors << (errors == 1 ? " error" : " errors")
            << "); \"corvaset-dat check " << path << "\" lists them\n";
        loaded.exitCode = kInvalid;
    }
    return loaded;
}

}  // namespace tool
