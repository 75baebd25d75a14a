// Any bytes as a customization file: the check never crashes, and every file
// it passes without a finding comes back byte for byte from its description.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "custom/description.h"
#include "custom/value_text.h"
#include "custom/file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const custom::FileReport report = custom::CheckFileBytes(data, size);
    for (const custom::FileFinding& f : report.findings) {
        if (f.offset > size || custom::FindingText(f).empty()) std::abort();
    }
    if (!report.records) return 0;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i)
        if (custom::EntryMeaningText(i, report.working[i].value).empty()) std::abort();
    if (!report.findings.empty()) return 0;

    const custom::Description d = custom::ParseDescription(custom::PrintDescription(report.working, (data[4] & 1) != 0));
    if (!d.ok()) std::abort();
    const custom::CustomFileImage image = custom::EncodeCustomFile(d.working, d.model);
    if (std::memcmp(image.data(), data, image.size()) != 0) std::abort();
    return 0;
}
