// Double-byte characters of the active code page: a lead byte and the byte
// after it are one character to the lexer, as they are to the buffer.
// Defines: KTLexLeadBytes, KTLexSetLeadBytes, KTLexCharLength.
#pragma once

#include "KTLexCharSet.h"

// The lead bytes in force: the active code page's on Windows, none elsewhere.
const CKTLexCharSet& KTLexLeadBytes();
// Tests and fuzzers give a table of their own; set it before any parse runs.
void KTLexSetLeadBytes(const CKTLexCharSet& leadBytes);

// Bytes of the character at text: 2 for a lead byte followed by a byte of the
// same row, else 1.
inline int KTLexCharLength(const char* text, const CKTLexCharSet& leadBytes = KTLexLeadBytes())
{
    char next = text[0] ? text[1] : 0;
    return leadBytes.Contains(text[0]) && next != 0 && next != '\r' && next != '\n' ? 2 : 1;
}
