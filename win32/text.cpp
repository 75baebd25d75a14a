#include "win32/text.h"

namespace fw {
namespace {

// Takes over a buffer FormatMessageW allocated; empty when it made none.
std::wstring TakeBuffer(wchar_t* buffer, DWORD length) {
    if (buffer == nullptr) return L"";
    std::wstring text(buffer, length);
    ::LocalFree(buffer);
    return text;
}

}  // namespace

std::wstring FormatInserts(const wchar_t* pattern, std::initializer_list<std::wstring> inserts) {
    std::wstring text;
    for (const wchar_t* at = pattern; *at != L'\0'; ++at) {
        const std::size_t insert = at[0] == L'%' && at[1] >= L'1' && at[1] <= L'9' ? at[1] - L'1' : inserts.size();
        if (insert < inserts.size()) {
            text += inserts.begin()[insert];
            ++at;
        } else {
            text += *at;
        }
    }
    return text;
}

std::wstring WidenAscii(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring Utf16FromUtf8(const std::string& text) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Utf8FromUtf16(const std::wstring& text) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                        nullptr);
    std::string utf8(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr,
                                     nullptr);
    return utf8;
}

std::wstring DecimalText(unsigned number) { return WidenAscii(std::to_string(number)); }

std::wstring CompactPath(const std::wstring& path, std::size_t limit) {
    if (path.size() <= limit) return path;
    const std::size_t slash = path.find_last_of(L"\\/");
    std::size_t tail = slash == std::wstring::npos ? 0 : path.size() - slash;
    // A name too long to keep whole keeps its end, the extension with it.
    if (tail + 4 > limit) tail = limit - 4;
    const std::size_t head = limit - 3 - tail;
    return path.substr(0, head) + L"..." + path.substr(path.size() - tail);
}

std::wstring SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, error, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = TakeBuffer(buffer, length);
    text.erase(text.find_last_not_of(L"\r\n .") + 1);
    return text;
}

}  // namespace fw
