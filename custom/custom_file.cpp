#include "custom/custom_file.h"

#include "custom/entry_meaning.h"

namespace custom {
namespace {

void PutLittleEndian32(std::uint8_t* out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetLittleEndian32(const std::uint8_t* in) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | in[i];
    return v;
}

// Whether the file carries row `index` at all under `model`.
bool CarriedUnder(std::size_t index, CodecModel model) { return model == CodecModel::Model3 || !IsModel3Only(index); }

}  // namespace

bool IsCustomized(const EntryTable& working, std::size_t index, CodecModel model) {
    return working[index].value != DefaultEntryTable[index].value && CarriedUnder(index, model);
}

bool AnyCustomized(const EntryTable& working, CodecModel model) {
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (IsCustomized(working, i, model)) return true;
    return false;
}

CustomFileImage EncodeCustomFile(const EntryTable& working, CodecModel model, const CustomFileRecords* opened) {
    CustomFileImage image{};
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const bool kept = opened != nullptr && (*opened)[i].present == 1 && (*opened)[i].value == working[i].value &&
                          CarriedUnder(i, model);
        if (!kept && !IsCustomized(working, i, model)) continue;
        PutLittleEndian32(&image[i * kRecordSize], 1);
        PutLittleEndian32(&image[i * kRecordSize + 4], working[i].value);
    }
    return image;
}

std::optional<CustomFileRecords> DecodeCustomFile(const std::uint8_t* bytes, std::size_t length) {
    if (length != kCustomFileSize) return std::nullopt;
    CustomFileRecords records{};
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        records[i].present = GetLittleEndian32(bytes + i * kRecordSize);
        records[i].value = GetLittleEndian32(bytes + i * kRecordSize + 4);
    }
    return records;
}

CodecModel ModelForOpenedFile(const CustomFileRecords& records, CodecModel chosen) {
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (records[i].present == 1 && IsModel3Only(i)) return CodecModel::Model3;
    return chosen;
}

}  // namespace custom
