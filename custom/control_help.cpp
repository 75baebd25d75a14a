#include "custom/control_help.h"

#include "custom/entry_meaning.h"
#include "custom/value_text.h"

namespace custom {
namespace {

// "KEY: factory F, now N", and ", changed" when they differ.
std::string ValuesLine(std::string_view key, const std::string& factory, const std::string& now) {
    std::string line(key);
    line += ": factory " + factory + ", now " + now;
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
    if (line.empty()) return std::string(DefaultEntryTable[disableSwitch].key);
    return "the " + std::string(line) + " line's \"Disable Line\" box";
}

std::string GreyedLine(std::optional<Entry> entry, CodecModel model, Greying greying) {
    switch (greying.why) {
        case Greyed::No: break;
        case Greyed::Model3Only: {
            const std::string under(CodecModelCaption(model));
            if (entry && IsModel3Only(IndexOf(*entry)))
                return "Greyed: only QM-3/QM-3A has this; under " + under + " Save leaves it out";
            return "Greyed: only QM-3/QM-3A has this; it stays as it is under " + under;
        }
        case Greyed::LineDisabled:
            return "Greyed while " + SwitchBoxName(greying.disabledBy) + " is ticked (" +
                   std::string(DefaultEntryTable[greying.disabledBy].key) + ")";
        case Greyed::ShownOnly: return "Greyed: shown, never changed by the dialog";
        case Greyed::NoSetting: return "Greyed: the driver has no such setting for this line";
    }
    return {};
}

}  // namespace

std::string ControlHelpText(std::optional<Entry> entry, const EntryTable& working, CodecModel model,
                            Greying greying) {
    std::string text;
    if (entry) {
        const std::size_t i = IndexOf(*entry);
        text = std::string(EntryDescription(i)) + '\n' +
               ValuesLine(DefaultEntryTable[i].key, EntryValueText(i, DefaultEntryTable[i].value),
                          EntryValueText(i, working[i].value));
    }
    const std::string greyed = GreyedLine(entry, model, greying);
    if (!greyed.empty()) text += (text.empty() ? "" : "\n") + greyed;
    return text;
}

std::string CodecModelHelpText(CodecModel model) {
    return "The codec model the driver package is for; only QM-3/QM-3A gets the S/PDIF, 3.3 V and jack "
           "detection settings.\n" +
           ValuesLine("codec", std::string(CodecModelCaption(kStartCodecModel)), std::string(CodecModelCaption(model)));
}

}  // namespace custom
