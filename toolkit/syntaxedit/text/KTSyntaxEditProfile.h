// KTSyntaxEditProfile.h: numbers read from the application's profile, kept to the range their use allows.
#pragma once
#include "afxwin.h"

// The value of the key (nDefault when it is missing), clamped to [nMin, nMax]: a damaged profile can ask for
// no more than the editor can do. nDefault as it is when there is no application object.
int KTReadProfileInt(LPCSTR pszSection, LPCSTR pszKey, int nDefault, int nMin, int nMax);

// A flag: any nonzero value is TRUE.
BOOL KTReadProfileFlag(LPCSTR pszSection, LPCSTR pszKey, BOOL bDefault);
