// Validation of a customization file's bytes: the record structure the
// driver reads, then the values the dialog could have written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "custom/custom_file.h"
#include "custom/value_rules.h"

namespace custom {

struct FileFinding {
    Severity severity;
    std::size_t offset;                 // byte offset in the file
    std::optional<std::size_t> record;  // none for problems of the whole file
    std::string message;
};

struct FileReport {
    std::vector<FileFinding> findings;
    // The records, when the file has the right length.
    std::optional<CustomFileRecords> records;
    // What the driver would use: the factory table with every record present
    // with 1 applied. Meaningful only without errors.
    EntryTable working;

    std::size_t Count(Severity s) const;
};

FileReport CheckFileBytes(const std::uint8_t* bytes, std::size_t length);

// "offset 96, record 12 (RecordSelect): message"
std::string FindingText(const FileFinding& finding);
// The same without the byte offset, as the dialog tells it: "RecordSelect:
// message", or the message alone for a file whose records cannot be read.
std::string ProblemText(const FileReport& report, const FileFinding& finding);

}  // namespace custom
