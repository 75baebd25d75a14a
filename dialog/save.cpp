// "Save": decides what is customized, writes "corvaset.dat" and reports it.
#include <string>

#include "dialog/corvaset_dlg.h"
#include "dialog/save_messages.h"

namespace {

std::wstring Substitute(std::wstring text, const wchar_t* marker, const std::wstring& value) {
    const size_t at = text.find(marker);
    if (at != std::wstring::npos) text.replace(at, 2, value);
    return text;
}

// The causes for which the file could not even be created: the user can fix
// them (unlock, make writable, remove the folder) and save again.
bool IsCreateFailure(fw::FileCause cause) {
    switch (cause) {
        case fw::FileCause::AccessDenied:
        case fw::FileCause::SharingViolation:
        case fw::FileCause::ReadOnly:
        case fw::FileCause::IsDirectory:
            return true;
        default:
            return false;
    }
}

}  // namespace

CCorvasetDlg::SaveResult CCorvasetDlg::WriteCustomFile() {
    const custom::CodecModel model = CurrentCodecModel();
    if (!custom::AnyCustomized(m_working, model)) return SaveResult::NothingToSave;

    const custom::CustomFileImage image = custom::EncodeCustomFile(m_working, model, m_opened ? &*m_opened : nullptr);
    const std::wstring path = m_target.empty() ? fw::FullPathName(L"corvaset.dat") : m_target;
    const fw::FileError error = fw::WriteFileReplacing(path, image.data(), static_cast<DWORD>(image.size()));
    if (error) {
        ReportSaveFailure(error, path);
        return SaveResult::Failed;
    }
    MessageBox(save_messages::kSuccessText, save_messages::kSuccessCaption, MB_OK | MB_ICONASTERISK);
    return SaveResult::Saved;
}

void CCorvasetDlg::ReportSaveFailure(const fw::FileError& error, const std::wstring& path) const {
    if (IsCreateFailure(error.cause)) {
        MessageBox(save_messages::kCreateFailedText, save_messages::kCreateFailedCaption, MB_OK | MB_ICONHAND);
        return;
    }
    std::wstring text;
    switch (error.cause) {
        case fw::FileCause::DiskFull: text = save_messages::kDiskFullText; break;
        case fw::FileCause::NotFound: text = save_messages::kNotFoundText; break;
        default:
            text = Substitute(save_messages::kOtherFailureText, L"%2", std::to_wstring(error.systemError));
            break;
    }
    MessageBox(Substitute(text, L"%1", path), nullptr, MB_OK | MB_ICONHAND);
}

void CCorvasetDlg::OnOK() {
    switch (WriteCustomFile()) {
        case SaveResult::NothingToSave:
            MessageBox(save_messages::kNothingToSaveText, nullptr, MB_OK);
            EndDialog(IDOK);
            break;
        case SaveResult::Saved:
            EndDialog(IDOK);
            break;
        case SaveResult::Failed:
            // The edits stay, so the user can remove the cause and save again.
            break;
    }
}
