// The settings dialog's controls without text are named from the labels the
// template shows around them: the row label at the left, in the control's
// row, and the column header above its column. The names are built when a
// client asks, from the dialog as it is then.
#include "dialog/accessible_names.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "dialog/control_table.h"
#include "dialog/corvaset_dlg.h"
#include "framework/accessible_name.h"
#include "framework/wnd.h"
#include "win32/text.h"

using namespace controls;

namespace {

// The kind of control `id`; a label or push button is none of the table's.
std::optional<Kind> KindOf(int id) {
    const std::size_t index = IndexOfId(id);
    if (index == kControlCount) return std::nullopt;
    return kControls[index].kind;
}

// The controls that show a level: their value is that level.
bool ShowsLevel(int id) {
    const auto kind = KindOf(id);
    return kind == Kind::Slider || kind == Kind::Spin || kind == Kind::Text;
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

// The labels found so far for a control at `at`.
struct LabelSearch {
    RECT at;
    HWND row = nullptr;
    RECT rowAt{};
    HWND column = nullptr;
    RECT columnAt{};
};

// The labels are the template's static texts without an ID of their own;
// the value texts have one.
BOOL CALLBACK ConsiderLabel(HWND w, LPARAM lp) {
    auto& s = *reinterpret_cast<LabelSearch*>(lp);
    wchar_t kind[16] = L"";
    ::GetClassNameW(w, kind, 16);
    if (static_cast<WORD>(::GetDlgCtrlID(w)) != static_cast<WORD>(IDC_STATIC) || lstrcmpiW(kind, WC_STATICW) != 0)
        return TRUE;
    const RECT label = PlaceOf(w);
    // A row label stands left of the control, level with it; the nearest in
    // height wins, as a tall control reaches into the rows beside.
    if (label.right <= s.at.left && label.top < s.at.bottom && label.bottom > s.at.top &&
        (s.row == nullptr || std::abs(MiddleY(label) - MiddleY(s.at)) < std::abs(MiddleY(s.rowAt) - MiddleY(s.at)))) {
        s.row = w;
        s.rowAt = label;
    }
    // A column header stands above the control, over its middle; the lowest
    // wins, as the recording headers stand below the playback ones.
    if (label.bottom <= s.at.top && label.left <= MiddleX(s.at) && MiddleX(s.at) < label.right &&
        (s.column == nullptr || label.bottom > s.columnAt.bottom)) {
        s.column = w;
        s.columnAt = label;
    }
    return TRUE;
}

// "Row label, Column header" for the control, or nothing when the dialog
// shows no such pair of labels around it.
std::wstring NameOf(HWND control) {
    HWND place = control;
    if (KindOf(::GetDlgCtrlID(control)) == Kind::Spin)
        if (HWND text = SpinText(control)) place = text;
    LabelSearch search{PlaceOf(place)};
    ::EnumChildWindows(::GetParent(control), ConsiderLabel, reinterpret_cast<LPARAM>(&search));
    if (search.row == nullptr || search.column == nullptr) return {};
    return fw::CWnd(search.row).GetWindowText() + L", " + fw::CWnd(search.column).GetWindowText();
}

// The level a control shows, with its unit ("-7.5 dB"), as the settings
// are now; empty for a control of a setting the driver lacks.
std::wstring ValueOf(const CCorvasetDlg& dialog, HWND control) {
    const std::size_t index = IndexOfId(::GetDlgCtrlID(control));
    if (index == kControlCount) return {};
    const std::string text = dialog.Settings().ViewOf(kControls[index].shows).text;
    return text.empty() ? std::wstring() : fw::WidenAscii(text) + L" dB";
}

// A control with a caption keeps it as its name.
bool HasCaption(HWND control) { return ::GetWindowTextLengthW(control) != 0 && !ShowsLevel(::GetDlgCtrlID(control)); }

bool AccessibleTextOf(HWND control, fw::AccessibleText which, std::wstring& text) {
    const auto* dialog = static_cast<const CCorvasetDlg*>(fw::CDialog::FromHandle(::GetParent(control)));
    if (dialog == nullptr) return false;
    if (which == fw::AccessibleText::Description) {
        text = dialog->HelpTextOf(control);
        return true;
    }
    if (HasCaption(control)) return false;
    if (which == fw::AccessibleText::Name) {
        text = NameOf(control);
        return !text.empty();
    }
    if (!ShowsLevel(::GetDlgCtrlID(control))) return false;
    text = ValueOf(*dialog, control);
    return true;
}

void NameIfWithoutText(HWND control) {
    const int id = ::GetDlgCtrlID(control);
    if (ShowsLevel(id) || CCorvasetDlg::HasHelpText(id)) fw::SetAccessibleTextSource(control, AccessibleTextOf);
}

}  // namespace

void NameControlsWithoutText(const std::vector<HWND>& controls) {
    for (HWND control : controls) NameIfWithoutText(control);
}
