#include "dialog/corvaset_dlg.h"
#include "dialog/accessible_names.h"
#include "dialog/changes_dlg.h"
#include "framework/keyboard.h"
#include "framework/shell.h"
#include "framework/startup_trace.h"
#include "win32/text.h"


#include "res/resource.h"


CCorvasetDlg::CCorvasetDlg(ShowAboutBox showAbout)
    : fw::CDialog(IDD_CORVASET_DIALOG),
      m_showAbout(showAbout),
      m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

BOOL CCorvasetDlg::OnInitDialog() {
    fw::StartupStep("controls-listed");
    fw::CDialog::OnInitDialog();
    fw::StartupStep("controls-bound");

    if (HMENU sysMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        wchar_t about[64] = L"";
        wchar_t file[64] = L"";
        if (::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, 64) > 0) {
            ::AppendMenuW(sysMenu, MF_SEPARATOR, 0, nullptr);
            static constexpr struct { UINT command, text; } kItems[] = {
                {IDM_OPENFILE, IDS_OPENFILE}, {IDM_SAVEAS, IDS_SAVEAS}, {IDM_CHANGES, IDS_CHANGES}};
            for (const auto& item : kItems)
                if (::LoadStringW(::GetModuleHandleW(nullptr), item.text, file, 64) > 0)
                    ::AppendMenuW(sysMenu, MF_STRING, item.command, file);
            ::AppendMenuW(sysMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    fw::AcceptDroppedFiles(m_hWnd);
    m_caption = GetWindowText();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    fw::StartupStep("menu-icons");
    // The template came with the texts and greying; the checks and
    // positions follow.
    SetUpControls();
    ShowSettings();
    fw::StartupStep("shown");
    // A dialog larger than the work area is sized to it and scrolls.
    m_scroller.Attach(m_hWnd, Controls());
    fw::StartupStep("fitted");
    // The first control takes the focus as the dialog manager would give it,
    // brought into view while the dialog is hidden, so that nothing moves
    // once it shows.
    const HWND first = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (first != nullptr) {
        m_scroller.ScrollIntoView(first);
        ::SetFocus(first);
    }
    fw::StartupStep("scrolled");
    // Watching the controls, naming them and serving their keys subclasses
    // them, which slows every message they get (done at start, the dialog
    // took about 15 % longer to show and paint): it waits for this timer,
    // whose message comes after the first paint.
    ::SetTimer(m_hWnd, kOnceShownTimer, 0, nullptr);
    // Any box about the start file shows over the dialog once it is on screen.
    if (!m_startArguments.empty()) ::PostMessageW(m_hWnd, kOpenStartFile, 0, 0);
    fw::StartupStep("init-dialog-done");
    return first == nullptr;
}

void CCorvasetDlg::OnceShown() {
    ::KillTimer(m_hWnd, kOnceShownTimer);
    m_scroller.WatchControls();
    NameControlsWithoutText(Controls());
    for (HWND control : Controls()) fw::ServeKeyboard(control);
    ExplainControls();
}

void CCorvasetDlg::ShowChanges() {
    WhileModal([this] { CChangesDlg(fw::WidenAscii(m_settings.ChangesList())).DoModal(m_hWnd); });
}

void CCorvasetDlg::ShowAbout() {
    if (m_showAbout != nullptr) WhileModal([this] { m_showAbout(m_hWnd); });
}

// Only the icon of a minimized dialog is painted here; the default painting
// that follows finds nothing left to paint then.
void CCorvasetDlg::OnPaint() {
    fw::StartupStep("first-paint");
    if (!IsIconic()) return;
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    const int cx = ::GetSystemMetrics(SM_CXICON);
    const int cy = ::GetSystemMetrics(SM_CYICON);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - cx + 1) / 2;
    const int y = (client.bottom - client.top - cy + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}
