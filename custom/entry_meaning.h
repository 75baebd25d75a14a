// What each customization entry means to the settings dialog: the kind of
// setting it holds, the scale of its level codes, its line's limit rows and
// record source, whether only the QM-3 family has it, and which of its bits
// the dialog's controls can change. Record sources and codec models by the names
// the dialog shows for them. Platform-free, no I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "custom/custom_file.h"
#include "custom/entry_table.h"
#include "custom/level_scale.h"

namespace custom {

enum class EntryKind {
    Level,         // a playback level register: level field(s), mute and feature bits
    RecordSource,  // RecordSelect: the source number in both channel fields
    MicSelect,     // GeneralPurpose: the second-microphone bit (its 3D bit is only shown)
    Switch,        // a driver option byte: 0 off, 1 on
    MaxLevel,      // the loudest level a playback line may take
    MinLevel,      // the quietest level a playback line may take
    MaxGain,       // the largest record gain of a recording line
    MinGain,       // the smallest record gain of a recording line
    Register,      // a register image the dialog carries without reading it
    Number,        // PollingPeriod
};

// The source number of rows that belong to no record source.
constexpr unsigned kNoSource = 0xFF;

struct EntryMeaning {
    EntryKind kind;
    // Bits the dialog's controls can change; every other bit keeps its
    // factory value. 0 for the rows the dialog never changes.
    std::uint32_t changeable;
    LevelScale scale;       // Level, MaxLevel, MinLevel, MaxGain, MinGain
    Channels channels;      // Level: Stereo when bits 8-12 repeat bits 0-4
    Entry level;            // the level a limit row bounds; a level row names itself
    Entry maxLevel;         // a level's max-level row; itself when it has none (Wave)
    Entry minLevel;         // a level's min-level row; itself when it has none
    // The record source of the row's line: a recording line's gain limits,
    // or the "Disable Line" switch that takes that source away. kNoSource
    // for every other row.
    unsigned source;
    // A feature only the QM-3 family has: under the other models the driver
    // must not see it, so the file leaves it out whatever its value.
    bool model3Only;
    // Offered by the dialog only under QM-3/QM-3A: every model3Only row, and
    // the S/PDIF line's own "Disable" switch, which the file carries under
    // every model.
    bool model3Feature;
    // The "Disable" switch that turns the row's line off: while it is on, the
    // dialog greys the row's controls. Count for a row of no such line (the
    // limit rows ask their line, see LineSwitchOf).
    Entry lineSwitch;
};

const EntryMeaning& MeaningOf(std::size_t index);
inline const EntryMeaning& MeaningOf(Entry e) { return MeaningOf(IndexOf(e)); }
inline bool IsModel3Only(std::size_t index) { return MeaningOf(index).model3Only; }
// The switch that turns off the line of row `e`, a limit row's too; Count for none.
Entry LineSwitchOf(Entry e);
// The "Disable Control" switch that turns off one feature bit of a row
// (Mic boost, Mic2 Select); Count for every other bit.
constexpr Entry FeatureSwitchOf(Entry e, unsigned bit) {
    if (e == Entry::MicVolume && bit == kMicBoostBit) return Entry::DisableMicBoost;
    if (e == Entry::GeneralPurpose && bit == kMic2SelectBit) return Entry::DisableMic2;
    return Entry::Count;
}
inline bool DialogChanges(std::size_t index) { return MeaningOf(index).changeable != 0; }
inline bool HasLimitRows(std::size_t index) { return MeaningOf(index).maxLevel != static_cast<Entry>(index); }

// What the entry does for the driver, in one line of a maker's words, as
// `corvaset-dat show --all` tells it; the first line of the tip of a control
// that shows the whole entry (a limit, a switch).
std::string_view EntryDescription(std::size_t index);
// A playback line as a maker names it, by its level row: "the Master
// output", "the microphone", "wave and software synth playback".
std::string_view LineName(Entry level);
// What bit `bit` of row `e` means for the driver when it is set (`set`) or
// clear, in words that follow "Ticked: ": "the CD input starts muted",
// "the codec's 3D enhancement is off as the driver starts". Empty for a bit
// no control shows.
std::string BitMeaning(Entry e, unsigned bit, bool set);

// The row of an entry key as the table spells it ("MasterVolume", "3DControl").
std::optional<std::size_t> IndexOfKey(std::string_view key);

// Record sources: source n is stored as n * 0x0101 in RecordSelect.
constexpr unsigned kRecordSources = 8;
constexpr unsigned kStereoMix = 5;
constexpr std::uint32_t RecordSelectValue(unsigned source) { return source * 0x0101u; }
// The source a RecordSelect value names: its right channel's field.
constexpr unsigned RecordSourceOf(std::uint32_t recordSelect) { return recordSelect & 7u; }
// The recording column's caption: "Mic", "CD", ... "Phone".
std::string_view RecordSourceName(unsigned source);
// Matches a caption without regard to case or repeated blanks.
std::optional<unsigned> RecordSourceFromName(std::string_view name);
// The "Disable Line" switch of the playback line that is source n: while
// it is on, the dialog moves the source away and greys the line's radio.
std::optional<Entry> DisableSwitchOfSource(unsigned source);
// The other way round: the source a "Disable Line" switch takes away.
std::optional<unsigned> SourceDisabledBy(Entry disableSwitch);

// Codec models by their radio captions: "QM-1/1P", "QM-2", "QM-3/QM-3A".
std::string_view CodecModelCaption(CodecModel model);
std::optional<CodecModel> CodecModelFromCaption(std::string_view caption);

}  // namespace custom
