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
template <class Column, std::size_t N>
constexpr auto PerColumn(const Column (&table)[N], int Column::*id, UINT message, UINT code,
                         TableEntry::Handler handler) {
    std::array<TableEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto control = static_cast<UINT>(table[i].*id);
        entries[i] = {message, code, control, control, handler, static_cast<int>(i)};
    }
    return entries;
}

constexpr std::size_t kSwitchCount = static_cast<std::size_t>(
    std::count_if(std::begin(kCheckBoxes), std::end(kCheckBoxes), [](const CheckBox& b) { return b.onClick == OnClick::WritesBack; }));

// The check boxes whose click writes their state back, by index in kCheckBoxes.
constexpr auto SwitchBoxes(TableEntry::Handler handler) {
    std::array<TableEntry, kSwitchCount> entries{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < std::size(kCheckBoxes); ++i) {
        if (kCheckBoxes[i].onClick != OnClick::WritesBack) continue;
        const auto box = static_cast<UINT>(kCheckBoxes[i].box);
        entries[n++] = {WM_COMMAND, BN_CLICKED, box, box, handler, static_cast<int>(i)};
    }
    return entries;
}

}  // namespace

struct MessageTable {
    static constexpr std::array<TableEntry, 17> kWindow = {{
        fw::OnWindowMessage<Dlg>(WM_SYSCOMMAND, &Dlg::OnSysCommand),
        fw::OnWindowMessage<Dlg>(WM_PAINT, &Dlg::OnPaint),
        fw::OnWindowMessage<Dlg>(WM_TIMER, &Dlg::OnTimer),
        fw::OnWindowMessage<Dlg>(WM_QUERYDRAGICON, &Dlg::OnQueryDragIcon),
        fw::OnWindowMessage<Dlg>(WM_VSCROLL, &Dlg::OnVScroll),
        fw::OnWindowMessage<Dlg>(WM_HSCROLL, &Dlg::OnHScroll),
        fw::OnWindowMessage<Dlg>(WM_MOUSEWHEEL, &Dlg::OnMouseWheel),
        fw::OnWindowMessage<Dlg>(WM_DISPLAYCHANGE, &Dlg::OnDisplayChange),
        fw::OnWindowMessage<Dlg>(fw::kDpiChangedMessage, &Dlg::OnDpiChanged),
        fw::OnWindowMessage<Dlg>(WM_DROPFILES, &Dlg::OnDropFiles),
        fw::OnWindowMessage<Dlg>(Dlg::kOpenStartFile, &Dlg::OpenFromStartArguments),
        fw::OnWindowMessage<Dlg>(WM_MOUSEMOVE, &Dlg::OnDialogMouse),
        fw::OnWindowMessage<Dlg>(WM_LBUTTONDOWN, &Dlg::OnDialogMouse),
        // The tooltip asks for a control's text naming the control's window.
        {WM_NOTIFY, TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, &Dlg::OnToolTipText, 0},
        fw::OnCommand<Dlg>(IDC_DEFAULT, BN_CLICKED, &Dlg::OnDefault),
        fw::OnCommandRange<Dlg>(IDC_CODEC_QM1, IDC_CODEC_QM3, BN_CLICKED, &Dlg::OnCodecModel),
        fw::OnCommandRange<Dlg>(IDC_SELECT_MIC, IDC_SELECT_PHONE, BN_CLICKED, &Dlg::OnSelectRecordSource),
    }};

    static constexpr auto kAll = fw::JoinTables<Dlg>(
        kWindow,
        PerColumn(kLevelColumns, &LevelColumn::maxSpin, WM_NOTIFY, UDN_DELTAPOS, &Dlg::OnMaxLevelSpin),
        PerColumn(kWaveColumns, &WaveColumn::maxSpin, WM_NOTIFY, UDN_DELTAPOS, &Dlg::OnWaveLevelSpin),
        PerColumn(kRecordColumns, &RecordColumn::maxSpin, WM_NOTIFY, UDN_DELTAPOS, &Dlg::OnRecordMaxGainSpin),
        SwitchBoxes(&Dlg::OnSwitchBox),
        PerColumn(kDisablingBoxes, &DisablingBox::box, WM_COMMAND, BN_CLICKED, &Dlg::OnDisablingBox));
};

bool CCorvasetDlg::RouteMessage(fw::Message& m) {
    return fw::DispatchMessageTable<Dlg>(*this, std::span(MessageTable::kAll), m);
}
