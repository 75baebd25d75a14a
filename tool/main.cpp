// corvaset-dat: shows, checks, compares and makes customization files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "tool/commands.h"
#include "tool/exit_codes.h"

#ifdef _WIN32
#include <windows.h>

#include "tool/file_io.h"
#endif

namespace {

// Runs the command, then makes sure all it printed has reached standard
// output: a script reading a truncated listing must learn that it is one.
// The buffer holds the longest listing, so the one write is the last flush
// and its error is the cause reported.
int Run(const tool::Args& args) {
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    const int code = tool::RunTool(args, std::cout, std::cerr);
    errno = 0;
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) return code;
    std::cerr << "corvaset-dat: cannot write to standard output: "
              << (errno ? std::strerror(errno) : "write failed") << '\n';
    return tool::kIoError;
}

}  // namespace

#ifdef _WIN32
// The command line as UTF-16, so that any file name arrives intact.
int wmain(int argc, wchar_t** argv) {
    tool::Args args;
    for (int i = 1; i < argc; ++i) args.push_back(tool::Utf8FromWide(argv[i]));
    // Messages are UTF-8: a console shows them so in its UTF-8 code page.
    const UINT codePage = ::GetConsoleOutputCP();
    if (codePage != 0) ::SetConsoleOutputCP(CP_UTF8);
    const int code = Run(args);
    if (codePage != 0) ::SetConsoleOutputCP(codePage);
    return code;
}
#else
int main(int argc, char** argv) { return Run(tool::Args(argv + 1, argv + argc)); }
#endif
