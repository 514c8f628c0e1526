// The lead-byte table of the lexer.
#include "KTLexLeadBytes.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

CKTLexCharSet ActiveCodePageLeadBytes()
{
    CKTLexCharSet leadBytes;
#ifdef _WIN32
    for (int c = 0x80; c < 256; ++c)
        if (IsDBCSLeadByte(BYTE(c)))
            leadBytes.Add(char(c));
#endif
    return leadBytes;
}

CKTLexCharSet& Table()
{
    static CKTLexCharSet table = ActiveCodePageLeadBytes();
    return table;
}

}  // namespace

const CKTLexCharSet& KTLexLeadBytes() { return Table(); }

void KTLexSetLeadBytes(const CKTLexCharSet& leadBytes) { Table() = leadBytes; }
