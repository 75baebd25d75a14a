// "Save": decides what is customized, makes sure the file it replaces is one
// the user has seen, writes the file and reports it.
#include <algorithm>
#include <string>

#include "dialog/corvaset_dlg.h"
#include "dialog/open_messages.h"
#include "dialog/save_messages.h"
#include "framework/file_dialogs.h"
#include "win32/text.h"

namespace {

// The cause of a failure as a sentence: the system's own words where the
// system gave the cause.
std::wstring SaveCauseText(const fw::FileError& error) {
    switch (error.cause) {
        case fw::FileCause::ReadOnly: return save_messages::kReadOnly;
        case fw::FileCause::BrokenLink: return save_messages::kBrokenLink;
        case fw::FileCause::IsDirectory:
        case fw::FileCause::DeviceName:
        case fw::FileCause::DevicePath:
        case fw::FileCause::NotAFile: return open_messages::CauseText(error);
        default: {
            const std::wstring words = fw::SystemErrorText(error.systemError);
            return (words.empty() ? save_messages::kNoErrorText : words) + L".";
        }
    }
}

}  // namespace

save_messages::FailureBox save_messages::FailureBoxFor(const fw::FileError& error, const std::wstring& path) {
    const wchar_t* pattern = kCreateFailedText;
    switch (error.cause) {
        case fw::FileCause::DiskFull: pattern = kDiskFullText; break;
        case fw::FileCause::NotFound:
        case fw::FileCause::FolderNotFound: pattern = kNotFoundText; break;
        case fw::FileCause::PathTooLong: pattern = kPathTooLongText; break;
        case fw::FileCause::Other: {
            const std::wstring description = fw::SystemErrorText(error.systemError);
            return {nullptr, fw::FormatInserts(kOtherFailureText, {path, fw::DecimalText(error.systemError),
                                                                   description.empty() ? kNoErrorText : description})};
        }
        // The file could not be created or replaced: the user can remove the
        // cause (unlock, make writable, remove the folder) and save again.
        default: return {kCreateFailedCaption, fw::FormatInserts(pattern, {path, SaveCauseText(error)})};
    }
    return {nullptr, fw::FormatInserts(pattern, {path, SaveCauseText(error)})};
}

bool CCorvasetDlg::MayReplace(const std::wstring& path) {
    const fw::FileSeen now = fw::LookAtFile(path, custom::kCustomFileSize);
    if (!now.exists || (m_seen && *m_seen == now)) return true;
    const wchar_t* question = m_seen && m_seen->exists ? save_messages::kReplaceChanged : save_messages::kReplaceUnseen;
    if (MessageBox(fw::FormatInserts(question, {ShownPath(path)}), nullptr,
                   MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        return false;
    m_seen = now;
    return true;
}

CCorvasetDlg::SaveResult CCorvasetDlg::WriteCustomFile() {
    const std::optional<custom::FileToWrite> file = m_settings.FileToSave();
    if (!file) return SaveResult::NothingToSave;

    const std::wstring here = fw::FullPathName(L"corvaset.dat");
    const std::wstring path = m_target.empty() ? here : m_target;
    // What cannot be replaced is told before the user is asked to replace it.
    std::wstring final;
    fw::FileError error = fw::CheckReplaceable(path, final);
    if (!error && !MayReplace(path)) return SaveResult::Kept;
    if (!error) error = fw::WriteFileReplacing(path, file->bytes.data(), static_cast<DWORD>(file->bytes.size()));
    if (error) {
        ReportSaveFailure(error, path);
        return SaveResult::Failed;
    }
    // The program's own write counts as seen: a later "Save" asks nothing.
    m_seen = fw::LookAtFile(path, custom::kCustomFileSize);
    m_settings.TakeSavedFile(*file);
    const bool isHere = ::lstrcmpiW(path.c_str(), here.c_str()) == 0;
    MessageBox(fw::FormatInserts(save_messages::kSuccessText, {isHere ? save_messages::kDefaultFileName : ShownPath(path)}),
               save_messages::kSuccessCaption, MB_OK | MB_ICONASTERISK);
    return SaveResult::Saved;
}

void CCorvasetDlg::ReportSaveFailure(const fw::FileError& error, const std::wstring& path) const {
    const save_messages::FailureBox box = save_messages::FailureBoxFor(error, ShownPath(path));
    MessageBox(box.text, box.caption, MB_OK | MB_ICONHAND);
}

void CCorvasetDlg::ReportNothingToSave(bool fileKeepsRecords) {
    // An opened file keeps what it holds: the user is not to think it clean.
    MessageBox(fileKeepsRecords ? fw::FormatInserts(save_messages::kNothingToSaveOpenedText, {ShownPath(m_target)})
                                : std::wstring(save_messages::kNothingToSaveText),
               nullptr, MB_OK);
}

void CCorvasetDlg::OnOK() {
    switch (WriteCustomFile()) {
        case SaveResult::NothingToSave:
            ReportNothingToSave(m_settings.OpenedHoldsRecords());
            EndDialog(IDOK);
            break;
        case SaveResult::Saved:
            EndDialog(IDOK);
            break;
        case SaveResult::Failed:
        case SaveResult::Kept:
            // The edits stay, so the user can remove the cause and save again.
            break;
    }
}

// A maker writes one variant of a package after another (one per codec
// model, say): the dialog stays for the next.
CCorvasetDlg::SaveResult CCorvasetDlg::SaveAs(const std::wstring& path) {
    // Only the file that was opened holds what "No customized feature!" says it keeps.
    const bool sameFile = ::lstrcmpiW(path.c_str(), m_target.c_str()) == 0;
    SetTarget(path);
    const SaveResult result = WriteCustomFile();
    if (result == SaveResult::NothingToSave) ReportNothingToSave(sameFile && m_settings.OpenedHoldsRecords());
    return result;
}

void CCorvasetDlg::ChooseAndSaveAs() {
    auto path = WhileModal(
        [this] { return fw::ChooseFileToSave(m_hWnd, open_messages::kFilter, open_messages::kExtension); });
    if (!path) return;
    if (path->ends_with(L'.')) {
        // The Save dialog adds no extension to a name that ends in a dot, and
        // Windows would drop the dot: such a name gets the extension, and
        // whether that file is there was asked by nobody yet.
        *path += open_messages::kExtension;
        m_seen.reset();
    } else {
        // The Save dialog asked before a file was chosen over an existing one.
        m_seen = fw::LookAtFile(*path, custom::kCustomFileSize);
    }
    SaveAs(*path);
}
