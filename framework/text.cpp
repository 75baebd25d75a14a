#include "framework/text.h"

#include <vector>

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
    std::vector<DWORD_PTR> arguments;
    for (const auto& insert : inserts) arguments.push_back(reinterpret_cast<DWORD_PTR>(insert.c_str()));
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | FORMAT_MESSAGE_ALLOCATE_BUFFER, pattern, 0, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, reinterpret_cast<va_list*>(arguments.data()));
    return TakeBuffer(buffer, length);
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
