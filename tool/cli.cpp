// The command line: subcommand dispatch, help and usage errors.

#include "tool/commands.h"
#include "tool/exit_codes.h"

namespace tool {
namespace {

constexpr const char* kToolHelp =
    "Usage: corvaset-dat COMMAND [OPTIONS] ARGUMENTS\n"
    "Shows, checks, compares and makes the customization file corvaset.dat.\n"
    "\n"
    "Commands:\n"
    "  show [--all] [--json | --description] FILE   the customized entries\n"
    "  check FILE                                  problems, as errors and warnings\n"
    "  diff A B                                    the entries that differ\n"
    "  make DESCRIPTION -o FILE                    the file from a description\n"
    "  --version                                   the version\n"
    "\n"
    "\"corvaset-dat COMMAND --help\" tells more about each. A FILE or DESCRIPTION\n"
    "of \"-\" is standard input. Only files are read and written: a named pipe,\n"
    "a device, a socket, a folder or a Windows device name (NUL, CON, AUX, ...)\n"
    "is refused, and so is writing over the file being read.\n"
    "\n"
    "Exit codes: 0 success; 1 warnings found (check), files differ (diff),\n"
    "nothing customized (make); 2 invalid file or description; 3 usage error;\n"
    "4 a file cannot be read or written.\n";

constexpr const char* kShowHelp =
    "Usage: corvaset-dat show [--all] [--json | --description] FILE\n"
    "Lists the entries FILE customizes, one a line: index, key, raw value and\n"
    "what it means in the dialog (levels and limits in dB, mute and boost,\n"
    "switches on/off, the record source by name; QM-3/QM-3A-only entries marked).\n"
    "  --all           list the absent entries too, with their factory values,\n"
    "                  and under each entry what it does for the driver\n"
    "  --json          a stable machine-readable form\n"
    "  --description   a description from which \"make\" rebuilds FILE exactly\n"
    "Exit codes: 0 shown; 2 FILE is invalid (or, with --description, one the\n"
    "dialog could not have written); 3 usage error; 4 FILE cannot be read.\n";

constexpr const char* kCheckHelp =
    "Usage: corvaset-dat check FILE\n"
    "Validates FILE and explains each problem with its byte offset, record\n"
    "index and key. Errors: the driver would misread the file (length, present\n"
    "flags, absent records with a value, bytes above an entry's size, switches\n"
    "other than 0/1, limits outside their codes). Warnings: the dialog could\n"
    "not have written it (entries it never changes or records equal to their\n"
    "factory value, register bits it never sets, channels that differ, a level\n"
    "louder than its max level, a disabled line as record source).\n"
    "Exit codes: 0 clean; 1 warnings only; 2 errors; 3 usage error;\n"
    "4 FILE cannot be read.\n";

constexpr const char* kDiffHelp =
    "Usage: corvaset-dat diff A B\n"
    "Lists the entries whose records differ between A and B, with \"-\" for A\n"
    "and \"+\" for B, in the terms of \"show\".\n"
    "Exit codes: 0 same records; 1 they differ; 2 a file is invalid;\n"
    "3 usage error; 4 a file cannot be read.\n";

constexpr const char* kMakeHelp =
    "Usage: corvaset-dat make DESCRIPTION -o FILE\n"
    "Writes FILE as the dialog's \"Save\" would for the settings in DESCRIPTION:\n"
    "one \"Key = value\" a line, \"#\" starts a comment, keys as in the file\n"
    "(MasterVolume, MasVMax, RecordSelect, ...), values in the dialog's terms:\n"
    "  levels        a dB text on the line's scale, then \"mute\", \"boost\" (Mic)\n"
    "                  MasterVolume = -7.5 mute     MicVolume = +6.0 boost\n"
    "  limits        MasVMax = -7.5     MicRMax = +18.0\n"
    "  switches      DisableAUX = on\n"
    "  record source RecordSelect = Line In\n"
    "  Mic2 Select   GeneralPurpose = mic2   (or none)\n"
    "  codec model   codec = QM-2   (QM-1/1P, QM-2 or QM-3/QM-3A; default QM-3/QM-3A)\n"
    "or raw hex (0x0505) for any entry. A max level given without its level\n"
    "pulls a louder level down to it, as lowering the limit in the dialog does.\n"
    "Values the dialog could not produce (a level and its max level given\n"
    "together that disagree, say) are refused. Unchanged settings and, except\n"
    "for QM-3/QM-3A, the QM-3-only features are left out; with nothing\n"
    "customized no file is written. FILE is replaced in one step or left\n"
    "untouched; a symbolic link stays, and the file it leads to is replaced,\n"
    "keeping its permissions. DESCRIPTION \"-\" reads standard input; \"-o -\"\n"
    "writes the file to standard output (not a terminal).\n"
    "Exit codes: 0 written; 1 nothing customized, nothing written; 2 invalid\n"
    "description; 3 usage error; 4 a file cannot be read or written.\n";

}  // namespace

bool WantsHelp(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

void PrintHelp(TextOut& out, const std::string& command) {
    if (command == "show") out << kShowHelp;
    else if (command == "check") out << kCheckHelp;
    else if (command == "diff") out << kDiffHelp;
    else if (command == "make") out << kMakeHelp;
    else out << kToolHelp;
}

int UsageError(TextOut& err, const std::string& command, const std::string& message) {
    err << "corvaset-dat";
    if (!command.empty()) err << ' ' << command;
    err << ": " << message << "\nTry \"corvaset-dat " << (command.empty() ? "" : command + " ") << "--help\".\n";
    return kUsage;
}

int RunTool(const Args& args, TextOut& out, TextOut& err) {
    if (args.empty()) return UsageError(err, "", "expects a COMMAND");
    const std::string& command = args[0];
    const Args rest(args.begin() + 1, args.end());
    if (command == "--version") {
        out << "corvaset-dat " << CORVASET_VERSION << '\n';
        return kSuccess;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        PrintHelp(out, rest.empty() ? "" : rest[0]);
        return kSuccess;
    }
    if (command == "show") return RunShow(rest, out, err);
    if (command == "check") return RunCheck(rest, out, err);
    if (command == "diff") return RunDiff(rest, out, err);
    if (command == "make") return RunMake(rest, out, err);
    return UsageError(err, "", "unknown command " + command);
}

}  // namespace tool
