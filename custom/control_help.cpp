#include "custom/control_help.h"

#include <cctype>

#include "custom/entry_meaning.h"
#include "custom/level_scale.h"

namespace custom {
namespace {

std::string_view KeyOf(Entry e) { return DefaultEntryTable[e].key; }

// What the control means for the driver, said of the control itself.
std::string FirstLine(const ControlMeaning& c) {
    switch (c.shows) {
        case Shows::Nothing: break;
        case Shows::Bit:
        case Shows::ClearBit: return "Ticked: " + BitMeaning(c.entry, c.bit, c.shows == Shows::Bit) + ".";
        case Shows::Switch: {
            std::string does(EntryDescription(IndexOf(c.entry)));
            does[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(does[0])));
            return "Ticked: " + does;
        }
        case Shows::Level: return "How loud " + std::string(LineName(c.entry)) + " is as the driver starts.";
        case Shows::Limit: return std::string(EntryDescription(IndexOf(c.entry)));
        case Shows::Source:
            return "Selected: the driver records from " + std::string(RecordSourceName(c.bit)) +
                   " until the user picks another input.";
        case Shows::Codec:
            return "Selected: the driver package is for the " +
                   std::string(CodecModelCaption(static_cast<CodecModel>(c.bit))) +
                   " codec; only QM-3/QM-3A gets the S/PDIF, 3.3 V and jack detection settings.";
    }
    return {};
}

// The record and the bit or field the control shows: "CDVolume bit 15",
// "MasterVolume level (bits 0-4, 8-12)", "MasVMax".
std::string FieldOf(const ControlMeaning& c) {
    if (c.shows == Shows::Codec) return "codec";
    const std::string key(KeyOf(c.entry));
    switch (c.shows) {
        case Shows::Bit: return key + " bit " + std::to_string(c.bit);
        case Shows::ClearBit: return key + " bit " + std::to_string(c.bit) + " (ticked while 0)";
        case Shows::Level:
        case Shows::Limit:
            if (MeaningOf(c.entry).kind != EntryKind::Level) break;
            return key + (MeaningOf(c.entry).channels == Channels::Stereo ? " level (bits 0-4, 8-12)" : " level (bits 0-4)");
        default: break;
    }
    return key;
}

// The row's `value` as the control shows it: "ticked", "-7.5 dB", "Line In".
std::string InTermsOf(const ControlMeaning& c, std::uint32_t value, CodecModel model) {
    switch (c.shows) {
        case Shows::Nothing: break;
        case Shows::Bit:
        case Shows::ClearBit:
        case Shows::Switch: return Ticked(c, value) ? "ticked" : "not ticked";
        case Shows::Level:
        case Shows::Limit: {
            const EntryMeaning& m = MeaningOf(c.entry);
            std::string text = FormatLevelDb(LowByte(value), m.scale) + " dB";
            // The dialog keeps the channels equal; a file may not.
            if (m.kind == EntryKind::Level && m.channels == Channels::Stereo && LeftLevelCode(value) != LevelCode(value))
                text += " (left " + FormatLevelDb(static_cast<std::uint8_t>(LeftLevelCode(value)), m.scale) + " dB)";
            return text;
        }
        case Shows::Source: return std::string(RecordSourceName(RecordSourceOf(value)));
        case Shows::Codec: return std::string(CodecModelCaption(model));
    }
    return {};
}

// "FIELD: factory F, now N", and ", changed" when they differ.
std::string ValuesLine(const ControlMeaning& c, const EntryTable& working, CodecModel model) {
    const bool codec = c.shows == Shows::Codec;
    const std::string factory = InTermsOf(c, codec ? 0 : DefaultEntryTable[c.entry].value, kStartCodecModel);
    const std::string now = InTermsOf(c, codec ? 0 : working[c.entry].value, model);
    std::string line = FieldOf(c) + ": factory " + factory + ", now " + now;
    if (factory != now) line += ", changed";
    return line;
}

// What the dialog calls the box of a "Disable" switch.
std::string SwitchBoxName(Entry disableSwitch) {
    std::string_view line;
    switch (disableSwitch) {
        case Entry::DisableMic2: return "the \"Disable Mic2\" box";
        case Entry::DisableMicBoost: return "the \"Disable Mic Boost\" box";
        case Entry::DisableSPDIF: line = "SPDIF"; break;
        case Entry::DisablePCBeep: line = "PC Speaker"; break;
        case Entry::DisableHeadphone: line = "Headphone"; break;
        default:
            if (const std::optional<unsigned> source = SourceDisabledBy(disableSwitch)) line = RecordSourceName(*source);
            break;
    }
    if (line.empty()) return std::string(KeyOf(disableSwitch));
    return "the " + std::string(line) + " line's \"Disable Line\" box";
}

std::string GreyedLine(const ControlMeaning& c, CodecModel model, Greying greying) {
    switch (greying.why) {
        case Greyed::No: break;
        case Greyed::Model3Only: {
            const std::string under(CodecModelCaption(model));
            if (c.entry != Entry::Count && IsModel3Only(IndexOf(c.entry)))
                return "Greyed: only QM-3/QM-3A has this; under " + under + " Save leaves it out";
            return "Greyed: only QM-3/QM-3A has this; it stays as it is under " + under;
        }
        case Greyed::LineDisabled:
            return "Greyed while " + SwitchBoxName(greying.disabledBy) + " is ticked (" +
                   std::string(KeyOf(greying.disabledBy)) + ")";
        case Greyed::ShownOnly: return "Greyed: the dialog shows this driver setting but cannot change it";
        case Greyed::NoSetting: return "Greyed: the driver has no such setting for this line";
    }
    return {};
}

}  // namespace

bool Ticked(const ControlMeaning& box, std::uint32_t value) {
    switch (box.shows) {
        case Shows::Switch: return value != 0;
        case Shows::Bit: return (value >> box.bit) & 1u;
        case Shows::ClearBit: return !((value >> box.bit) & 1u);
        default: return false;
    }
}

std::string ControlHelpText(const ControlMeaning& control, const EntryTable& working, CodecModel model,
                            Greying greying) {
    std::string text;
    if (control.shows != Shows::Nothing) text = FirstLine(control) + '\n' + ValuesLine(control, working, model);
    const std::string greyed = GreyedLine(control, model, greying);
    if (!greyed.empty()) text += (text.empty() ? "" : "\n") + greyed;
    return text;
}

}  // namespace custom
