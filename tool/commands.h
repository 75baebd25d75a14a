// The subcommands. Each takes its own arguments (after the subcommand's
// name) and writes its output and messages to the given texts, so tests can
// run them in-process.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "custom/file_check.h"
#include "tool/text_out.h"

namespace tool {

using Args = std::vector<std::string>;

int RunTool(const Args& args, TextOut& out, TextOut& err);

int RunShow(const Args& args, TextOut& out, TextOut& err);
int RunCheck(const Args& args, TextOut& out, TextOut& err);
int RunDiff(const Args& args, TextOut& out, TextOut& err);
int RunMake(const Args& args, TextOut& out, TextOut& err);

// Shared by the subcommands. Generous: a customization file has 584 bytes,
// and anything much longer is not worth reading to the end to say so.
constexpr std::size_t kCustomFileReadLimit = 1024 * 1024;

struct Loaded {
    int exitCode;               // kSuccess when `report` holds a file without errors
    custom::FileReport report;
};
// Reads and checks a customization file; on failure says why on `err`.
Loaded LoadCustomFile(const std::string& path, TextOut& err);

bool WantsHelp(const Args& args);
int UsageError(TextOut& err, const std::string& command, const std::string& message);
void PrintHelp(TextOut& out, const std::string& command);

}  // namespace tool
