// CodePage.cpp: expat's UTF-8 back to the model's 8-bit text.
#include "CodePage.h"

#include <string>

namespace
{

// U+0080..U+00FF take two bytes, lead 0xC2 or 0xC3.
bool DecodePair(const char* text, std::size_t length, std::size_t* at, char* out)
{
    const unsigned char lead = static_cast<unsigned char>(text[*at]);
    if ((lead != 0xC2 && lead != 0xC3) || *at + 1 >= length)
        return false;
    const unsigned char next = static_cast<unsigned char>(text[++*at]);
    if ((next & 0xC0) != 0x80)
        return false;
    *out = static_cast<char>(((lead & 0x1F) << 6) | (next & 0x3F));
    return true;
}

}  // namespace

bool Utf8ToCodePage(const char* text, std::size_t length, CString* out)
{
    std::size_t ascii = 0;
    while (ascii < length && static_cast<unsigned char>(text[ascii]) < 0x80)
        ++ascii;
    if (ascii == length)
    {
        *out = CString(text, static_cast<int>(length));
        return true;
    }
    std::string bytes(text, ascii);
    bytes.reserve(length);
    for (std::size_t i = ascii; i < length; ++i)
    {
        char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80 && !DecodePair(text, length, &i, &c))
            return false;
        bytes += c;
    }
    *out = CString(bytes.c_str(), static_cast<int>(bytes.size()));
    return true;
}

bool Utf8ToBoundedText(const char* text, char* dest, std::size_t capacity, std::size_t* length, bool* tooLong)
{
    *tooLong = false;
    std::size_t written = 0;
    for (std::size_t i = 0; text[i] != '\0'; ++i)
    {
        char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80 && !DecodePair(text, i + 2, &i, &c))
            return false;
        if (written == capacity)
        {
            *tooLong = true;
            return false;
        }
        dest[written++] = c;
    }
    *length = written;
    return true;
}
