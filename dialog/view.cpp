// The settings as the controls show them. Every control's state is what the
// model says; the dialog remembers what it last showed and touches only
// what differs, so a click costs a few window calls and start-up none for a
// control that already shows its state.
#include "custom/level_scale.h"
#include "dialog/corvaset_dlg.h"
#include "win32/text.h"

using namespace controls;

namespace {

// A position no control shows: a control remembered with it is set again.
constexpr int kPositionUnknown = -1;

}  // namespace

// The dialog is created with the first texts and greying in its template,
// and its controls where a dialog larger than the screen starts scrolled.
void CCorvasetDlg::PrepareTemplate(fw::DialogTemplate& dialogTemplate) {
    m_scroller.Prepare(dialogTemplate);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Control& c = kControls[i];
        custom::ControlView view = ViewOf(i);
        dialogTemplate.SetItemEnabled(c.id, view.Enabled());
        if (c.kind == Kind::Text && c.shows.shows != custom::Shows::Nothing)
            dialogTemplate.SetItemText(c.id, fw::WidenAscii(view.text));
        // A new window is unchecked and at position 0 until shown otherwise;
        // a radio's tab stop, which the template gives the group's first, is
        // set with its first check.
        view.position = c.kind == Kind::Radio ? kPositionUnknown : 0;
        m_shown[i] = view;
    }
}

// What never changes: the sliders' scale, the spins' ranges and steps.
void CCorvasetDlg::SetUpControls() {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Control& c = kControls[i];
        const HWND w = m_windows[i] = FindItem(c.id);
        if (c.kind == Kind::Slider) {
            ::SendMessageW(w, TBM_SETRANGEMIN, FALSE, custom::kSliderMin);
            ::SendMessageW(w, TBM_SETRANGEMAX, FALSE, custom::kSliderMax);
            ::SendMessageW(w, TBM_SETTICFREQ, kSliderTicFrequency, 0);
            ::SendMessageW(w, TBM_SETPAGESIZE, 0, kSliderPageSize);
        } else if (c.kind == Kind::Spin && c.shows.shows == custom::Shows::Limit) {
            // One step per click from the first moment on; the up arrow
            // moves towards 0, the loudest limit.
            const custom::LimitSpin spin = custom::LimitSpinOf(c.shows.entry);
            const UDACCEL accel{0, static_cast<UINT>(spin.step)};
            ::SendMessageW(w, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
            ::SendMessageW(w, UDM_SETRANGE32, static_cast<WPARAM>(spin.lowest), 0);
        }
    }
}

custom::ControlView CCorvasetDlg::ViewOf(std::size_t index) const {
    custom::ControlView view = m_settings.ViewOf(kControls[index].shows);
    if (kControls[index].kind == Kind::Slider && kControls[index].shows.shows == custom::Shows::Nothing)
        view.position = kSliderMiddle;
    return view;
}

void CCorvasetDlg::ShowSettings() {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Control& c = kControls[i];
        const custom::ControlView now = ViewOf(i);
        custom::ControlView& shown = m_shown[i];
        const HWND w = m_windows[i];
        if (now.Enabled() != shown.Enabled()) ::EnableWindow(w, now.Enabled());
        if (now.position != shown.position) {
            switch (c.kind) {
                case Kind::Box: ::SendMessageW(w, BM_SETCHECK, now.position ? BST_CHECKED : BST_UNCHECKED, 0); break;
                case Kind::Radio: fw::SetRadioCheck(w, now.position != 0); break;
                case Kind::Slider: ::SendMessageW(w, TBM_SETPOS, TRUE, now.position); break;
                case Kind::Spin: ::SendMessageW(w, UDM_SETPOS32, 0, now.position); break;
                case Kind::Text: break;
            }
        }
        if (c.kind == Kind::Text && now.text != shown.text) ::SetWindowTextW(w, fw::WidenAscii(now.text).c_str());
        shown = now;
    }
}

// The control may show what the settings do not (another program clicked
// it, or moved it while a box was up), whatever was last set: it is set
// again, a radio with its whole group, which the system's click changed too.
void CCorvasetDlg::ShowAgain(UINT id) {
    const std::size_t index = IndexOfId(static_cast<int>(id));
    if (index == kControlCount) return;
    const Control& c = kControls[index];
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const bool sameGroup = c.kind == Kind::Radio && kControls[i].kind == Kind::Radio &&
                               kControls[i].shows.shows == c.shows.shows;
        if (i == index || sameGroup) m_shown[i].position = kPositionUnknown;
    }
    ShowSettings();
}
