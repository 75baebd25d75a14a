// check FILE: every problem, errors (the driver would misread the file) apart
// from warnings (the dialog could not have written it).

#include "tool/commands.h"
#include "tool/exit_codes.h"
#include "tool/file_io.h"

namespace tool {

int RunCheck(const Args& args, TextOut& out, TextOut& err) {
    if (WantsHelp(args)) return PrintHelp(out, "check"), kSuccess;
    if (args.size() != 1 || (args[0].starts_with("-") && args[0] != "-"))  // "-": standard input
        return UsageError(err, "check", "expects one FILE");
    const std::string& path = args[0];
    const ReadResult read = ReadWholeFile(path, kCustomFileReadLimit);
    if (!read.ok) {
        err << path << ": cannot read: " << read.error << '\n';
        return kIoError;
    }
    if (read.tooLarge) {
        out << path << ": error: more than " << kCustomFileReadLimit << " bytes: not a customization file (584 bytes)\n";
        return kInvalid;
    }
    const custom::FileReport report = custom::CheckFileBytes(read.bytes.data(), read.bytes.size());
    for (const custom::FileFinding& f : report.findings)
        out << path << ": " << (f.severity == custom::Severity::Error ? "error: " : "warning: ") << custom::FindingText(f)
            << '\n';
    const std::size_t errors = report.Count(custom::Severity::Error);
    const std::size_t warnings = report.Count(custom::Severity::Warning);
    out << path << ": " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning\n" : " warnings\n");
    return errors ? kInvalid : warnings ? kFound : kSuccess;
}

}  // namespace tool
