// Opening a customization file to change it: from the command line, by
// dropping it on the dialog, or with "Open..." in the system menu. "Save"
// then writes back to that file.

#include <algorithm>

#include "custom/file_check.h"
#include "dialog/corvaset_dlg.h"
#include "dialog/open_messages.h"
#include "win32/file_read.h"
#include "framework/file_dialogs.h"
#include "win32/text.h"

namespace {

constexpr std::size_t kProblemsShown = 5;

// The first problems of one severity, a line each.
std::wstring ProblemList(const custom::FileReport& report, custom::Severity severity) {
    std::wstring list;
    std::size_t shown = 0;
    for (const custom::FileFinding& f : report.findings) {
        if (f.severity != severity) continue;
        if (shown++ < kProblemsShown) list += L"\u2022 " + fw::WidenAscii(custom::ProblemText(report, f)) + L"\n";
    }
    if (shown > kProblemsShown)
        list += fw::FormatInserts(open_messages::kMoreProblems,
                                  {fw::DecimalText(static_cast<unsigned>(shown - kProblemsShown))});
    return list;
}

}  // namespace

// Why a file could not be opened, or why it was refused.
std::wstring open_messages::CauseText(const fw::FileError& error) {
    switch (error.cause) {
        case fw::FileCause::IsDirectory: return open_messages::kIsFolder;
        case fw::FileCause::DeviceName: return open_messages::kDeviceName;
        case fw::FileCause::DevicePath: return open_messages::kDevicePath;
        case fw::FileCause::NotAFile: return open_messages::kNotAFile;
        case fw::FileCause::NotFound: return open_messages::kNotFound;
        case fw::FileCause::FolderNotFound: return open_messages::kFolderNotFound;
        case fw::FileCause::SharingViolation: return open_messages::kInUse;
        case fw::FileCause::AccessDenied: return open_messages::kAccessDenied;
        default: return fw::FormatInserts(open_messages::kReadFailed, {fw::DecimalText(error.systemError)});
    }
}

void CCorvasetDlg::SetStartArguments(std::vector<std::wstring> arguments) { m_startArguments = std::move(arguments); }

// No argument: the factory defaults as always. One file: opened over them.
// Anything else is told, and the dialog starts on the factory defaults.
void CCorvasetDlg::OpenFromStartArguments() {
    if (m_startArguments.empty()) return;
    const std::wstring& first = m_startArguments[0];
    const bool option = first.empty() || first[0] == L'-' || first[0] == L'/';
    if (m_startArguments.size() > 1 || option) {
        MessageBox(open_messages::kUsage, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    OpenCustomFile(first, true);
}

void CCorvasetDlg::OnDropFiles(const std::vector<std::wstring>& files) {
    if (files.size() != 1) {
        MessageBox(open_messages::kSeveralDropped, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    OpenCustomFile(files[0]);
}

void CCorvasetDlg::ChooseAndOpenFile() {
    const auto path = WhileModal([this] { return fw::ChooseFileToOpen(m_hWnd, open_messages::kFilter); });
    if (path) OpenCustomFile(*path);
}

std::wstring CCorvasetDlg::ShownPath(const std::wstring& path) {
    // About the widest line a box on this screen has room for.
    return fw::CompactPath(path, static_cast<std::size_t>(std::max(::GetSystemMetrics(SM_CXSCREEN) / 9, 40)));
}

void CCorvasetDlg::SetTarget(const std::wstring& path) {
    m_target = path;
    SetWindowText(m_caption + L" - " + path);
}

bool CCorvasetDlg::OpenCustomFile(const std::wstring& given, bool mayBeNew) {
    const std::wstring path = fw::FullPathName(given);
    // A device name as the user wrote it, not as \\.\NAME.
    const std::wstring shown = ShownPath(path.starts_with(L"\\\\.\\") ? given : path);
    if (m_settings.HasUnsavedEdits() &&
        MessageBox(fw::FormatInserts(open_messages::kUnsavedEdits, {shown}), nullptr, MB_YESNO | MB_ICONQUESTION) !=
            IDYES)
        return false;

    const fw::ReadResult read = fw::ReadFileUpTo(path, custom::kCustomFileSize);
    if (mayBeNew && read.error.systemError == ERROR_FILE_NOT_FOUND) {
        // A new package's name, as editors take one: the settings stay.
        SetTarget(path);
        m_seen = fw::LookAtFile(path, custom::kCustomFileSize);
        return true;
    }
    if (read.error || read.tooLarge) {
        const std::wstring cause = read.tooLarge ? open_messages::kTooLarge : open_messages::CauseText(read.error);
        MessageBox(fw::FormatInserts(open_messages::kCannotOpen, {shown, cause}), nullptr, MB_OK | MB_ICONHAND);
        return false;
    }
    const custom::FileReport report = custom::CheckFileBytes(read.bytes.data(), read.bytes.size());
    if (report.Count(custom::Severity::Error) != 0) {
        MessageBox(fw::FormatInserts(open_messages::kInvalid, {shown, ProblemList(report, custom::Severity::Error)}),
                   nullptr, MB_OK | MB_ICONHAND);
        return false;
    }
    if (report.Count(custom::Severity::Warning) != 0) {
        const std::wstring text =
            fw::FormatInserts(open_messages::kWarnings, {shown, ProblemList(report, custom::Severity::Warning)});
        if (MessageBox(text, nullptr, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return false;
    }

    m_settings.TakeOpenedFile(report.working, *report.records);
    m_seen = fw::LookAtFile(path, custom::kCustomFileSize);
    ShowSettings();
    SetTarget(path);
    return true;
}
