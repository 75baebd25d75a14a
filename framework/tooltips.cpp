#include "framework/tooltips.h"

#include <commctrl.h>
#include <windowsx.h>

namespace fw {
namespace {

// The dialog's own tool; the controls' tools are known by their windows.
constexpr UINT_PTR kDialogTool = 1;

TOOLINFOW ToolOf(HWND dialog, UINT flags, UINT_PTR id) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = flags;
    tool.hwnd = dialog;
    tool.uId = id;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

}  // namespace

bool CToolTips::Create(HWND dialog, const std::vector<HWND>& controls) {
    m_dialog = dialog;
    m_controls = controls;
    m_tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, nullptr, nullptr);
    if (m_tip == nullptr) return false;
    // 320 dialog units hold a line of about 80 characters at any DPI.
    RECT width{0, 0, 320, 0};
    ::MapDialogRect(dialog, &width);
    ::SendMessageW(m_tip, TTM_SETMAXTIPWIDTH, 0, width.right);
    for (HWND control : controls) {
        TOOLINFOW tool = ToolOf(dialog, TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(control));
        ::SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    TOOLINFOW tool = ToolOf(dialog, 0, kDialogTool);
    ::SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

// The tool's rectangle is that of the control under the mouse, so it
// follows the dialog as it scrolls. Moving straight from one such control
// to the next first takes the tool away, so the tip hides and shows again
// with the next control's text.
void CToolTips::RelayDialogMouse(UINT message, WPARAM wp, LPARAM lp) {
    if (m_tip == nullptr) return;
    const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    HWND under = nullptr;
    RECT place{};
    const std::vector<RECT>& places = Places();
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (::PtInRect(&places[i], at) && ::IsWindowVisible(m_controls[i])) {
            under = m_controls[i];
            place = places[i];
            break;
        }
    }
    MSG relayed{m_dialog, message, wp, lp, static_cast<DWORD>(::GetMessageTime()), {}};
    ::GetCursorPos(&relayed.pt);
    if (under != m_under || !::EqualRect(&place, &m_underPlace)) {
        if (m_under != nullptr && under != nullptr) {
            PlaceDialogTool(nullptr, RECT{});
            ::SendMessageW(m_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        }
        PlaceDialogTool(under, place);
    }
    ::SendMessageW(m_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

// The places are read once, and again only when the first control has moved
// (the dialog scrolled or was fitted to another screen).
const std::vector<RECT>& CToolTips::Places() {
    RECT first{};
    if (!m_controls.empty()) ::GetWindowRect(m_controls.front(), &first);
    if (m_places.size() == m_controls.size() && ::EqualRect(&first, &m_firstPlace)) return m_places;
    m_firstPlace = first;
    m_places.assign(m_controls.size(), RECT{});
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        ::GetWindowRect(m_controls[i], &m_places[i]);
        ::MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&m_places[i]), 2);
    }
    return m_places;
}

void CToolTips::PlaceDialogTool(HWND control, const RECT& place) {
    m_under = control;
    m_underPlace = place;
    TOOLINFOW tool = ToolOf(m_dialog, 0, kDialogTool);
    tool.rect = place;
    ::SendMessageW(m_tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND CToolTips::ControlOf(const NMHDR& request) const {
    if (request.idFrom == kDialogTool) return m_under;
    return reinterpret_cast<HWND>(request.idFrom);
}

}  // namespace fw
