// The meaning table against the dialog's own column tables: the two must
// agree on every level, limit, switch and bit, or the tool would explain
// and validate files differently from what the dialog does.
#include "custom/entry_meaning.h"

#include <gtest/gtest.h>

#include "dialog/columns.h"

using custom::Entry;
using custom::EntryKind;
using custom::IndexOf;
using custom::MeaningOf;

TEST(EntryMeaning, LevelColumnsAgreeWithTheDialog) {
    for (const columns::LevelColumn& c : columns::kLevelColumns) {
        const custom::EntryMeaning& level = MeaningOf(IndexOf(c.level));
        SCOPED_TRACE(custom::DefaultEntryTable[c.level].key);
        EXPECT_EQ(level.kind, EntryKind::Level);
        EXPECT_EQ(level.scale, c.scale);
        EXPECT_EQ(level.channels, c.channels);
        EXPECT_EQ(level.maxLevel, c.maxLevel);
        EXPECT_EQ(level.minLevel, c.minLevel);
        for (Entry limit : {c.maxLevel, c.minLevel}) {
            EXPECT_EQ(MeaningOf(IndexOf(limit)).level, c.level);
            EXPECT_EQ(MeaningOf(IndexOf(limit)).scale, c.scale);
        }
        // The PC Speaker spin moves by 2, so its limit's bit 0 never changes.
        EXPECT_EQ(MeaningOf(IndexOf(c.maxLevel)).changeable, c.spinStep == 2 ? 0x1Eu : 0x1Fu);
        EXPECT_EQ(MeaningOf(IndexOf(c.minLevel)).changeable, 0u);
    }
    const custom::EntryMeaning& wave = MeaningOf(IndexOf(columns::kWaveLevel));
    EXPECT_EQ(wave.kind, EntryKind::Level);
    EXPECT_FALSE(custom::HasLimitRows(IndexOf(columns::kWaveLevel)));
}

TEST(EntryMeaning, RecordColumnsAgreeWithTheDialog) {
    for (const columns::RecordColumn& c : columns::kRecordColumns) {
        const custom::EntryMeaning& m = MeaningOf(IndexOf(c.maxGain));
        EXPECT_EQ(m.kind, EntryKind::MaxGain);
        EXPECT_EQ(static_cast<int>(m.source), c.selectRadio - IDC_SELECT_MIC);
        EXPECT_EQ(MeaningOf(IndexOf(c.maxGain) + 1).kind, EntryKind::MinGain);
        EXPECT_EQ(MeaningOf(IndexOf(c.maxGain) + 1).source, m.source);
    }
    for (unsigned n = 0; n < custom::kRecordSources; ++n)
        EXPECT_EQ(custom::RecordSelectValue(n), columns::RecordSelectValueOf(n));
}

// A switch the dialog changes has a box whose click writes it or a box that
// disables a line; a bit it changes has a box whose click writes it.
TEST(EntryMeaning, ChangeableSwitchesAndBitsAreExactlyThoseWithAWritingBox) {
    std::uint32_t boxBits[custom::kEntryCount] = {};
    for (const columns::CheckBox& b : columns::kCheckBoxes) {
        if (!b.clickWrites) continue;
        boxBits[IndexOf(b.entry)] |= b.shows == columns::Shows::Switch ? 1u : 1u << b.bit;
    }
    for (const columns::DisablingBox& b : columns::kDisablingBoxes) boxBits[IndexOf(b.flag)] |= 1u;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        const custom::EntryMeaning& m = MeaningOf(i);
        SCOPED_TRACE(custom::DefaultEntryTable[i].key);
        if (m.kind == EntryKind::Switch) {
            EXPECT_EQ(m.changeable, boxBits[i]);
        }
        if (m.kind == EntryKind::Level) {
            EXPECT_EQ(m.changeable & ~0x1F1Fu, boxBits[i]);  // besides the level fields
        }
        if (m.kind == EntryKind::MicSelect) {
            EXPECT_EQ(m.changeable, boxBits[i]);
        }
    }
}

TEST(EntryMeaning, TwentyNineRowsAreNeverChanged) {
    int never = 0;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) never += custom::DialogChanges(i) ? 0 : 1;
    EXPECT_EQ(never, 29);
}

TEST(EntryMeaning, DisabledLinesAreThoseWhoseSelectRadioTheDialogGreys) {
    for (unsigned n = 0; n < custom::kRecordSources; ++n) {
        std::optional<Entry> expected;
        for (const columns::DisablingBox& b : columns::kDisablingBoxes)
            if (b.selectRadio == columns::SelectRadioOf(n)) expected = b.flag;
        EXPECT_EQ(custom::DisableSwitchOfSource(n), expected) << n;
    }
}

TEST(EntryMeaning, NamesAndKeysAreFoundAsTheDialogSpellsThem) {
    for (std::size_t i = 0; i < custom::kEntryCount; ++i)
        EXPECT_EQ(custom::IndexOfKey(custom::DefaultEntryTable[i].key), i);
    EXPECT_EQ(custom::IndexOfKey("3DControl"), IndexOf(Entry::ThreeDControl));
    EXPECT_FALSE(custom::IndexOfKey("mastervolume"));  // keys are exact
    EXPECT_EQ(custom::RecordSourceFromName("line   IN"), 4u);
    EXPECT_EQ(custom::RecordSourceFromName("Stereo Mix"), custom::kStereoMix);
    EXPECT_FALSE(custom::RecordSourceFromName("LineIn"));
    EXPECT_EQ(custom::CodecModelFromCaption("qm-1/1p"), custom::CodecModel::Model1);
    EXPECT_EQ(custom::CodecModelFromCaption("QM-3/QM-3A"), custom::CodecModel::Model3);
    EXPECT_FALSE(custom::CodecModelFromCaption("QM-3"));
}
