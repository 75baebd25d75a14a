#include "custom/settings.h"

#include <algorithm>

#include "custom/entry_meaning.h"
#include "custom/level_scale.h"
#include "custom/listing.h"
#include "custom/value_rules.h"

namespace custom {
namespace {

bool IsBox(Shows shows) { return shows == Shows::Bit || shows == Shows::ClearBit || shows == Shows::Switch; }

// The bits of its row a box shows.
std::uint32_t BoxMask(const ControlMeaning& box) { return box.shows == Shows::Switch ? 1u : 1u << box.bit; }

int LimitSpinPosition(Entry limit, std::uint32_t value) {
    const EntryMeaning& m = MeaningOf(limit);
    switch (m.kind) {
        case EntryKind::MaxLevel: return MaxLevelSpinPosition(LowByte(value), m.scale);
        case EntryKind::MaxGain: return RecordSpinPosition(LowByte(value));
        default: return WaveSpinPosition(value);
    }
}

}  // namespace

LimitSpin LimitSpinOf(Entry limit) {
    const EntryMeaning& m = MeaningOf(limit);
    if (m.kind == EntryKind::MaxGain) return {kRecordSpinLowest, 1};
    return {kPlaybackSpinLowest, m.kind == EntryKind::MaxLevel ? LimitSpinStep(m.scale) : 1};
}

Settings::Settings() {
    CopyDefaults(m_working);
    m_loaded = m_working;
    PlaceThumbs();
}

void Settings::ToggleBox(const ControlMeaning& box) {
    if (!IsBox(box.shows) || GreyingOf(box).why != Greyed::No) return;
    CustomEntry& entry = m_working[box.entry];
    const bool tick = !Ticked(box, entry.value);
    if (box.shows == Shows::Switch)
        StoreByte(entry, tick ? 1 : 0);
    else
        StoreBit(entry, box.bit, box.shows == Shows::Bit ? tick : !tick);
    if (tick && SourceDisabledBy(box.entry)) StoreRegister(m_working[Entry::RecordSelect], static_cast<std::uint16_t>(RecordSelectValue(kStereoMix)));
}

void Settings::PressSpin(Entry limit, int delta) {
    if (GreyingOf({Shows::Limit, limit}).why != Greyed::No) return;
    const LimitSpin spin = LimitSpinOf(limit);
    // Summed wide: a notification from another program may carry any delta.
    // A press moves whole steps: the PC Speaker limit stays on 3 dB steps.
    const long long requested = static_cast<long long>(LimitSpinPosition(limit, m_working[limit].value)) + delta;
    if (requested < 0 || requested > spin.lowest || delta % spin.step != 0) return;
    const int position = static_cast<int>(requested);

    const EntryMeaning& m = MeaningOf(limit);
    switch (m.kind) {
        case EntryKind::MaxLevel:
            StoreMaxLevel(m_working, IndexOf(limit), MaxLevelFromSpinPosition(position));
            PlaceThumb(m.level);
            break;
        case EntryKind::MaxGain: StoreByte(m_working[limit], MaxGainFromSpinPosition(position)); break;
        default: StoreLevelField(m_working[limit], static_cast<unsigned>(position), Channels::Stereo); break;
    }
}

void Settings::MoveSlider(Entry level, int position) {
    if (GreyingOf({Shows::Level, level}).why != Greyed::No) return;
    const EntryMeaning& line = MeaningOf(level);
    // Another program can change a trackbar's range: only 0..256 has a level.
    position = std::clamp(position, kSliderMin, kSliderMax);
    CustomEntry& entry = m_working[level];
    Thumb& thumb = m_thumbs[IndexOf(level)];
    thumb.position = position;
    if (position == thumb.placedAt && (entry.value & kStereoLevelFields) == thumb.placedFor) return;
    thumb.placedAt = -1;  // moved by the user: from now on every position converts
    StoreLevel(level, LevelFromSliderPosition(position, LowByte(m_working[line.maxLevel].value),
                                              LowByte(m_working[line.minLevel].value), line.scale));
}

void Settings::StepLevel(Entry level, int steps) {
    if (GreyingOf({Shows::Level, level}).why != Greyed::No) return;
    const EntryMeaning& line = MeaningOf(level);
    StoreLevel(level, LevelStepsAway(LowByte(m_working[level].value), steps, LowByte(m_working[line.maxLevel].value),
                                     LowByte(m_working[line.minLevel].value), line.scale));
    PlaceThumb(level);
}

void Settings::StoreLevel(Entry level, std::uint8_t code) {
    const EntryMeaning& line = MeaningOf(level);
    if (SliderKeepsBit0(line.scale))
        StoreLevelKeepingBit0(m_working[level], code);
    else
        StoreLevelField(m_working[level], code, line.channels);
}

void Settings::ChooseCodecModel(CodecModel model) { m_model = model; }

void Settings::ChooseRecordSource(unsigned source) {
    if (source >= kRecordSources || GreyingOf({Shows::Source, Entry::RecordSelect, source}).why != Greyed::No) return;
    StoreRegister(m_working[Entry::RecordSelect], static_cast<std::uint16_t>(RecordSelectValue(source)));
}

void Settings::ResetToDefaults() {
    CopyDefaults(m_working);
    PlaceThumbs();
}

void Settings::TakeOpenedFile(const EntryTable& working, const CustomFileRecords& records) {
    m_working = working;
    m_loaded = working;
    m_opened = records;
    m_model = ModelForOpenedFile(records, m_model);
    PlaceThumbs();
}

void Settings::TakeSavedFile(const FileToWrite& written) {
    m_opened = DecodeCustomFile(written.bytes.data(), written.bytes.size());
    m_loaded = written.table;
}

void Settings::PlaceThumbs() {
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (MeaningOf(i).kind == EntryKind::Level && HasLimitRows(i)) PlaceThumb(static_cast<Entry>(i));
}

// A level louder than its limit has a place above the slider's top: the
// thumb stops at the end.
void Settings::PlaceThumb(Entry level) {
    const EntryMeaning& line = MeaningOf(level);
    const std::uint32_t value = m_working[level].value;
    const int position = std::clamp<int>(
        SliderPositionFromLevel(LowByte(value), LowByte(m_working[line.maxLevel].value), line.scale), kSliderMin,
        kSliderMax);
    m_thumbs[IndexOf(level)] = {position, position, value & kStereoLevelFields};
}

bool Settings::OpenedHoldsRecords() const {
    return m_opened && std::any_of(m_opened->begin(), m_opened->end(),
                                   [](const CustomFileRecord& record) { return record.present != 0; });
}

bool Settings::HasUnsavedEdits() const {
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (m_working[i].value != m_loaded[i].value) return true;
    return false;
}

std::optional<FileToWrite> Settings::FileToSave() const {
    if (!AnyCustomized(m_working, m_model)) return std::nullopt;
    return FileToWrite{EncodeCustomFile(m_working, m_model, m_opened ? &*m_opened : nullptr), m_working};
}

std::string Settings::ChangesList() const {
    const std::optional<FileToWrite> file = FileToSave();
    return SavedRecordsList(file ? file->bytes : CustomFileImage{}, m_working, m_model);
}

// The first cause first: a control without a setting, a box that only
// shows, the line switched off (then the feature), a QM-3 feature under
// another model.
Greying Settings::GreyingOf(const ControlMeaning& control) const {
    switch (control.shows) {
        case Shows::Nothing: return {Greyed::NoSetting};
        case Shows::Codec: return {};
        case Shows::Source: {
            const std::optional<Entry> off = DisableSwitchOfSource(control.bit);
            if (off && m_working[*off].value != 0) return {Greyed::LineDisabled, *off};
            return {};
        }
        default: break;
    }
    const EntryMeaning& m = MeaningOf(control.entry);
    if (IsBox(control.shows) && (m.changeable & BoxMask(control)) == 0) return {Greyed::ShownOnly};
    const bool hasBit = control.shows == Shows::Bit || control.shows == Shows::ClearBit;
    for (Entry off : {LineSwitchOf(control.entry), hasBit ? FeatureSwitchOf(control.entry, control.bit) : Entry::Count})
        if (off != Entry::Count && m_working[off].value != 0) return {Greyed::LineDisabled, off};
    if (m.model3Feature && m_model != CodecModel::Model3) return {Greyed::Model3Only};
    return {};
}

ControlView Settings::ViewOf(const ControlMeaning& control) const {
    ControlView view;
    view.greying = GreyingOf(control);
    const std::uint32_t value = control.entry != Entry::Count ? m_working[control.entry].value : 0;
    switch (control.shows) {
        case Shows::Nothing: break;
        case Shows::Bit:
        case Shows::ClearBit:
        case Shows::Switch: view.position = Ticked(control, value); break;
        case Shows::Level:
            view.text = FormatLevelDb(LowByte(value), MeaningOf(control.entry).scale);
            view.position = m_thumbs[IndexOf(control.entry)].position;
            break;
        case Shows::Limit:
            view.text = FormatLevelDb(LowByte(value), MeaningOf(control.entry).scale);
            view.position = LimitSpinPosition(control.entry, value);
            break;
        case Shows::Source: view.position = RecordSourceOf(value) == control.bit; break;
        case Shows::Codec: view.position = m_model == static_cast<CodecModel>(control.bit); break;
    }
    return view;
}

std::string Settings::TipOf(const ControlMeaning& control) const {
    return ControlHelpText(control, m_working, m_model, GreyingOf(control));
}

}  // namespace custom
