// KTTabManagerNavigateButton.cpp: the small buttons inside a tab strip: scroll left, scroll right and close.
#include "KTTabManagerNavigateButton.h"

#include "KTDrawHelpers.h"
#include "KTResourceManager.h"
#include "KTTabManager.h"
#include "KTTabManagerRes.h"
#include "KTTabPainter.h"

CKTTabManagerNavigateButton::CKTTabManagerNavigateButton(CKTTabManager* pManager, UINT nID, int nMode, UINT nTooltipID)
    : m_nID(nID), m_nMode(nMode), m_pManager(pManager)
{
    KTResourceManager()->LoadString(&m_strToolTip, nTooltipID);
}

CKTTabManagerNavigateButton::~CKTTabManagerNavigateButton()
{
    if (m_pManager && m_pManager->m_pHighlightedButton == this)
        m_pManager->m_pHighlightedButton = NULL;
}

BOOL CKTTabManagerNavigateButton::IsVerticalStrip() const { return !m_pManager->IsHorizontalPosition(); }

int CKTTabManagerNavigateButton::Extent() const
{
    CSize sz = GetSize();
    return IsVerticalStrip() ? sz.cy : sz.cx;
}

void CKTTabManagerNavigateButton::AdjustWidth(int& nLength)
{
    if (m_nMode == ktNavigateButtonAlways)
        nLength -= Extent();
}

CSize CKTTabManagerNavigateButton::GetSize() const { return m_pManager->GetPaintManager()->m_szNavigateButton; }

void CKTTabManagerNavigateButton::PerformClick(HWND hWnd, CPoint pt)
{
    m_pManager->TrackNavigateButton(this, hWnd, pt);
}

void CKTTabManagerNavigateButton::Reposition(CRect& rcStrip)
{
    if (m_nMode == ktNavigateButtonNone ||
        (m_nMode == ktNavigateButtonAutomatic && !m_pManager->IsNavigateButtonAutoVisible(this)))
    {
        m_rcButton.SetRectEmpty();
        return;
    }
    Place(rcStrip);
}

void CKTTabManagerNavigateButton::Place(CRect& rcStrip)
{
    CSize sz = GetSize();
    if (IsVerticalStrip())
    {
        int x = rcStrip.CenterPoint().x - sz.cx / 2;
        m_rcButton.SetRect(x, rcStrip.bottom - sz.cy, x + sz.cx, rcStrip.bottom);
        rcStrip.bottom -= sz.cy;
        return;
    }
    int y = rcStrip.CenterPoint().y - sz.cy / 2;
    m_rcButton.SetRect(rcStrip.right - sz.cx, y, rcStrip.right, y + sz.cy);
    rcStrip.right -= sz.cx;
}

// Shown when the tabs overflow the strip or it is scrolled; the size-to-fit layout always shows them in
// automatic mode, and the multi-row layout never.
void CKTTabManagerNavigateButtonScroll::PlaceScroll(CRect& rcStrip)
{
    CKTTabPainter* pPainter = m_pManager->GetPaintManager();
    int nLayout = m_pManager->GetLayout();
    BOOL bShow = m_nMode == ktNavigateButtonAlways;
    if (m_nMode == ktNavigateButtonAutomatic)
    {
        CRect rcMargin = pPainter->GetAppearanceSet()->GetHeaderMargin();
        int nStrip = IsVerticalStrip() ? rcStrip.Height() : rcStrip.Width();
        int nOffset = m_pManager->GetScrollOffset();
        bShow = nLayout == ktTabLayoutSizeToFit || nOffset < 0 ||
                m_pManager->GetItemsLength() + nOffset - 1 - rcMargin.left > nStrip - rcMargin.left - rcMargin.right;
    }
    if (!bShow || nLayout == ktTabLayoutMultiRow)
    {
        m_rcButton.SetRectEmpty();
        return;
    }
    Place(rcStrip);
}

