// KTPaintManagerAnimation.cpp: the opening animations of popup bars and the pixel buffers they mix.
#include "KTPaintManager.h"

#include "KTDrawObjects.h"
#include "KTImageManager.h"

namespace
{
void Fade(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nSteps, int nDelay)
{
    int cx = rc.Width(), cy = rc.Height();
    CKTDibSection oldPicture(CSize(cx, cy), TRUE), newPicture(CSize(cx, cy), TRUE), mix(CSize(cx, cy), TRUE);
    CKTCompatibleDC dc(NULL, newPicture.GetHandle());
    if (!oldPicture.GetBits() || !newPicture.GetBits() || !mix.GetBits() || !dc.GetSafeHdc())
        return;
    ::BitBlt(dc.GetSafeHdc(), 0, 0, cx, cy, pSrcDC->GetSafeHdc(), 0, 0, SRCCOPY);
    dc.UseBitmap(oldPicture.GetHandle());
    // The old picture comes from where the new one goes.
    ::BitBlt(dc.GetSafeHdc(), 0, 0, cx, cy, pDestDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    dc.UseBitmap(mix.GetHandle());
    for (int i = 1; i < nSteps; i++)
    {
        DWORD dwStart = ::GetTickCount();
        CKTPaintManager::AlphaBlendBuffers(mix.GetBytes(), oldPicture.GetBytes(), cx, cy, newPicture.GetBytes(),
                                           255 * i / nSteps);
        ::BitBlt(pDestDC->GetSafeHdc(), rc.left, rc.top, cx, cy, dc.GetSafeHdc(), 0, 0, SRCCOPY);
        DWORD dwTaken = ::GetTickCount() - dwStart;
        if (dwTaken < (DWORD)nDelay)
            ::Sleep(nDelay - dwTaken);
    }
}
}  // namespace

void CKTPaintManager::Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nAnimationType)
{
    int n = m_nAnimationSteps;
    if (n <= 0)
        return;
    int nDelay = m_nAnimationTime / n;
    int cx = rc.Width(), cy = rc.Height();
    switch (nAnimationType)
    {
    case 2:
        for (int i = 1; i <= n; i++)
        {
            int w = cx * i / n, h = cy * i / n;
            pDestDC->BitBlt(0, 0, w, h, pSrcDC, cx - w, cy - h, SRCCOPY);
            ::Sleep(nDelay);
        }
        break;
    case 3:
        for (int i = 1; i <= n; i++)
        {
            int h = cy * i / n;
            pDestDC->BitBlt(0, 0, cx, h, pSrcDC, 0, cy - h, SRCCOPY);
            ::Sleep(nDelay);
        }
        break;
    case 4:
        Fade(pDestDC, pSrcDC, rc, n, nDelay);
        break;
    }
}

void CKTPaintManager::AlphaBlendBuffers(BYTE* pDest, const BYTE* pFirst, int cx, int cy, const BYTE* pSecond,
                                        int nAlpha)
{
    for (int i = 0; i < cx * cy; i++, pDest += 4, pFirst += 4, pSecond += 4)
        for (int c = 0; c < 3; c++)
            pDest[c] = (BYTE)(((255 - nAlpha) * pFirst[c] + nAlpha * pSecond[c]) >> 8);
}

void CKTPaintManager::FillAlphaOpaque(CDC* pDC, CRect rc)
{
    CKTDibSection section(rc.Size(), TRUE);
    CKTCompatibleDC dc(NULL, section.GetHandle());
    if (!section.GetBits() || !dc.GetSafeHdc())
        return;
    ::BitBlt(dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), pDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    for (int i = 0; i < rc.Width() * rc.Height(); i++)
        section.GetBytes()[i * 4 + 3] = 0xFF;
    ::BitBlt(pDC->GetSafeHdc(), rc.left, rc.top, rc.Width(), rc.Height(), dc.GetSafeHdc(), 0, 0, SRCCOPY);
}
