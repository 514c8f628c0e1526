// KTThemeStyle2Metrics.cpp: the gradient theme's colours by system scheme and its expand ball.
#include "KTThemeStyle2.h"

#include "KTColorManager.h"
#include "KTDrawObjects.h"

namespace
{
struct KT_GRADIENT
{
    COLORREF clrLight, clrDark;
    float fFactor;
};

// One column of the scheme tables: blue, olive, silver.
struct KT_SCHEME
{
    KT_GRADIENT dockBar, toolBar, popuped, expandButton, hiddenColumn, ball, barFace;
    COLORREF clrFaceShadow, clrFloatingGripper, clrPaneBorder, clrTearOff, clrShadow;
    COLORREF clr51, clr52, clr53, clr56, clr12;
    COLORREF clrTable[13];
};

const int g_tableIndexes[13] = {KTCOLOR_GRIPPER,
                                KTCOLOR_SEPARATOR,
                                KTCOLOR_DISABLED_ICON,
                                KTCOLOR_POPUP_FACE,
                                KTCOLOR_POPUP_BORDER,
                                KTCOLOR_HIGHLIGHT,
                                KTCOLOR_HIGHLIGHT_BORDER,
                                KTCOLOR_HIGHLIGHT_CHECKED_BORDER,
                                KTCOLOR_HIGHLIGHT_PUSHED_BORDER,
                                KTCOLOR_HIGHLIGHT_PUSHED,
                                KTCOLOR_HIGHLIGHT_CHECKED,
                                KTCOLOR_TOOLBAR_FACE,
                                KTCOLOR_HIGHLIGHT_PUSHED_TEXT};

const KT_SCHEME g_schemes[3] = {
    {{0xF5BE9E, 0xFADAC4, 0.5f},
     {0xFEECDD, 0xE2A981, 0.75f},
     {0xFFEFE3, 0xE7B593, 0.5f},
     {0xF1A675, 0x913500, 0.75f},
     {0xF6DDCB, 0xDCA179, 0.5f},
     {0xFEEFE3, 0xE2A981, 0.5f},
     {0xF2ECE9, 0xAC7A61, 0.5f},
     0x9C613B,
     0xC9662A,
     0xD3D3D3,
     0xF0C7A9,
     0x361E16,
     0xFCE7D8,
     0xF5BE9E,
     0xFCE1CB,
     0xF7D3BD,
     0xAE9990,
     {0x764127, 0xCB8C6A, 0xD0966D, 0xF6F6F6, 0x962D00, 0xC2EEFF, 0x800000, 0x800000, 0x800000, 0x3E80FE, 0x6FC0FF,
      0xF9DBC4, 0x000000}},
    {{0xA7D9D9, 0xE4F1F2, 0.5f},
     {0xDEF7F4, 0x91C6B7, 0.3f},
     {0xD5F0EC, 0x9FCEC2, 0.5f},
     {0x8CC2B0, 0x6B7760, 0.3f},
     {0xD1E6E6, 0x78B4A4, 0.3f},
     {0xD5F0EC, 0x93C6B8, 0.5f},
     {0xF0F4F3, 0x719083, 0.5f},
     0x588060,
     0x5E8674,
     0xD3D3D3,
     0x9FD4C5,
     0x19221F,
     0xBFE7E2,
     0x8AC0AB,
     0xB6E3D8,
     0xBDE3DE,
     0x7BA097,
     {0x335E51, 0x588060, 0x7AAE9F, 0xEEF4F4, 0x5E8D75, 0xC2EEFF, 0x385D3F, 0x385D3F, 0x385D3F, 0x3E80FE, 0x6FC0FF,
      0xADDED1, 0x000000}},
    {{0xE5D7D7, 0xF7F3F3, 0.5f},
     {0xFFF9F9, 0xB79B9C, 0.75f},
     {0xF1E7E9, 0xCDB9BA, 0.5f},
     {0xC8B2B3, 0x927476, 0.75f},
     {0xE2D7D7, 0xA28385, 0.5f},
     {0xF1E8E8, 0xC5AEB0, 0.5f},
     {0xF9F5F7, 0x99797A, 0.5f},
     0x947C7C,
     0x99797A,
     0xDAEAEC,
     0xD3C0C0,
     0x292024,
     0xEADFDF,
     0xC3B0B1,
     0xE7D3D6,
     0xE7D7D6,
     0xB39A9B,
     {0x755454, 0x8F6D6E, 0xBEA7A8, 0xFFFAFD, 0x947C7C, 0xC2EEFF, 0x6F4B4B, 0x6F4B4B, 0x6F4B4B, 0x3E80FE, 0x6FC0FF,
      0xE4DADB, 0x000000}},
};

void Set(CKTPaintManagerColorGradient& grc, const KT_GRADIENT& g)
{
    grc.SetStandardValue(g.clrLight, g.clrDark, g.fFactor);
}

const BYTE g_ballWeights[16][16] = {
    {255, 255, 255, 255, 234, 234, 234, 198, 198, 198, 198, 252, 255, 255, 255, 255},
    {255, 255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 144, 198, 255, 255, 255},
    {255, 255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 180, 255, 255},
    {255, 234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 108, 198, 255},
    {252, 234, 252, 252, 252, 252, 234, 198, 198, 180, 144, 126, 108, 90, 90, 252},
    {234, 234, 234, 234, 234, 234, 234, 198, 180, 180, 144, 126, 108, 90, 72, 180},
    {198, 234, 234, 234, 234, 234, 198, 198, 180, 144, 126, 108, 90, 90, 72, 108},
    {180, 198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108, 90, 72, 72, 72},
    {180, 180, 180, 180, 180, 180, 144, 144, 126, 126, 108, 90, 90, 72, 54, 54},
    {180, 144, 144, 144, 144, 144, 144, 126, 126, 108, 108, 90, 72, 54, 36, 90},
    {198, 126, 126, 126, 126, 126, 126, 126, 108, 90, 72, 54, 54, 36, 36, 126},
    {252, 126, 108, 108, 108, 108, 108, 72, 72, 54, 54, 36, 36, 18, 18, 234},
    {255, 198, 90, 90, 90, 72, 72, 54, 54, 36, 36, 18, 18, 0, 108, 255},
    {255, 255, 144, 54, 54, 54, 36, 36, 18, 18, 18, 0, 0, 54, 255, 255},
    {255, 255, 255, 126, 36, 36, 18, 18, 18, 0, 0, 0, 72, 255, 255, 255},
    {255, 255, 255, 255, 234, 90, 36, 18, 0, 0, 54, 180, 255, 255, 255, 255},
};

const COLORREF g_clrBallMask = RGB(0, 255, 0);
}  // namespace

