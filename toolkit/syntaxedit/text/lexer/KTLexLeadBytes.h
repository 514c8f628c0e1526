// Double-byte characters of the active code page: a lead byte and the byte
// after it are one character to the lexer, as they are to the buffer.
// Defines: CKTLexLeadBytes, KTLexCharLength.
#pragma once

#include "KTLexCharSet.h"

// The lead bytes in force: the active code page's on Windows, none elsewhere.
// A plain static, not a function-local one: the parse asks at every step.
class CKTLexLeadBytes
{
public:
    static const CKTLexCharSet& Get() { return s_leadBytes; }
    // FALSE in a single-byte code page, where every byte is a character.
    static bool Any() { return s_bAny; }
    // Tests and fuzzers give a table of their own; set it before any parse runs.
    static void Set(const CKTLexCharSet& leadBytes);

private:
    static CKTLexCharSet s_leadBytes;
    static bool s_bAny;
};

// Bytes of the character at text: 2 for a lead byte followed by a byte of the
// same row, else 1.
inline int KTLexCharLength(const char* text, const CKTLexCharSet& leadBytes = CKTLexLeadBytes::Get())
{
    if (!leadBytes.Contains(text[0]) || text[0] == 0)
        return 1;
    return text[1] != 0 && text[1] != '\r' && text[1] != '\n' ? 2 : 1;
}
