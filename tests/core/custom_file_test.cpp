#include "custom/custom_file.h"
#include "custom/entry_meaning.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using custom::CodecModel;
using custom::DefaultEntryTable;
using custom::Entry;
using custom::EntryTable;
using custom::IndexOf;

namespace {

EntryTable Defaults() {
    EntryTable t;
    custom::CopyDefaults(t);
    return t;
}

std::vector<std::uint8_t> Record(const custom::CustomFileImage& image, Entry e) {
    const auto at = image.begin() + static_cast<std::ptrdiff_t>(IndexOf(e) * custom::kRecordSize);
    return {at, at + custom::kRecordSize};
}

using Bytes = std::vector<std::uint8_t>;
const Bytes kAbsent(8, 0);

// Every record except those named is eight zero bytes.
void ExpectOnlyRecords(const custom::CustomFileImage& image, const std::vector<Entry>& present) {
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        bool named = false;
        for (Entry e : present) named = named || IndexOf(e) == i;
        if (!named) {
            EXPECT_EQ(Record(image, static_cast<Entry>(i)), kAbsent) << DefaultEntryTable[i].key;
        }
    }
}

}  // namespace

TEST(ChangeTest, NothingChangedIsNothingToSave) {
    const EntryTable t = Defaults();
    for (CodecModel m : {CodecModel::Model1, CodecModel::Model2, CodecModel::Model3, CodecModel::None})
        EXPECT_FALSE(custom::AnyCustomized(t, m));
}

TEST(ChangeTest, ChangedAndChangedBackIsNotCustomized) {
    EntryTable t = Defaults();
    custom::StoreBit(t[Entry::MicVolume], custom::kMuteBit, false);
    EXPECT_TRUE(custom::AnyCustomized(t, CodecModel::Model3));
    custom::StoreBit(t[Entry::MicVolume], custom::kMuteBit, true);
    EXPECT_FALSE(custom::AnyCustomized(t, CodecModel::Model3));
}

TEST(ChangeTest, ComparesAllThirtyTwoBits) {
    EntryTable t = Defaults();
    t[Entry::PollingPeriod].value = 0x80000000u;
    EXPECT_TRUE(custom::IsCustomized(t, IndexOf(Entry::PollingPeriod), CodecModel::Model1));
}

TEST(CodecFilter, ModelThreeOnlyFeaturesCountOnlyUnderModelThree) {
    const Entry filtered[] = {Entry::SpdifMute, Entry::SpdifSrc, Entry::Enable33VSupport, Entry::EnableJackDetect,
                              Entry::Enable48KSpdif};
    for (Entry e : filtered) {
        EntryTable t = Defaults();
        custom::StoreByte(t[e], 1);
        SCOPED_TRACE(t[e].key);
        EXPECT_TRUE(custom::AnyCustomized(t, CodecModel::Model3));
        EXPECT_FALSE(custom::AnyCustomized(t, CodecModel::Model1));
        EXPECT_FALSE(custom::AnyCustomized(t, CodecModel::Model2));
        EXPECT_FALSE(custom::AnyCustomized(t, CodecModel::None));
    }
    std::size_t filteredCount = 0;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) filteredCount += custom::IsModel3Only(i);
    EXPECT_EQ(filteredCount, 5u);
}

TEST(CodecFilter, DisableSpdifIsWrittenUnderEveryModel) {
    EntryTable t = Defaults();
    custom::StoreByte(t[Entry::DisableSPDIF], 1);
    for (CodecModel m : {CodecModel::Model1, CodecModel::Model2, CodecModel::Model3, CodecModel::None}) {
        const auto image = custom::EncodeCustomFile(t, m);
        EXPECT_EQ(Record(image, Entry::DisableSPDIF), (Bytes{1, 0, 0, 0, 1, 0, 0, 0}));
    }
}