int CKTThemeStyle2::GetBallWeight(int x, int y) { return g_ballWeights[y][x]; }

void CKTThemeStyle2::RefreshMetrics()
{
    CKTThemeStyle1::RefreshMetrics();
    CWnd* pMainWnd = AfxGetMainWnd();
    m_themeStatusBar.OpenThemeData(pMainWnd ? pMainWnd->GetSafeHwnd() : NULL, "STATUS");

    auto K = [this](int n) { return GetColor(n); };
    auto B = &CKTColorManager::BlendColors;
    m_grcHiddenColumn.SetStandardValue(B(K(COLOR_WINDOW), K(KTCOLOR_POPUP_HIDDEN_COLUMN), 550),
                                       K(KTCOLOR_POPUP_HIDDEN_COLUMN));
    m_grcToolBar.SetStandardValue(B(K(COLOR_BTNFACE), K(COLOR_WINDOW), 205), K(COLOR_BTNFACE));
    m_grcDockBar.SetStandardValue(K(COLOR_BTNFACE), B(K(COLOR_BTNFACE), K(COLOR_WINDOW), 205));
    m_clrTearOff.SetStandardValue(K(KTCOLOR_TOOLBAR_FACE));
    m_clrFaceShadow.SetStandardValue(K(KTCOLOR_TOOLBAR_FACE));
    m_clrFloatingGripper.SetStandardValue(K(COLOR_BTNSHADOW));
    m_grcPopuped.SetStandardValue(K(KTCOLOR_POPUP_FACE), B(K(COLOR_WINDOW), K(COLOR_BTNFACE), 550));
    m_grcExpandButton.SetStandardValue(B(K(KTCOLOR_CONTROL_FACE), K(COLOR_BTNSHADOW), 51), K(COLOR_BTNSHADOW));
    m_bLunaColors = FALSE;
    m_grcBall.SetStandardValue(K(KTCOLOR_POPUP_FACE), B(K(COLOR_WINDOW), K(COLOR_BTNFACE), 550));
    m_clrPaneBorder.SetStandardValue(B(K(COLOR_BTNFACE), K(COLOR_WINDOW), 70));
    // The pale face follows the dock bars' pale end, its custom value included.
    const int nPaleFace = KTCOLOR_FACE_PALE;
    const COLORREF clrPaleFace = m_grcDockBar.clrDark;
    SetColors(1, &nPaleFace, &clrPaleFace);

    if (CKTColorManager::IsLowResolution())
    {
        for (CKTPaintManagerColorGradient* pGrc : {&m_grcToolBar, &m_grcDockBar, &m_grcPopuped, &m_grcExpandButton})
            pGrc->SetStandardValue(K(COLOR_BTNFACE));
    }
    int nScheme = GetCurrentSystemTheme();
    if (nScheme >= ktSystemThemeBlue && nScheme <= ktSystemThemeSilver)
        ApplySchemeColors(nScheme);
    if (m_bLunaColors)
    {
        const int indexes[] = {KTCOLOR_POPUP_DISABLED_TEXT, KTCOLOR_DISABLED_CHECKED_BORDER, KTCOLOR_DISABLED_TEXT,
                               KTCOLOR_FLOATING_FRAME};
        const COLORREF colors[] = {0x8D8D8D, 0x8D8D8D, 0x8D8D8D, m_clrFloatingGripper.GetColor()};
        SetColors(4, indexes, colors);
    }
    CreateExpandBallImage();
}

