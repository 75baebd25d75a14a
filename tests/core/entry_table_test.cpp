#include "custom/entry_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using custom::Channels;
using custom::DefaultEntryTable;
using custom::Entry;
using custom::EntryTable;
using custom::IndexOf;
using custom::kEntryCount;

TEST(DefaultEntryTable, RowsHaveTheTypeAndSizeOfTheirGroup) {
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto& row = DefaultEntryTable[i];
        SCOPED_TRACE(row.key);
        const std::uint32_t expectedSize = i <= IndexOf(Entry::PowerDown) ? 2 : i < IndexOf(Entry::PollingPeriod) ? 1 : 4;
        EXPECT_EQ(row.size, expectedSize);
        EXPECT_EQ(row.type, i < IndexOf(Entry::PollingPeriod) ? custom::kTypeBinary : custom::kTypeDword);
        // Only the low `size` bytes of a value are ever non-zero.
        if (row.size < 4) {
            EXPECT_EQ(row.value >> (8 * row.size), 0u);
        }
    }
}

TEST(DefaultEntryTable, KeysAreUniqueAndSitAtTheirNamedIndex) {
    std::set<std::string> keys;
    for (std::size_t i = 0; i < kEntryCount; ++i) keys.insert(DefaultEntryTable[i].key);
    EXPECT_EQ(keys.size(), kEntryCount);
    EXPECT_STREQ(DefaultEntryTable[Entry::MasterVolume].key, "MasterVolume");
    EXPECT_STREQ(DefaultEntryTable[Entry::RecordSelect].key, "RecordSelect");
    EXPECT_STREQ(DefaultEntryTable[Entry::ThreeDControl].key, "3DControl");
    EXPECT_STREQ(DefaultEntryTable[Entry::SpdifMute].key, "SpdifMute");
    EXPECT_STREQ(DefaultEntryTable[Entry::Enable48KSpdif].key, "Enable48KSpdif");
    EXPECT_STREQ(DefaultEntryTable[Entry::HP_VMax].key, "HP_VMax");
    EXPECT_STREQ(DefaultEntryTable[Entry::PhoRMin].key, "PhoRMin");
    EXPECT_STREQ(DefaultEntryTable[Entry::PollingPeriod].key, "PollingPeriod");
}

TEST(DefaultEntryTable, FactoryValuesTheDriverRelyOn) {
    EXPECT_EQ(DefaultEntryTable[Entry::MasterVolume].value, 0x0404u);
    EXPECT_EQ(DefaultEntryTable[Entry::BeepVolume].value, 0x0004u);
    EXPECT_EQ(DefaultEntryTable[Entry::MicVolume].value, 0x8004u);  // muted
    EXPECT_EQ(DefaultEntryTable[Entry::CDVolume].value, 0x0C0Cu);
    EXPECT_EQ(DefaultEntryTable[Entry::WaveOutVolume].value, 0x0808u);
    EXPECT_EQ(DefaultEntryTable[Entry::ToneControls].value, 0x0F0Fu);
    EXPECT_EQ(DefaultEntryTable[Entry::RecordSelect].value, 0x0505u);  // Stereo Mix
    EXPECT_EQ(DefaultEntryTable[Entry::ACDVMax].value, 0x08u);
    // Switches that start on; every other switch starts off.
    const std::set<Entry> on = {Entry::DisableHeadphone, Entry::DisableMonoOut, Entry::DisableMicIn,
                                Entry::EnableLoudness};
    for (std::size_t i = IndexOf(Entry::SpdifMute); i <= IndexOf(Entry::EnableLoudness); ++i)
        EXPECT_EQ(DefaultEntryTable[i].value, on.count(static_cast<Entry>(i)) ? 1u : 0u) << DefaultEntryTable[i].key;
    // Playback limits come in VMax/VMin pairs, recording limits in RMax/RMin pairs.
    for (std::size_t i = IndexOf(Entry::MasVMax); i < IndexOf(Entry::MicRMax); i += 2) {
        if (static_cast<Entry>(i) != Entry::ACDVMax) {
            EXPECT_EQ(DefaultEntryTable[i].value, 0x00u) << DefaultEntryTable[i].key;
        }
        EXPECT_EQ(DefaultEntryTable[i + 1].value, 0x1Fu) << DefaultEntryTable[i + 1].key;
    }
    for (std::size_t i = IndexOf(Entry::MicRMax); i < IndexOf(Entry::PollingPeriod); i += 2) {
        EXPECT_EQ(DefaultEntryTable[i].value, 0x0Fu) << DefaultEntryTable[i].key;
        EXPECT_EQ(DefaultEntryTable[i + 1].value, 0x00u) << DefaultEntryTable[i + 1].key;
    }
}

TEST(WorkingEntryTable, StartsZeroAndCopyDefaultsFillsEveryField) {
    EntryTable working;
    for (std::size_t i = 0; i < kEntryCount; ++i) EXPECT_EQ(working[i].value, 0u);
    working[Entry::MasterVolume].value = 0x1F1F;
    custom::CopyDefaults(working);
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        EXPECT_EQ(working[i].key, DefaultEntryTable[i].key);
        EXPECT_EQ(working[i].type, DefaultEntryTable[i].type);
        EXPECT_EQ(working[i].size, DefaultEntryTable[i].size);
        EXPECT_EQ(working[i].value, DefaultEntryTable[i].value);
    }
}

TEST(ValueUpdates, LevelFieldKeepsEveryOtherBit) {
    custom::CustomEntry stereo{"LineInVolume", 3, 2, 0xE0E0 | 0x8000 | 0x0404};
    custom::StoreLevelField(stereo, 0x1F, Channels::Stereo);
    EXPECT_EQ(stereo.value, 0xFFFFu);
    custom::StoreLevelField(stereo, 0x00, Channels::Stereo);
    EXPECT_EQ(stereo.value, 0xE0E0u);

    custom::CustomEntry mono{"MicVolume", 3, 2, 0x8044};
    custom::StoreLevelField(mono, 0x13, Channels::Mono);
    EXPECT_EQ(mono.value, 0x8053u);  // mute and boost kept, left field untouched
}

TEST(ValueUpdates, BitsAndBytes) {
    custom::CustomEntry mic = DefaultEntryTable[Entry::MicVolume];
    custom::StoreBit(mic, custom::kMuteBit, false);
    EXPECT_EQ(mic.value, 0x0004u);
    custom::StoreBit(mic, custom::kMicBoostBit, true);
    EXPECT_EQ(mic.value, 0x0044u);
    custom::StoreBit(mic, custom::kMicBoostBit, true);
    EXPECT_EQ(mic.value, 0x0044u);

    custom::CustomEntry record = DefaultEntryTable[Entry::RecordSelect];
    custom::StoreRegister(record, 0x0000);
    EXPECT_EQ(record.value, 0u);

    custom::CustomEntry limit{"MasVMax", 3, 1, 0xFFFFFF00};
    custom::StoreByte(limit, 31);
    EXPECT_EQ(limit.value, 31u);  // upper bytes cleared
}
