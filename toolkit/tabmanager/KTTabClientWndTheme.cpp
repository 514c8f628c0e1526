// KTTabClientWndTheme.cpp: the tab client follows the look of the frame's command bars.
#include "KTTabClientWnd.h"

#include "KTPaintManager.h"

namespace
{
// What each command-bars theme asks of the tabs; -1 keeps the look's own colours.
struct KT_TAB_THEME
{
    int nTheme, nAppearance, nColor;
};

const KT_TAB_THEME kThemes[] = {{ktCommandBarsThemeFlat, 5, -1},           {ktCommandBarsThemeGradient, 3, -1},
                                {ktCommandBarsThemeVisualStyles, 0, 8},    {ktCommandBarsThemeFlatScheme, 3, 16},
                                {ktCommandBarsThemeStyleResources, 3, 32}, {ktCommandBarsThemeRibbon, 10, -1}};
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

void CKTTabClientWnd::ApplyTheme(int nTheme)
{
    CKTTabPainter* p = m_pPainter;
    p->m_bHotTracking = FALSE;
    p->m_bItemColors = FALSE;
    p->m_nClientFrame = ktTabClientFrameFull;
    p->m_bStaticFrame = FALSE;
    p->m_rcButtonMargin.SetRect(0, 0, 0, 0);
    switch (nTheme)
    {
    case ktCommandBarsThemeFlat:
        p->m_bStaticFrame = TRUE;
        p->m_nClientFrame = ktTabClientFrameLine;
        break;
    case ktCommandBarsThemeGradient:
    case ktCommandBarsThemeStyleResources:
        p->m_bDisableLunaColors = FALSE;
        p->m_bItemColors = TRUE;
        p->m_bHotTracking = TRUE;
        break;
    case ktCommandBarsThemeVisualStyles:
        p->m_bHotTracking = TRUE;
        break;
    case ktCommandBarsThemeFlatScheme:
        p->m_bStaticFrame = TRUE;
        p->m_nClientFrame = ktTabClientFrameLine;
        p->m_bDisableLunaColors = TRUE;
        break;
    case ktCommandBarsThemeRibbon:
        p->m_bDisableLunaColors = FALSE;
        p->m_bHotTracking = TRUE;
        p->m_rcButtonMargin.SetRect(3, 2, 3, 1);
        break;
    }
    for (const KT_TAB_THEME& theme : kThemes)
    {
        if (theme.nTheme != nTheme)
            continue;
        p->SetAppearance(theme.nAppearance);
        if (theme.nColor != -1)
            p->SetColor(theme.nColor);
        return;
    }
    p->SetAppearance(0);
}
