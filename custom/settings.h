// The settings as the dialog edits them, without a window: the working table
// and the table as last loaded, the opened file's records, the codec model
// and where each level slider's thumb stands. Each thing a user can do is one
// method; what every control shows, whether it is greyed and why, its tip,
// and what "Save" would write all follow from here. Platform-free, no I/O.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "custom/control_help.h"
#include "custom/custom_file.h"
#include "custom/entry_table.h"

namespace custom {

// What a control shows, as the settings are now.
struct ControlView {
    std::string text;  // Level, Limit: the level in dB ("-7.5")
    int position = 0;  // Level: the thumb; Limit: the spin; a box or radio: 1 when ticked
    Greying greying;   // greyed unless greying.why is Greyed::No
    bool Enabled() const { return greying.why == Greyed::No; }
};

// What "Save" writes, and the working table it was made from.
struct FileToWrite {
    CustomFileImage bytes;
    EntryTable table;
};

// A limit's "Max Volume (dB)" spin: positions 0 (top, the loudest or largest)
// to `lowest`, `step` a press.
struct LimitSpin {
    int lowest;
    int step;
};
LimitSpin LimitSpinOf(Entry limit);

class Settings {
public:
    // The factory table under the start model.
    Settings();

    // ---- What a user does. A greyed control does nothing. ----
    // A click on a box: it flips its bit or switch. Turning a recordable
    // line off moves the record source to Stereo Mix: the driver must not
    // record from a line it has disabled.
    void ToggleBox(const ControlMeaning& box);
    // A press on a limit's spin, `delta` positions; refused when it would
    // leave the spin's range. A lower max level pulls the level down to it.
    void PressSpin(Entry limit, int delta);
    // The slider of the line whose level row is `level` moved to `position`
    // (the mouse: a click in the channel, a drag); the thumb stays there.
    void MoveSlider(Entry level, int position);
    // A key on that slider: the level moves `steps` level steps, negative
    // louder, never past the line's limits (kWholeScale: to a limit), and
    // the thumb goes to the new level's place.
    void StepLevel(Entry level, int steps);
    void ChooseCodecModel(CodecModel model);
    void ChooseRecordSource(unsigned source);
    // "Default": the factory table; the codec model and the file stay.
    void ResetToDefaults();
    // A file the user opened: its settings, as the checker read them, and its records.
    void TakeOpenedFile(const EntryTable& working, const CustomFileRecords& records);
    // What FileToSave gave was written: that file is now the one open, and
    // the table it was made from the one loaded, whatever happened since.
    void TakeSavedFile(const FileToWrite& written);

    // ---- What follows from them. ----
    const EntryTable& Working() const { return m_working; }
    CodecModel Model() const { return m_model; }
    // The opened file's records; none: no file was opened.
    const std::optional<CustomFileRecords>& Opened() const { return m_opened; }
    // An opened file holds customizations that "Save" would keep.
    bool OpenedHoldsRecords() const;
    // Edits since the factory table or the file was last loaded.
    bool HasUnsavedEdits() const;
    // What "Save" writes: nothing when no entry is customized.
    std::optional<FileToWrite> FileToSave() const;
    // The same, a line per record, as "Changes..." lists it.
    std::string ChangesList() const;

    ControlView ViewOf(const ControlMeaning& control) const;
    // Why the control is greyed: one rule for the dialog and the tips.
    Greying GreyingOf(const ControlMeaning& control) const;
    // Its tip and accessible description.
    std::string TipOf(const ControlMeaning& control) const;

private:
    // Where the thumb of a level slider stands, and where the program put
    // it for which level fields: placing a thumb and reading it back are not
    // exact inverses at the bottom of a scale, so a move to that very
    // position (a click on the thumb) keeps the level.
    struct Thumb {
        int position = 0;
        int placedAt = -1;  // -1: moved by the user since
        std::uint32_t placedFor = 0;
    };
    void PlaceThumbs();
    void PlaceThumb(Entry level);
    void StoreLevel(Entry level, std::uint8_t code);

    EntryTable m_working;
    EntryTable m_loaded;
    std::optional<CustomFileRecords> m_opened;
    CodecModel m_model = kStartCodecModel;
    std::array<Thumb, kEntryCount> m_thumbs{};  // by level row
};

}  // namespace custom
