// One entry's value in the dialog's own terms, both ways: "-7.5 mute",
// "Line In", "on", "+18.0", or raw hex for what the terms cannot say.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace custom {

struct ParsedValue {
    bool ok;
    std::uint32_t value;
    std::string error;  // why the text was refused, when not ok
};

// The value a text gives entry `index`. Bits the text does not name keep
// their factory values, as every edit in the dialog keeps them.
ParsedValue ParseEntryValue(std::size_t index, std::string_view text);

// The text ParseEntryValue turns back into exactly `value`: the dialog's
// terms where they say it exactly, raw hex otherwise.
std::string EntryValueText(std::size_t index, std::uint32_t value);

// A human explanation for listings: "-7.5 dB, muted", "max gain +18.0 dB (Mic)".
std::string EntryMeaningText(std::size_t index, std::uint32_t value);

// `text` in single quotes for a message, its control characters escaped
// (\r, \t, \n, \x1B) so that no text can print over the lines around it.
std::string Quoted(std::string_view text);

}  // namespace custom