TEST(CustomFileImage, RecordsSitAtEightTimesTheirIndex) {
    EntryTable t = Defaults();
    custom::StoreRegister(t[Entry::MasterVolume], 0x9F1F);
    custom::StoreRegister(t[Entry::RecordSelect], 0x0000);  // Mic: present with value 0
    custom::StoreByte(t[Entry::SpdifMute], 1);
    custom::StoreByte(t[Entry::Enable48KSpdif], 1);
    custom::StoreByte(t[Entry::DisableHeadphone], 0);
    t[Entry::PollingPeriod].value = 0x12345678;

    const auto image = custom::EncodeCustomFile(t, CodecModel::Model3);
    ASSERT_EQ(image.size(), 584u);
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 8), (Bytes{1, 0, 0, 0, 0x1F, 0x9F, 0, 0}));
    EXPECT_EQ(Bytes(image.begin() + 96, image.begin() + 104), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(image.begin() + 144, image.begin() + 152), (Bytes{1, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(Bytes(image.begin() + 200, image.begin() + 208), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(image.begin() + 288, image.begin() + 296), (Bytes{1, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(Bytes(image.begin() + 576, image.end()), (Bytes{1, 0, 0, 0, 0x78, 0x56, 0x34, 0x12}));
    ExpectOnlyRecords(image, {Entry::MasterVolume, Entry::RecordSelect, Entry::SpdifMute, Entry::Enable48KSpdif,
                              Entry::DisableHeadphone, Entry::PollingPeriod});

    // The same table for a QM-2 package drops the two QM-3 features.
    const auto qm2 = custom::EncodeCustomFile(t, CodecModel::Model2);
    EXPECT_EQ(Record(qm2, Entry::SpdifMute), kAbsent);
    EXPECT_EQ(Record(qm2, Entry::Enable48KSpdif), kAbsent);
    EXPECT_EQ(Record(qm2, Entry::RecordSelect), Record(image, Entry::RecordSelect));
}

TEST(CustomFileImage, DecodeReadsBackWhatEncodeWrote) {
    EntryTable t = Defaults();
    custom::StoreByte(t[Entry::MicRMax], 3);
    const auto image = custom::EncodeCustomFile(t, CodecModel::Model3);
    const auto records = custom::DecodeCustomFile(image.data(), image.size());
    ASSERT_TRUE(records.has_value());
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        const bool changed = i == IndexOf(Entry::MicRMax);
        EXPECT_EQ((*records)[i].present, changed ? 1u : 0u);
        EXPECT_EQ((*records)[i].value, changed ? 3u : 0u);
    }
    EXPECT_FALSE(custom::DecodeCustomFile(image.data(), image.size() - 1).has_value());
}

// A file opened, perhaps edited, and saved again: a record the user left
// alone stays as stored, even at its factory value; one edited back to its
// factory value goes, and so do the QM-3-only ones once the package is for
// another model. A file holding a QM-3-only record opens under QM-3.
TEST(CustomFileImage, OpenedFileSavedAgain) {
    struct Rec {
        Entry entry;
        std::uint32_t value;
    };
    const struct {
        const char* name;
        std::vector<Rec> file;  // present records; all others absent
        CodecModel opensUnder;     // while QM-2 is chosen
        std::function<void(EntryTable&, CodecModel&)> edit;
        std::vector<Rec> saved;  // present records; all others absent
    } cases[] = {
        {"left alone at the factory value", {{Entry::MicRMax, 0x0F}, {Entry::DisableAUX, 1}}, CodecModel::Model2,
         [](EntryTable&, CodecModel&) {}, {{Entry::MicRMax, 0x0F}, {Entry::DisableAUX, 1}}},
        {"edited back to the factory value", {{Entry::MicRMax, 3}, {Entry::DisableAUX, 1}}, CodecModel::Model2,
         [](EntryTable& t, CodecModel&) { custom::StoreByte(t[Entry::MicRMax], 0x0F); }, {{Entry::DisableAUX, 1}}},
        {"QM-3-only record at the factory value", {{Entry::SpdifMute, 0}}, CodecModel::Model3,
         [](EntryTable&, CodecModel&) {}, {{Entry::SpdifMute, 0}}},
        {"switched to QM-1 after opening", {{Entry::SpdifMute, 0}, {Entry::DisableSPDIF, 0}}, CodecModel::Model3,
         [](EntryTable&, CodecModel& m) { m = CodecModel::Model1; }, {{Entry::DisableSPDIF, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        custom::CustomFileRecords records{};
        EntryTable t = Defaults();
        for (const Rec& r : c.file) {
            records[IndexOf(r.entry)] = {1, r.value};
            t[r.entry].value = r.value;
        }
        CodecModel model = custom::ModelForOpenedFile(records, CodecModel::Model2);
        EXPECT_EQ(model, c.opensUnder);
        c.edit(t, model);
        const auto image = custom::EncodeCustomFile(t, model, &records);
        for (const Rec& r : c.saved)
            EXPECT_EQ(Record(image, r.entry), (Bytes{1, 0, 0, 0, static_cast<std::uint8_t>(r.value), 0, 0, 0}));
        std::vector<Entry> present;
        for (const Rec& r : c.saved) present.push_back(r.entry);
        ExpectOnlyRecords(image, present);
    }
}
