// make DESCRIPTION -o FILE: the file "Save" would write for the settings of a
// description, or nothing when nothing is customized. "-" as DESCRIPTION
// reads standard input, as FILE writes standard output.
#include <string_view>

#include "tool/commands.h"
#include "custom/description.h"
#include "tool/exit_codes.h"
#include "tool/file_io.h"

namespace tool {
namespace {

void PrintMessages(TextOut& err, const std::string& path, const std::vector<custom::LineMessage>& messages,
                   const char* kind) {
    for (const custom::LineMessage& m : messages) {
        err << path;
        if (m.line != 0) err << ':' << m.line;
        err << ": " << kind << m.text << '\n';
    }
}

}  // namespace

int RunMake(const Args& args, TextOut& out, TextOut& err) {
    if (WantsHelp(args)) return PrintHelp(out, "make"), kSuccess;
    std::string input, output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 == args.size() || !output.empty()) return UsageError(err, "make", "-o takes one FILE");
            output = args[++i];
        } else if (args[i].starts_with("-") && args[i] != "-") {  // "-": standard input
            return UsageError(err, "make", "unknown option " + args[i]);
        } else if (!input.empty()) {
            return UsageError(err, "make", "expects one DESCRIPTION");
        } else {
            input = args[i];
        }
    }
    if (input.empty() || output.empty()) return UsageError(err, "make", "expects DESCRIPTION -o FILE");

    const ReadResult read = ReadWholeFile(input, custom::kMaxDescriptionBytes);
    if (!read.ok) {
        err << input << ": cannot read: " << read.error << '\n';
        return kIoError;
    }
    if (read.tooLarge) {
        err << input << ": more than " << custom::kMaxDescriptionBytes << " bytes: not a description\n";
        return kInvalid;
    }
    const std::string_view text(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size());
    const custom::Description d = custom::ParseDescription(text);
    if (!d.ok()) {
        PrintMessages(err, input, d.errors, "error: ");
        err << input << ": nothing written\n";
        return kInvalid;
    }
    PrintMessages(err, input, d.notes, "note: ");
    if (!custom::AnyCustomized(d.working, d.model)) {
        err << input << ": no customized feature: " << output << " not written\n";
        return kFound;
    }
    const custom::CustomFileImage image = custom::EncodeCustomFile(d.working, d.model);
    // "-o -" streams the bytes; any other output is refused if it is the input.
    const WriteResult written = output == "-" ? WriteStandardOutput(image.data(), image.size())
                                              : WriteFileReplacing(output, image.data(), image.size(), read.id);
    if (!written.ok) {
        err << output << ": cannot write: " << written.error << '\n';
        return kIoError;
    }
    return kSuccess;
}

}  // namespace tool
