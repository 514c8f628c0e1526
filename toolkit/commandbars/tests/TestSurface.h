// TestSurface.h: a 32-bit memory bitmap to draw into and read back, and a test parent window.
//
// Classes: CTestSurface, CTestParent.
#pragma once

#include <afxwin.h>

#include <algorithm>
#include <cstdlib>

class CTestSurface
{
public:
    CTestSurface(int cx, int cy, COLORREF clrFill = RGB(255, 255, 255))
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &m_pBits, NULL, 0);
        m_dc.Attach(::CreateCompatibleDC(NULL));
        m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, clrFill);
    }
    ~CTestSurface()
    {
        ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        m_dc.DeleteDC();
        ::DeleteObject(m_hBitmap);
    }
    CTestSurface(const CTestSurface&) = delete;
    CTestSurface& operator=(const CTestSurface&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.GetSafeHdc(), x, y); }
    void* Bits() const { return m_pBits; }

private:
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    void* m_pBits = NULL;
};

// Channels within a tolerance, for colours that go through blending.
inline bool IsNear(COLORREF a, COLORREF b, int nTolerance = 2)
{
    return abs(GetRValue(a) - GetRValue(b)) <= nTolerance && abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

// Each channel lies between the two ends.
inline bool IsBetween(COLORREF clr, COLORREF a, COLORREF b, int nTolerance = 2)
{
    auto within = [nTolerance](int v, int x, int y)
    { return v >= std::min(x, y) - nTolerance && v <= std::max(x, y) + nTolerance; };
    return within(GetRValue(clr), GetRValue(a), GetRValue(b)) && within(GetGValue(clr), GetGValue(a), GetGValue(b)) &&
           within(GetBValue(clr), GetBValue(a), GetBValue(b));
}

// A plain visible top-level window for bars under test.
class CTestParent : public CWnd
{
public:
    CTestParent(int cx = 400, int cy = 200)
    {
        LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        CreateEx(0, lpszClass, "Command bars test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                 CRect(30, 30, 30 + cx, 30 + cy), NULL, 0);
    }
    ~CTestParent() override
    {
        if (GetSafeHwnd())
            DestroyWindow();
    }
};
