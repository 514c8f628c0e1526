// Character steps in ANSI text that may hold double-byte characters.
#pragma once

#include <windows.h>

// Bytes of the character at p: 2 for a lead byte with a trail byte, else 1.
inline int KTCharLen(LPCSTR p) { return IsDBCSLeadByte(BYTE(p[0])) && p[1] ? 2 : 1; }