CKTTabManagerNavigateButtonScrollLeft::CKTTabManagerNavigateButtonScrollLeft(CKTTabManager* pManager, int nMode)
    : CKTTabManagerNavigateButtonScroll(pManager, ktNavigateButtonLeft, nMode, KT_IDS_TABNAVIGATEBUTTON_LEFT)
{
}

void CKTTabManagerNavigateButtonScrollLeft::Reposition(CRect& rcStrip)
{
    m_bEnabled = m_pManager->GetScrollOffset() < 0;
    PlaceScroll(rcStrip);
}

void CKTTabManagerNavigateButtonScrollLeft::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    if (IsVerticalStrip())
        CKTDrawHelpers::Triangle(pDC, {c.x - 5, c.y + 2}, {c.x - 1, c.y - 2}, {c.x + 3, c.y + 2});
    else
        CKTDrawHelpers::Triangle(pDC, {c.x + 2, c.y - 5}, {c.x - 2, c.y - 1}, {c.x + 2, c.y + 3});
}

void CKTTabManagerNavigateButtonScrollLeft::OnExecute(BOOL bTick)
{
    if (bTick)
        m_pManager->Scroll(FALSE);
}

CKTTabManagerNavigateButtonScrollRight::CKTTabManagerNavigateButtonScrollRight(CKTTabManager* pManager, int nMode)
    : CKTTabManagerNavigateButtonScroll(pManager, ktNavigateButtonRight, nMode, KT_IDS_TABNAVIGATEBUTTON_RIGHT)
{
}

// Enabled while the tabs still run past the end of the strip (28 pixels keep room for both buttons).
void CKTTabManagerNavigateButtonScrollRight::Reposition(CRect& rcStrip)
{
    CRect rcMargin = m_pManager->GetPaintManager()->GetAppearanceSet()->GetHeaderMargin();
    int nStrip = IsVerticalStrip() ? rcStrip.Height() : rcStrip.Width();
    m_bEnabled =
        nStrip - rcMargin.left - rcMargin.right - 28 < m_pManager->GetItemsLength() + m_pManager->GetScrollOffset();
    PlaceScroll(rcStrip);
}

void CKTTabManagerNavigateButtonScrollRight::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    if (IsVerticalStrip())
        CKTDrawHelpers::Triangle(pDC, {c.x - 5, c.y - 2}, {c.x - 1, c.y + 2}, {c.x + 3, c.y - 2});
    else
        CKTDrawHelpers::Triangle(pDC, {c.x - 2, c.y - 5}, {c.x + 2, c.y - 1}, {c.x - 2, c.y + 3});
}

void CKTTabManagerNavigateButtonScrollRight::OnExecute(BOOL bTick)
{
    if (bTick)
        m_pManager->Scroll(TRUE);
}

CKTTabManagerNavigateButtonClose::CKTTabManagerNavigateButtonClose(CKTTabManager* pManager, int nMode)
    : CKTTabManagerNavigateButton(pManager, ktNavigateButtonClose, nMode, KT_IDS_TABNAVIGATEBUTTON_CLOSE)
{
}

void CKTTabManagerNavigateButtonClose::AdjustWidth(int& nLength)
{
    if (m_nMode == ktNavigateButtonAlways ||
        (m_nMode == ktNavigateButtonAutomatic && m_pManager->IsNavigateButtonAutoVisible(this)))
        nLength -= Extent();
}

void CKTTabManagerNavigateButtonClose::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    const POINT lines[4][2] = {{{c.x - 4, c.y - 3}, {c.x + 3, c.y + 4}},
                               {{c.x - 3, c.y - 3}, {c.x + 4, c.y + 4}},
                               {{c.x - 4, c.y + 3}, {c.x + 3, c.y - 4}},
                               {{c.x - 3, c.y + 3}, {c.x + 4, c.y - 4}}};
    for (const auto& line : lines)
    {
        pDC->MoveTo(line[0]);
        pDC->LineTo(line[1]);
    }
}

void CKTTabManagerNavigateButtonClose::OnExecute(BOOL bTick)
{
    if (!bTick)
        m_pManager->OnNavigateButtonClick(this);
}
