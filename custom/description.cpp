#include "custom/description.h"

#include <cstdio>
#include <optional>

#include "custom/entry_meaning.h"
#include "custom/value_rules.h"
#include "custom/value_text.h"

namespace custom {


namespace {

constexpr std::size_t kMaxErrors = 20;
constexpr std::string_view kCodecKey = "codec";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Control characters other than tab and line ends mean the text is not a
// description at all (a binary file given by mistake).
std::optional<LineMessage> FindBinary(std::string_view text) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') ++line;
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", c);
            return LineMessage{line, std::string("not a text description: control byte ") + byte};
        }
    }
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(Description& d) : d_(d) { CopyDefaults(d_.working); }

    void Line(std::size_t number, std::string_view line) {
        if (line.size() > kMaxLineLength) {
            Error(number, "line is " + std::to_string(line.size()) + " bytes long, more than " +
                              std::to_string(kMaxLineLength));
            return;
        }
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        line = Trim(line);
        if (line.empty()) return;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            Error(number, "expected 'Key = value', found " + Quoted(line));
            return;
        }
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        if (key == kCodecKey) return Codec(number, value);
        const std::optional<std::size_t> index = IndexOfKey(key);
        if (!index) {
            Error(number, "unknown key " + Quoted(key));
            return;
        }
        if (lineOf_[*index] != 0) {
            Error(number, std::string(key) + " is already set on line " + std::to_string(lineOf_[*index]));
            return;
        }
        lineOf_[*index] = number;
        const ParsedValue parsed = ParseEntryValue(*index, value);
        if (!parsed.ok) {
            Error(number, std::string(key) + ": " + parsed.error);
            return;
        }
        d_.working[*index].value = parsed.value;
    }

    // The same rules as a file's check: whatever the dialog could not have
    // produced is refused, naming the line that set it. A max level given
    // without its level first pulls a louder level down, as lowering the
    // limit in the dialog does; given together, the two must agree.
    void Finish() {
        for (std::size_t i = 0; i < kEntryCount; ++i) {
            const EntryMeaning& m = MeaningOf(i);
            const bool limitAlone = m.kind == EntryKind::MaxLevel && lineOf_[i] != 0 && lineOf_[IndexOf(m.level)] == 0;
            if (limitAlone && d_.working[i].value <= kLevelMask)
                StoreMaxLevel(d_.working, i, static_cast<std::uint8_t>(d_.working[i].value));
        }
        for (const ValueFinding& f : CheckWorkingTable(d_.working)) {
            std::size_t line = lineOf_[f.index];
            if (line == 0 && f.related) line = lineOf_[*f.related];
            Error(line, std::string(DefaultEntryTable[f.index].key) + ": " + f.message);
        }
        if (d_.model == CodecModel::Model3) return;
        for (std::size_t i = 0; i < kEntryCount; ++i) {
            const bool dropped = IsModel3Only(i) && lineOf_[i] != 0 &&
                                 d_.working[i].value != DefaultEntryTable[i].value;
            if (dropped)
                d_.notes.push_back({lineOf_[i], std::string(DefaultEntryTable[i].key) +
                                                    " is left out: only QM-3/QM-3A packages carry it"});
        }
    }

private:
    void Codec(std::size_t number, std::string_view value) {
        if (codecLine_ != 0) {
            Error(number, "codec is already set on line " + std::to_string(codecLine_));
            return;
        }
        codecLine_ = number;
        if (const auto model = CodecModelFromCaption(value)) {
            d_.model = *model;
            return;
        }
        Error(number, "unknown codec " + Quoted(value) + ": QM-1/1P, QM-2 or QM-3/QM-3A");
    }

    void Error(std::size_t line, std::string text) {
        if (d_.errors.size() < kMaxErrors) {
            d_.errors.push_back({line, std::move(text)});
        } else if (d_.errors.size() == kMaxErrors) {
            d_.errors.push_back({0, "too many errors; the rest are not listed"});
        }
    }

    Description& d_;
    std::array<std::size_t, kEntryCount> lineOf_{};
    std::size_t codecLine_ = 0;
};

}  // namespace

Description ParseDescription(std::string_view text) {
    Description d;
    Parser parser(d);
    if (text.size() > kMaxDescriptionBytes) {
        d.errors.push_back({0, "the description is " + std::to_string(text.size()) + " bytes long, more than " +
                                   std::to_string(kMaxDescriptionBytes)});
        return d;
    }
    if (const auto binary = FindBinary(text)) {
        d.errors.push_back(*binary);
        return d;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a UTF-8 mark from some editors
    std::size_t number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        parser.Line(number++, text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    if (d.ok()) parser.Finish();
    return d;
}

std::string PrintDescription(const EntryTable& working, bool all) {
    std::string out =
        "# corvaset.dat described in the dialog's terms; \"corvaset-dat make\" rebuilds it.\n"
        "# The file does not record the codec model: QM-3/QM-3A keeps every entry.\n"
        "codec = QM-3/QM-3A\n";
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const bool changed = working[i].value != DefaultEntryTable[i].value;
        if (!changed && !all) continue;
        out += std::string(DefaultEntryTable[i].key) + " = " + EntryValueText(i, working[i].value);
        if (!changed) out += "  # factory value";
        out += '\n';
    }
    return out;
}

}  // namespace custom
