// Which working values the settings dialog can produce. A value that does not
// fit its entry's field is an error: the driver would misread it. A value the
// driver understands but that no sequence of edits in the dialog can make is
// a warning. Platform-free, no I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "custom/entry_table.h"

namespace custom {

enum class Severity { Warning, Error };

struct ValueFinding {
    std::size_t index;                   // the entry whose value is wrong
    Severity severity;
    unsigned byte;                       // the first byte of the value concerned, 0..3
    std::string message;
    std::optional<std::size_t> related;  // the other entry of a rule that ties two together
};

// Every finding on a working table: each entry on its own, then the rules
// between entries (a level and its max-level row, the record source and the
// line switches). The factory table has none.
std::vector<ValueFinding> CheckWorkingTable(const EntryTable& working);

// Sets a playback line's max-level row as its "Max Volume (dB)" spin does:
// a default level louder than the new limit is pulled down to it, so the
// rule CheckWorkingTable holds a level to is kept.
void StoreMaxLevel(EntryTable& working, std::size_t maxLevelRow, std::uint8_t code);

// "0x0505", with two hex digits per byte of the entry's size.
std::string HexOfEntry(std::size_t index, std::uint32_t value);

}  // namespace custom
