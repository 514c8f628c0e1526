// A memory bitmap filled with a colour no look uses, to draw single tabs into and read them back.
#include "MemoryCanvas.h"

#include "KTDrawObjects.h"

CMemoryCanvas::CMemoryCanvas(CSize sz) : m_sz(sz)
{
    CKTScreenDC screen;
    m_dc.CreateCompatibleDC(NULL);
    m_hBitmap = ::CreateCompatibleBitmap(screen.GetSafeHdc(), sz.cx, sz.cy);
    m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
    m_dc.FillSolidRect(0, 0, sz.cx, sz.cy, kUntouched);
}

CMemoryCanvas::~CMemoryCanvas()
{
    ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
    ::DeleteObject(m_hBitmap);
}

CPixelImage CMemoryCanvas::Image() { return CPixelImage::FromDC(m_dc.GetSafeHdc(), CRect(CPoint(0, 0), m_sz)); }

CRect CMemoryCanvas::Drawn()
{
    CPixelImage image = Image();
    CRect rc(0, 0, 0, 0);
    for (int y = 0; y < m_sz.cy; y++)
        for (int x = 0; x < m_sz.cx; x++)
            if (image.Pixel(x, y) != kUntouched)
                rc = rc.IsRectEmpty() ? CRect(x, y, x + 1, y + 1) : (rc | CRect(x, y, x + 1, y + 1));
    return rc;
}
