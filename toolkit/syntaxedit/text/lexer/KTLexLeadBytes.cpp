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

}  // namespace

CKTLexCharSet CKTLexLeadBytes::s_leadBytes = ActiveCodePageLeadBytes();
bool CKTLexLeadBytes::s_bAny = !s_leadBytes.IsEmpty();

void CKTLexLeadBytes::Set(const CKTLexCharSet& leadBytes)
{
    s_leadBytes = leadBytes;
    s_bAny = !leadBytes.IsEmpty();
}
