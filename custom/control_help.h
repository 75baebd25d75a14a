// The tip a settings control shows, and its accessible description: what
// the control itself means for the driver, the record and the bit or field
// it shows with their factory and current values in the control's own terms,
// and why the control is greyed when it is. Platform-free, no I/O.
#pragma once

#include <cstdint>
#include <string>

#include "custom/custom_file.h"
#include "custom/entry_table.h"

namespace custom {

// What a control of the settings dialog shows.
enum class Shows : std::uint8_t {
    Nothing,   // a setting the driver does not have for the control's line
    Bit,       // a box, ticked while `bit` of the row is set
    ClearBit,  // a box, ticked while `bit` is clear
    Switch,    // a box, ticked while the switch is on
    Level,     // a playback line's level (the row is its level row): a slider or a dB text
    Limit,     // a limit row (max level, the Wave level, max gain): its spin or dB text
    Source,    // the "Select" radio of record source `bit`
    Codec,     // the Codec radio of the model numbered `bit`
};

struct ControlMeaning {
    Shows shows = Shows::Nothing;
    Entry entry = Entry::Count;
    unsigned bit = 0;
    bool operator==(const ControlMeaning&) const = default;
};

// Whether a box shows ticked for its row's `value`.
bool Ticked(const ControlMeaning& box, std::uint32_t value);

// Why a control is greyed.
enum class Greyed {
    No,
    Model3Only,    // a QM-3 family feature, under another codec model
    LineDisabled,  // its line, or the box it belongs to, is switched off
    ShownOnly,     // it shows a value the dialog never changes
    NoSetting,     // the driver has no such setting for its line
};

struct Greying {
    Greyed why = Greyed::No;
    Entry disabledBy = Entry::Count;  // LineDisabled: the switch that is on
};

// The text for `control` under the codec model the dialog shows. Lines end
// in '\n' except the last:
//   Ticked: the CD input starts muted.
//   CDVolume bit 15: factory not ticked, now not ticked
//   Greyed: the dialog shows this driver setting but cannot change it
std::string ControlHelpText(const ControlMeaning& control, const EntryTable& working, CodecModel model,
                            Greying greying);

}  // namespace custom
