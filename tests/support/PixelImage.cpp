// A copy of pixels read from a window, the screen or any DC, to be checked or saved.
#include "PixelImage.h"

#include "NearColor.h"

#include <algorithm>
#include <cstring>

namespace
{

// A 32-bit top-down DIB section selected into a memory DC, released in reverse order.
class CCaptureTarget
{
public:
    CCaptureTarget(int cx, int cy) : m_hdc(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
        if (m_hdc && m_hBitmap)
            m_hOld = ::SelectObject(m_hdc, m_hBitmap);
    }
    ~CCaptureTarget()
    {
        if (m_hOld)
            ::SelectObject(m_hdc, m_hOld);
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
        if (m_hdc)
            ::DeleteDC(m_hdc);
    }
    CCaptureTarget(const CCaptureTarget&) = delete;
    CCaptureTarget& operator=(const CCaptureTarget&) = delete;

    HDC DC() const { return m_hOld ? m_hdc : nullptr; }
    const void* Bits() const { return m_pBits; }

private:
    HDC m_hdc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};

// A DC borrowed from a window (or the screen), given back when done.
class CWindowDC
{
public:
    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hdc(::GetDC(hWnd)) {}
    ~CWindowDC()
    {
        if (m_hdc)
            ::ReleaseDC(m_hWnd, m_hdc);
    }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    HDC DC() const { return m_hdc; }

private:
    HWND m_hWnd;
    HDC m_hdc;
};

}  // namespace

CPixelImage CPixelImage::FromDC(HDC hdc, const RECT& rc)
{
    CPixelImage image(std::max(0L, rc.right - rc.left), std::max(0L, rc.bottom - rc.top));
    CCaptureTarget target(image.m_cx, image.m_cy);
    if (!hdc || !target.DC() ||
        !::BitBlt(target.DC(), 0, 0, image.m_cx, image.m_cy, hdc, rc.left, rc.top, SRCCOPY | CAPTUREBLT))
        return CPixelImage(0, 0);
    ::GdiFlush();
    std::memcpy(image.m_pixels.data(), target.Bits(), image.m_pixels.size() * sizeof(uint32_t));
    return image;
}

CPixelImage CPixelImage::FromWindow(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    CWindowDC dc(hWnd);
    return FromDC(dc.DC(), rc);
}

CPixelImage CPixelImage::FromScreen(const RECT& rcScreen)
{
    CWindowDC dc(nullptr);
    return FromDC(dc.DC(), rcScreen);
}

COLORREF CPixelImage::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    const uint32_t nPixel = m_pixels[static_cast<size_t>(y) * m_cx + x];
    return RGB((nPixel >> 16) & 0xFF, (nPixel >> 8) & 0xFF, nPixel & 0xFF);
}

int CPixelImage::CountDiffering(const CPixelImage& other) const
{
    int nCount = 0;
    for (int y = 0; y < m_cy; y++)
        for (int x = 0; x < m_cx; x++)
            nCount += Pixel(x, y) != other.Pixel(x, y) ? 1 : 0;
    return nCount;
}

int CPixelImage::CountNear(COLORREF clr, int nTolerance) const
{
    int nCount = 0;
    for (int y = 0; y < m_cy; y++)
        for (int x = 0; x < m_cx; x++)
            nCount += NearColor(Pixel(x, y), clr, nTolerance) ? 1 : 0;
    return nCount;
}
