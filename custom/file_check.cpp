#include "custom/file_check.h"

#include <algorithm>
#include <utility>

namespace custom {


std::size_t FileReport::Count(Severity s) const {
    return static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(), [s](const FileFinding& f) { return f.severity == s; }));
}

namespace {

void CheckRecords(FileReport& report) {
    const CustomFileRecords& records = *report.records;
    bool anyPresent = false;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const std::size_t at = i * kRecordSize;
        const CustomFileRecord& r = records[i];
        if (r.present > 1) {
            report.findings.push_back({Severity::Error, at, i,
                                       "present is " + std::to_string(r.present) + ", neither 0 (absent) nor 1"});
        } else if (r.present == 0 && r.value != 0) {
            report.findings.push_back({Severity::Error, at + 4, i,
                                       "absent record with the non-zero value " + HexOfEntry(i, r.value) +
                                           ": an absent record's value must be 0"});
        } else if (r.present == 1) {
            anyPresent = true;
            report.working[i].value = r.value;
            if (r.value == DefaultEntryTable[i].value)
                report.findings.push_back({Severity::Warning, at, i,
                                           "present but equal to the factory value " +
                                               HexOfEntry(i, r.value) + ": the dialog records it as absent"});
        }
    }
    if (!anyPresent)
        report.findings.push_back({Severity::Warning, 0, std::nullopt,
                                   "no record is present: with nothing customized the dialog writes no file"});
}

}  // namespace

FileReport CheckFileBytes(const std::uint8_t* bytes, std::size_t length) {
    FileReport report;
    CopyDefaults(report.working);
    report.records = DecodeCustomFile(bytes, length);
    if (!report.records) {
        const std::size_t at = std::min(length, kCustomFileSize);
        std::optional<std::size_t> record;
        if (at < kCustomFileSize) record = at / kRecordSize;
        const std::string what = length == 0 ? "the file is empty"
                                 : length < kCustomFileSize ? "the file is cut short"
                                                            : "the file runs on past the last record";
        report.findings.push_back({Severity::Error, at, record,
                                   what + ": " + std::to_string(length) + " bytes instead of " +
                                       std::to_string(kCustomFileSize) + " (73 records of 8 bytes)"});
        return report;
    }
    CheckRecords(report);
    for (const ValueFinding& f : CheckWorkingTable(report.working))
        report.findings.push_back({f.severity, f.index * kRecordSize + 4 + f.byte, f.index, f.message});
    // By offset, findings at the same offset in the order found. An insertion
    // sort, for a few dozen findings at most: std::stable_sort's merging
    // would be 3 KB of corvaset.exe.
    std::vector<FileFinding>& findings = report.findings;
    for (std::size_t i = 1; i < findings.size(); ++i)
        for (std::size_t j = i; j > 0 && findings[j].offset < findings[j - 1].offset; --j)
            std::swap(findings[j], findings[j - 1]);
    return report;
}

std::string FindingText(const FileFinding& f) {
    std::string text = "offset " + std::to_string(f.offset);
    if (f.record)
        text += ", record " + std::to_string(*f.record) + " (" + DefaultEntryTable[*f.record].key + ")";
    return text + ": " + f.message;
}

std::string ProblemText(const FileReport& report, const FileFinding& f) {
    if (!report.records || !f.record) return f.message;
    return std::string(DefaultEntryTable[*f.record].key) + ": " + f.message;
}

}  // namespace custom
