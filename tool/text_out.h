// The text a command writes: collected here and written out by the platform
// layer once the command has finished (main.cpp), so tests can run the
// commands in-process and read what they wrote. A few inserters instead of
// std::ostream, whose locale machinery alone would be most of
// corvaset-dat.exe.
#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

namespace tool {

// A type that is a number, not a character or a truth value.
template <typename T>
concept Number = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
                 !std::same_as<T, signed char> && !std::same_as<T, unsigned char> && !std::same_as<T, wchar_t> &&
                 !std::same_as<T, char8_t> && !std::same_as<T, char16_t> && !std::same_as<T, char32_t>;

class TextOut {
public:
    TextOut& operator<<(std::string_view text) {
        m_text.append(text);
        return *this;
    }
    TextOut& operator<<(char c) {
        m_text.push_back(c);
        return *this;
    }
    // In decimal, as std::ostream writes it by default.
    template <Number N>
    TextOut& operator<<(N number) {
        m_text.append(std::to_string(number));
        return *this;
    }

    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace tool
