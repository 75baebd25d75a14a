// The tip a settings control shows, and its accessible description: what
// its entry does for the driver, the entry's key, its factory and current
// values in the dialog's terms, and why the control is greyed when it is.
// Platform-free, no I/O.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "custom/custom_file.h"
#include "custom/entry_table.h"

namespace custom {

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

// For a control that shows entry `entry` (none for a greyed control that
// shows no entry), under the codec model the dialog shows. Lines end in '\n'
// except the last:
//   The loudest level the driver lets the Master output reach.
//   MasVMax: factory +0.0, now -7.5, changed
std::string ControlHelpText(std::optional<Entry> entry, const EntryTable& working, CodecModel model,
                            Greying greying);

// The same for a Codec radio: the model is no record, but `codec` in a
// description.
std::string CodecModelHelpText(CodecModel model);

}  // namespace custom
