// Colour comparison with a tolerance per channel, for colours that went through blending or dithering.
#pragma once

#include <windows.h>

#include <cstdlib>

inline bool NearColor(COLORREF clrA, COLORREF clrB, int nTolerance = 3)
{
    return std::abs(GetRValue(clrA) - GetRValue(clrB)) <= nTolerance &&
           std::abs(GetGValue(clrA) - GetGValue(clrB)) <= nTolerance &&
           std::abs(GetBValue(clrA) - GetBValue(clrB)) <= nTolerance;
}
