#include "custom/value_text.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <vector>

#include "custom/entry_meaning.h"
#include "custom/level_scale.h"
#include "custom/value_rules.h"

namespace custom {


namespace {

constexpr std::uint32_t kMute = 1u << kMuteBit;
constexpr std::uint32_t kBoost = 1u << kMicBoostBit;
constexpr std::uint32_t kMic2 = 1u << kMic2SelectBit;
constexpr std::uint32_t k3D = 1u << k3DEnableBit;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::optional<std::uint32_t> ParseHex(std::string_view text) {
    if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text.substr(2)) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// A decibel text in tenths: "+6.0", "-7.5", "6", "-46.5 dB". Integer
// arithmetic keeps the comparison with the scale's texts exact.
std::optional<int> ParseTenths(std::string_view text) {
    std::string t = Lower(text);
    if (t.size() > 2 && t.compare(t.size() - 2, 2, "db") == 0) t.resize(t.size() - 2);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    std::size_t i = 0;
    int sign = 1;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) sign = t[i++] == '-' ? -1 : 1;
    int whole = 0, digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])) && digits < 3) {
        whole = whole * 10 + (t[i++] - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    int tenth = 0;
    if (i < t.size() && t[i] == '.') {
        if (i + 2 != t.size() || !std::isdigit(static_cast<unsigned char>(t[i + 1]))) return std::nullopt;
        tenth = t[i + 1] - '0';
        i += 2;
    }
    if (i != t.size()) return std::nullopt;
    return sign * (whole * 10 + tenth);
}

const char* ScaleRange(LevelScale scale) {
    switch (scale) {
        case LevelScale::Attenuation: return "+0.0 to -46.5 in steps of 1.5 dB";
        case LevelScale::Gain: return "+12.0 to -34.5 in steps of 1.5 dB";
        case LevelScale::Beep: return "+0.0 to -45.0 in steps of 3.0 dB";
        case LevelScale::RecordGainScale: return "+0.0 to +22.5 in steps of 1.5 dB";
    }
    return "";
}

// The level code whose text is `text`. On the PC Speaker scale only the even
// codes count: the odd ones repeat the even texts.
ParsedValue CodeOfDb(std::string_view text, LevelScale scale) {
    const std::optional<int> tenths = ParseTenths(text);
    if (!tenths) return {false, 0, Quoted(text) + " is not a decibel value such as -7.5"};
    const unsigned last = scale == LevelScale::RecordGainScale ? 15 : 31;
    const unsigned step = scale == LevelScale::Beep ? 2 : 1;
    for (unsigned code = 0; code <= last; code += step)
        if (ParseTenths(FormatLevelDb(static_cast<std::uint8_t>(code), scale)) == tenths) return {true, code, ""};
    return {false, 0, std::string(text) + " dB is not on this scale: " + ScaleRange(scale)};
}

ParsedValue ParseLevel(std::size_t index, std::string_view text) {
    const EntryMeaning& m = MeaningOf(index);
    const std::vector<std::string_view> words = Words(text);
    if (words.empty()) return {false, 0, "no level given"};
    const ParsedValue code = CodeOfDb(words[0], m.scale);
    if (!code.ok) return code;
    CustomEntry entry = DefaultEntryTable[index];
    StoreLevelField(entry, code.value, m.channels);
    entry.value &= ~(m.changeable & (kMute | kBoost));
    std::string allowed = (m.changeable & kMute ? "mute" : "");
    if (m.changeable & kBoost) allowed += " or boost";
    // "-7.5 dB mute" reads as "-7.5 mute": the unit may stand on its own.
    const std::size_t first = words.size() > 1 && Lower(words[1]) == "db" ? 2 : 1;
    for (std::size_t w = first; w < words.size(); ++w) {
        const std::string word = Lower(words[w]);
        const std::uint32_t bit = word == "mute" ? kMute : word == "boost" ? kBoost : 0;
        if (bit == 0 || (m.changeable & bit) == 0)
            return {false, 0,
                    "unknown word " + Quoted(words[w]) + " after the level" +
                        (allowed.empty() ? std::string(": this level takes none") : ": this level takes " + allowed)};
        if (entry.value & bit) return {false, 0, Quoted(word) + " given twice"};
        entry.value |= bit;
    }
    return {true, entry.value, ""};
}

ParsedValue ParseInTerms(std::size_t index, std::string_view text) {
    const EntryMeaning& m = MeaningOf(index);
    const std::uint32_t factory = DefaultEntryTable[index].value;
    const std::string word = Lower(text);
    switch (m.kind) {
        case EntryKind::Level: return ParseLevel(index, text);
        case EntryKind::RecordSource:
            if (const auto n = RecordSourceFromName(text)) return {true, RecordSelectValue(*n), ""};
            return {false, 0, "unknown record source " + Quoted(text) +
                                  ": Mic, CD, Video, AUX, Line In, Stereo Mix, Mono Mix or Phone"};
        case EntryKind::MicSelect:
            if (word == "mic2") return {true, factory | kMic2, ""};
            if (word == "none") return {true, factory & ~kMic2, ""};
            return {false, 0, Quoted(text) + " is neither mic2 (Mic2 Select ticked) nor none"};
        case EntryKind::Switch:
            if (word == "on") return {true, 1, ""};
            if (word == "off") return {true, 0, ""};
            return {false, 0, Quoted(text) + " is neither on nor off"};
        case EntryKind::MaxLevel:
        case EntryKind::MinLevel: return CodeOfDb(text, m.scale);
        case EntryKind::MaxGain:
        case EntryKind::MinGain: return CodeOfDb(text, LevelScale::RecordGainScale);
        case EntryKind::Register:
        case EntryKind::Number: break;
    }
    return {false, 0, Quoted(text) + " is not raw hex such as 0x0000: the dialog has no other terms for it"};
}

std::string Db(std::uint32_t field, LevelScale scale) {
    return FormatLevelDb(static_cast<std::uint8_t>(field), scale) + " dB";
}

std::string LevelMeaning(std::size_t index, std::uint32_t value) {
    const EntryMeaning& m = MeaningOf(index);
    const std::uint32_t right = LevelCode(value), left = LeftLevelCode(value);
    std::string text = m.channels == Channels::Stereo && left != right
                           ? "left " + Db(left, m.scale) + ", right " + Db(right, m.scale)
                           : Db(right, m.scale);
    if (!HasLimitRows(index)) text += " (Wave and SW Synth)";
    if (m.scale == LevelScale::Beep && (value & 1)) text += ", bit 0 set";
    if (value & kMute) text += ", muted";
    if ((m.changeable & kBoost) && (value & kBoost)) text += ", mic boost";
    const std::uint32_t stray = (value ^ DefaultEntryTable[index].value) & ~m.changeable;
    if (stray) text += ", other bits " + HexOfEntry(index, stray);
    return text;
}

}  // namespace

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            quoted += c;
        } else if (c == '\r' || c == '\t' || c == '\n') {
            quoted += c == '\r' ? "\\r" : c == '\t' ? "\\t" : "\\n";
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        }
    }
    quoted += '\'';
    return quoted;
}

