// CodePage.h: expat's UTF-8 back to the model's 8-bit text, where every character lies in U+0000..U+00FF.
#pragma once

#include <afx.h>

#include <cstddef>

// False when a character lies beyond U+00FF.
bool Utf8ToCodePage(const char* text, std::size_t length, CString* out);

// Into dest, at most capacity characters and no terminator; *length is the
// count written. False, leaving dest unspecified, when a character lies
// beyond U+00FF (*tooLong false) or when the text does not fit (*tooLong true).
bool Utf8ToBoundedText(const char* text, char* dest, std::size_t capacity, std::size_t* length, bool* tooLong);
