// KTDockingPaneTheme1.cpp: gradient captions, and the caption drawing the application's theme shares.
#include "KTDockingPaneTheme1.h"

#include <memory>

#include "KTColorManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawHelpers.h"
#include "KTSystemInfo.h"
#include "KTTabColorSet2.h"
#include "KTTabPainter.h"

namespace
{
// The flat looks' colours, with the auto-hide tabs' captions in the dark shadow so that they read as muted.
class CPanelTabColorSet : public CKTTabColorSet2
{
public:
    void RefreshMetrics() override
    {
        CKTTabColorSet2::RefreshMetrics();
        if (GetAppearance() != 6)
            return;
        COLORREF clrText = KTColorManager()->GetColor(COLOR_3DDKSHADOW);
        m_clrTextNormal.SetStandardValue(clrText);
        m_clrTextSelected.SetStandardValue(clrText);
    }
};
}  // namespace

CKTDockingPaneTheme1::CKTDockingPaneTheme1()
{
    m_nCaptionButtonStyle = 1;
    m_bBoldCaption = FALSE;
    GetContainerTabPainter()->SetAppearance(5);
    CKTTabPainter* pPanelPainter = GetPanelTabPainter();
    pPanelPainter->SetAppearance(6);
    pPanelPainter->SetColorSetObject(std::make_unique<CPanelTabColorSet>().release());
}

void CKTDockingPaneTheme1::RefreshMetrics()
{
    CKTDockingPanePaintManager::RefreshMetrics();
    m_clrActiveCaption.SetStandardValue(m_clrTable[COLOR_ACTIVECAPTION], m_clrTable[COLOR_GRADIENTACTIVECAPTION]);
    m_clrNormalCaption.SetStandardValue(m_clrTable[COLOR_INACTIVECAPTION],
                                        ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION));
    m_clrNormalCaptionText.SetStandardValue(m_clrTable[COLOR_BTNTEXT]);
    m_clrActiveCaptionText.SetStandardValue(m_clrTable[COLOR_CAPTIONTEXT]);
    if (KTOsVersionInfo()->IsWin95())
    {
        m_clrActiveCaption.SetStandardValue(m_clrTable[COLOR_ACTIVECAPTION]);
        m_clrNormalCaption.SetStandardValue(m_clrTable[COLOR_INACTIVECAPTION]);
    }
}

void CKTDockingPaneTheme1::DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    DrawBandedCaption(pDC, pContainer, rc);
}

void CKTDockingPaneTheme1::DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc)
{
    DrawRingedFloatingFrame(pDC, pFrame, rc, m_clrTable[COLOR_3DFACE]);
}

void CKTDockingPaneTheme1::DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle,
                                           BOOL bActive, BOOL bVertical)
{
    COLORREF clrText = DrawCaptionBackground(pDC, rc, bActive, bVertical);
    (bVertical ? rc.bottom : rc.right) -= 2;
    DrawCaptionButtons(pDC, pOwner->GetCaptionButtons(), rc, clrText, 14, 2, bVertical);
    DrawCaptionTitle(pDC, pOwner, rc, strTitle, clrText, bVertical);
}

COLORREF CKTDockingPaneTheme1::DrawCaptionBackground(CDC* pDC, CRect rc, BOOL bActive, BOOL bVertical)
{
    const CKTPaintManagerColorGradient& grc = bActive ? m_clrActiveCaption : m_clrNormalCaption;
    if (m_bGradientCaption)
        KTDrawHelpers()->GradientFill(pDC, rc, grc, !bVertical);
    else if (bActive)
        pDC->FillSolidRect(rc, grc.clrLight.GetColor());
    else
    {
        // An outline whose corner pixels stay open.
        COLORREF clrLine = m_clrTable[KTCOLOR_BAR_EDGE];
        pDC->FillSolidRect(rc.left + 1, rc.top, rc.Width() - 2, 1, clrLine);
        pDC->FillSolidRect(rc.left + 1, rc.bottom - 1, rc.Width() - 2, 1, clrLine);
        pDC->FillSolidRect(rc.left, rc.top + 1, 1, rc.Height() - 2, clrLine);
        pDC->FillSolidRect(rc.right - 1, rc.top + 1, 1, rc.Height() - 2, clrLine);
    }
    return bActive ? m_clrActiveCaptionText.GetColor() : m_clrNormalCaptionText.GetColor();
}
