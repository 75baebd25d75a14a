#include "framework/dialog_template.h"

namespace fw {
namespace {

static_assert(sizeof(wchar_t) == sizeof(WORD));

// Word counts of DLGTEMPLATEEX's fixed header and of DLGITEMTEMPLATEEX's
// fixed part (help ID, extended style, style, x, y, cx, cy, ID).
constexpr std::size_t kHeaderWords = 13;
constexpr std::size_t kItemWords = 12;
constexpr std::size_t kItemStyleHigh = 5;  // WS_DISABLED is in the style's high word
constexpr std::size_t kItemX = 6;           // then y, cx, cy
constexpr std::size_t kItemId = 10;

// Past a string or ordinal field ("sz_Or_Ord") starting at `at`; 0 when it
// runs past the end.
std::size_t SkipField(const std::wstring& w, std::size_t at) {
    if (at == 0 || at >= w.size()) return 0;
    if (w[at] == 0xFFFF) return at + 2 <= w.size() ? at + 2 : 0;
    at = w.find(L'\0', at);
    return at != std::wstring::npos ? at + 1 : 0;
}

// The program's dialog template `id` and its length in words; null when
// there is none.
const wchar_t* FindTemplate(UINT id, std::size_t& words) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    const void* data = found ? ::LockResource(::LoadResource(module, found)) : nullptr;
    words = data != nullptr ? ::SizeofResource(module, found) / sizeof(WORD) : 0;
    return static_cast<const wchar_t*>(data);
}

// DLGTEMPLATEEX starts with version 1 and 0xFFFF.
bool IsExtended(const wchar_t* words, std::size_t count) {
    return count >= kHeaderWords && words[0] == 1 && words[1] == 0xFFFF;
}

}  // namespace

DialogTemplate::DialogTemplate(UINT id) {
    std::size_t count = 0;
    const wchar_t* data = FindTemplate(id, count);
    m_resource = reinterpret_cast<const DLGTEMPLATE*>(data);
    if (data == nullptr) return;
    m_words.assign(data, count);

    const std::wstring& w = m_words;
    const bool extended = IsExtended(data, count);
    std::size_t at = SkipField(w, extended ? kHeaderWords : 0);       // menu
    at = SkipField(w, SkipField(w, at));                              // window class, caption
    if (at != 0 && (w[6] & DS_SETFONT) != 0) {
        m_fontAt = at;
        at = SkipField(w, at + 3);  // size, weight, italic, charset, face
    }
    m_headerEnd = at;
    m_itemCount = at != 0 ? w[8] : 0;
    Item item{0, 0, 0, at};
    for (unsigned n = 0; n < m_itemCount && at != 0; ++n) at = ReadItem(item.end, item) ? item.end : 0;
    if (at == 0) m_words.clear();
}

bool DialogTemplate::ReadItem(std::size_t at, Item& item) const {
    const std::wstring& w = m_words;
    item.start = (at + 1) & ~std::size_t{1};  // each control starts on a DWORD
    item.titleAt = SkipField(w, item.start + kItemWords);
    item.titleEnd = SkipField(w, item.titleAt);
    if (item.titleEnd == 0 || item.titleEnd >= w.size()) return false;
    item.end = item.titleEnd + 1 + (w[item.titleEnd] + 1u) / 2;  // creation data: its size in bytes, the bytes
    return item.end <= w.size();
}

bool DialogTemplate::FindItem(int id, Item& item) const {
    item.end = m_headerEnd;
    for (unsigned n = 0; n < m_itemCount && ReadItem(item.end, item); ++n) {
        const std::size_t at = item.start + kItemId;
        if (static_cast<int>(m_words[at] | (m_words[at + 1] << 16)) == id) return true;
    }
    return false;
}

void DialogTemplate::SetItemEnabled(int id, bool enabled) {
    constexpr wchar_t disabled = WS_DISABLED >> 16;
    if (Item item; FindItem(id, item)) {
        wchar_t& style = m_words[item.start + kItemStyleHigh];
        style = static_cast<wchar_t>(enabled ? style & ~disabled : style | disabled);
    }
}

std::optional<DialogTemplate::Layout> DialogTemplate::LayoutOf() const {
    if (m_words.empty() || m_fontAt == 0) return std::nullopt;
    const std::wstring& w = m_words;
    const auto dword = [&w](std::size_t at) { return static_cast<DWORD>(w[at] | (w[at + 1] << 16)); };
    Layout layout{dword(6), dword(4), {static_cast<short>(w[11]), static_cast<short>(w[12])},
                  w[m_fontAt], w[m_fontAt + 1], (w[m_fontAt + 2] & 0xFF) != 0,
                  std::wstring(w.c_str() + m_fontAt + 3), {}};
    Item item{0, 0, 0, m_headerEnd};
    for (unsigned n = 0; n < m_itemCount && ReadItem(item.end, item); ++n) {
        if ((dword(item.start + 4) & (WS_TABSTOP | WS_DISABLED)) != WS_TABSTOP) continue;
        const auto at = [&](std::size_t i) { return static_cast<LONG>(static_cast<short>(w[item.start + kItemX + i])); };
        layout.firstTabStop = {at(0), at(1), at(0) + at(2), at(1) + at(3)};
        break;
    }
    return layout;
}

void DialogTemplate::MoveItems(int dx, int dy) {
    Item item{0, 0, 0, m_headerEnd};
    for (unsigned n = 0; n < m_itemCount && ReadItem(item.end, item); ++n) {
        wchar_t* place = &m_words[item.start + kItemX];
        place[0] = static_cast<wchar_t>(static_cast<short>(place[0]) + dx);
        place[1] = static_cast<wchar_t>(static_cast<short>(place[1]) + dy);
    }
}

void DialogTemplate::SetItemText(int id, const std::wstring& text) {
    if (Item item; FindItem(id, item)) {
        m_newTextAt.push_back(item.start);
        m_newTextAt.push_back(m_newTexts.size());
        m_newTexts.append(text.c_str(), text.size() + 1);
    }
}

const DLGTEMPLATE* DialogTemplate::Data() {
    if (m_words.empty()) return m_resource;
    m_built.assign(m_words, 0, m_headerEnd);
    Item item{0, 0, 0, m_headerEnd};
    for (unsigned n = 0; n < m_itemCount && ReadItem(item.end, item); ++n) {
        m_built.resize(m_built.size() + m_built.size() % 2);  // each control starts on a DWORD
        // The last text set for this control, if any.
        std::size_t text = m_newTexts.size();
        for (std::size_t i = 0; i < m_newTextAt.size(); i += 2)
            if (m_newTextAt[i] == item.start) text = m_newTextAt[i + 1];
        if (text == m_newTexts.size()) {
            m_built.append(m_words, item.start, item.end - item.start);
            continue;
        }
        m_built.append(m_words, item.start, item.titleAt - item.start);
        m_built.append(m_newTexts, text, m_newTexts.find(L'\0', text) + 1 - text);
        m_built.append(m_words, item.titleEnd, item.end - item.titleEnd);
    }
    return reinterpret_cast<const DLGTEMPLATE*>(m_built.data());
}

}  // namespace fw
