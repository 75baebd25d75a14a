// Each setting explains itself: the tips of the controls and their
// accessible descriptions, made from the core's texts when they are asked for.
#include "custom/control_help.h"
#include "dialog/corvaset_dlg.h"
#include "win32/text.h"

using namespace columns;

namespace {

// The entry a control shows, or none.
std::optional<custom::Entry> EntryShownBy(int id) {
    for (const auto& box : kCheckBoxes)
        if (box.box == id) return box.entry;
    for (const auto& column : kLevelColumns) {
        if (column.slider == id || column.defaultText == id) return column.level;
        if (column.maxText == id || column.maxSpin == id) return LineOf(column).maxLevel;
    }
    for (const auto& column : kWaveColumns)
        if (column.maxText == id || column.maxSpin == id) return kWaveLevel;
    for (const auto& column : kRecordColumns)
        if (column.maxText == id || column.maxSpin == id) return column.maxGain;
    if (IsSelectRadio(id)) return custom::Entry::RecordSelect;
    return std::nullopt;
}

}  // namespace

bool CCorvasetDlg::HasHelpText(int id) {
    return EntryShownBy(id) || Contains(kInertControls, id) || ModelOfCodecRadio(id) != custom::CodecModel::None;
}

// Why control `id` is greyed, the first cause first.
custom::Greying CCorvasetDlg::GreyingOf(int id, custom::CodecModel model) const {
    if (Contains(kInertControls, id))
        return {EntryShownBy(id) ? custom::Greyed::ShownOnly : custom::Greyed::NoSetting};
    for (const auto& line : kDisablingBoxes) {
        if (m_working[line.flag].value != 0 && (Contains(line.controls, id) || SelectRadioOfLine(line) == id))
            return {custom::Greyed::LineDisabled, line.flag};
    }
    for (const auto& feature : kModel3Controls)
        if (feature.id == id && model != custom::CodecModel::Model3) return {custom::Greyed::Model3Only};
    return {};
}

std::wstring CCorvasetDlg::HelpTextOf(HWND control) const {
    const int id = ::GetDlgCtrlID(control);
    const custom::CodecModel model = m_codecModel;
    if (ModelOfCodecRadio(id) != custom::CodecModel::None) return fw::WidenAscii(custom::CodecModelHelpText(model));
    if (!HasHelpText(id)) return {};
    const custom::Greying greying = ::IsWindowEnabled(control) ? custom::Greying{} : GreyingOf(id, model);
    return fw::WidenAscii(custom::ControlHelpText(EntryShownBy(id), m_working, model, greying));
}

// The tooltip made after the first paint asks for each text as it shows it.
void CCorvasetDlg::OnToolTipText(NMTTDISPINFOW& request) {
    m_tipText = HelpTextOf(m_tips.ControlOf(request.hdr));
    request.lpszText = m_tipText.data();
    request.hinst = nullptr;
}

void CCorvasetDlg::OnDialogMouse(UINT message, WPARAM wp, LPARAM lp) { m_tips.RelayDialogMouse(message, wp, lp); }

void CCorvasetDlg::ExplainControls() {
    std::vector<HWND> explained;
    for (HWND control : Controls())
        if (HasHelpText(::GetDlgCtrlID(control))) explained.push_back(control);
    if (m_tips.Create(m_hWnd, explained)) m_senderCheck.AcceptNotificationsFrom(m_tips.GetSafeHwnd());
}
