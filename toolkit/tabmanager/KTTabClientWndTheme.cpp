// KTTabClientWndTheme.cpp: the tab client follows the look of the frame's command bars.
#include "KTTabClientWnd.h"

#include "KTMDIFrameWnd.h"
#include "KTPaintManager.h"

namespace
{
// What each command-bars theme asks of the tabs; -1 keeps the look's own colours.
struct KT_TAB_THEME
{
    int nTheme, nAppearance, nColor;
};

const KT_TAB_THEME kThemes[] = {{1, 5, -1}, {2, 3, -1}, {3, 0, 8}, {4, 3, 16}, {5, 3, 32}, {6, 10, -1}};
}  // namespace

CKTCommandBars* CKTTabClientWnd::GetCommandBars() const
{
    if (!m_pFrame || !m_pFrame->IsKindOf(RUNTIME_CLASS(CKTMDIFrameWnd)))
        return NULL;
    return static_cast<CKTMDIFrameWnd*>(m_pFrame)->GetCommandBars();
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
    case 1:
        p->m_bStaticFrame = TRUE;
        p->m_nClientFrame = ktTabClientFrameLine;
        break;
    case 2:
    case 5:
        p->m_bDisableLunaColors = FALSE;
        p->m_bItemColors = TRUE;
        p->m_bHotTracking = TRUE;
        break;
    case 3:
        p->m_bHotTracking = TRUE;
        break;
    case 4:
        p->m_bStaticFrame = TRUE;
        p->m_nClientFrame = ktTabClientFrameLine;
        p->m_bDisableLunaColors = TRUE;
        break;
    case 6:
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
