// Any bytes as a description: the parser never crashes; what it accepts
// makes a file that passes the check cleanly and describes itself back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "custom/description.h"
#include "custom/file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const custom::Description d = custom::ParseDescription(text);
    if (!d.ok()) return 0;
    if (!custom::AnyCustomized(d.working, d.model)) return 0;

    const custom::CustomFileImage image = custom::EncodeCustomFile(d.working, d.model);
    const custom::FileReport report = custom::CheckFileBytes(image.data(), image.size());
    if (!report.findings.empty()) std::abort();

    const custom::Description again = custom::ParseDescription(custom::PrintDescription(report.working, false));
    if (!again.ok()) std::abort();
    if (custom::EncodeCustomFile(again.working, again.model) != image) std::abort();
    return 0;
}
