// The texts of the boxes that opening a customization file shows, with
// their inserts: %1 is the file's full path.
#pragma once

#include <string>

#include "win32/file.h"

namespace open_messages {

inline constexpr wchar_t kFilter[] = L"Customization files (*.dat)\0*.dat\0All files (*.*)\0*.*\0";
// Given to a name chosen in the Save dialog without one.
inline constexpr wchar_t kExtension[] = L"dat";

inline constexpr wchar_t kUsage[] =
    L"Corvaset opens one customization file: corvaset.exe [FILE].\n"
    L"The settings start from the factory defaults.";
inline constexpr wchar_t kSeveralDropped[] = L"Drop one customization file at a time. Nothing was opened.";

inline constexpr wchar_t kUnsavedEdits[] = L"The settings have changes that were not saved. Open this file and lose them?\n\n%1";

// %2 is the cause.
inline constexpr wchar_t kCannotOpen[] = L"Cannot open %1.\n\n%2";
inline constexpr wchar_t kIsFolder[] = L"It is a folder.";
inline constexpr wchar_t kNotFound[] = L"The file does not exist.";
inline constexpr wchar_t kFolderNotFound[] = L"Its folder does not exist.";
inline constexpr wchar_t kInUse[] = L"Another program is using it.";
inline constexpr wchar_t kAccessDenied[] = L"Access to it is denied.";
inline constexpr wchar_t kTooLarge[] = L"It is larger than a customization file (584 bytes).";
inline constexpr wchar_t kDeviceName[] =
    L"Its name is a Windows device name (CON, NUL, AUX, PRN, COM1-9, LPT1-9), not a file.";
inline constexpr wchar_t kDevicePath[] = L"It names a device or a pipe, not a file on a disk.";
inline constexpr wchar_t kNotAFile[] = L"It is a device or a named pipe, not a file.";
inline constexpr wchar_t kReadFailed[] = L"It could not be read (system error %1).";

// %2 is the list of problems, a line each.
inline constexpr wchar_t kInvalid[] = L"%1 is not a valid customization file: the driver would misread it.\n\n%2";
inline constexpr wchar_t kWarnings[] =
    L"The dialog could not have written %1:\n\n%2\n"
    L"Open it anyway? Its settings are taken exactly as stored and written back as they are unless you change "
    L"them.";
// %1 is how many problems the list leaves out.
inline constexpr wchar_t kMoreProblems[] = L"(%1 more)\n";

std::wstring CauseText(const fw::FileError& error);

}  // namespace open_messages
