// KTColorManager.cpp: system colours, derived blends and scheme detection.
#include "KTColorManager.h"

#include <string.h>

#include "KTDrawObjects.h"
#include "KTWinThemeWrapper.h"

namespace
{

// One derived colour: a blend of two system colours, n percent of the first.
struct DerivedColor
{
    int nIndex;
    int nFirst;
    int nSecond;
    int nWeight;
};

// The derived colours have no fixed values of their own; each is chosen to
// suit how its callers use it: hot and pressed states are washes of the
// selection colour over the window, faces and lines are blends of the 3-D
// colours, so that every one follows the user's colour scheme.
const DerivedColor g_derived[] = {
    {KTCOLOR_TOOLBAR_FACE, COLOR_MENUBAR, COLOR_MENUBAR, 100},
    {KTCOLOR_HIGHLIGHT, COLOR_HIGHLIGHT, COLOR_WINDOW, 30},
    {KTCOLOR_HIGHLIGHT_BORDER, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, 100},
    {KTCOLOR_HIGHLIGHT_PUSHED, COLOR_HIGHLIGHT, COLOR_WINDOW, 50},
    {KTCOLOR_HIGHLIGHT_FAINT, COLOR_HIGHLIGHT, COLOR_WINDOW, 15},
    {KTCOLOR_POPUP_DISABLED_TEXT, COLOR_HIGHLIGHT, COLOR_WINDOW, 40},
    {KTCOLOR_HIGHLIGHT_CHECKED, COLOR_BTNFACE, COLOR_WINDOW, 40},
    {KTCOLOR_HIGHLIGHT_CHECKED_BORDER, COLOR_BTNFACE, COLOR_WINDOW, 80},
    {KTCOLOR_GRIPPER, COLOR_BTNSHADOW, COLOR_BTNFACE, 80},
    {KTCOLOR_SEPARATOR, COLOR_BTNSHADOW, COLOR_BTNTEXT, 80},
    {KTCOLOR_DISABLED_ICON, COLOR_BTNFACE, COLOR_WINDOW, 85},
    {KTCOLOR_POPUP_FACE, COLOR_BTNSHADOW, COLOR_WINDOW, 85},
    {KTCOLOR_POPUP_HIDDEN_COLUMN, COLOR_BTNSHADOW, COLOR_WINDOW, 70},
    {KTCOLOR_POPUP_BORDER, COLOR_WINDOW, COLOR_BTNFACE, 85},
    {KTCOLOR_POPUP_TEXT, COLOR_BTNFACE, COLOR_WINDOW, 90},
    {KTCOLOR_HIGHLIGHT_TEXT, COLOR_GRAYTEXT, COLOR_WINDOW, 70},
    {KTCOLOR_TOOLBAR_TEXT, COLOR_MENUTEXT, COLOR_MENUTEXT, 100},
    {KTCOLOR_HIGHLIGHT_PUSHED_TEXT, COLOR_WINDOW, COLOR_BTNFACE, 50},
    {KTCOLOR_TAB_HEADER_FACE, COLOR_BTNFACE, COLOR_WINDOW, 70},
    {KTCOLOR_TAB_TEXT, COLOR_BTNTEXT, COLOR_BTNTEXT, 100},
    {KTCOLOR_HIGHLIGHT_PUSHED_BORDER, COLOR_HIGHLIGHT, COLOR_WINDOW, 20},
    {KTCOLOR_CONTROL_FACE, COLOR_ACTIVECAPTION, COLOR_ACTIVECAPTION, 100},
    {KTCOLOR_BAR_EDGE, COLOR_BTNSHADOW, COLOR_BTNSHADOW, 100},
    {KTCOLOR_POPUP_EDIT, COLOR_BTNFACE, COLOR_BTNSHADOW, 80},
    {KTCOLOR_WINDOW_FRAME, COLOR_CAPTIONTEXT, COLOR_CAPTIONTEXT, 100},
    {KTCOLOR_FACE_PALE, COLOR_BTNFACE, COLOR_WINDOW, 90},
    {KTCOLOR_POPUP_LABEL, COLOR_BTNSHADOW, COLOR_WINDOW, 50},
    {KTCOLOR_FLAT_BORDER, COLOR_BTNSHADOW, COLOR_WINDOW, 75},
    {KTCOLOR_DISABLED_CHECKED_BORDER, COLOR_WINDOW, COLOR_WINDOW, 100},
    {KTCOLOR_FACE_SHADE, COLOR_BTNFACE, COLOR_BTNSHADOW, 60},
    {KTCOLOR_DISABLED_TEXT, COLOR_BTNFACE, COLOR_WINDOW, 70},
    {KTCOLOR_FLOATING_FRAME, COLOR_BTNFACE, COLOR_BTNFACE, 100},
    {KTCOLOR_SHADOW_SOFT, COLOR_BTNSHADOW, COLOR_BTNFACE, 60},
};

static_assert(sizeof(g_derived) / sizeof(g_derived[0]) == KTCOLOR_COUNT - KTCOLOR_FIRST_DERIVED,
              "every index from 30 to 62 is derived");

// Face, border and accent of the three visual-style schemes.
struct SchemeColors
{
    COLORREF clrFace;
    COLORREF clrBorder;
    COLORREF clrAccent;
};

const SchemeColors g_schemes[] = {
    {RGB(221, 236, 254), RGB(123, 164, 224), RGB(169, 199, 240)},  // blue
    {RGB(243, 242, 231), RGB(188, 187, 177), RGB(197, 212, 159)},  // olive
    {RGB(238, 238, 244), RGB(161, 160, 187), RGB(192, 192, 211)},  // silver
};

int BlendChannel(int c1, int c2, int n, int nScale) { return (c1 * n + c2 * (nScale - n) + nScale / 2) / nScale; }

}  // namespace

