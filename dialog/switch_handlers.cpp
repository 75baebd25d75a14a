// The "Mute", feature and "Disable" check boxes.
#include "dialog/corvaset_dlg.h"

using namespace columns;

bool CCorvasetDlg::IsTicked(int box) { return m_boxes[box].GetCheck() == BST_CHECKED; }

// A box that writes one bit of a register image or one switch.
void CCorvasetDlg::OnSwitchBox(int index) {
    const auto& box = kCheckBoxes[index];
    auto& entry = m_working[box.entry];
    const bool ticked = IsTicked(box.box);
    if (box.shows == Shows::Switch)
        custom::StoreByte(entry, ticked ? 1 : 0);
    else
        custom::StoreBit(entry, box.bit, box.shows == Shows::Bit ? ticked : !ticked);
}

// A box that greys controls while ticked. Ticking a "Disable Line" box of a
// line that can be recorded also moves the recording source off it: the
// driver must not record from a line it has disabled.
void CCorvasetDlg::OnDisablingBox(int index) {
    const auto& line = kDisablingBoxes[index];
    const bool ticked = IsTicked(line.box);
    custom::StoreByte(m_working[line.flag], ticked ? 1 : 0);
    if (ticked && SelectRadioOfLine(line) != 0) {
        SelectRecordSource(custom::kStereoMix);
        ShowRecordSource();
    }
    ShowLineDisabled(*this, line, ticked, m_codecModel);
}
