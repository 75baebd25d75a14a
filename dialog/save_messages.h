// The texts of the boxes that report the outcome of "Save".
#pragma once

#include <string>

#include "win32/file.h"

namespace save_messages {

inline constexpr wchar_t kSuccessCaption[] = L"SUCCESS";
// %1 is the file written: kDefaultFileName for "corvaset.dat" in the
// current folder, else its full path.
inline constexpr wchar_t kSuccessText[] =
    L"Create customized file successfully!\n"
    L"Please copy the customized file, %1, into the driver directories of package to enable "
    L"customized features.\n"
    L"Please make sure your driver version is 5.10.3570 or later.\n"
    L"\"Enable 48K SPDIF\" is only supported with 5.10.3590 or later.";
inline constexpr wchar_t kDefaultFileName[] = L"CORVASET.DAT";

inline constexpr wchar_t kNothingToSaveText[] = L"No customized feature!";
// %1 is the opened file.
inline constexpr wchar_t kNothingToSaveOpenedText[] =
    L"No customized feature!\n\n%1 was left unchanged: it still holds its customizations.";

// %1 is the file's full path.
inline constexpr wchar_t kReplaceUnseen[] =
    L"%1 already exists, and it was not opened here.\n\nReplace it? The customizations it holds are then lost.";
inline constexpr wchar_t kReplaceChanged[] =
    L"%1 has changed since it was opened here.\n\nReplace it? The changes made to it are then lost.";

inline constexpr wchar_t kCreateFailedCaption[] = L"ERROR";
// %1 is the full path of the customization file and %2 the cause, a
// sentence; in kOtherFailureText %2 is a system error code and %3 the
// system's description of it.
inline constexpr wchar_t kCreateFailedText[] = L"Create customized file failed!\n\n%1\n%2";
inline constexpr wchar_t kDiskFullText[] = L"Disk full while accessing %1.\n\n%2";
inline constexpr wchar_t kNotFoundText[] = L"The folder of %1 could not be found.\n\n%2";
inline constexpr wchar_t kPathTooLongText[] = L"The folder path of %1 is too long to save there.\n\n%2";
inline constexpr wchar_t kOtherFailureText[] = L"An error occurred while writing %1 (system error %2: %3).";
inline constexpr wchar_t kReadOnly[] = L"The file is read-only.";
inline constexpr wchar_t kBrokenLink[] = L"It is a symbolic link into a folder that does not exist.";
// Stands for %3 when the system has no description of the code.
inline constexpr wchar_t kNoErrorText[] = L"no description";

// The box that reports a failed "Save" of the file at `path` (as shown).
struct FailureBox {
    const wchar_t* caption;  // null: the application's name
    std::wstring text;
};
FailureBox FailureBoxFor(const fw::FileError& error, const std::wstring& path);

}  // namespace save_messages
