// Which handler answers which message, notification and control. The entries
// for the columns are made from the column tables, one per control.
#include <algorithm>
#include <array>
#include <span>

#include "dialog/corvaset_dlg.h"
#include "res/resource.h"

using Dlg = CCorvasetDlg;
using TableEntry = fw::MessageEntry<Dlg>;
using namespace columns;

namespace {

// One entry per column: `id` picks the control, the column's index rides along.
template <auto MakeEntry, class Column, std::size_t N>
constexpr auto PerColumn(const Column (&table)[N], int Column::*id) {
    std::array<TableEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i) entries[i] = MakeEntry(static_cast<UINT>(table[i].*id), static_cast<int>(i));
    return entries;
}

constexpr std::size_t kSwitchCount = static_cast<std::size_t>(
    std::count_if(std::begin(kCheckBoxes), std::end(kCheckBoxes),
                  [](const CheckBox& b) { return b.onClick == OnClick::WritesBack; }));

// The check boxes whose click writes their state back, by index in kCheckBoxes.
template <auto MakeEntry>
constexpr auto SwitchBoxes() {
    std::array<TableEntry, kSwitchCount> entries{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < std::size(kCheckBoxes); ++i) {
        if (kCheckBoxes[i].onClick != OnClick::WritesBack) continue;
        entries[n++] = MakeEntry(static_cast<UINT>(kCheckBoxes[i].box), static_cast<int>(i));
    }
    return entries;
}

using fw::Default;
using fw::Opens;

}  // namespace

struct MessageTable {
    static constexpr std::array<TableEntry, 11> kWindowMessages = {{
        fw::OnId<&Dlg::ShowAbout>(WM_SYSCOMMAND, IDM_ABOUTBOX, Opens::ModalWindow),
        fw::OnId<&Dlg::ChooseAndOpenFile>(WM_SYSCOMMAND, IDM_OPENFILE, Opens::ModalWindow),
        fw::OnId<&Dlg::ChooseAndSaveAs>(WM_SYSCOMMAND, IDM_SAVEAS, Opens::ModalWindow),
        fw::OnId<&Dlg::ShowChanges>(WM_SYSCOMMAND, IDM_CHANGES, Opens::ModalWindow),
        fw::OnMessage<&Dlg::OnPaint>(WM_PAINT, Default::Runs),
        fw::OnId<&Dlg::OnceShown>(WM_TIMER, Dlg::kOnceShownTimer),
        fw::OnMessage<&Dlg::OnQueryDragIcon>(WM_QUERYDRAGICON, Default::Skipped),
        fw::OnDropFiles<&Dlg::OnDropFiles>(Opens::ModalWindow),
        fw::OnMessage<&Dlg::OpenFromStartArguments>(Dlg::kOpenStartFile, Default::Skipped, Opens::ModalWindow),
        fw::WatchMessage<&Dlg::OnDialogMouse>(WM_MOUSEMOVE),
        fw::WatchMessage<&Dlg::OnDialogMouse>(WM_LBUTTONDOWN),
    }};

    static constexpr std::array<TableEntry, 7> kControls = {{
        // The tooltip asks for a control's text naming the control's window.
        fw::OnNotify<&Dlg::OnToolTipText>(fw::kAnyControl, TTN_GETDISPINFOW),
        fw::OnControlScroll<&Dlg::OnSliderMove>(WM_VSCROLL),
        // "Save" shows boxes, and ends the dialog when it has saved.
        fw::OnClicked<&Dlg::OnOK>(IDOK, Opens::ModalWindow),
        fw::OnClickedEnd<Dlg>(IDCANCEL),
        fw::OnClicked<&Dlg::ResetToDefaults>(IDC_DEFAULT),
        fw::OnClickedRange<&Dlg::OnCodecModel>(IDC_CODEC_QM1, IDC_CODEC_QM3),
        fw::OnClickedRange<&Dlg::OnSelectRecordSource>(IDC_SELECT_MIC, IDC_SELECT_PHONE),
    }};

    static constexpr auto kAll = fw::JoinTables<Dlg>(
        kWindowMessages, kControls,
        PerColumn<&fw::OnSpinPress<&Dlg::OnMaxLevelSpin>>(kLevelColumns, &LevelColumn::maxSpin),
        PerColumn<&fw::OnSpinPress<&Dlg::OnWaveLevelSpin>>(kWaveColumns, &WaveColumn::maxSpin),
        PerColumn<&fw::OnSpinPress<&Dlg::OnRecordMaxGainSpin>>(kRecordColumns, &RecordColumn::maxSpin),
        SwitchBoxes<&fw::OnColumnClicked<&Dlg::OnSwitchBox>>(),
        PerColumn<&fw::OnColumnClicked<&Dlg::OnDisablingBox>>(kDisablingBoxes, &DisablingBox::box));
};

// The scroller's table comes first, as its own part of the dialog.
bool CCorvasetDlg::RouteMessage(fw::Message& m) {
    return m_scroller.RouteMessage(m) || fw::DispatchMessageTable<Dlg>(*this, std::span(MessageTable::kAll), m);
}
