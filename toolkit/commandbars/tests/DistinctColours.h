// DistinctColours.h: themes whose every colour index has a colour of its own, so a pixel read back names the index
// it was drawn in.
#pragma once

#include "KTColorManager.h"
#include "KTPaintManager.h"
#include "KTSmartPtr.h"

// What the pixel tests draw on before the theme draws.
const COLORREF kPaper = RGB(255, 255, 255);

// The colour given to a toolkit index.
inline COLORREF Distinct(int nIndex) { return RGB(nIndex * 4, 255 - nIndex * 3, (nIndex * 37) % 256); }

// A theme that ignores the system's visual styles and draws each index in its distinct colour.
template <class T>
CKTSmartPtr<T> MakeThemeWithDistinctColours()
{
    CKTSmartPtr<T> pTheme = KTMakeCounted<T>();
    pTheme->m_nSystemTheme = ktSystemThemeNone;
    pTheme->RefreshMetrics();
    for (int i = 0; i < KTCOLOR_COUNT; i++)
        pTheme->SetCustomColor(i, Distinct(i));
    return pTheme;
}
