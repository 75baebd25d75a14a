// diff A B: the entries whose records differ, in the terms of show.
#include <cstdio>

#include "tool/commands.h"
#include "custom/value_text.h"
#include "tool/exit_codes.h"

namespace tool {
namespace {

std::string Side(const custom::FileReport& report, std::size_t i) {
    const std::uint32_t value = report.working[i].value;
    if ((*report.records)[i].present != 1) return "absent (factory " + custom::EntryMeaningText(i, value) + ")";
    return custom::HexOfEntry(i, value) + " " + custom::EntryMeaningText(i, value);
}

}  // namespace

int RunDiff(const Args& args, TextOut& out, TextOut& err) {
    if (WantsHelp(args)) return PrintHelp(out, "diff"), kSuccess;
    // "-" is standard input, which can be read once.
    if (args.size() != 2 || (args[0].starts_with("-") && args[0] != "-") ||
        (args[1].starts_with("-") && args[1] != "-") || (args[0] == "-" && args[1] == "-"))
        return UsageError(err, "diff", "expects two FILEs, at most one of them -");
    const Loaded a = LoadCustomFile(args[0], err);
    if (a.exitCode != kSuccess) return a.exitCode;
    const Loaded b = LoadCustomFile(args[1], err);
    if (b.exitCode != kSuccess) return b.exitCode;

    std::size_t differing = 0;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        const custom::CustomFileRecord& ra = (*a.report.records)[i];
        const custom::CustomFileRecord& rb = (*b.report.records)[i];
        if (ra.present == rb.present && ra.value == rb.value) continue;
        char head[64];
        std::snprintf(head, sizeof head, "%3zu  %s\n", i, custom::DefaultEntryTable[i].key);
        out << head << "  - " << Side(a.report, i) << "\n  + " << Side(b.report, i) << '\n';
        ++differing;
    }
    return differing ? kFound : kSuccess;
}

}  // namespace tool
