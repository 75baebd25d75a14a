// Which handler answers which message, notification and control. The entries
// for the boxes and spins are made from the control table, one per control.
#include <algorithm>
#include <array>
#include <span>

#include "dialog/corvaset_dlg.h"
#include "res/resource.h"

using Dlg = CCorvasetDlg;
using TableEntry = fw::MessageEntry<Dlg>;
using namespace controls;

namespace {

// Whether a control of the table has a handler of `kind`: every box (the
// model refuses what a box cannot change) and the spins of a limit.
constexpr bool Handled(const Control& c, Kind kind) {
    return c.kind == kind && (kind == Kind::Box || c.shows.shows == custom::Shows::Limit);
}

// One entry per control of `kind`.
template <Kind kind, auto MakeEntry>
constexpr auto PerControl() {
    constexpr std::size_t n = static_cast<std::size_t>(
        std::count_if(std::begin(kControls), std::end(kControls), [](const Control& c) { return Handled(c, kind); }));
    std::array<TableEntry, n> entries{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (Handled(kControls[i], kind)) entries[at++] = MakeEntry(static_cast<UINT>(kControls[i].id));
    return entries;
}

using fw::Default;
using fw::Acts;

}  // namespace

struct MessageTable {
    static constexpr std::array<TableEntry, 11> kWindowMessages = {{
        fw::OnId<&Dlg::ShowAbout>(WM_SYSCOMMAND, IDM_ABOUTBOX, Acts::OpensModalWindow),
        fw::OnId<&Dlg::ChooseAndOpenFile>(WM_SYSCOMMAND, IDM_OPENFILE, Acts::OpensModalWindow),
        fw::OnId<&Dlg::ChooseAndSaveAs>(WM_SYSCOMMAND, IDM_SAVEAS, Acts::OpensModalWindow),
        fw::OnId<&Dlg::ShowChanges>(WM_SYSCOMMAND, IDM_CHANGES, Acts::OpensModalWindow),
        fw::OnMessage<&Dlg::OnPaint>(WM_PAINT, Default::Runs),
        fw::OnId<&Dlg::OnceShown>(WM_TIMER, Dlg::kOnceShownTimer),
        fw::OnMessage<&Dlg::OnQueryDragIcon>(WM_QUERYDRAGICON, Default::Skipped),
        fw::OnDropFiles<&Dlg::OnDropFiles>(Acts::OpensModalWindow),
        fw::OnMessage<&Dlg::OpenFromStartArguments>(Dlg::kOpenStartFile, Default::Skipped, Acts::OpensModalWindow),
        fw::WatchMessage<&Dlg::OnDialogMouse>(WM_MOUSEMOVE),
        fw::WatchMessage<&Dlg::OnDialogMouse>(WM_LBUTTONDOWN),
    }};

    static constexpr std::array<TableEntry, 7> kSettings = {{
        // The tooltip asks for a control's text naming the control's window.
        fw::OnNotify<&Dlg::OnToolTipText>(fw::kAnyControl, TTN_GETDISPINFOW),
        fw::OnControlScroll<&Dlg::OnSliderMove>(WM_VSCROLL, Acts::ChangesState),
        // "Save" shows boxes, and ends the dialog when it has saved.
        fw::OnClicked<&Dlg::OnOK>(IDOK, Acts::OpensModalWindow),
        fw::OnClickedEnd<Dlg>(IDCANCEL),
        fw::OnClicked<&Dlg::ResetToDefaults>(IDC_DEFAULT, Acts::ChangesState),
        fw::OnClickedRange<&Dlg::OnRadio>(IDC_CODEC_QM1, IDC_CODEC_QM3, Acts::ChangesState),
        fw::OnClickedRange<&Dlg::OnRadio>(IDC_SELECT_MIC, IDC_SELECT_PHONE, Acts::ChangesState),
    }};

    static constexpr auto kAll = fw::JoinTables<Dlg>(
        kWindowMessages, kSettings,
        PerControl<Kind::Spin, [](UINT id) { return fw::OnSpinPress<&Dlg::OnSpin>(id, Acts::ChangesState); }>(),
        PerControl<Kind::Box, [](UINT id) { return fw::OnClickedRange<&Dlg::OnBox>(id, id, Acts::ChangesState); }>());
};

// The scroller's table comes first, as its own part of the dialog.
bool CCorvasetDlg::RouteMessage(fw::Message& m) {
    return m_scroller.RouteMessage(m) || fw::DispatchMessageTable<Dlg>(*this, std::span(MessageTable::kAll), m);
}
