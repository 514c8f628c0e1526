// KTTabTurnedDC.cpp: draws a tab of a left, bottom or right strip as if it stood on a top strip.
#include "KTTabTurnedDC.h"

#include <vector>

#include "KTTabPainter.h"

namespace
{
HBITMAP CreateDib(CSize sz, uint32_t** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = sz.cx;
    bmi.bmiHeader.biHeight = -sz.cy;  // top-down rows
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    *ppBits = static_cast<uint32_t*>(pBits);
    return hBitmap;
}

// The area's pixels, read through a DIB of its own size.
class CAreaPixels
{
public:
    CAreaPixels(CDC* pDC, const CRect& rc) : m_rc(rc), m_hBitmap(CreateDib(rc.Size(), &m_pBits))
    {
        if (m_hBitmap && m_dc.CreateCompatibleDC(pDC))
            m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
    }
    ~CAreaPixels()
    {
        if (m_hOld)
            ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
    }
    CAreaPixels(const CAreaPixels&) = delete;
    CAreaPixels& operator=(const CAreaPixels&) = delete;

    BOOL IsValid() const { return m_hOld != NULL; }
    uint32_t* Bits() { return m_pBits; }
    void ReadFrom(CDC* pDC) { m_dc.BitBlt(0, 0, m_rc.Width(), m_rc.Height(), pDC, m_rc.left, m_rc.top, SRCCOPY); }
    void WriteTo(CDC* pDC) { pDC->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), &m_dc, 0, 0, SRCCOPY); }

private:
    CRect m_rc;
    uint32_t* m_pBits = NULL;
    HBITMAP m_hBitmap;  // owned
    CDC m_dc;
    HGDIOBJ m_hOld = NULL;
};
}  // namespace

CKTTabTurnedDC::CKTTabTurnedDC(CKTTabPainter* pPainter, CDC* pDestDC, const CRect& rcArea, int nPosition)
    : m_pPainter(pPainter), m_pDestDC(pDestDC), m_rcArea(rcArea), m_nPosition(nPosition), m_pDC(pDestDC)
{
    if (m_nPosition == ktTabPositionTop || rcArea.IsRectEmpty())
        return;
    m_hTop = CreateDib(TopSize(), &m_pTopBits);
    if (!m_hTop || !m_dcTop.CreateCompatibleDC(pDestDC))
        return;
    m_hOldBitmap = ::SelectObject(m_dcTop.GetSafeHdc(), m_hTop);
    CAreaPixels area(pDestDC, rcArea);
    if (!area.IsValid())
        return;
    area.ReadFrom(pDestDC);
    ::GdiFlush();
    Turn(area.Bits(), m_pTopBits, FALSE);
    m_pDC = &m_dcTop;
    m_pPainter->SetDrawingTurned(TRUE);
}

CKTTabTurnedDC::~CKTTabTurnedDC()
{
    if (m_pDC == &m_dcTop)
    {
        m_pPainter->SetDrawingTurned(FALSE);
        CAreaPixels area(m_pDestDC, m_rcArea);
        if (area.IsValid())
        {
            ::GdiFlush();
            Turn(m_pTopBits, area.Bits(), TRUE);
            area.WriteTo(m_pDestDC);
        }
    }
    if (m_hOldBitmap)
        ::SelectObject(m_dcTop.GetSafeHdc(), m_hOldBitmap);
    if (m_hTop)
        ::DeleteObject(m_hTop);
}

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
