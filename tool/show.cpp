// show [--all] [--json | --description] FILE: the customized entries in the
// dialog's terms.
#include <cstdio>

#include "custom/entry_meaning.h"
#include "tool/commands.h"
#include "custom/description.h"
#include "custom/listing.h"
#include "custom/value_text.h"
#include "tool/exit_codes.h"

namespace tool {
namespace {

using custom::DefaultEntryTable;

const char* KindName(custom::EntryKind kind) {
    switch (kind) {
        case custom::EntryKind::Level: return "level";
        case custom::EntryKind::RecordSource: return "record-source";
        case custom::EntryKind::MicSelect: return "mic-select";
        case custom::EntryKind::Switch: return "switch";
        case custom::EntryKind::MaxLevel: return "max-level";
        case custom::EntryKind::MinLevel: return "min-level";
        case custom::EntryKind::MaxGain: return "max-gain";
        case custom::EntryKind::MinGain: return "min-gain";
        case custom::EntryKind::Register: return "register";
        case custom::EntryKind::Number: return "number";
    }
    return "";
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// With `all`, each entry's line is followed by what the entry does.
void PrintText(const custom::FileReport& report, bool all, TextOut& out) {
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        const bool present = (*report.records)[i].present == 1;
        if (!present && !all) continue;
        out << custom::EntryLine(i, present, report.working[i].value) << '\n';
        if (all) out << "     " << custom::EntryDescription(i) << '\n';
    }
}

void PrintJson(const custom::FileReport& report, bool all, TextOut& out) {
    out << "{\"entries\": [";
    bool first = true;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        const bool present = (*report.records)[i].present == 1;
        if (!present && !all) continue;
        const std::uint32_t value = report.working[i].value;
        out << (first ? "\n" : ",\n") << "  {\"index\": " << i << ", \"key\": " << JsonString(DefaultEntryTable[i].key)
            << ", \"kind\": \"" << KindName(custom::MeaningOf(i).kind) << "\", \"present\": "
            << (present ? "true" : "false") << ", \"value\": " << value
            << ", \"factory\": " << DefaultEntryTable[i].value
            << ", \"meaning\": " << JsonString(custom::EntryMeaningText(i, value))
            << ", \"qm3Only\": " << (custom::IsModel3Only(i) ? "true" : "false") << "}";
        first = false;
    }
    out << (first ? "]}\n" : "\n]}\n");
}

}  // namespace

int RunShow(const Args& args, TextOut& out, TextOut& err) {
    if (WantsHelp(args)) return PrintHelp(out, "show"), kSuccess;
    bool all = false, json = false, description = false;
    std::string path;
    for (const std::string& a : args) {
        if (a == "--all") all = true;
        else if (a == "--json") json = true;
        else if (a == "--description") description = true;
        else if (a.starts_with("-") && a != "-") return UsageError(err, "show", "unknown option " + a);
        else if (!path.empty()) return UsageError(err, "show", "expects one FILE");
        else path = a;
    }
    if (path.empty()) return UsageError(err, "show", "expects a FILE");
    if (json && description) return UsageError(err, "show", "--json and --description exclude each other");

    const Loaded loaded = LoadCustomFile(path, err);
    if (loaded.exitCode != kSuccess) return loaded.exitCode;
    if (description) {
        // Only a file the dialog could write can be made again from its terms.
        if (loaded.report.Count(custom::Severity::Warning) != 0) {
            err << path << ": the dialog could not have written this file, so make cannot rebuild it; "
                << "\"corvaset-dat check " << path << "\" says why\n";
            return kInvalid;
        }
        out << custom::PrintDescription(loaded.report.working, all);
        return kSuccess;
    }
    if (const std::size_t warnings = loaded.report.Count(custom::Severity::Warning))
        err << path << ": the dialog could not have written this file (" << warnings
            << (warnings == 1 ? " warning" : " warnings") << "); \"corvaset-dat check " << path
            << "\" lists them\n";
    if (json) {
        PrintJson(loaded.report, all, out);
    } else {
        PrintText(loaded.report, all, out);
    }
    return kSuccess;
}

}  // namespace tool
