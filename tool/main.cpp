// corvaset-dat: shows, checks, compares and makes customization files.
#include "tool/commands.h"
#include "tool/exit_codes.h"
#include "tool/file_io.h"

namespace {

// Runs the command on collected text and then writes it, messages first:
// a failed write of standard output is reported with its cause, so that a
// script reading a cut-off listing learns that it is one.
int Run(const tool::Args& args) {
    tool::TextOut out, err;
    const int code = tool::RunTool(args, out, err);
    tool::WriteText(tool::StandardStream::Error, err.str());
    const tool::WriteResult written = tool::WriteText(tool::StandardStream::Output, out.str());
    if (written.ok) return code;
    tool::WriteText(tool::StandardStream::Error,
                    "corvaset-dat: cannot write to standard output: " + written.error + "\n");
    return tool::kIoError;
}

}  // namespace

#ifdef _WIN32
// Here, below Run: <windows.h> names TextOut as a macro.
#include "win32/text.h"

// The command line as UTF-16, so that any file name arrives intact.
int wmain(int argc, wchar_t** argv) {
    tool::Args args;
    for (int i = 1; i < argc; ++i) args.push_back(fw::Utf8FromUtf16(argv[i]));
    return Run(args);
}
#else
int main(int argc, char** argv) { return Run(tool::Args(argv + 1, argv + argc)); }
#endif
