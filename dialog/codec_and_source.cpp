// The Codec radios, which decide which QM-3 feature boxes can be used, and
// the "Select" radios, which choose the default recording source.
#include "dialog/corvaset_dlg.h"

using namespace columns;

// The radio group has already moved the check. A click notification for a
// radio that is not checked cannot come from a click, so it does nothing.
void CCorvasetDlg::OnCodecModel(UINT radio) {
    if (!IsDlgButtonChecked(static_cast<int>(radio))) return;
    m_codecModel = ModelOfCodecRadio(static_cast<int>(radio));
    ApplyCodecModel(m_codecModel);
}

void CCorvasetDlg::ShowCodecModel() { CheckRadioButton(IDC_CODEC_QM1, IDC_CODEC_QM3, CodecRadioOf(m_codecModel)); }

// Only greys or frees the boxes: their checks and entries stay, so choosing
// QM-3 again brings them back as they were. The S/PDIF line's boxes stay
// greyed while its own "Disable" box is ticked.
void CCorvasetDlg::ApplyCodecModel(custom::CodecModel model) {
    const bool model3 = model == custom::CodecModel::Model3;
    for (const auto& control : kModel3Controls) SetItemEnabled(control.id, model3);
    if (!model3) return;
    for (const auto& line : kDisablingBoxes)
        if (line.followsCodecModel) ShowLineDisabled(*this, line, IsTicked(line.box), model);
}

void CCorvasetDlg::OnSelectRecordSource(UINT radio) {
    if (!IsDlgButtonChecked(static_cast<int>(radio))) return;
    SelectRecordSource(radio - static_cast<unsigned>(IDC_SELECT_MIC));
}

// The radio group has already moved the check; only the entry follows.
void CCorvasetDlg::SelectRecordSource(unsigned source) {
    custom::StoreRegister(m_working[Entry::RecordSelect], RecordSelectValueOf(source));
}

void CCorvasetDlg::ShowRecordSource() {
    CheckRadioButton(SelectRadioOf(0), SelectRadioOf(custom::kRecordSources - 1),
                     SelectRadioOf(custom::RecordSourceOf(m_working[Entry::RecordSelect].value)));
}
