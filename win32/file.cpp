#include "win32/file.h"

#include "win32/system_library.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "win32/device_name.h"

namespace fw {
namespace {

WriteCall g_writeCall = ::WriteFile;

constexpr DWORD kErrorNoSuchDevice = 433;  // ERROR_NO_SUCH_DEVICE, missing from mingw's headers

// The kernel32 calls of Windows Vista and later that the file layer uses,
// looked up once; each is null on Windows XP, which takes the path beside it.
struct NewerCalls {
    DWORD(WINAPI* finalPathName)(HANDLE, LPWSTR, DWORD, DWORD) = nullptr;
    BOOL(WINAPI* setFileInformation)(HANDLE, int, LPVOID, DWORD) = nullptr;
};

const NewerCalls& Newer() {
    static const NewerCalls calls = [] {
        NewerCalls c;
        const HMODULE kernel32 = LoadSystemLibrary(L"kernel32.dll");
        FindNewerCall(kernel32, "GetFinalPathNameByHandleW", c.finalPathName);
        FindNewerCall(kernel32, "SetFileInformationByHandle", c.setFileInformation);
        return c;
    }();
    return calls;
}

// What SetFileInformationByHandle takes, as Vista's headers define it.
constexpr int kFileRenameInfo = 3;
constexpr int kFileDispositionInfo = 4;
struct RenameInformation {
    BOOLEAN replaceIfExists;
    HANDLE rootDirectory;
    DWORD fileNameLength;
    WCHAR fileName[1];
};
struct DispositionInformation {
    BOOLEAN deleteFile;
};

}  // namespace

ScopedWriteCall::ScopedWriteCall(WriteCall call) : m_previous(g_writeCall) { g_writeCall = call; }

ScopedWriteCall::~ScopedWriteCall() { g_writeCall = m_previous; }

FileError FileErrorFromSystem(DWORD systemError) {
    FileCause cause = FileCause::Other;
    switch (systemError) {
        case ERROR_SUCCESS: cause = FileCause::None; break;
        case ERROR_FILE_NOT_FOUND: cause = FileCause::NotFound; break;
        case ERROR_PATH_NOT_FOUND: cause = FileCause::FolderNotFound; break;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT: cause = FileCause::AccessDenied; break;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: cause = FileCause::SharingViolation; break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: cause = FileCause::DiskFull; break;
        case ERROR_FILENAME_EXCED_RANGE: cause = FileCause::PathTooLong; break;
        // What Wine says for a device it cannot open (Z:\dev\tty without a
        // terminal) and for a socket.
        case kErrorNoSuchDevice: cause = FileCause::NotAFile; break;
        default: break;
    }
    return {cause, systemError};
}

FileError DiskFileOnly(HANDLE handle) {
    const DWORD type = ::GetFileType(handle);
    if (type == FILE_TYPE_DISK) return {};
    return {FileCause::NotAFile, type == FILE_TYPE_PIPE ? DWORD{ERROR_BAD_PIPE} : DWORD{ERROR_INVALID_FUNCTION}};
}

FileError CFile::Open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    Close();
    m_handle = ::CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_handle == INVALID_HANDLE_VALUE) return FileErrorFromSystem(::GetLastError());
    return {};
}

FileError CFile::Write(const void* data, DWORD size) {
    DWORD written = 0;
    if (!g_writeCall(m_handle, data, size, &written, nullptr)) return FileErrorFromSystem(::GetLastError());
    // A write to a disk file stops short only when the disk has run out of
    // space, and some file systems report success for it.
    if (written != size) return {FileCause::DiskFull, ERROR_DISK_FULL};
    return {};
}

FileError CFile::Flush() {
    if (!::FlushFileBuffers(m_handle)) return FileErrorFromSystem(::GetLastError());
    return {};
}

FileError CFile::Close() {
    if (m_handle == INVALID_HANDLE_VALUE) return {};
    const BOOL ok = ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    if (!ok) return FileErrorFromSystem(::GetLastError());
    return {};
}

