// KTTabTurnedDC.cpp: draws a tab of a left, bottom or right strip as if it stood on a top strip.
#include "KTTabTurnedDC.h"

#include <vector>

#include "KTDrawObjects.h"
#include "KTTabPainter.h"

namespace
{
// The area's pixels, read through a DIB of its own size.
class CAreaPixels
{
public:
    CAreaPixels(CDC* pDC, const CRect& rc) : m_rc(rc), m_section(rc.Size()), m_dc(pDC, m_section.GetHandle()) {}

    BOOL IsValid() const { return m_section.GetBits() && m_dc.GetSafeHdc(); }
    uint32_t* Bits() { return reinterpret_cast<uint32_t*>(m_section.GetBits()); }
    void ReadFrom(CDC* pDC) { m_dc.BitBlt(0, 0, m_rc.Width(), m_rc.Height(), pDC, m_rc.left, m_rc.top, SRCCOPY); }
    void WriteTo(CDC* pDC) { pDC->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), &m_dc, 0, 0, SRCCOPY); }

private:
    CRect m_rc;
    CKTDibSection m_section;
    CKTCompatibleDC m_dc;  // after the section: gives its bitmap back before the section is freed
};
}  // namespace

CKTTabTurnedDC::CKTTabTurnedDC(CKTTabPainter* pPainter, CDC* pDestDC, const CRect& rcArea, int nPosition)
    : m_pPainter(pPainter), m_pDestDC(pDestDC), m_rcArea(rcArea), m_nPosition(nPosition), m_pDC(pDestDC)
{
    if (Begin(CLR_INVALID))
        m_pPainter->SetDrawingTurned(TRUE);
}

CKTTabTurnedDC::CKTTabTurnedDC(CDC* pDestDC, const CRect& rcArea, int nPosition, COLORREF clrBackground)
    : m_pPainter(NULL), m_pDestDC(pDestDC), m_rcArea(rcArea), m_nPosition(nPosition), m_pDC(pDestDC)
{
    Begin(clrBackground);
}

BOOL CKTTabTurnedDC::Begin(COLORREF clrBackground)
{
    if (m_nPosition == ktTabPositionTop || m_rcArea.IsRectEmpty())
        return FALSE;
    m_pTop = std::make_unique<CKTDibSection>(TopSize());
    m_pTopDC = std::make_unique<CKTCompatibleDC>(m_pDestDC, m_pTop->GetHandle());
    if (!m_pTop->GetBits() || !m_pTopDC->GetSafeHdc())
        return FALSE;
    if (clrBackground != CLR_INVALID)
        m_pTopDC->FillSolidRect(CRect(CPoint(0, 0), TopSize()), clrBackground);
    else
    {
        CAreaPixels area(m_pDestDC, m_rcArea);
        if (!area.IsValid())
            return FALSE;
        area.ReadFrom(m_pDestDC);
        ::GdiFlush();
        Turn(area.Bits(), TopBits(), FALSE);
    }
    m_pDC = m_pTopDC.get();
    return TRUE;
}

CKTTabTurnedDC::~CKTTabTurnedDC()
{
    if (!IsTurned())
        return;
    if (m_pPainter)
        m_pPainter->SetDrawingTurned(FALSE);
    CAreaPixels area(m_pDestDC, m_rcArea);
    if (!area.IsValid())
        return;
    ::GdiFlush();
    Turn(TopBits(), area.Bits(), TRUE);
    area.WriteTo(m_pDestDC);
}

uint32_t* CKTTabTurnedDC::TopBits() const { return reinterpret_cast<uint32_t*>(m_pTop->GetBits()); }

CSize CKTTabTurnedDC::TopSize() const
{
    BOOL bVertical = m_nPosition == ktTabPositionLeft || m_nPosition == ktTabPositionRight;
    return bVertical ? CSize(m_rcArea.Height(), m_rcArea.Width()) : m_rcArea.Size();
}

// Top co-ordinates (x along the strip, y away from the client's far side) to the area's pixels.
void CKTTabTurnedDC::Turn(const uint32_t* pFrom, uint32_t* pTo, BOOL bBack) const
{
    CSize szTop = TopSize();
    int cxArea = m_rcArea.Width();
    int cyArea = m_rcArea.Height();
    for (int ty = 0; ty < szTop.cy; ty++)
    {
        for (int tx = 0; tx < szTop.cx; tx++)
        {
            int ax = tx, ay = cyArea - 1 - ty;
            if (m_nPosition == ktTabPositionLeft)
                ax = ty, ay = tx;
            else if (m_nPosition == ktTabPositionRight)
                ax = cxArea - 1 - ty, ay = tx;
            size_t nTop = static_cast<size_t>(ty) * szTop.cx + tx;
            size_t nArea = static_cast<size_t>(ay) * cxArea + ax;
            if (bBack)
                pTo[nArea] = pFrom[nTop];
            else
                pTo[nTop] = pFrom[nArea];
        }
    }
}

CRect CKTTabTurnedDC::ToTop(const CRect& rc) const
{
    const CRect& a = m_rcArea;
    switch (m_pDC == m_pDestDC ? ktTabPositionTop : m_nPosition)
    {
    case ktTabPositionBottom:
        return CRect(rc.left - a.left, a.bottom - rc.bottom, rc.right - a.left, a.bottom - rc.top);
    case ktTabPositionLeft:
        return CRect(rc.top - a.top, rc.left - a.left, rc.bottom - a.top, rc.right - a.left);
    case ktTabPositionRight:
        return CRect(rc.top - a.top, a.right - rc.right, rc.bottom - a.top, a.right - rc.left);
    default:
        return rc;
    }
}