ParsedValue ParseEntryValue(std::size_t index, std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (text.empty()) return {false, 0, "no value given"};
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (const auto raw = ParseHex(text)) return {true, *raw, ""};
        return {false, 0, Quoted(text) + " is not raw hex of at most 8 digits"};
    }
    return ParseInTerms(index, text);
}

std::string EntryValueText(std::size_t index, std::uint32_t value) {
    const EntryMeaning& m = MeaningOf(index);
    std::string text;
    switch (m.kind) {
        case EntryKind::Level:
            text = FormatLevelDb(static_cast<std::uint8_t>(value), m.scale);
            if (value & m.changeable & kMute) text += " mute";
            if (value & m.changeable & kBoost) text += " boost";
            break;
        case EntryKind::RecordSource: text = RecordSourceName(RecordSourceOf(value)); break;
        case EntryKind::MicSelect: text = value & kMic2 ? "mic2" : "none"; break;
        case EntryKind::Switch: text = value == 1 ? "on" : "off"; break;
        case EntryKind::MaxLevel:
        case EntryKind::MinLevel: text = FormatLevelDb(static_cast<std::uint8_t>(value), m.scale); break;
        case EntryKind::MaxGain:
        case EntryKind::MinGain:
            text = FormatLevelDb(static_cast<std::uint8_t>(value), LevelScale::RecordGainScale);
            break;
        case EntryKind::Register:
        case EntryKind::Number: break;
    }
    // The terms drop what they cannot say (an odd PC Speaker level, stray
    // bits): only a text that gives the value back exactly will do.
    const ParsedValue back = ParseEntryValue(index, text);
    return back.ok && back.value == value ? text : HexOfEntry(index, value);
}

std::string EntryMeaningText(std::size_t index, std::uint32_t value) {
    const EntryMeaning& m = MeaningOf(index);
    const std::string limited = DefaultEntryTable[m.level].key;
    switch (m.kind) {
        case EntryKind::Level: return LevelMeaning(index, value);
        case EntryKind::RecordSource: {
            const unsigned right = RecordSourceOf(value), left = (value >> 8) & 7;
            if (left == right) return "record source " + std::string(RecordSourceName(right));
            return "record source left " + std::string(RecordSourceName(left)) + ", right " +
                   std::string(RecordSourceName(right));
        }
        case EntryKind::MicSelect:
            return std::string("Mic2 Select ") + (value & kMic2 ? "on" : "off") + (value & k3D ? ", 3D on" : "");
        case EntryKind::Switch:
            return value == 1 ? "on" : value == 0 ? "off" : HexOfEntry(index, value) + ", neither on nor off";
        case EntryKind::MaxLevel:
        case EntryKind::MinLevel: {
            const std::string what = m.kind == EntryKind::MaxLevel ? "max level " : "min level ";
            if (value > kLevelMask) return what + "outside the level codes (" + limited + ")";
            return what + Db(value, m.scale) + " (" + limited + ")";
        }
        case EntryKind::MaxGain:
        case EntryKind::MinGain: {
            const std::string what = m.kind == EntryKind::MaxGain ? "max record gain " : "min record gain ";
            const std::string line = " (" + std::string(RecordSourceName(m.source)) + ")";
            if (value > 0x0F) return what + "outside the gain codes" + line;
            return what + Db(value, LevelScale::RecordGainScale) + line;
        }
        case EntryKind::Register:
        case EntryKind::Number: break;
    }
    return value == DefaultEntryTable[index].value ? "carried unchanged" : "never changed by the dialog";
}

}  // namespace custom
