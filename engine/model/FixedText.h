// FixedText.h: bounded copies of text into the records' fixed character arrays.
#pragma once

#include <cstddef>
#include <cstring>

// Copies text with its terminator into dest when it fits; text that does not
// fit is refused and dest is left as it was, so nothing is ever cut silently.
template <std::size_t N>
bool CopyFixedText(char (&dest)[N], const char* text)
{
    if (text == nullptr)
        return false;
    const std::size_t length = std::strlen(text);
    if (length >= N)
        return false;
    std::memcpy(dest, text, length + 1);
    return true;
}

// The longest text a fixed array holds.
template <std::size_t N>
constexpr std::size_t FixedTextCapacity(const char (&)[N])
{
    return N - 1;
}
