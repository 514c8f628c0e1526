// A copy of pixels read from a window, the screen or any DC, to be checked or saved.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class CPixelImage
{
public:
    // The window's client area as it shows: painted first, read through the window's own DC.
    static CPixelImage FromWindow(HWND hWnd);
    // What the screen shows in the rectangle, popups and other windows included.
    static CPixelImage FromScreen(const RECT& rcScreen);
    // A rectangle of any DC, e.g. a memory DC a paint routine drew into.
    static CPixelImage FromDC(HDC hdc, const RECT& rc);

    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    COLORREF Pixel(int x, int y) const;
    // Pixels within the tolerance of the colour, across the image.
    int CountNear(COLORREF clr, int nTolerance = 3) const;
    // Pixels that differ from those of another image of the same size.
    int CountDiffering(const CPixelImage& other) const;

private:
    CPixelImage(int cx, int cy) : m_cx(cx), m_cy(cy), m_pixels(static_cast<size_t>(cx) * cy) {}

    int m_cx;
    int m_cy;
    std::vector<uint32_t> m_pixels;
};
