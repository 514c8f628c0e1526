// KTDockingPaneTheme9.cpp: caption colours and caption background of the application's docking theme.
#include "KTDockingPaneTheme9.h"

#include "KTColorManager.h"
#include "KTDockingPaneTabColorSet.h"
#include "KTDrawHelpers.h"
#include "KTTabAppearanceSetFlat.h"
#include "KTTabPainter.h"

namespace
{
void UseDockingLook(CKTTabPainter* pPainter, BOOL bReserved, BOOL bFilledSelectedTab)
{
    pPainter->SetAppearance(9);
    auto pSet = std::make_unique<CKTTabAppearanceSet2>();
    pSet->m_bSelectedReachesClient = FALSE;
    pSet->m_bReserved = bReserved;
    pPainter->SetAppearanceSetObject(pSet.release());
    pPainter->SetColorSetObject(std::make_unique<CKTDockingPaneTabColorSet>(TRUE, bFilledSelectedTab, TRUE).release());
}
}  // namespace

CKTDockingPaneTheme9::CKTDockingPaneTheme9()
{
    CKTTabPainter* pContainerPainter = GetContainerTabPainter();
    UseDockingLook(pContainerPainter, TRUE, TRUE);
    pContainerPainter->m_nClientFrame = ktTabClientFrameLine;
    pContainerPainter->m_rcClientMargin.top = 1;
    CKTTabPainter* pPanelPainter = GetPanelTabPainter();
    UseDockingLook(pPanelPainter, FALSE, FALSE);
    pPanelPainter->m_bRotateImagesOnVerticalStrips = TRUE;
}

void CKTDockingPaneTheme9::RefreshMetrics()
{
    CKTDockingPaneTheme6::RefreshMetrics();
    m_clrNormalCaption.SetStandardValue(m_clrTable[COLOR_INACTIVECAPTION]);
    m_clrActiveCaption.SetStandardValue(m_clrTable[COLOR_ACTIVECAPTION]);
    m_clrCaptionBorder.SetStandardValue(m_clrTable[COLOR_3DSHADOW]);
    ApplyScheme(CurrentScheme());
}

void CKTDockingPaneTheme9::ApplyScheme(int nScheme)
{
    switch (nScheme)
    {
    case ktSystemThemeBlue:
        m_clrNormalCaption.SetStandardValue(RGB(204, 199, 186));
        m_clrActiveCaption.SetStandardValue(RGB(59, 128, 237), RGB(49, 106, 197));
        break;
    case ktSystemThemeOlive:
        m_clrNormalCaption.SetStandardValue(RGB(204, 199, 186));
        m_clrActiveCaption.SetStandardValue(RGB(182, 195, 146), RGB(145, 160, 117));
        break;
    case ktSystemThemeSilver:
        m_clrNormalCaption.SetStandardValue(RGB(240, 240, 245));
        m_clrActiveCaption.SetStandardValue(RGB(211, 212, 221), RGB(166, 165, 191));
        m_clrCaptionBorder.SetStandardValue(RGB(145, 155, 156));
        break;
    default:
        return;
    }
    m_clrNormalCaptionText.SetCustomValue(RGB(0, 0, 0));
}

COLORREF CKTDockingPaneTheme9::DrawCaptionBackground(CDC* pDC, CRect rc, BOOL bActive, BOOL bVertical)
{
    KTDrawHelpers()->GradientFill(pDC, rc, bActive ? m_clrActiveCaption : m_clrNormalCaption, !bVertical);
    COLORREF clrBorder = m_clrCaptionBorder.GetColor();
    pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, clrBorder);
    pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), clrBorder);
    if (bVertical)
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clrBorder);
    else
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clrBorder);
    return bActive ? m_clrActiveCaptionText.GetColor() : m_clrNormalCaptionText.GetColor();
}
