// The settings dialog's controls without text are named from the labels the
// template shows around them: the row label at the left, in the control's
// row, and the column header above its column. The names are built when a
// client asks, from the dialog as it is then.
#include "dialog/accessible_names.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "dialog/columns.h"
#include "framework/accessible_name.h"
#include "framework/wnd.h"

using namespace columns;

namespace {

template <std::size_t N>
bool Lists(const int (&ids)[N], int id) {
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

// A window's rectangle in the coordinates of its parent.
RECT PlaceOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int MiddleX(const RECT& r) { return (r.left + r.right) / 2; }
int MiddleY(const RECT& r) { return (r.top + r.bottom) / 2; }

// A spin stands beside its text and belongs to the same row and column.
HWND SpinText(HWND spin) { return reinterpret_cast<HWND>(::SendMessageW(spin, UDM_GETBUDDY, 0, 0)); }

// "Row label, Column header" for the control, or nothing when the dialog
// shows no such pair of labels around it. The labels are the template's
// static texts without an ID of their own; the value texts have one.
std::wstring NameOf(HWND control) {
    HWND place = control;
    if (Lists(kAllSpins, ::GetDlgCtrlID(control)))
        if (HWND text = SpinText(control)) place = text;
    const RECT at = PlaceOf(place);

    std::optional<RECT> rowLabel, columnHeader;
    std::wstring row, column;
    for (HWND w = ::GetWindow(::GetParent(control), GW_CHILD); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT)) {
        wchar_t kind[16] = L"";
        ::GetClassNameW(w, kind, 16);
        if (static_cast<WORD>(::GetDlgCtrlID(w)) != static_cast<WORD>(IDC_STATIC) || lstrcmpiW(kind, WC_STATICW) != 0)
            continue;
        const RECT label = PlaceOf(w);
        // A row label stands left of the control, level with it; the nearest
        // in height wins, as a tall control reaches into the rows beside.
        if (label.right <= at.left && label.top < at.bottom && label.bottom > at.top &&
            (!rowLabel || std::abs(MiddleY(label) - MiddleY(at)) < std::abs(MiddleY(*rowLabel) - MiddleY(at)))) {
            rowLabel = label;
            row = fw::CWnd(w).GetWindowText();
        }
        // A column header stands above the control, over its middle; the
        // lowest wins, as the recording headers stand below the playback ones.
        if (label.bottom <= at.top && label.left <= MiddleX(at) && MiddleX(at) < label.right &&
            (!columnHeader || label.bottom > columnHeader->bottom)) {
            columnHeader = label;
            column = fw::CWnd(w).GetWindowText();
        }
    }
    if (row.empty() || column.empty()) return {};
    return row + L", " + column;
}

// The text that shows the control's level in dB: a value text's own, a
// spin's text, a live slider's "Default Volume (dB)" text. None for the
// sliders without a level.
HWND LevelTextOf(HWND control) {
    const int id = ::GetDlgCtrlID(control);
    if (Lists(kAllValueTexts, id)) return control;
    if (Lists(kAllSpins, id)) return SpinText(control);
    for (const auto& c : kLevelColumns)
        if (c.slider == id) return ::GetDlgItem(::GetParent(control), c.defaultText);
    return nullptr;
}

// The level with its unit, "-7.5 dB"; empty where the dialog shows none
// ("X", the template's mark of a line without that level).
std::wstring ValueOf(HWND control) {
    HWND text = LevelTextOf(control);
    const std::wstring shown = text != nullptr ? fw::CWnd(text).GetWindowText() : std::wstring();
    if (shown.empty() || (shown[0] != L'+' && shown[0] != L'-')) return {};
    return shown + L" dB";
}

bool Describe(HWND control, fw::AccessibleText which, std::wstring& text) {
    if (which == fw::AccessibleText::Name) {
        text = NameOf(control);
        return !text.empty();
    }
    const int id = ::GetDlgCtrlID(control);
    if (!Lists(kAllSliders, id) && !Lists(kAllSpins, id) && !Lists(kAllValueTexts, id)) return false;
    text = ValueOf(control);
    return true;
}

}  // namespace

void NameControlsWithoutText(HWND dialog) {
    for (int id : kAllSliders) fw::SetAccessibleTextSource(::GetDlgItem(dialog, id), Describe);
    for (int id : kAllSpins) fw::SetAccessibleTextSource(::GetDlgItem(dialog, id), Describe);
    for (int id : kAllValueTexts) fw::SetAccessibleTextSource(::GetDlgItem(dialog, id), Describe);
    // Boxes with a caption keep it as their name.
    auto nameIfBare = [dialog](int id) {
        HWND box = ::GetDlgItem(dialog, id);
        if (::GetWindowTextLengthW(box) == 0) fw::SetAccessibleTextSource(box, Describe);
    };
    for (int id : kAllCheckBoxes) nameIfBare(id);
    for (unsigned source = 0; source < custom::kRecordSources; ++source) nameIfBare(SelectRadioOf(source));
}
