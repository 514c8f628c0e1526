// KTTabClientWndTheme.cpp: the tab client follows the look of the frame's command bars.
#include "KTTabClientWnd.h"

#include "KTPaintManager.h"

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
    CKTCommandBars* pCommandBars = m_bFollowCommandBarsTheme ? GetCommandBars() : NULL;
    if (!pCommandBars)
        return;
    CKTPaintManager* pPaintManager = pCommandBars->GetPaintManager();
    const int nTheme = pPaintManager->GetCurrentTheme();
    if (nTheme == m_nLastTheme)
        return;
    ApplyTheme(pPaintManager);
    m_nLastTheme = nTheme;
    Refresh(TRUE);
}

void CKTTabClientWnd::ApplyTheme(CKTPaintManager* pPaintManager) { m_pPainter->ApplyLook(pPaintManager->GetTabLook()); }
