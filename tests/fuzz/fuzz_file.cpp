// Any bytes as a customization file: the check never crashes, and every file
// it passes without a finding comes back byte for byte from its description.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tool/description.h"
#include "tool/entry_text.h"
#include "tool/file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tool::FileReport report = tool::CheckFileBytes(data, size);
    for (const tool::FileFinding& f : report.findings) {
        if (f.offset > size || tool::FindingText(f).empty()) std::abort();
    }
    if (!report.records) return 0;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i)
        if (tool::EntryMeaningText(i, report.working[i].value).empty()) std::abort();
    if (!report.findings.empty()) return 0;

    const tool::Description d = tool::ParseDescription(tool::PrintDescription(report.working, (data[4] & 1) != 0));
    if (!d.ok()) std::abort();
    const custom::CustomFileImage image = custom::EncodeCustomFile(d.working, d.model);
    if (std::memcmp(image.data(), data, image.size()) != 0) std::abort();
    return 0;
}
