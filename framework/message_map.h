// Static message tables: from a message, notification code and control ID to
// a typed member handler. Each entry kind takes its message apart into the
// handler's own arguments, and checks the ones any process could forge (a
// pointer, a handle, a DPI) first: no handler sees a bad one. A handler of
// a group of controls is handed the ID that fired and finds what it needs.
// Every kind answers through one path (crack::Answer), which does what the
// entry says: whether it is refused while a modal window the dialog opened
// is up, and whether the system's default handling runs as well.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "win32/memory.h"

namespace fw {

// One window message as the dialog decoded it, and the answer to it.
struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;     // the control that sent it (command, notify, scroll), else 0
    UINT code;   // its notification code, else 0
    LRESULT result = 0;
    bool handled = true;  // false lets the default handling run
    // The dialog turned the message away: a control it names may have
    // changed itself (a button its check, a trackbar its thumb) for nothing.
    bool refused = false;
};

// How an entry compares notification codes. Every UINT is some message's
// real code (0xFFFFFFFF is NM_OUTOFMEMORY), so "any code" cannot be a value
// of the code field itself.
enum class CodeMatch : unsigned char {
    Exact,  // only the entry's code
    Any,    // every code; the entry's code is not looked at
};

// What the handler does beyond looking. While a modal window the dialog
// opened is up, messages still reach the dialog, posted by any process; an
// entry that does more than look refuses them then. State changed under the
// window would no longer be what the window asks about (a "Replace it?"
// answered for edits that are gone); a second modal window would enable the
// dialog again when it closed, under the first; an ended dialog would
// vanish from under the first.
enum class Acts : unsigned char {
    Looks,             // paints, explains, scrolls the view: runs whenever asked
    ChangesState,      // changes what the dialog edits
    OpensModalWindow,  // opens a modal window or ends the dialog
};

// Whether the system's default handling of the message runs after the
// handler: skipped when the handler answers the message, run when the
// handler only looks at it on its way.
enum class Default : unsigned char { Skipped, Runs };

template <class T>
struct MessageEntry {
    // Takes the message apart and calls the handler. False: the entry does
    // not take this message after all (another timer, another system
    // command), and the next entry is tried.
    using Call = bool (*)(T&, Message&, const MessageEntry&);
    UINT message;
    UINT code;
    UINT firstId;
    UINT lastId;
    Call call;
    CodeMatch codeMatch = CodeMatch::Exact;
    Acts acts = Acts::Looks;
    Default defaults = Default::Skipped;
};

// Calls the first matching entry that takes the message. Returns whether one did.
template <class T>
bool DispatchMessageTable(T& target, std::span<const MessageEntry<T>> table, Message& m) {
    for (const auto& e : table) {
        if (e.message != m.message) continue;
        if (e.codeMatch == CodeMatch::Exact && e.code != m.code) continue;
        if (m.id < e.firstId || m.id > e.lastId) continue;
        if (e.call(target, m, e)) return true;
    }
    return false;
}

// WM_DPICHANGED, which the headers declare only for Windows 8.1 and later.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The id and code fields for a raw message. A notification whose header
// cannot be read is decoded with id and code 0, so that no entry takes it.
Message DecodeMessage(UINT message, WPARAM wp, LPARAM lp);

// The rectangle a WM_DPICHANGED suggests, or null when its DPI is not one a
// monitor can have (a forged one would shrink the dialog to nothing or park
// its controls in the far corner) or the rectangle cannot be read.
const RECT* SuggestedDpiRect(WPARAM wp, LPARAM lp);

// The files a WM_DROPFILES carries, with the drop released; nothing when the
// handle is not a drop of this process (one forged into the program's image).
std::optional<std::vector<std::wstring>> TakeDrop(WPARAM wp);

namespace crack {

template <class>
struct Handler;
template <class T, class R, class... A>
struct Handler<R (T::*)(A...)> {
    using Class = T;
    using First = std::tuple_element_t<0, std::tuple<A..., void>>;
};
template <class T, class R, class... A>
struct Handler<R (T::*)(A...) const> : Handler<R (T::*)(A...)> {};
template <auto H>
using ClassOf = typename Handler<decltype(H)>::Class;

template <class T>
bool ModalWindowUp(const T& target) {
    if constexpr (requires { target.ModalWindowUp(); })
        return target.ModalWindowUp();
    else
        return false;
}

// The one way every entry kind answers, with the arguments it took from the
// message: a message the dialog refused, or one an entry that does more
// than look takes while a modal window is up, is refused with the result
// the entry kind set (a spin's press: no move); otherwise the handler runs,
// a handle it returns is the message's result, and the entry says whether
// the default handling runs.
template <auto H, class T, class... A>
bool Answer(T& target, Message& m, const MessageEntry<T>& e, A&&... args) {
    if (m.refused || (e.acts != Acts::Looks && ModalWindowUp(target))) {
        m.refused = true;
        return true;
    }
    m.handled = e.defaults == Default::Skipped;
    if constexpr (std::is_void_v<decltype((target.*H)(std::forward<A>(args)...))>)
        (target.*H)(std::forward<A>(args)...);
    else
        m.result = reinterpret_cast<LRESULT>((target.*H)(std::forward<A>(args)...));
    return true;
}

template <auto H, class T>
bool CallWithNoArguments(T& target, Message& m, const MessageEntry<T>& e) {
    return Answer<H>(target, m, e);
}

constexpr UINT kAnyId = 0xFFFFFFFFu;

}  // namespace crack

// ---- The window's own messages, whoever sends them ----

// H(): paint, a display change, a message of the program's own; the entry
// says whether the default handling runs as well.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnMessage(UINT message, Default defaults, Acts acts = Acts::Looks) {
    return {message, 0, 0, crack::kAnyId, crack::CallWithNoArguments<H, T>, CodeMatch::Any, acts, defaults};
}

