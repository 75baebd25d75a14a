// Static message tables: from a message, notification code and control ID to
// a member handler. A column number rides along so that one handler can serve
// every control of the same kind.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace fw {

// One window message as a handler sees it.
struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;     // the control that sent it (command, notify, scroll), else 0
    UINT code;   // its notification code, else 0
    LRESULT result = 0;
    bool handled = true;  // a handler clears it to let the default handling run
};

// How an entry compares notification codes. Every UINT is some message's
// real code (0xFFFFFFFF is NM_OUTOFMEMORY), so "any code" cannot be a value
// of the code field itself.
enum class CodeMatch : unsigned char {
    Exact,  // only the entry's code
    Any,    // every code; the entry's code is not looked at
};

template <class T>
struct MessageEntry {
    using Handler = void (T::*)(Message&, int column);
    UINT message;
    UINT code;
    UINT firstId;
    UINT lastId;
    Handler handler;
    int column;
    CodeMatch codeMatch = CodeMatch::Exact;
};

template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, UINT code, typename MessageEntry<T>::Handler h, int column = 0) {
    return {WM_COMMAND, code, id, id, h, column};
}

template <class T>
constexpr MessageEntry<T> OnCommandRange(UINT first, UINT last, UINT code, typename MessageEntry<T>::Handler h) {
    return {WM_COMMAND, code, first, last, h, 0};
}

template <class T>
constexpr MessageEntry<T> OnNotify(UINT id, UINT code, typename MessageEntry<T>::Handler h, int column = 0) {
    return {WM_NOTIFY, code, id, id, h, column};
}

// A message for the window itself (paint, system command), or from any of
// its controls (scroll messages): the handler looks at the sender.
template <class T>
constexpr MessageEntry<T> OnWindowMessage(UINT message, typename MessageEntry<T>::Handler h) {
    return {message, 0, 0, 0xFFFFFFFFu, h, 0, CodeMatch::Any};
}

// Calls the first matching entry. Returns whether one matched.
template <class T>
bool DispatchMessageTable(T& target, std::span<const MessageEntry<T>> table, Message& m) {
    for (const auto& e : table) {
        if (e.message != m.message) continue;
        if (e.codeMatch == CodeMatch::Exact && e.code != m.code) continue;
        if (m.id < e.firstId || m.id > e.lastId) continue;
        (target.*e.handler)(m, e.column);
        return true;
    }
    return false;
}

// WM_DPICHANGED, which the headers declare only for Windows 8.1 and later.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The id and code fields for a raw message. A notification whose header
// cannot be read is decoded with id and code 0, so that no entry takes it.
Message DecodeMessage(UINT message, WPARAM wp, LPARAM lp);

// Whether `size` bytes at `p` can be read: a notification's lParam is a
// pointer that another program may have forged.
bool IsReadable(const void* p, std::size_t size);

// Whether the handle or pointer a message carries is what the message says
// it is. Any process can post a drop or a DPI change to the dialog, with a
// handle into the program's image or a rectangle nowhere; such a message is
// dropped before a handler sees it. Messages that carry neither pass.
bool HasSoundArguments(UINT message, WPARAM wp, LPARAM lp);

// The notification record of a WM_NOTIFY message, or null if it is not readable.
template <class Record>
const Record* NotifyRecord(const Message& m) {
    const auto* record = reinterpret_cast<const Record*>(m.lParam);
    return m.message == WM_NOTIFY && IsReadable(record, sizeof(Record)) ? record : nullptr;
}

// Joins message tables made of parts into one constant table.
template <class T, std::size_t... N>
constexpr auto JoinTables(const std::array<MessageEntry<T>, N>&... tables) {
    std::array<MessageEntry<T>, (N + ...)> joined{};
    std::size_t at = 0;
    ((std::copy(tables.begin(), tables.end(), joined.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return joined;
}

}  // namespace fw
