// What each entry means: keys, record sources and codec models by the names
// the dialog shows, and the rows the dialog never changes.
#include "custom/entry_meaning.h"

#include <gtest/gtest.h>

using custom::Entry;
using custom::EntryKind;
using custom::IndexOf;
using custom::MeaningOf;

TEST(EntryMeaning, TwentyNineRowsAreNeverChanged) {
    int never = 0;
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) never += custom::DialogChanges(i) ? 0 : 1;
    EXPECT_EQ(never, 29);
}

// The lines whose "Disable Line" box moves the record source away: a
// recordable line the driver can switch off.
TEST(EntryMeaning, EachRecordSourceHasTheDisableSwitchOfItsLine) {
    const std::optional<Entry> expected[8] = {Entry::DisableMic, std::nullopt, Entry::DisableVideo,
                                              Entry::DisableAUX, Entry::DisableLineIn, std::nullopt,
                                              std::nullopt, Entry::DisablePhone};
    for (unsigned n = 0; n < 8; ++n) {
        EXPECT_EQ(custom::DisableSwitchOfSource(n), expected[n]) << n;
        if (expected[n]) {
            EXPECT_EQ(custom::SourceDisabledBy(*expected[n]), n);
        }
    }
    EXPECT_FALSE(custom::SourceDisabledBy(Entry::DisableCD));
    EXPECT_FALSE(custom::SourceDisabledBy(Entry::DisableHeadphone));
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
