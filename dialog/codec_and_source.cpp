// The Codec radios, which decide which QM-3 feature boxes can be used, and
// the "Select" radios, which choose the default recording source.
#include "dialog/corvaset_dlg.h"

using namespace columns;

void CCorvasetDlg::OnCodecModel12(fw::Message&, int) { ApplyCodecModel(custom::CodecModel::Model1); }

void CCorvasetDlg::OnCodecModel3(fw::Message&, int) { ApplyCodecModel(custom::CodecModel::Model3); }

// Only greys or frees the boxes: their checks and entries stay, so choosing
// QM-3 again brings them back as they were.
void CCorvasetDlg::ApplyCodecModel(custom::CodecModel model) {
    if (model != custom::CodecModel::Model3) {
        for (int id : kModel3Controls) EnableControl(id, false);
        return;
    }
    EnableControl(IDC_DISABLE_SPDIF, true);
    ShowLineDisabled(kSpdifDisable, IsTicked(IDC_DISABLE_SPDIF));
    EnableControl(IDC_ENABLE_33V, true);
    EnableControl(IDC_JACK_DETECT, true);
}

void CCorvasetDlg::OnSelectRecordSource(fw::Message& m, int) {
    SelectRecordSource(m.id - static_cast<unsigned>(IDC_SELECT_MIC));
}

// The radio group has already moved the check; only the entry follows.
void CCorvasetDlg::SelectRecordSource(unsigned source) {
    custom::StoreRegister(m_working[Entry::RecordSelect], RecordSelectValueOf(source));
}

void CCorvasetDlg::ShowRecordSource() {
    CheckRadioButton(SelectRadioOf(0), SelectRadioOf(custom::kRecordSources - 1),
                     SelectRadioOf(custom::RecordSourceOf(m_working[Entry::RecordSelect].value)));
}
