// KTPaintManagerAnimation.cpp: the opening animations of popup bars and the pixel buffers they mix.
#include "KTPaintManager.h"

#include "KTImageManager.h"

namespace
{
// A 32-bit bottom-up section and its bits, freed at the end.
class CDibSection
{
public:
    CDibSection(int cx, int cy)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), NULL, 0);
    }
    ~CDibSection()
    {
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
    }
    CDibSection(const CDibSection&) = delete;
    CDibSection& operator=(const CDibSection&) = delete;

    HBITMAP m_hBitmap = NULL;
    BYTE* m_pBits = NULL;
};

// A memory DC that gives back its first selection when it goes.
class CMemoryDC
{
public:
    CMemoryDC() : m_hDC(::CreateCompatibleDC(NULL)) {}
    ~CMemoryDC()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    void Select(HBITMAP hBitmap)
    {
        HGDIOBJ hOld = ::SelectObject(m_hDC, hBitmap);
        if (!m_hOld)
            m_hOld = hOld;
    }
    HDC m_hDC;
    HGDIOBJ m_hOld = NULL;
};

void Fade(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nSteps, int nDelay)
{
    int cx = rc.Width(), cy = rc.Height();
    CDibSection oldPicture(cx, cy), newPicture(cx, cy), mix(cx, cy);
    CMemoryDC dc;
    if (!oldPicture.m_hBitmap || !newPicture.m_hBitmap || !mix.m_hBitmap || !dc.m_hDC)
        return;
    dc.Select(newPicture.m_hBitmap);
    ::BitBlt(dc.m_hDC, 0, 0, cx, cy, pSrcDC->GetSafeHdc(), 0, 0, SRCCOPY);
    dc.Select(oldPicture.m_hBitmap);
    // The old picture comes from where the new one goes.
    ::BitBlt(dc.m_hDC, 0, 0, cx, cy, pDestDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    dc.Select(mix.m_hBitmap);
    for (int i = 1; i < nSteps; i++)
    {
        DWORD dwStart = ::GetTickCount();
        CKTPaintManager::AlphaBlendBuffers(mix.m_pBits, oldPicture.m_pBits, cx, cy, newPicture.m_pBits,
                                           255 * i / nSteps);
        ::BitBlt(pDestDC->GetSafeHdc(), rc.left, rc.top, cx, cy, dc.m_hDC, 0, 0, SRCCOPY);
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
    CDibSection section(rc.Width(), rc.Height());
    CMemoryDC dc;
    if (!section.m_hBitmap || !dc.m_hDC)
        return;
    dc.Select(section.m_hBitmap);
    ::BitBlt(dc.m_hDC, 0, 0, rc.Width(), rc.Height(), pDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    for (int i = 0; i < rc.Width() * rc.Height(); i++)
        section.m_pBits[i * 4 + 3] = 0xFF;
    ::BitBlt(pDC->GetSafeHdc(), rc.left, rc.top, rc.Width(), rc.Height(), dc.m_hDC, 0, 0, SRCCOPY);
}