std::wstring FullPathName(const std::wstring& path) {
    const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<wchar_t> buffer(needed);
    const DWORD length = ::GetFullPathNameW(path.c_str(), needed, buffer.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    return std::wstring(buffer.data(), length);
}

std::wstring LongPathForm(const std::wstring& full) {
    // Room for a temporary file's name beside it in the short form.
    if (full.size() < MAX_PATH - 14 || full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC" + full.substr(1);
    return L"\\\\?\\" + full;
}

namespace {

// The full path of the file `handle` is open on, in the ordinary form;
// `path` when the system cannot tell.
std::wstring FinalPathOf(HANDLE handle, const std::wstring& path) {
    // Windows XP has no links to files to resolve.
    if (Newer().finalPathName == nullptr) return path;
    std::wstring final(32768, L'\0');
    const DWORD n = Newer().finalPathName(handle, final.data(), static_cast<DWORD>(final.size()), 0);
    if (n == 0 || n >= final.size()) return path;
    final.resize(n);
    // \\?\C:\... and \\?\UNC\server\... back to the ordinary forms.
    if (final.starts_with(L"\\\\?\\UNC\\")) return L"\\" + final.substr(7);
    if (final.starts_with(L"\\\\?\\")) return final.substr(4);
    return path;
}

// Another program's look at a file holds it open for a moment, and under
// Wine a file open anywhere cannot be replaced: a call that fails for that
// is made again for a little while.
template <typename Call>
FileError Patiently(Call call) {
    FileError error;
    for (int tries = 0; tries < 50; ++tries, ::Sleep(5)) {
        error = call();
        if (error.cause != FileCause::SharingViolation && error.cause != FileCause::AccessDenied) break;
    }
    return error;
}

}  // namespace

FileError ExamineFile(const std::wstring& full, bool& exists, std::wstring& final) {
    exists = false;
    final = full;
    // The system gives a device name (COM1, nul, C:\x\aux.dat) the full form
    // \\.\NAME; \\?\C:\nul keeps it as written.
    if (IsDeviceName(std::wstring_view(full))) return {FileCause::DeviceName, ERROR_INVALID_NAME};
    if (full.starts_with(L"\\\\.\\")) return {FileCause::DevicePath, ERROR_INVALID_NAME};
    // Opened for its attributes only: no sharing conflict, no effect on a device.
    const HANDLE handle = ::CreateFileW(LongPathForm(full).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? FileError{} : FileErrorFromSystem(error);
    }
    exists = true;
    FileError error = DiskFileOnly(handle);
    BY_HANDLE_FILE_INFORMATION info{};
    if (error) {
        // a device, a pipe or a console
    } else if (!::GetFileInformationByHandle(handle, &info)) {
        error = FileErrorFromSystem(::GetLastError());
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = {FileCause::IsDirectory, ERROR_ACCESS_DENIED};
    } else {
        final = FinalPathOf(handle, full);
    }
    ::CloseHandle(handle);
    return error;
}

namespace {

// Marks the file open on `handle` to be deleted when it closes, or takes the
// mark back; false where the system cannot (Windows XP).
bool MarkForDeletion(HANDLE handle, bool remove) {
    DispositionInformation disposition{remove};
    return Newer().setFileInformation != nullptr &&
           Newer().setFileInformation(handle, kFileDispositionInfo, &disposition, sizeof disposition);
}

// Where a write to `full`, at which ExamineFile found nothing, makes the
// file: through a symbolic link whose file is not there yet, that file.
// Wine shows such a link to a Windows program as nothing at all and tells
// no program where it leads, but a search for the name finds an entry that
// it then leaves out (Windows finds a reparse point), and creating a file
// by the name follows the link. So the file is made to learn its path, and
// deleted again. `appeared`: another program made the file meanwhile; it is
// left alone and examined again. Windows XP, which has no links to files,
// cannot tell a file's path from its handle: there the name is the file.
FileError WhereNewFileGoes(const std::wstring& full, std::wstring& final, bool& appeared) {
    appeared = false;
    if (Newer().finalPathName == nullptr) return {};
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(LongPathForm(full).c_str(), &found);
    bool link = false;
    if (search == INVALID_HANDLE_VALUE) {
        link = ::GetLastError() == ERROR_NO_MORE_FILES;
    } else {
        link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        appeared = !link;
        ::FindClose(search);
    }
    if (!link) return {};
    const HANDLE made = ::CreateFileW(LongPathForm(full).c_str(), DELETE | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      0, nullptr);
    if (made == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        // The link's own folder is there: the one it leads into is not.
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {FileCause::BrokenLink, error};
        return FileErrorFromSystem(error);
    }
    appeared = ::GetLastError() == ERROR_ALREADY_EXISTS;
    final = FinalPathOf(made, full);
    if (!appeared) MarkForDeletion(made, true);
    ::CloseHandle(made);
    return {};
}

// The file a write to `full` replaces or makes, refusing what ExamineFile
// refuses. Other programs writing through the same link to a file not yet
// there can make it between two looks: it is then looked at again, so that
// the link's file is written and never the link replaced.
FileError WhereToWrite(const std::wstring& full, std::wstring& final) {
    for (int looks = 0;; ++looks) {
        bool exists = false, appeared = false;
        if (FileError error = ExamineFile(full, exists, final)) return error;
        if (exists) return {};
        const FileError error = WhereNewFileGoes(full, final, appeared);
        if (!appeared || looks == 20) return error;
    }
}

// Refuses a file at `final` that may not be replaced: a read-only one, or
// one that another program holds open. Nothing there is no refusal.
FileError MayBeReplaced(const std::wstring& final) {
    const DWORD attributes = ::GetFileAttributesW(LongPathForm(final).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return {};
    if (attributes & FILE_ATTRIBUTE_READONLY) return {FileCause::ReadOnly, ERROR_ACCESS_DENIED};
    CFile probe;
    return Patiently([&] { return probe.Open(LongPathForm(final), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING); });
}

// A random number for a temporary file's name: the system's generator
// (RtlGenRandom, on every Windows since XP), else the clock and the process.
DWORD RandomNumber() {
    static BOOLEAN(APIENTRY * generate)(PVOID, ULONG) = nullptr;
    static const bool found = FindCall(LoadSystemLibrary(L"advapi32.dll"), "SystemFunction036", generate);
    DWORD number = 0;
    if (found && generate(&number, sizeof number)) return number;
    static DWORD counter = 0;
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.LowPart ^ (::GetCurrentProcessId() << 16) ^ ::GetTickCount() ^ (++counter * 0x9E3779B9u);
}

// kTemporaryPattern with its X's replaced by a random number's hex digits.
std::wstring RandomName() {
    std::wstring name = kTemporaryPattern;
    DWORD number = RandomNumber();
    for (wchar_t& c : name)
        if (c == L'X') c = L"0123456789abcdef"[number & 15], number >>= 4;
    return name;
}

// Makes a new temporary file in the folder of `final`, open for writing and
// deleting and shared with nobody. The name is short, so that beside any
// file that has a name there is room for it; and the file is made only
// where nothing stands (CREATE_NEW, which no link at the name can redirect).
FileError CreateTemporaryBeside(const std::wstring& final, CFile& file, std::wstring& name) {
    const std::wstring folder = final.substr(0, final.find_last_of(L"\\/") + 1);
    FileError error;
    for (int tries = 0; tries < 16; ++tries) {
        name = LongPathForm(folder + RandomName());
        error = file.Open(name, GENERIC_WRITE | DELETE, 0, CREATE_NEW);
        // Something stands at that name, or a folder does (access denied):
        // another name. A folder that refuses every name says so each time.
        if (error.systemError != ERROR_FILE_EXISTS && error.systemError != ERROR_ALREADY_EXISTS &&
            error.systemError != ERROR_ACCESS_DENIED)
            break;
    }
    return error;
}

// Gives the file open on `handle` the name `to`, replacing a file of that
// name. The handle stays open throughout, so that no other program can
// open the file between its last byte and its new name.
FileError RenameOpenFile(HANDLE handle, const std::wstring& to) {
    std::vector<std::uint8_t> buffer(sizeof(RenameInformation) + to.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<RenameInformation*>(buffer.data());
    rename->replaceIfExists = TRUE;
    rename->fileNameLength = static_cast<DWORD>(to.size() * sizeof(wchar_t));
    std::memcpy(rename->fileName, to.c_str(), rename->fileNameLength + sizeof(wchar_t));
    if (!Newer().setFileInformation(handle, kFileRenameInfo, rename, static_cast<DWORD>(buffer.size())))
        return FileErrorFromSystem(::GetLastError());
    return {};
}

// Windows XP's way: the temporary file is closed and moved by name, which
// replaces the target in one step as well.
FileError MoveClosedFile(CFile& file, const std::wstring& from, const std::wstring& to) {
    if (FileError error = file.Close()) return error;
    return Patiently([&]() -> FileError {
        if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
        return FileErrorFromSystem(::GetLastError());
    });
}

}  // namespace

FileError CheckReplaceable(const std::wstring& full, std::wstring& final) {
    if (FileError error = WhereToWrite(full, final)) return error;
    return MayBeReplaced(final);
}

FileError WriteFileReplacing(const std::wstring& target, const void* data, DWORD size) {
    std::wstring final;
    if (FileError error = WhereToWrite(FullPathName(target), final)) return error;

    // The new bytes go whole into the temporary file first: a failure up to
    // the rename leaves the old file untouched, and the rename is one step.
    // Until just before it the file is marked for deletion, so that if the
    // program is killed the system removes it.
    CFile file;
    std::wstring temporary;
    if (FileError error = CreateTemporaryBeside(final, file, temporary)) return error;
    const bool marked = MarkForDeletion(file.Handle(), true);
    FileError error = MayBeReplaced(final);
    if (!error) error = file.Write(data, size);
    if (!error) error = file.Flush();
    if (error) {
        if (!marked) {
            file.Close();
            ::DeleteFileW(temporary.c_str());
        }
        return error;  // a marked file goes as it closes
    }
    if (!marked) {
        error = MoveClosedFile(file, temporary, LongPathForm(final));
        if (error) ::DeleteFileW(temporary.c_str());
        return error;
    }
    // Unmarked only for each try of the rename: a try that fails (another
    // program holding the target for a moment) marks it again while it waits.
    return Patiently([&] {
        if (!MarkForDeletion(file.Handle(), false)) return FileErrorFromSystem(::GetLastError());
        const FileError renamed = RenameOpenFile(file.Handle(), LongPathForm(final));
        if (renamed) MarkForDeletion(file.Handle(), true);
        return renamed;
    });
}

}  // namespace fw
