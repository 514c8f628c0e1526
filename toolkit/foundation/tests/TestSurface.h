// TestSurface.h: an off-screen drawing surface of known depth whose pixels the tests read.
#pragma once

#include <afxwin.h>

#include "KTDrawObjects.h"
#include "NearColor.h"

// A DIB section of the given depth in a memory DC; the paint code under test draws into DC().
class CTestSurface
{
public:
    CTestSurface(int cx, int cy, int nBits = 32, COLORREF clrFill = RGB(255, 255, 255))
        : m_section(CreateSection(cx, cy, nBits)), m_dc(NULL, m_section)
    {
        m_dc.FillSolidRect(0, 0, cx, cy, clrFill);
    }
    CTestSurface(const CTestSurface&) = delete;
    CTestSurface& operator=(const CTestSurface&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.GetSafeHdc(), x, y); }

private:
    // Owns the section; declared before the DC so that the DC lets it go first.
    class CSection
    {
    public:
        explicit CSection(HBITMAP hBitmap) : m_h(hBitmap) {}
        ~CSection() { ::DeleteObject(m_h); }
        CSection(const CSection&) = delete;
        CSection& operator=(const CSection&) = delete;
        operator HBITMAP() const { return m_h; }

    private:
        HBITMAP m_h;
    };

    static HBITMAP CreateSection(int cx, int cy, int nBits)
    {
        struct
        {
            BITMAPINFOHEADER header;
            RGBQUAD colors[256];
        } bmi = {};
        bmi.header.biSize = sizeof(BITMAPINFOHEADER);
        bmi.header.biWidth = cx;
        bmi.header.biHeight = -cy;
        bmi.header.biPlanes = 1;
        bmi.header.biBitCount = static_cast<WORD>(nBits);
        bmi.header.biCompression = BI_RGB;
        for (int i = 0; i < 256; i++)  // a grey ramp for the 8-bit surface
            bmi.colors[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
        if (nBits <= 8)
            bmi.header.biClrUsed = 1u << nBits;
        void* pBits = NULL;
        return ::CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS, &pBits, NULL, 0);
    }

    CSection m_section;
    CKTCompatibleDC m_dc;
};
