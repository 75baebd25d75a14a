#include "dialog/changes_dlg.h"

#include <algorithm>
#include <array>
#include <span>

#include "framework/clipboard.h"
#include "res/resource.h"

CChangesDlg::CChangesDlg(const std::wstring& list) : fw::CDialog(IDD_CHANGES) {
    for (wchar_t c : list) {
        if (c == L'\n') m_list += L'\r';
        m_list += c;
    }
}

namespace {

constexpr wchar_t kNotCopied[] =
    L"The list could not be put on the clipboard: another program may be holding it.\n\nTry Copy again in a moment.";

// A multi-line edit control shows both its scroll bars whenever it has
// them, and takes no scroll bar away once it exists. The edit that `edit`
// should be, with only the scroll bars `text` needs in `font`, made in the
// same place, tab order and ID; `edit` itself when it has just those.
HWND WithScrollBarsAsNeeded(HWND edit, HFONT font, const std::wstring& text) {
    const auto style = static_cast<DWORD>(::GetWindowLongW(edit, GWL_STYLE)) & ~(WS_VSCROLL | WS_HSCROLL);
    const auto exStyle = static_cast<DWORD>(::GetWindowLongW(edit, GWL_EXSTYLE));
    RECT place, frame{}, client, format;
    ::GetWindowRect(edit, &place);
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    ::GetClientRect(edit, &client);
    ::SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    // The room for text without scroll bars: the frame and the edit's own margins off.
    const int width = (place.right - place.left) - (frame.right - frame.left) - (client.right - format.right + format.left);
    const int height = (place.bottom - place.top) - (frame.bottom - frame.top) - (client.bottom - format.bottom + format.top);

    HDC dc = ::GetDC(edit);
    const HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    int widest = 0, lines = 0;
    for (std::size_t at = 0; at < text.size(); ++lines) {
        const std::size_t end = std::min(text.find(L'\r', at), text.size());
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str() + at, static_cast<int>(end - at), &size);
        widest = std::max<int>(widest, size.cx);
        at = end + 2;
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(edit, dc);

    bool vertical = lines * metrics.tmHeight > height;
    const bool horizontal = widest > width - (vertical ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
    if (horizontal) vertical = lines * metrics.tmHeight > height - ::GetSystemMetrics(SM_CYHSCROLL);

    if (vertical && horizontal) return edit;
    const HWND parent = ::GetParent(edit);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    const HWND made = ::CreateWindowExW(
        exStyle, L"EDIT", L"", style | (vertical ? WS_VSCROLL : 0) | (horizontal ? WS_HSCROLL : 0), place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(::GetDlgCtrlID(edit))), ::GetModuleHandleW(nullptr), nullptr);
    if (made == nullptr) return edit;
    ::SetWindowPos(made, edit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return made;
}

}  // namespace

// The list in a fixed-width font, so its columns line up as `corvaset-dat
// show` prints them. It has the focus with nothing selected, so that the
// keys scroll it and nothing looks chosen.
BOOL CChangesDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    const auto font = static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT));
    HWND first = FindItem(IDC_CHANGES_LIST);
    ::SendMessageW(first, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const fw::CWnd list(WithScrollBarsAsNeeded(first, font, m_list));
    if (list.GetSafeHwnd() != first) ReplaceControl(first, list.GetSafeHwnd());
    list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font));
    list.SetWindowText(m_list);
    ::SetFocus(list.GetSafeHwnd());
    list.SendMessage(EM_SETSEL, 0, 0);
    return FALSE;
}

void CChangesDlg::OnCopy() {
    if (!fw::CopyTextToClipboard(m_hWnd, m_list)) MessageBox(kNotCopied, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

struct ChangesMessageTable {
    static constexpr std::array<fw::MessageEntry<CChangesDlg>, 3> kAll = {{
        fw::OnClicked<&CChangesDlg::OnCopy>(IDC_CHANGES_COPY),
        fw::OnClickedEnd<CChangesDlg>(IDOK),
        fw::OnClickedEnd<CChangesDlg>(IDCANCEL),
    }};
};

bool CChangesDlg::RouteMessage(fw::Message& m) {
    return fw::DispatchMessageTable<CChangesDlg>(*this, std::span(ChangesMessageTable::kAll), m);
}
