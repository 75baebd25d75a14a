// Makes a dialog larger than its monitor's work area usable there: the
// window is sized to the work area and its client area scrolls, by the
// scroll bars, the mouse wheel and the keyboard focus. A dialog that fits
// keeps its exact size and gets no scroll bars.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/dialog_template.h"
#include "framework/message_map.h"

namespace fw {

class CDialogScroller {
public:
    CDialogScroller() = default;
    ~CDialogScroller();
    CDialogScroller(const CDialogScroller&) = delete;
    CDialogScroller& operator=(const CDialogScroller&) = delete;

    // Before the dialog exists: takes the template's client size as the
    // whole content, and places every control of the template where the
    // dialog starts scrolled on the primary monitor, with the first control
    // a user can tab to in view, so that none has to move once created.
    void Prepare(DialogTemplate& dialogTemplate);
    // Once the dialog and its controls exist (`controls`, all of them): fits
    // the window into the work area of its monitor, scrolled as prepared.
    void Attach(HWND dialog, const std::vector<HWND>& controls);
    // Keeps a wheel turned over a slider or spin without the focus from
    // changing it (the dialog scrolls instead) and, where the dialog scrolls,
    // keeps the focused control in view from now on, beginning with the one
    // it has.
    void WatchControls();
    // Fits the window into the work area of its monitor, or into `workArea`
    // (screen coordinates).
    void Fit();
    void Fit(const RECT& workArea);

    // The dialog chains this table ahead of its own: the dialog's own scroll
    // bars, the mouse wheel, a new display or DPI.
    bool RouteMessage(Message& m);

    // Scrolls so that `child` lies wholly inside the client area when it can.
    void ScrollIntoView(HWND child);
    bool Scrolls() const { return m_scrollsX || m_scrollsY; }

private:
    void OnScroll(int bar, WORD code);
    // Scrolls when there is something to scroll.
    void OnWheel(short delta);
    // Fits again.
    void OnDisplayChange() { Fit(); }
    // The content grows or shrinks with the controls; the window takes the
    // suggested rectangle and is fitted again.
    void OnDpiChanged(UINT newDpi, const RECT& suggested);
    static LRESULT CALLBACK ChildProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void FitInto(const RECT& workArea);
    void ScrollTo(int x, int y);
    void UpdateBars();
    void WatchFocus();
    void Subclass(HWND child);

    HWND m_hwnd = nullptr;
    std::vector<HWND> m_controls;
    SIZE m_templateSize{};  // dialog units; 0: the client area as created
    POINT m_placed{};       // dialog units the template's controls were placed scrolled by
    SIZE m_content{};  // the whole client area, unscrolled
    POINT m_position{};
    bool m_scrollsX = false;
    bool m_scrollsY = false;
    bool m_watchingFocus = false;
    bool m_watching = false;  // WatchControls has run
    UINT m_dpi = 96;  // of the monitor the window is on
};

}  // namespace fw
