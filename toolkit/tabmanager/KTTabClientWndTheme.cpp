// KTTabClientWndTheme.cpp: the tab client follows the look of the frame's command bars.
#include "KTTabClientWnd.h"

#include "KTPaintManager.h"

namespace
{
// What each command-bars theme asks of the tabs; any other theme gets the plain look.
KT_TAB_LOOK LookOf(int nTheme)
{
    KT_TAB_LOOK look;
    switch (nTheme)
    {
    case ktCommandBarsThemeFlat:
        look.nAppearance = 5;
        look.bStaticFrame = TRUE;
        look.nClientFrame = ktTabClientFrameLine;
        break;
    case ktCommandBarsThemeGradient:
    case ktCommandBarsThemeStyleResources:
        look.nAppearance = 3;
        look.nColor = nTheme == ktCommandBarsThemeStyleResources ? 32 : -1;
        look.nDisableLunaColors = FALSE;
        look.bItemColors = TRUE;
        look.bHotTracking = TRUE;
        break;
    case ktCommandBarsThemeVisualStyles:
        look.nColor = 8;
        look.bHotTracking = TRUE;
        break;
    case ktCommandBarsThemeFlatScheme:
        look.nAppearance = 3;
        look.nColor = 16;
        look.bStaticFrame = TRUE;
        look.nClientFrame = ktTabClientFrameLine;
        look.nDisableLunaColors = TRUE;
        break;
    case ktCommandBarsThemeRibbon:
        look.nAppearance = 10;
        look.nDisableLunaColors = FALSE;
        look.bHotTracking = TRUE;
        look.rcButtonMargin.SetRect(3, 2, 3, 1);
        break;
    }
    return look;
}
}  // namespace

// Any frame that offers its command bars will do.
CKTCommandBars* CKTTabClientWnd::GetCommandBars() const
{
    const auto* pSite = dynamic_cast<const IKTCommandBarsSite*>(m_pFrame);
    return pSite ? pSite->GetCommandBars() : NULL;
}

BOOL CKTTabClientWnd::GetCommandBarsTheme(int& nTheme, COLORREF& clrWorkspace) const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTPaintManager* pPaintManager = pCommandBars ? pCommandBars->GetPaintManager() : NULL;
    if (!pPaintManager)
        return FALSE;
    nTheme = pPaintManager->GetCurrentTheme();
    clrWorkspace = pPaintManager->GetColor(COLOR_APPWORKSPACE);
    return TRUE;
}

void CKTTabClientWnd::RefreshTheme()
{
    int nTheme = 0;
    COLORREF clrWorkspace = 0;
    if (!m_bFollowCommandBarsTheme || !GetCommandBarsTheme(nTheme, clrWorkspace) || nTheme == m_nLastTheme)
        return;
    ApplyTheme(nTheme);
    m_nLastTheme = nTheme;
    Refresh(TRUE);
}

void CKTTabClientWnd::ApplyTheme(int nTheme) { m_pPainter->ApplyLook(LookOf(nTheme)); }