CKTColorManager::CKTColorManager()
    : m_nSystemTheme(ktSystemThemeNone), m_nLunaTheme(ktSystemThemeAuto), m_bDisableLunaColors(FALSE)
{
    memset(m_clrCustom, 0xFF, sizeof(m_clrCustom));
    RefreshColors();
}

COLORREF CKTColorManager::BlendColors(COLORREF clr1, COLORREF clr2, int nWeight)
{
    int nScale = nWeight < 100 ? 100 : 1000;
    return RGB(BlendChannel(GetRValue(clr1), GetRValue(clr2), nWeight, nScale),
               BlendChannel(GetGValue(clr1), GetGValue(clr2), nWeight, nScale),
               BlendChannel(GetBValue(clr1), GetBValue(clr2), nWeight, nScale));
}

namespace
{
const COLORREF kReadyColorMark = 0x02000000;  // PALETTERGB's
}  // namespace

int KTColorArgument(COLORREF clr) { return static_cast<int>(clr < KTCOLOR_COUNT ? clr | kReadyColorMark : clr); }

COLORREF KTReadyColor(int nArgument)
{
    const COLORREF clr = static_cast<COLORREF>(nArgument);
    return (clr & 0xFF000000) == kReadyColorMark ? clr & 0x00FFFFFF : clr;
}

COLORREF CKTColorManager::GetColor(int nIndex) const
{
    if (!IsValidIndex(nIndex))
        return KTReadyColor(nIndex);
    if (m_clrCustom[nIndex] != static_cast<COLORREF>(-1))
        return m_clrCustom[nIndex];
    return m_clrStandard[nIndex];
}

COLORREF CKTColorManager::GetLunaColor(int nIndex) const
{
    if (!IsValidIndex(nIndex) || m_clrCustom[nIndex] != static_cast<COLORREF>(-1))
        return GetColor(nIndex);
    if (m_bDisableLunaColors || GetCurrentSystemTheme() == ktSystemThemeNone)
        return m_clrStandard[nIndex];
    return m_clrLuna[nIndex];
}

