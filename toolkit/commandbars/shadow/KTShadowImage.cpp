// KTShadowImage.cpp: the alpha ramps of a shadow strip: darker next to its popup, soft at its corners.
#include "KTShadowImage.h"

namespace
{
DWORD ShadowPixel(COLORREF clr, int nAlpha, double dFactor)
{
    DWORD dwRed = (DWORD)(GetRValue(clr) * dFactor), dwGreen = (DWORD)(GetGValue(clr) * dFactor);
    DWORD dwBlue = (DWORD)(GetBValue(clr) * dFactor);
    return ((DWORD)nAlpha << 24) | (dwRed << 16) | (dwGreen << 8) | dwBlue;
}

DWORD CornerPixel(COLORREF clr, int s, int i, int j) { return ShadowPixel(clr, 3 * s * i * j, 0.05 * i * j); }

DWORD EdgePixel(COLORREF clr, int s, int k) { return ShadowPixel(clr, 15 * s * k, 0.25 * k); }
}  // namespace

std::vector<DWORD> KTBuildShadowImage(int cx, int cy, BOOL bHorizontal, COLORREF clr, BOOL bHalfStrength)
{
    std::vector<DWORD> pixels((size_t)cx * cy, 0);
    int s = bHalfStrength ? 1 : 2;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            DWORD& dw = pixels[(size_t)y * cx + x];
            if (bHorizontal)
            {
                // Rows: the one next to the popup (top) is 4, the outermost (bottom) 1.
                int k = cy - y;
                int nFromEnd = x < KT_SHADOW_WIDTH ? x + 1 : (x >= cx - KT_SHADOW_WIDTH ? cx - x : 0);
                dw = nFromEnd ? CornerPixel(clr, s, nFromEnd, k) : EdgePixel(clr, s, k);
            }
            else
            {
                // Columns: the one next to the popup (left) is 4, the outermost (right) 1.
                int k = cx - x;
                dw = y < KT_SHADOW_WIDTH ? CornerPixel(clr, s, k, y + 1) : EdgePixel(clr, s, k);
            }
        }
    return pixels;
}
