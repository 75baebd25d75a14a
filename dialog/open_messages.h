// The texts of the boxes that opening a customization file shows. The
// file's full path goes before or after each.
#pragma once

namespace open_messages {

inline constexpr wchar_t kFilter[] = L"Customization files (*.dat)\0*.dat\0All files (*.*)\0*.*\0";

inline constexpr wchar_t kUsage[] =
    L"Corvaset opens one customization file: corvaset.exe [FILE].\n"
    L"The settings start from the factory defaults.";
inline constexpr wchar_t kSeveralDropped[] = L"Drop one customization file at a time. Nothing was opened.";

inline constexpr wchar_t kUnsavedEdits[] = L"The settings have changes that were not saved. Open this file and lose them?\n\n";

inline constexpr wchar_t kCannotOpen[] = L"Cannot open ";
inline constexpr wchar_t kIsFolder[] = L"It is a folder.";
inline constexpr wchar_t kNotFound[] = L"The file does not exist.";
inline constexpr wchar_t kInUse[] = L"Another program is using it.";
inline constexpr wchar_t kAccessDenied[] = L"Access to it is denied.";
inline constexpr wchar_t kTooLarge[] = L"It is larger than a customization file (584 bytes).";
inline constexpr wchar_t kReadFailed[] = L"It could not be read (system error ";

inline constexpr wchar_t kInvalid[] = L"is not a valid customization file: the driver would misread it.";
inline constexpr wchar_t kWarnings[] = L"The dialog could not have written ";
inline constexpr wchar_t kOpenAnyway[] =
    L"Open it anyway? Its settings are taken exactly as stored and written back as they are unless you change "
    L"them.";

}  // namespace open_messages