void CKTColorManager::SetColor(int nIndex, COLORREF clr)
{
    if (IsValidIndex(nIndex))
        m_clrCustom[nIndex] = clr;
}

int CKTColorManager::GetCurrentSystemTheme() const
{
    if (m_nLunaTheme == ktSystemThemeAuto || m_nLunaTheme == ktSystemThemeDefault)
        return m_nSystemTheme;
    return m_nLunaTheme;
}

void CKTColorManager::SetLunaTheme(int nTheme)
{
    m_nLunaTheme = nTheme;
    RefreshColors();
}

void CKTColorManager::RefreshColors()
{
    m_nSystemTheme = DetectSystemTheme();
    Palette palette;
    ReadSystemPalette(palette);
    DeriveColors(palette, m_clrStandard);
    if (!ApplySchemePalette(GetCurrentSystemTheme(), palette))
        memcpy(m_clrLuna, m_clrStandard, sizeof(m_clrLuna));
    else
        DeriveColors(palette, m_clrLuna);
}

void CKTColorManager::ReadSystemPalette(Palette& palette)
{
    for (int i = 0; i <= COLOR_MENUBAR; i++)
        palette.clrSystem[i] = ::GetSysColor(i);
}

void CKTColorManager::DeriveColors(const Palette& palette, COLORREF* pColors)
{
    for (int i = 0; i < KTCOLOR_FIRST_DERIVED; i++)
        pColors[i] = palette.clrSystem[i];
    for (const DerivedColor& derived : g_derived)
    {
        pColors[derived.nIndex] =
            BlendColors(palette.clrSystem[derived.nFirst], palette.clrSystem[derived.nSecond], derived.nWeight);
    }
}

BOOL CKTColorManager::ApplySchemePalette(int nScheme, Palette& palette)
{
    if (nScheme < ktSystemThemeBlue || nScheme > ktSystemThemeSilver)
        return FALSE;
    const SchemeColors& scheme = g_schemes[nScheme - ktSystemThemeBlue];
    palette.clrSystem[COLOR_BTNFACE] = scheme.clrFace;
    palette.clrSystem[COLOR_MENUBAR] = scheme.clrFace;
    palette.clrSystem[COLOR_BTNSHADOW] = scheme.clrBorder;
    palette.clrSystem[COLOR_ACTIVECAPTION] = scheme.clrAccent;
    return TRUE;
}

int CKTColorManager::DetectSystemTheme()
{
    CKTWinThemeWrapper theme;
    if (!theme.IsAppThemed() || !theme.IsThemeActive())
        return ktSystemThemeNone;
    char szColor[MAX_PATH] = "";
    if (FAILED(theme.GetCurrentThemeName(szColor, MAX_PATH)))
        return ktSystemThemeNone;
    if (lstrcmpiA(szColor, "normalcolor") == 0)
        return ktSystemThemeBlue;
    if (lstrcmpiA(szColor, "homestead") == 0)
        return ktSystemThemeOlive;
    if (lstrcmpiA(szColor, "metallic") == 0)
        return ktSystemThemeSilver;
    return ktSystemThemeNone;
}

namespace
{

BOOL HasFewColours(HDC hDC)
{
    int nBits = ::GetDeviceCaps(hDC, BITSPIXEL) * ::GetDeviceCaps(hDC, PLANES);
    return nBits > 0 && nBits <= 8;
}

}  // namespace

BOOL CKTColorManager::IsLowResolution(HDC hDC)
{
    if (hDC)
        return HasFewColours(hDC);
    CKTScreenDC screen;
    return screen.GetSafeHdc() && HasFewColours(screen.GetSafeHdc());
}

CKTColorManager* KTColorManager()
{
    static CKTColorManager manager;
    return &manager;
}

void KTRefreshColors() { KTColorManager()->RefreshColors(); }
