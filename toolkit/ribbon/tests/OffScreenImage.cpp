// OffScreenImage.cpp: drawing into a memory bitmap and reading it back.
#include "OffScreenImage.h"

#include "KTDrawObjects.h"

CPixelImage DrawOffScreen(CSize size, const std::function<void(CDC*)>& draw)
{
    CKTDibSection dib(size);
    CKTCompatibleDC dc(NULL, dib.GetHandle());
    draw(&dc);
    return CPixelImage::FromDC(dc.GetSafeHdc(), CRect(CPoint(0, 0), size));
}
