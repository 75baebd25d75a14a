// Entries as lines of text, as `corvaset-dat show` prints them and the
// dialog's list of what Save would write shows them. Platform-free, no I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "custom/custom_file.h"

namespace custom {

// " 38  MasVMax              0x05        max level -7.5 dB (MasterVolume)":
// index, key, the raw value ("absent" when the record is), its meaning in
// the dialog's terms ("factory: " before an absent one's), a QM-3 mark.
// No line end.
std::string EntryLine(std::size_t index, bool present, std::uint32_t value);

// What a file image holds, a line per present record; then, when `model` is
// not QM-3/QM-3A, the QM-3-only entries of `working` that differ from their
// factory values and that the file therefore leaves out. "Nothing is
// customized" when no record is present. Lines end in '\n'.
std::string SavedRecordsList(const CustomFileImage& image, const EntryTable& working, CodecModel model);

}  // namespace custom
