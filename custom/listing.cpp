#include "custom/listing.h"

#include "custom/entry_meaning.h"
#include "custom/value_rules.h"
#include "custom/value_text.h"

namespace custom {
namespace {

// `text` then blanks up to `width` characters, and one blank more.
void AppendPadded(std::string& line, std::string_view text, std::size_t width) {
    line.append(text);
    line.append(text.size() < width ? width - text.size() + 1 : 1, ' ');
}

}  // namespace

std::string EntryLine(std::size_t index, bool present, std::uint32_t value) {
    const std::string number = std::to_string(index);
    std::string line(number.size() < 3 ? 3 - number.size() : 0, ' ');
    line += number;
    line += "  ";
    AppendPadded(line, DefaultEntryTable[index].key, 20);
    AppendPadded(line, present ? HexOfEntry(index, value) : "absent", 11);
    if (!present) line += "factory: ";
    line += EntryMeaningText(index, value);
    if (IsModel3Only(index)) line += "  [QM-3/QM-3A only]";
    return line;
}

std::string SavedRecordsList(const CustomFileImage& image, const EntryTable& working, CodecModel model) {
    std::string list;
    const CustomFileRecords records = *DecodeCustomFile(image.data(), image.size());
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (records[i].present == 1) list += EntryLine(i, true, records[i].value) + '\n';
    if (list.empty()) list = "Nothing is customized\n";
    std::string leftOut;
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (model != CodecModel::Model3 && IsModel3Only(i) && working[i].value != DefaultEntryTable[i].value)
            leftOut += EntryLine(i, true, working[i].value) + '\n';
    if (!leftOut.empty())
        list += "\nLeft out under " + std::string(CodecModelCaption(model)) + ":\n" + leftOut;
    return list;
}

}  // namespace custom
