// The customization file "corvaset.dat": which entries count as customized
// and the 584-byte image the driver reads. Platform-free, no I/O.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "custom/entry_table.h"

namespace custom {

inline constexpr char kCustomFileName[] = "corvaset.dat";

// The codec model the package is for. None stands for no Codec radio
// checked, which counts as "not Model3" like Model1 and Model2.
enum class CodecModel { Model1, Model2, Model3, None };
// The model the dialog starts with.
constexpr CodecModel kStartCodecModel = CodecModel::Model3;

constexpr std::size_t kRecordSize = 8;
constexpr std::size_t kCustomFileSize = kEntryCount * kRecordSize;
static_assert(kCustomFileSize == 584);

using CustomFileImage = std::array<std::uint8_t, kCustomFileSize>;

struct CustomFileRecord {
    std::uint32_t present;
    std::uint32_t value;
};
using CustomFileRecords = std::array<CustomFileRecord, kEntryCount>;

// The change test for row `index`. Under a model other than QM-3 the
// features only that family has count as unchanged whatever their value.
bool IsCustomized(const EntryTable& working, std::size_t index, CodecModel model);
bool AnyCustomized(const EntryTable& working, CodecModel model);

// One record per row in table order: present 1 and the full 32-bit value for
// a customized row, eight zero bytes otherwise. Little-endian. With the
// records of a file that was opened to be changed, a record present there
// whose value the table still holds is written back as it was, even where it
// equals the factory value: a setting the user did not change stays as stored.
CustomFileImage EncodeCustomFile(const EntryTable& working, CodecModel model,
                                 const CustomFileRecords* opened = nullptr);

// The records of an image, or nothing when it is not exactly 584 bytes long.
std::optional<CustomFileRecords> DecodeCustomFile(const std::uint8_t* bytes, std::size_t length);

// The model a file is opened under: one that holds a feature only the QM-3
// family has is for that family, since no other package carries it;
// otherwise the model already chosen stays.
CodecModel ModelForOpenedFile(const CustomFileRecords& records, CodecModel chosen);

}  // namespace custom
