// KTShadowImage.h: the pixels of a layered shadow strip.
#pragma once

#include <windows.h>

#include <vector>

const int KT_SHADOW_WIDTH = 4;  // a layered strip's thickness; plain strips take 2

// Premultiplied 32-bit pixels, top row first, for a strip of cx x cy in the colour; half strength
// halves the alpha ramps.
std::vector<DWORD> KTBuildShadowImage(int cx, int cy, BOOL bHorizontal, COLORREF clrShadow, BOOL bHalfStrength);
