// The plain-text description of a customization file: one setting per line,
// "Key = value" in the dialog's terms (see entry_text.h), "codec = QM-2",
// "#" comments. Settings not given keep their factory values.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "custom/custom_file.h"

namespace custom {

constexpr std::size_t kMaxDescriptionBytes = 64 * 1024;
constexpr std::size_t kMaxLineLength = 200;

struct LineMessage {
    std::size_t line;  // 1-based; 0 for the whole text
    std::string text;
};

struct Description {
    EntryTable working;         // the factory table with every setting applied
    CodecModel model = kStartCodecModel;
    std::vector<LineMessage> errors;    // values the dialog could not produce, bad lines
    std::vector<LineMessage> notes;     // settings the codec model leaves out of the file
    bool ok() const { return errors.empty(); }
};

Description ParseDescription(std::string_view text);

// A description from which ParseDescription gives `working` back. `all`
// lists the settings that keep their factory values too.
std::string PrintDescription(const EntryTable& working, bool all);

}  // namespace custom
