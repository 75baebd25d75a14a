#include "tests/support/win_test_support.h"

#include <cstdlib>

namespace test_support {
namespace {

// Child IDs of a message box's icon and text: Wine's, then Windows'.
constexpr int kBoxIconIds[] = {1088, 0x14};
constexpr int kBoxTextIds[] = {100, 0xFFFF};

struct FindContext {
    HWND except;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lp) {
    auto* ctx = reinterpret_cast<FindContext*>(lp);
    if (hwnd != ctx->except && ::IsWindowVisible(hwnd) && ClassName(hwnd) == L"#32770") {
        ctx->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BoxIcon ClassifyIcon(HICON icon) {
    if (icon == nullptr) return BoxIcon::None;
    if (icon == ::LoadIconW(nullptr, IDI_HAND)) return BoxIcon::Stop;
    if (icon == ::LoadIconW(nullptr, IDI_ASTERISK)) return BoxIcon::Information;
    return BoxIcon::Other;
}

}  // namespace

std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[2048] = L"";
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, &length);
    return std::wstring(buffer, length);
}

std::wstring ClassName(HWND hwnd) {
    wchar_t buffer[256] = L"";
    const int length = ::GetClassNameW(hwnd, buffer, 256);
    return std::wstring(buffer, static_cast<size_t>(length));
}

HWND FindDialogOfThread(DWORD threadId, HWND except) {
    FindContext ctx{except, nullptr};
    ::EnumThreadWindows(threadId, FindDialog, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

SeenBox ReadBox(HWND box) {
    SeenBox seen;
    seen.caption = WindowText(box);
    ::GetWindowRect(box, &seen.place);
    for (int id : kBoxTextIds) {
        if (HWND text = ::GetDlgItem(box, id); text != nullptr && ClassName(text) == L"Static" &&
                                              (::GetWindowLongW(text, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
            seen.text = WindowText(text);
            seen.isMessageBox = true;
            break;
        }
    }
    for (int id : kBoxIconIds) {
        if (HWND icon = ::GetDlgItem(box, id); icon != nullptr && seen.isMessageBox) {
            const auto handle = reinterpret_cast<HICON>(::SendMessageW(icon, STM_GETICON, 0, 0));
            seen.iconShown = ::IsWindowVisible(icon) && handle != nullptr;
            seen.icon = seen.iconShown ? ClassifyIcon(handle) : BoxIcon::None;
        }
    }
    if (!seen.isMessageBox) {
        for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (ClassName(child) != L"Static" || (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
            const std::wstring text = WindowText(child);
            if (text.empty()) continue;
            seen.text += (seen.text.empty() ? L"" : L"\n") + text;
        }
    }
    return seen;
}

void PressOk(HWND box) {
    HWND ok = ::GetDlgItem(box, IDOK);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}

std::optional<SeenBox> AnswerNextBox(DWORD threadId, HWND except, DWORD timeoutMs, int answer) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        if (HWND box = FindDialogOfThread(threadId, except)) {
            SeenBox seen = ReadBox(box);
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(box, answer)));
            // Wait until the box is gone, so the next search does not find it again.
            const DWORD pressed = ::GetTickCount();
            while (::IsWindow(box) && ::IsWindowVisible(box) && ::GetTickCount() - pressed < 10000) ::Sleep(5);
            return seen;
        }
        ::Sleep(10);
    }
    return std::nullopt;
}

BoxAnswerer::BoxAnswerer(DWORD threadId, HWND except, std::vector<int> answers)
    : m_thread([this, threadId, except, answers] {
          std::size_t next = 0;
          while (!m_stop) {
              const int answer = next < answers.size() ? answers[next] : IDOK;
              if (auto seen = AnswerNextBox(threadId, except, 50, answer)) {
                  ++next;
                  std::lock_guard<std::mutex> lock(m_mutex);
                  m_seen.push_back(*seen);
              }
          }
      }) {}

BoxAnswerer::~BoxAnswerer() { Finish(); }

std::vector<SeenBox> BoxAnswerer::Finish() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

ScratchDir::ScratchDir(const std::wstring& prefix) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    for (unsigned n = ::GetTickCount() ^ ::GetCurrentProcessId();; ++n) {
        m_path = std::wstring(temp) + prefix + L"-" + std::to_wstring(n);
        if (::CreateDirectoryW(m_path.c_str(), nullptr)) break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) std::abort();
    }
}

ScratchDir::~ScratchDir() { RemoveTree(m_path); }

std::vector<std::wstring> ListFolder(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    return names;
}

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    ::SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const auto& name : ListFolder(path)) RemoveTree(path + L"\\" + name);
        ::RemoveDirectoryW(path.c_str());
    } else {
        ::DeleteFileW(path.c_str());
    }
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::uint8_t> bytes(::GetFileSize(file, nullptr));
    DWORD read = 0;
    const BOOL ok = bytes.empty() || ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    if (!ok || read != bytes.size()) return std::nullopt;
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = bytes.empty() || ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}

FILETIME LastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

std::wstring FillDisk(const std::wstring& folder) {
    const std::wstring path = folder + L"\\filler";
    HANDLE filler = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (filler == INVALID_HANDLE_VALUE) return L"";
    const std::vector<std::uint8_t> block(512, 0);
    for (DWORD size : {512u, 1u}) {
        for (DWORD written = 1; written > 0;)
            if (!::WriteFile(filler, block.data(), size, &written, nullptr)) break;
    }
    ::CloseHandle(filler);
    return path;
}

std::wstring FullDiskFolder(std::string& reason) {
    const std::wstring dir = WindowsPathFromEnv("CORVASET_FULL_DISK_DIR");
    if (dir.empty()) {
        reason = "CORVASET_FULL_DISK_DIR is not set: run through ctest, which mounts the disk";
        return L"";
    }
    if (const auto why = ReadFileBytes(dir + L".skip")) {
        reason.assign(why->begin(), why->end());
        return L"";
    }
    RemoveTree(dir + L"\\corvaset.dat");
    RemoveTree(dir + L"\\filler");
    return dir;
}

std::wstring WindowsPathFromEnv(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr) return L"";
    std::wstring path(value, value + std::char_traits<char>::length(value));
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;  // Wine maps / to Z:
    return path;
}

CurrentDirectory::CurrentDirectory(const std::wstring& path) {
    wchar_t previous[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    m_previous = previous;
    ::SetCurrentDirectoryW(path.c_str());
}

CurrentDirectory::~CurrentDirectory() { ::SetCurrentDirectoryW(m_previous.c_str()); }

}  // namespace test_support