// H(message, wParam, lParam) sees the message go by; the default handling runs as well.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> WatchMessage(UINT message) {
    return {message, 0, 0, crack::kAnyId,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                return crack::Answer<H>(t, m, e, m.message, m.wParam, m.lParam);
            },
            CodeMatch::Any, Acts::Looks, Default::Runs};
}

// H() for one system-menu command (WM_SYSCOMMAND) or one of the window's
// timers (WM_TIMER), `id`; the other commands and timers go on to the
// default handling.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnId(UINT message, UINT id, Acts acts = Acts::Looks) {
    return {message, 0, id, id, crack::CallWithNoArguments<H, T>, CodeMatch::Any, acts};
}

// H(bar, code) for the window's own scroll bar: WM_VSCROLL (bar SB_VERT) or
// WM_HSCROLL (SB_HORZ).
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnOwnScroll(UINT message) {
    return {message, 0, 0, 0,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                const int bar = m.message == WM_VSCROLL ? SB_VERT : SB_HORZ;
                return m.lParam == 0 && crack::Answer<H>(t, m, e, bar, LOWORD(m.wParam));
            },
            CodeMatch::Any};
}

// H(control, code) for a scroll message from a control (a trackbar); the
// default handling runs as well.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnControlScroll(UINT message, Acts acts = Acts::Looks) {
    return {message, 0, 0, crack::kAnyId,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                return m.lParam != 0 && crack::Answer<H>(t, m, e, reinterpret_cast<HWND>(m.lParam), LOWORD(m.wParam));
            },
            CodeMatch::Any, acts, Default::Runs};
}

// H(delta) for the mouse wheel.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnMouseWheel() {
    return {WM_MOUSEWHEEL, 0, 0, crack::kAnyId,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                return crack::Answer<H>(t, m, e, static_cast<short>(HIWORD(m.wParam)));
            },
            CodeMatch::Any};
}

// H(dpi, suggested) for a DPI a monitor can have and a readable rectangle;
// any other WM_DPICHANGED is dropped.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnDpiChanged() {
    return {kDpiChangedMessage, 0, 0, crack::kAnyId,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                const RECT* suggested = SuggestedDpiRect(m.wParam, m.lParam);
                return suggested == nullptr || crack::Answer<H>(t, m, e, UINT{HIWORD(m.wParam)}, *suggested);
            },
            CodeMatch::Any};
}

// H(files) for a drop of this process's; a forged handle is dropped unread.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnDropFiles(Acts acts = Acts::Looks) {
    return {WM_DROPFILES, 0, 0, crack::kAnyId,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                const auto files = TakeDrop(m.wParam);
                return !files || crack::Answer<H>(t, m, e, *files);
            },
            CodeMatch::Any, acts};
}

// ---- Commands and notifications from the controls ----

// H() for a click on button `id`.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnClicked(UINT id, Acts acts = Acts::Looks) {
    return {WM_COMMAND, BN_CLICKED, id, id, crack::CallWithNoArguments<H, T>, CodeMatch::Exact, acts};
}

// A click on button `id` (OK, Cancel; Enter, Escape and the close box send
// them too) ends the dialog with `id` as its result, but not while a modal
// window the dialog opened is up: it would end under that window.
template <class T>
constexpr MessageEntry<T> OnClickedEnd(UINT id) {
    return {WM_COMMAND, BN_CLICKED, id, id,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                return crack::Answer<&T::EndDialog>(t, m, e, static_cast<int>(m.id));
            },
            CodeMatch::Exact, Acts::OpensModalWindow};
}

// H(id) for a click on any button from `first` to `last`.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnClickedRange(UINT first, UINT last, Acts acts = Acts::Looks) {
    return {WM_COMMAND, BN_CLICKED, first, last,
            [](T& t, Message& m, const MessageEntry<T>& e) { return crack::Answer<H>(t, m, e, m.id); },
            CodeMatch::Exact, acts};
}

// H(record) for notification `code` from control `id` (kAnyControl: from
// any). The record's type is the handler's parameter; a record that cannot
// be read (or, when the handler fills it in, written) is dropped.
constexpr UINT kAnyControl = crack::kAnyId;
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnNotify(UINT id, UINT code) {
    return {WM_NOTIFY, code, id == kAnyControl ? 0 : id, id, [](T& t, Message& m, const MessageEntry<T>& e) {
                using Record = std::remove_reference_t<typename crack::Handler<decltype(H)>::First>;
                auto* record = reinterpret_cast<Record*>(m.lParam);
                const bool sound = std::is_const_v<Record>
                                       ? IsReadable(record, sizeof(Record))
                                       : IsWritable(const_cast<std::remove_const_t<Record>*>(record), sizeof(Record));
                return !sound || crack::Answer<H>(t, m, e, *record);
            }};
}

// H(delta, id) for a press on the spin `id`. The handler moves the up-down
// itself: the control's own move is refused, so that it cannot step a
// second time, nor step at all when the entry refuses the press.
template <auto H, class T = crack::ClassOf<H>>
constexpr MessageEntry<T> OnSpinPress(UINT id, Acts acts = Acts::Looks) {
    return {WM_NOTIFY, UDN_DELTAPOS, id, id,
            [](T& t, Message& m, const MessageEntry<T>& e) {
                m.result = 1;
                const auto* press = reinterpret_cast<const NMUPDOWN*>(m.lParam);
                return !IsReadable(press, sizeof(NMUPDOWN)) || crack::Answer<H>(t, m, e, press->iDelta, m.id);
            },
            CodeMatch::Exact, acts};
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
