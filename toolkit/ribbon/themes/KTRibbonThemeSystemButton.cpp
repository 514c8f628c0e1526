// KTRibbonThemeSystemButton.cpp: theme 6's application button: the style's face under the control's icon or the
// frame's, or an ordinary tool-bar button while the frame keeps its own caption.
#include "KTRibbonThemePainter.h"

#include "KTControl.h"
#include "KTImageManager.h"
#include "KTRibbonBar.h"
#include "KTStyleResourceSet.h"

#include <algorithm>

namespace
{
const int kLargeIcon = 32;      // the frame's large icon; a control's icon wider than this covers the face
const int kLargeFaceRoom = 54;  // the large face wants more room than this both ways

CRect CentredIn(const CRect& rc, CSize sz)
{
    return CRect(CPoint(rc.left + (rc.Width() - sz.cx) / 2, rc.top + (rc.Height() - sz.cy) / 2), sz);
}

CKTRibbonBar* RibbonOf(const CKTControl* pButton)
{
    return pButton->GetParent() ? pButton->GetParent()->AsRibbonBar() : NULL;
}
}  // namespace

BOOL CKTRibbonThemePainter::DrawsSystemButtonCaption(const CKTControl* pButton)
{
    // On a frame the ribbon draws, the style's face and the icon alone.
    CKTRibbonBar* pBar = RibbonOf(pButton);
    return !m_pTheme || !pBar || !pBar->IsFrameThemeEnabled();
}

void CKTRibbonThemePainter::DrawSystemButton(CDC* pDC, CKTControl* pButton, CRect rc)
{
    if (!m_pTheme || !RibbonOf(pButton))
    {
        CKTRibbonPlainPainter::DrawSystemButton(pDC, pButton, rc);
        return;
    }
    if (DrawsSystemButtonCaption(pButton))
    {
        DrawToolBarButtonAt(pDC, pButton, rc);
        return;
    }
    CKTImageManagerIcon* pIcon = pButton->GetImage(1);  // the largest
    const BOOL bIconAlone = pIcon && pIcon->m_nWidth > kLargeIcon;
    if (!bIconAlone)
        DrawSystemButtonFace(pDC, pButton, rc);
    DrawSystemButtonIcon(pDC, pButton, pIcon, rc);
}

CSize CKTRibbonThemePainter::FitSystemButton(const CKTControl* pButton, CSize szMeasured)
{
    if (!m_pTheme || DrawsSystemButtonCaption(pButton))
        return szMeasured;
    // The face and the icon are centred in the button: neither may stand out of it.
    CKTImageManagerIcon* pIcon = pButton->GetImage(1);
    const BOOL bIconAlone = pIcon && pIcon->m_nWidth > kLargeIcon;
    const CSize szIcon = pIcon ? CSize(pIcon->m_nWidth, pIcon->m_nHeight) : CSize(kLargeIcon, kLargeIcon);
    CKTStyleImage* pFace = bIconAlone ? NULL : Image("FRAMESYSTEMBUTTON");
    const CSize szFace = pFace ? pFace->GetSource(0, 3).Size() : CSize(0, 0);
    return CSize(std::max({szMeasured.cx, szIcon.cx, szFace.cx}), std::max({szMeasured.cy, szIcon.cy, szFace.cy}));
}

void CKTRibbonThemePainter::DrawSystemButtonFace(CDC* pDC, CKTControl* pButton, const CRect& rc)
{
    CKTStyleImage* pFace =
        rc.Width() > kLargeFaceRoom && rc.Height() > kLargeFaceRoom ? Image("FRAMESYSTEMBUTTON52") : NULL;
    if (!pFace)
        pFace = Image("FRAMESYSTEMBUTTON");
    if (!pFace)
        return;
    const CRect rcSource = pFace->GetSource(PopupPart(pButton), 3);
    pFace->DrawImage(pDC, CentredIn(rc, rcSource.Size()), rcSource, CRect());
}

void CKTRibbonThemePainter::DrawSystemButtonIcon(CDC* pDC, CKTControl* pButton, CKTImageManagerIcon* pIcon,
                                                 const CRect& rc)
{
    if (pIcon)
    {
        const CSize sz(pIcon->m_nWidth, pIcon->m_nHeight);
        m_pTheme->DrawImage(pDC, CentredIn(rc, sz).TopLeft(), sz, pIcon, m_pTheme->GetControlState(pButton), FALSE);
        return;
    }
    CWnd* pFrame = pButton->GetParent()->GetFrameSite();
    HICON hIcon = pFrame ? CKTThemeStyle5::GetFrameLargeIcon(pFrame) : NULL;
    if (!hIcon)
        return;
    const CRect rcIcon = CentredIn(rc, CSize(kLargeIcon, kLargeIcon));
    ::DrawIconEx(pDC->GetSafeHdc(), rcIcon.left, rcIcon.top, hIcon, kLargeIcon, kLargeIcon, 0, NULL, DI_NORMAL);
}

// The system menu draws its opening button again in its own co-ordinates; the bars draw at the control's rectangle.
void CKTRibbonThemePainter::DrawToolBarButtonAt(CDC* pDC, CKTControl* pButton, const CRect& rc)
{
    const CPoint ptShift = rc.TopLeft() - pButton->GetRect().TopLeft();
    const CPoint ptOrigin = pDC->OffsetViewportOrg(ptShift.x, ptShift.y);
    m_pTheme->DrawControlToolBarParent(pDC, pButton, TRUE);
    pDC->SetViewportOrg(ptOrigin);
}
