// "Save": decides what is customized, writes "corvaset.dat" and reports it.
#include <string>

#include "dialog/corvaset_dlg.h"
#include "dialog/save_messages.h"
#include "custom/listing.h"
#include "framework/text.h"

save_messages::FailureBox save_messages::FailureBoxFor(const fw::FileError& error, const std::wstring& path) {
    switch (error.cause) {
        // The file could not even be created: the user can remove the cause
        // (unlock, make writable, remove the folder) and save again.
        case fw::FileCause::AccessDenied:
        case fw::FileCause::SharingViolation:
        case fw::FileCause::ReadOnly:
        case fw::FileCause::IsDirectory:
            return {kCreateFailedCaption, kCreateFailedText};
        case fw::FileCause::DiskFull: return {nullptr, fw::FormatInserts(kDiskFullText, {path})};
        case fw::FileCause::NotFound: return {nullptr, fw::FormatInserts(kNotFoundText, {path})};
        case fw::FileCause::PathTooLong: return {nullptr, fw::FormatInserts(kPathTooLongText, {path})};
        default: {
            const std::wstring description = fw::SystemErrorText(error.systemError);
            return {nullptr, fw::FormatInserts(kOtherFailureText, {path, fw::DecimalText(error.systemError),
                                                                   description.empty() ? kNoErrorText : description})};
        }
    }
}

CCorvasetDlg::SaveResult CCorvasetDlg::WriteCustomFile() {
    const custom::CodecModel model = CurrentCodecModel();
    const std::optional<custom::CustomFileImage> image = FileToSave(model);
    if (!image) return SaveResult::NothingToSave;

    const std::wstring path = m_target.empty() ? fw::FullPathName(L"corvaset.dat") : m_target;
    const fw::FileError error = fw::WriteFileReplacing(path, image->data(), static_cast<DWORD>(image->size()));
    if (error) {
        ReportSaveFailure(error, path);
        return SaveResult::Failed;
    }
    MessageBox(save_messages::kSuccessText, save_messages::kSuccessCaption, MB_OK | MB_ICONASTERISK);
    return SaveResult::Saved;
}

// What "Save" writes under `model`: nothing when no entry is customized.
// "Changes..." lists the same, so the list and the file cannot differ.
std::optional<custom::CustomFileImage> CCorvasetDlg::FileToSave(custom::CodecModel model) const {
    if (!custom::AnyCustomized(m_working, model)) return std::nullopt;
    return custom::EncodeCustomFile(m_working, model, m_opened ? &*m_opened : nullptr);
}

std::wstring CCorvasetDlg::ChangesList() const {
    const custom::CodecModel model = CurrentCodecModel();
    const std::optional<custom::CustomFileImage> image = FileToSave(model);
    return fw::WidenAscii(custom::SavedRecordsList(image ? *image : custom::CustomFileImage{}, m_working, model));
}

void CCorvasetDlg::ReportSaveFailure(const fw::FileError& error, const std::wstring& path) const {
    const save_messages::FailureBox box = save_messages::FailureBoxFor(error, path);
    MessageBox(box.text, box.caption, MB_OK | MB_ICONHAND);
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
