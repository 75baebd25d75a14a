// Hand-made bad files, one per kind of problem: where the check says it is
// and whether the driver would misread it (error) or the dialog could not
// have written it (warning).
#include "custom/file_check.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cctype>
#include <cstring>
#include <tuple>
#include <vector>

using custom::Entry;
using custom::IndexOf;
using custom::Severity;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A file of present records; `raw` writes a present flag and value as given.
Bytes File(std::initializer_list<std::pair<Entry, std::uint32_t>> present,
           std::initializer_list<std::tuple<Entry, std::uint32_t, std::uint32_t>> raw = {}) {
    Bytes b(custom::kCustomFileSize, 0);
    for (const auto& [e, v] : present) {
        Put32(b, IndexOf(e) * 8, 1);
        Put32(b, IndexOf(e) * 8 + 4, v);
    }
    for (const auto& [e, flag, v] : raw) {
        Put32(b, IndexOf(e) * 8, flag);
        Put32(b, IndexOf(e) * 8 + 4, v);
    }
    return b;
}

Bytes Resized(Bytes b, std::size_t n) {
    b.resize(n, 0);
    return b;
}

struct FileCase {
    const char* name;
    Bytes bytes;
    Severity severity;
    std::size_t offset;
    std::optional<std::size_t> record;
    const char* says;
};

const Bytes kClean = File({{Entry::MasterVolume, 0x8404}});

std::vector<FileCase> Cases() {
    return {
        {"empty", {}, Severity::Error, 0, 0, "the file is empty: 0 bytes instead of 584"},
        {"truncated", Resized(kClean, 583), Severity::Error, 583, 72, "cut short: 583 bytes"},
        {"oversized", Resized(kClean, 600), Severity::Error, 584, std::nullopt, "runs on past the last record"},
        {"present of 2", File({{Entry::MasterVolume, 0x8404}}, {{Entry::RecordGain, 2, 0}}), Severity::Error, 104, 13,
         "present is 2"},
        {"absent with a value", File({{Entry::MasterVolume, 0x8404}}, {{Entry::DisablePCBeep, 0, 1}}),
         Severity::Error, 164, 20, "absent record with the non-zero value 0x01"},
        {"bytes above the size", File({{Entry::DisableAUX, 0x0101}}), Severity::Error, 24 * 8 + 5, 24,
         "bytes above the entry's 1-byte size"},
        {"switch of 3", File({{Entry::EnableJackDetect, 3}}), Severity::Error, 35 * 8 + 4, 35, "neither 0 (off)"},
        {"limit out of range", File({{Entry::ACDRMax, 0x1F}}), Severity::Error, 58 * 8 + 4, 58,
         "outside the gain codes"},
        {"row never changed", File({{Entry::ToneControls, 0x0E0E}}), Severity::Warning, 11 * 8 + 4, 11,
         "never changes this entry"},
        {"equal to the factory value", File({{Entry::MasterVolume, 0x8404}, {Entry::CDVolume, 0x0C0C}}),
         Severity::Warning, 48, 6, "equal to the factory value 0x0C0C"},
        {"nothing present", File({}), Severity::Warning, 0, std::nullopt, "no record is present"},
        {"stray register bits", File({{Entry::PhoneVolume, 0x0104}}), Severity::Warning, 3 * 8 + 5, 3,
         "bits 0x0100"},
        {"channels apart", File({{Entry::AUXVolume, 0x0403}}), Severity::Warning, 8 * 8 + 5, 8, "left channel"},
        {"louder than its limit", File({{Entry::HP_VMax, 6}}), Severity::Warning, 1 * 8 + 4, 1,
         "louder than its max level -9.0 dB (HP_VMax)"},
    };
}

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class BadFiles : public ::testing::TestWithParam<FileCase> {};

}  // namespace

TEST_P(BadFiles, ReportsTheOneProblemWhereItIs) {
    const FileCase& c = GetParam();
    const custom::FileReport report = custom::CheckFileBytes(c.bytes.data(), c.bytes.size());
    std::string all;
    for (const auto& f : report.findings) all += custom::FindingText(f) + "; ";
    ASSERT_EQ(report.findings.size(), 1u) << all;
    const custom::FileFinding& f = report.findings[0];
    EXPECT_EQ(f.severity, c.severity);
    EXPECT_EQ(f.offset, c.offset);
    EXPECT_EQ(f.record, c.record);
    EXPECT_NE(f.message.find(c.says), std::string::npos) << f.message;

    // A file with warnings only can be opened anyway, and saving it without
    // a change gives back exactly its bytes.
    if (c.severity == Severity::Warning) {
        const auto model = custom::ModelForOpenedFile(*report.records, custom::CodecModel::Model1);
        const custom::CustomFileImage image = custom::EncodeCustomFile(report.working, model, &*report.records);
        EXPECT_EQ(Bytes(image.begin(), image.end()), c.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(OnePerKind, BadFiles, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(FileCheck, CleanFileGivesTheDriversTable) {
    const Bytes b = File({{Entry::MasterVolume, 0x8404}, {Entry::RecordSelect, 0}, {Entry::DisableHeadphone, 0}});
    const custom::FileReport report = custom::CheckFileBytes(b.data(), b.size());
    EXPECT_TRUE(report.findings.empty());
    EXPECT_EQ(report.working[Entry::MasterVolume].value, 0x8404u);
    EXPECT_EQ(report.working[Entry::RecordSelect].value, 0u);      // present zero
    EXPECT_EQ(report.working[Entry::DisableHeadphone].value, 0u);  // below its factory 1
    EXPECT_EQ(report.working[Entry::MicVolume].value, 0x8004u);    // absent: factory
}

TEST(FileCheck, FindingsComeInFileOrderWithTheirPlace) {
    const Bytes b = File({{Entry::PollingPeriod, 7}, {Entry::MasterVolume, 0x0504}}, {{Entry::RecordGain, 5, 0}});
    const custom::FileReport report = custom::CheckFileBytes(b.data(), b.size());
    ASSERT_EQ(report.findings.size(), 3u);
    EXPECT_EQ(custom::FindingText(report.findings[0]).substr(0, 34), "offset 5, record 0 (MasterVolume):");
    EXPECT_EQ(report.findings[1].offset, 104u);
    EXPECT_EQ(report.findings[2].offset, 580u);
    EXPECT_EQ(report.Count(Severity::Error), 1u);
    EXPECT_EQ(report.Count(Severity::Warning), 2u);
}

// Two findings at one offset stay in the order the check finds them: the
// record's own error, then the file's warning.
TEST(FileCheck, FindingsAtOneOffsetKeepTheirOrder) {
    const Bytes b = File({}, {{Entry::MasterVolume, 2, 0}});
    const custom::FileReport report = custom::CheckFileBytes(b.data(), b.size());
    ASSERT_EQ(report.findings.size(), 2u);
    EXPECT_EQ(custom::FindingText(report.findings[0]),
              "offset 0, record 0 (MasterVolume): present is 2, neither 0 (absent) nor 1");
    EXPECT_EQ(custom::FindingText(report.findings[1]),
              "offset 0: no record is present: with nothing customized the dialog writes no file");
}
