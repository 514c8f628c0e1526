// A memory bitmap filled with a colour no look uses, to draw single tabs into and read them back.
#pragma once

#include <afxwin.h>

#include "PixelImage.h"

const COLORREF kUntouched = RGB(1, 2, 3);

class CMemoryCanvas
{
public:
    explicit CMemoryCanvas(CSize sz);
    ~CMemoryCanvas();
    CMemoryCanvas(const CMemoryCanvas&) = delete;
    CMemoryCanvas& operator=(const CMemoryCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    CPixelImage Image();
    // The smallest rectangle holding every pixel that was drawn.
    CRect Drawn();

private:
    CSize m_sz;
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};
