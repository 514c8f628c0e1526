// KTDockingPaneTheme8.cpp: captions painted with the rebar background of the visual style.
#include "KTDockingPaneTheme8.h"

#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"
#include "KTTabPainter.h"

CKTDockingPaneTheme8::CKTDockingPaneTheme8()
{
    m_nCaptionButtonStyle = 5;
    m_nCaptionGap = 9;
    m_bBoldCaption = FALSE;
    m_rcCaptionMargin.SetRect(0, 0, 0, 0);
}

void CKTDockingPaneTheme8::RefreshMetrics()
{
    CKTDockingPanePaintManager::RefreshMetrics();
    m_themeRebar.OpenThemeData(NULL, "REBAR");
    if (!m_themeRebar.IsAppThemed() || !m_themeRebar.GetThemeHandle())
        return;
    for (CKTTabPainter* pPainter : {GetContainerTabPainter(), GetPanelTabPainter()})
    {
        pPainter->SetAppearance(0);
        pPainter->SetColor(8);
        pPainter->m_bHotTracking = TRUE;
        pPainter->RefreshMetrics();
    }
}

void CKTDockingPaneTheme8::DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle,
                                           BOOL, BOOL bVertical)
{
    DrawRebarBackground(pDC, pOwner, rc);
    COLORREF clrText = m_clrTable[COLOR_BTNTEXT];
    DrawCaptionButtons(pDC, pOwner->GetCaptionButtons(), rc, clrText, 16, 2, bVertical);
    DrawCaptionTitle(pDC, pOwner, rc, strTitle, clrText, bVertical);
}

void CKTDockingPaneTheme8::DrawRebarBackground(CDC* pDC, CKTDockingPaneNode* pOwner, const CRect& rc)
{
    if (!m_themeRebar.IsAppThemed() || !m_themeRebar.GetThemeHandle())
        return;
    // One background laid over the parent window, so that neighbouring captions line up.
    CRect rcBackground = rc;
    HWND hWnd = pOwner->GetPaneHwnd();
    HWND hWndParent = hWnd ? ::GetParent(hWnd) : NULL;
    if (hWndParent && !(::GetWindowLong(hWnd, GWL_STYLE) & WS_POPUP))
    {
        ::GetClientRect(hWndParent, &rcBackground);
        ::MapWindowPoints(hWndParent, hWnd, reinterpret_cast<POINT*>(&rcBackground), 2);
    }
    CKTClipDC clip(pDC, rc);
    m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, rcBackground, rc);
}
