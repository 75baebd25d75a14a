// Static message tables: from a message, notification code and control ID to
// a member handler. A column number rides along so that one handler can serve
// every control of the same kind.
#pragma once

#include <windows.h>

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

// Matches any notification code of a message.
constexpr UINT kAnyCode = 0xFFFFFFFFu;

template <class T>
struct MessageEntry {
    using Handler = void (T::*)(Message&, int column);
    UINT message;
    UINT code;
    UINT firstId;
    UINT lastId;
    Handler handler;
    int column;
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

// A message not sent by a control (paint, system command, ...).
template <class T>
constexpr MessageEntry<T> OnWindowMessage(UINT message, typename MessageEntry<T>::Handler h) {
    return {message, kAnyCode, 0, 0, h, 0};
}

// Calls the first matching entry. Returns whether one matched.
template <class T>
bool DispatchMessageTable(T& target, std::span<const MessageEntry<T>> table, Message& m) {
    for (const auto& e : table) {
        if (e.message != m.message) continue;
        if (e.code != kAnyCode && e.code != m.code) continue;
        if (m.id < e.firstId || m.id > e.lastId) continue;
        (target.*e.handler)(m, e.column);
        return true;
    }
    return false;
}

// The id and code fields for a raw message.
Message DecodeMessage(UINT message, WPARAM wp, LPARAM lp);

}  // namespace fw
