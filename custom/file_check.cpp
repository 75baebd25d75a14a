#include "custom/file_check.h"

#include <algorithm>

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
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const FileFinding& a, const FileFinding& b) { return a.offset < b.offset; });
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
