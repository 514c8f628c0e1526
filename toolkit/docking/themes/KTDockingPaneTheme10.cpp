// KTDockingPaneTheme10.cpp: the style resources' docking colours, or fixed blue ones without them.
#include "KTDockingPaneTheme10.h"

#include "KTColorManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawHelpers.h"
#include "KTStyleResourceSet.h"
#include "KTTabPainter.h"

CKTDockingPaneTheme10::CKTDockingPaneTheme10()
{
    m_dwSplitterStyle = ktSplitterGradientAlong;
    m_bRoundedCaption = FALSE;
    for (CKTTabPainter* pPainter : {GetContainerTabPainter(), GetPanelTabPainter()})
    {
        pPainter->SetAppearance(10);
        pPainter->m_bHotTracking = TRUE;
        pPainter->m_rcButtonMargin.SetRect(2, 1, 2, 1);
    }
}

void CKTDockingPaneTheme10::RefreshMetrics()
{
    CKTDockingPaneTheme2::RefreshMetrics();
    if (KTStyleResourceSet()->IsLoaded())
        ReadStyleColors();
    else
        UseFallbackColors();
    m_bWarmHighlight = TRUE;
}

void CKTDockingPaneTheme10::ReadStyleColors()
{
    const CKTStyleResourceSet* pStyle = KTStyleResourceSet();
    pStyle->ReadColor("Window", "WindowFrame", m_clrTable[KTCOLOR_WINDOW_FRAME]);
    pStyle->ReadColor("Window", "ButtonFace", m_clrTable[KTCOLOR_CONTROL_FACE]);
    pStyle->ReadColor("Window", "EdgeHighLightColor", m_clrTable[COLOR_3DHIGHLIGHT]);
    if (pStyle->ReadColor("DockingPane", "Splitter", m_clrSplitter))
        m_clrGrip.SetStandardValue(m_clrTable[KTCOLOR_WINDOW_FRAME]);
    pStyle->ReadColor("Toolbar", "ToolbarGripper", m_clrTable[KTCOLOR_GRIPPER]);
    pStyle->ReadColor("Toolbar", "MenuPopupBorder", m_clrTable[KTCOLOR_POPUP_BORDER]);
    pStyle->ReadGradient("DockingPane", "SplitterLight", "SplitterDark", 0.5f, m_clrBackground);
    pStyle->ReadGradient("DockingPane", "NormalCaptionLight", "NormalCaptionDark", 0.5f, m_clrNormalCaption);
    pStyle->ReadColor("DockingPane", "NormalCaptionText", m_clrNormalCaptionText);
    pStyle->ReadGradient("DockingPane", "ActiveCaptionLight", "ActiveCaptionDark", 0.5f, m_clrActiveCaption);
    pStyle->ReadColor("DockingPane", "ActiveCaptionText", m_clrActiveCaptionText);
}

void CKTDockingPaneTheme10::UseFallbackColors()
{
    m_clrTable[KTCOLOR_WINDOW_FRAME] = RGB(101, 147, 207);
    m_clrTable[KTCOLOR_CONTROL_FACE] = RGB(191, 219, 255);
    m_clrTable[COLOR_3DHIGHLIGHT] = RGB(255, 255, 255);
    m_clrSplitter.SetStandardValue(RGB(216, 231, 252));
    m_clrGrip.SetStandardValue(RGB(101, 147, 207));
    m_clrTable[KTCOLOR_GRIPPER] = RGB(39, 65, 118);
    m_clrTable[KTCOLOR_POPUP_BORDER] = RGB(101, 147, 207);
    m_clrBackground.SetStandardValue(RGB(227, 239, 255), RGB(175, 210, 255));
    m_clrNormalCaption.SetStandardValue(RGB(227, 239, 255), RGB(175, 210, 255));
    m_clrNormalCaptionText.SetStandardValue(RGB(8, 55, 114));
    m_clrActiveCaption.SetStandardValue(RGB(255, 231, 162), RGB(255, 166, 76));
    m_clrActiveCaptionText.SetStandardValue(RGB(0, 0, 0));
}

void CKTDockingPaneTheme10::DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    BOOL bVertical = pContainer->IsCaptionVertical();
    BOOL bActive = m_bHighlightActiveCaption && pContainer->IsActive();
    CRect rcCaption = bVertical ? CRect(rc.left, rc.top, rc.left + m_nCaptionHeight + 3, rc.bottom)
                                : CRect(rc.left, rc.top, rc.right, rc.top + m_nCaptionHeight + 3);
    KTDrawHelpers()->GradientFill(pDC, rcCaption, bActive ? m_clrActiveCaption : m_clrNormalCaption, !bVertical);
    DrawCaptionBody(pDC, pContainer, rcCaption, pContainer->GetTitle(), bActive, bVertical);
    COLORREF clrLine = m_clrTable[KTCOLOR_WINDOW_FRAME];
    COLORREF clrInner = m_clrTable[COLOR_3DHIGHLIGHT];
    // Lines on the top and near side, a light one just inside them, and the far side closed.
    pDC->FillSolidRect(rcCaption.left, rcCaption.top, rcCaption.Width(), 1, clrLine);
    pDC->FillSolidRect(rcCaption.left, rcCaption.top, 1, rcCaption.Height(), clrLine);
    pDC->FillSolidRect(rcCaption.left + 1, rcCaption.top + 1, rcCaption.Width() - 2, 1, clrInner);
    pDC->FillSolidRect(rcCaption.left + 1, rcCaption.top + 1, 1, rcCaption.Height() - 1, clrInner);
    if (bVertical)
        pDC->FillSolidRect(rcCaption.left, rcCaption.bottom - 1, rcCaption.Width(), 1, clrLine);
    else
        pDC->FillSolidRect(rcCaption.right - 1, rcCaption.top, 1, rcCaption.Height(), clrLine);
}