void CKTThemeStyle2::ApplySchemeColors(int nScheme)
{
    const KT_SCHEME& s = g_schemes[nScheme - 1];
    Set(m_grcDockBar, s.dockBar);
    Set(m_grcToolBar, s.toolBar);
    Set(m_grcPopuped, s.popuped);
    Set(m_grcExpandButton, s.expandButton);
    Set(m_grcHiddenColumn, s.hiddenColumn);
    Set(m_grcBall, s.ball);
    Set(m_grcDisabledIcons, s.barFace);
    m_clrFaceShadow.SetStandardValue(s.clrFaceShadow);
    m_clrFloatingGripper.SetStandardValue(s.clrFloatingGripper);
    m_clrPaneBorder.SetStandardValue(s.clrPaneBorder);
    m_clrTearOff.SetStandardValue(s.clrTearOff);
    m_clrShadowColor = s.clrShadow;
    const int indexes[] = {KTCOLOR_CONTROL_FACE, KTCOLOR_BAR_EDGE, KTCOLOR_POPUP_EDIT, KTCOLOR_POPUP_LABEL,
                           COLOR_APPWORKSPACE};
    const COLORREF colors[] = {s.clr51, s.clr52, s.clr53, s.clr56, s.clr12};
    SetColors(5, indexes, colors);
    SetColors(13, g_tableIndexes, s.clrTable);
    m_bLunaColors = TRUE;
}

void CKTThemeStyle2::CreateExpandBallImage()
{
    if (m_hBallImages)
        ImageList_Destroy(m_hBallImages);
    m_hBallImages = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
    CKTScreenDC screen;
    if (!m_hBallImages || !screen.GetSafeHdc())
        return;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(screen.GetSafeHdc(), 16, 16);
    if (!hBitmap)
        return;
    {
        CKTCompatibleDC dc(&screen, hBitmap);
        COLORREF clrLight = m_grcBall.clrLight, clrDark = m_grcBall.clrDark;
        auto channel = [](int light, int dark, int w) { return dark + (light - dark) * w / 255; };
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++)
            {
                int w = g_ballWeights[y][x];
                COLORREF clr = w == 255 ? g_clrBallMask
                                        : RGB(channel(GetRValue(clrLight), GetRValue(clrDark), w),
                                              channel(GetGValue(clrLight), GetGValue(clrDark), w),
                                              channel(GetBValue(clrLight), GetBValue(clrDark), w));
                if (dc.GetSafeHdc())
                    dc.SetPixelV(x, y, clr);
            }
    }
    ImageList_AddMasked(m_hBallImages, hBitmap, g_clrBallMask);
    ::DeleteObject(hBitmap);
}
