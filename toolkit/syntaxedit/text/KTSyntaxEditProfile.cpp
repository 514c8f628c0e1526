// KTSyntaxEditProfile.cpp: clamped reading of the profile's numbers.
#include "KTSyntaxEditProfile.h"

#include <algorithm>
#include <climits>

int KTReadProfileInt(LPCSTR pszSection, LPCSTR pszKey, int nDefault, int nMin, int nMax)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return nDefault;
    // Stored as a DWORD: values above INT_MAX come back negative and meet the lower bound.
    return std::clamp(int(pApp->GetProfileInt(pszSection, pszKey, nDefault)), nMin, nMax);
}

BOOL KTReadProfileFlag(LPCSTR pszSection, LPCSTR pszKey, BOOL bDefault)
{
    return KTReadProfileInt(pszSection, pszKey, bDefault ? 1 : 0, INT_MIN, INT_MAX) != 0 ? TRUE : FALSE;
}
