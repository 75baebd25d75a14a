#include "custom/value_rules.h"

#include <algorithm>

#include "custom/entry_meaning.h"
#include "custom/level_scale.h"

namespace custom {
namespace {

// "0x" and the value in upper-case hex, at least `digits` digits. Written
// out here rather than with printf, whose formatter would be most of the C
// runtime's weight in corvaset.exe.
std::string Hex(std::uint32_t value, int digits) {
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return "0x" + text;
}

std::string Db(std::uint32_t field, LevelScale scale) {
    return FormatLevelDb(static_cast<std::uint8_t>(field), scale) + " dB";
}

std::uint32_t SizeMask(std::size_t index) {
    const std::uint32_t size = DefaultEntryTable[index].size;
    return size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1;
}

unsigned LowestByte(std::uint32_t bits) {
    unsigned byte = 0;
    while (byte < 3 && (bits & (0xFFu << (8 * byte))) == 0) ++byte;
    return byte;
}

// Rules that look at one entry alone. Stops at the first error: once a value
// does not fit its field, what it would mean is moot.
void CheckEntry(std::size_t i, std::uint32_t value, std::vector<ValueFinding>& out) {
    const EntryMeaning& m = MeaningOf(i);
    const std::uint32_t factory = DefaultEntryTable[i].value;
    auto add = [&](Severity s, unsigned byte, std::string message) {
        out.push_back({i, s, byte, std::move(message), std::nullopt});
    };

    if (const std::uint32_t above = value & ~SizeMask(i)) {
        add(Severity::Error, LowestByte(above),
            "value " + Hex(value, 8) + " has bytes above the entry's " +
                std::to_string(DefaultEntryTable[i].size) + "-byte size");
        return;
    }
    if (m.kind == EntryKind::Switch && value > 1) {
        add(Severity::Error, 0, "switch is " + Hex(value, 2) + ", neither 0 (off) nor 1 (on)");
        return;
    }
    if ((m.kind == EntryKind::MaxLevel || m.kind == EntryKind::MinLevel) && value > kLevelMask) {
        add(Severity::Error, 0, "level limit " + Hex(value, 2) + " is outside the level codes 0..31");
        return;
    }
    if ((m.kind == EntryKind::MaxGain || m.kind == EntryKind::MinGain) && value > 0x0F) {
        add(Severity::Error, 0, "gain limit " + Hex(value, 2) + " is outside the gain codes 0..15");
        return;
    }

    if (value != factory && m.changeable == 0) {
        add(Severity::Warning, 0,
            "the dialog never changes this entry (factory value " + HexOfEntry(i, factory) + ")");
        return;
    }
    if (m.kind == EntryKind::MaxLevel && (value & 1) != 0 && (m.changeable & 1) == 0) {
        add(Severity::Warning, 0, "max level " + Hex(value, 2) + " is odd: the dialog moves it in whole 3 dB steps");
        return;
    }
    if (const std::uint32_t stray = (value ^ factory) & ~m.changeable) {
        add(Severity::Warning, LowestByte(stray),
            "bits " + HexOfEntry(i, stray) + " differ from the factory value " + HexOfEntry(i, factory) +
                ", and the dialog never changes them");
        return;
    }
    const std::uint32_t right = LevelCode(value), left = LeftLevelCode(value);
    if (m.kind == EntryKind::Level && m.channels == Channels::Stereo && left != right) {
        add(Severity::Warning, 1,
            "left channel " + Db(left, m.scale) + " differs from right channel " + Db(right, m.scale) +
                ": the dialog sets both alike");
    }
    if (m.kind == EntryKind::RecordSource && RecordSourceOf(value) != ((value >> 8) & 7)) {
        add(Severity::Warning, 1,
            "left source " + std::string(RecordSourceName((value >> 8) & 7)) + " differs from right source " +
                std::string(RecordSourceName(RecordSourceOf(value))) + ": the dialog sets both alike");
    }
}

// A level never lies above its max-level row: lowering the limit pulls the
// level down with it, and the slider stops at the limit.
void CheckLevelUnderLimit(const EntryTable& t, std::size_t i, std::vector<ValueFinding>& out) {
    const EntryMeaning& m = MeaningOf(i);
    if (m.kind != EntryKind::Level || !HasLimitRows(i)) return;
    const std::uint32_t level = LevelCode(t[i].value);
    const std::uint32_t max = LevelCode(t[m.maxLevel].value);
    if (level < max) {
        out.push_back({i, Severity::Warning, 0,
                       "level " + Db(level, m.scale) + " is louder than its max level " + Db(max, m.scale) + " (" +
                           DefaultEntryTable[m.maxLevel].key + ")",
                       IndexOf(m.maxLevel)});
    }
}

// Disabling a line moves the record source to Stereo Mix and greys the
// line's radio, so a disabled line is never the source.
void CheckSourceEnabled(const EntryTable& t, std::vector<ValueFinding>& out) {
    const unsigned source = RecordSourceOf(t[Entry::RecordSelect].value);
    const std::optional<Entry> disable = DisableSwitchOfSource(source);
    if (!disable || t[*disable].value == 0) return;
    out.push_back({IndexOf(Entry::RecordSelect), Severity::Warning, 0,
                   "record source " + std::string(RecordSourceName(source)) + " is a disabled line (" +
                       DefaultEntryTable[*disable].key + " on): the dialog moves the source to Stereo Mix",
                   IndexOf(*disable)});
}

}  // namespace

std::string HexOfEntry(std::size_t index, std::uint32_t value) {
    return Hex(value, 2 * static_cast<int>(DefaultEntryTable[index].size));
}

void StoreMaxLevel(EntryTable& working, std::size_t maxLevelRow, std::uint8_t code) {
    const EntryMeaning& line = MeaningOf(MeaningOf(maxLevelRow).level);
    StoreByte(working[maxLevelRow], code);
    CustomEntry& level = working[line.level];
    if (code > LevelCode(level.value)) StoreLevelField(level, code, line.channels);
}

std::vector<ValueFinding> CheckWorkingTable(const EntryTable& working) {
    std::vector<ValueFinding> out;
    for (std::size_t i = 0; i < kEntryCount; ++i) CheckEntry(i, working[i].value, out);
    std::vector<ValueFinding> between;
    for (std::size_t i = 0; i < kEntryCount; ++i) CheckLevelUnderLimit(working, i, between);
    CheckSourceEnabled(working, between);
    // A value that does not fit its field means nothing to another entry:
    // its own error is the one fault to tell.
    const auto unfit = [&out](std::optional<std::size_t> index) {
        return index && std::any_of(out.begin(), out.end(), [&](const ValueFinding& f) {
                   return f.index == *index && f.severity == Severity::Error;
               });
    };
    for (ValueFinding& f : between)
        if (!unfit(f.index) && !unfit(f.related)) out.push_back(std::move(f));
    return out;
}

}  // namespace custom
