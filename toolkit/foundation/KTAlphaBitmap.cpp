// KTAlphaBitmap.cpp: creating, decoding, converting, resampling and drawing 32-bit images.
#include "KTAlphaBitmap.h"

#include <png.h>
#include <string.h>

#include <vector>

#include "KTDrawObjects.h"
#include "KTSystemInfo.h"

namespace
{

// Larger images are refused: no toolkit image comes near this, and it keeps
// the byte count of a hostile file's header from overflowing.
const int g_nMaxSide = 16384;
const long long g_nMaxPixels = 32LL * 1024 * 1024;

BYTE Premultiply(BYTE value, BYTE alpha) { return static_cast<BYTE>((value * alpha + 127) / 255); }

BYTE Unpremultiply(BYTE value, BYTE alpha)
{
    if (alpha == 0)
        return 0;
    int n = (value * 255 + alpha / 2) / alpha;
    return static_cast<BYTE>(n > 255 ? 255 : n);
}

}  // namespace

CKTAlphaBitmap::CKTAlphaBitmap() : m_hBitmap(NULL), m_pBits(NULL), m_cx(0), m_cy(0) {}

CKTAlphaBitmap::~CKTAlphaBitmap() { Free(); }

CKTAlphaBitmap::CKTAlphaBitmap(CKTAlphaBitmap&& other) noexcept
    : m_hBitmap(other.m_hBitmap), m_pBits(other.m_pBits), m_cx(other.m_cx), m_cy(other.m_cy)
{
    other.m_hBitmap = NULL;
    other.m_pBits = NULL;
    other.m_cx = other.m_cy = 0;
}

CKTAlphaBitmap& CKTAlphaBitmap::operator=(CKTAlphaBitmap&& other) noexcept
{
    if (this == &other)
        return *this;
    Free();
    m_hBitmap = other.m_hBitmap;
    m_pBits = other.m_pBits;
    m_cx = other.m_cx;
    m_cy = other.m_cy;
    other.m_hBitmap = NULL;
    other.m_pBits = NULL;
    other.m_cx = other.m_cy = 0;
    return *this;
}

void CKTAlphaBitmap::Free()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = NULL;
    m_pBits = NULL;
    m_cx = m_cy = 0;
}

HBITMAP CKTAlphaBitmap::Create32BPPDIBSection(HDC hDC, int cx, int cy, LPBYTE* ppBits)
{
    void* pBits = NULL;
    HBITMAP hBitmap = KTCreateDibSection32(hDC, CSize(cx, cy), TRUE, &pBits);
    if (ppBits)
        *ppBits = static_cast<LPBYTE>(pBits);
    return hBitmap;
}

BOOL CKTAlphaBitmap::Create(int cx, int cy)
{
    Free();
    if (cx <= 0 || cy <= 0 || cx > g_nMaxSide || cy > g_nMaxSide || 1LL * cx * cy > g_nMaxPixels)
        return FALSE;
    LPBYTE pBits = NULL;
    m_hBitmap = Create32BPPDIBSection(NULL, cx, cy, &pBits);
    if (!m_hBitmap)
        return FALSE;
    m_pBits = reinterpret_cast<RGBQUAD*>(pBits);
    m_cx = cx;
    m_cy = cy;
    memset(m_pBits, 0, static_cast<size_t>(cx) * cy * sizeof(RGBQUAD));
    return TRUE;
}

BOOL CKTAlphaBitmap::SetBits(int cx, int cy, const BYTE* pBits, DWORD cbBits)
{
    if (!pBits || !Create(cx, cy))
        return FALSE;
    if (cbBits != GetBitsSize())
    {
        Free();
        return FALSE;
    }
    memcpy(m_pBits, pBits, cbBits);
    return TRUE;
}

RGBQUAD* CKTAlphaBitmap::PixelAt(int x, int y) const { return m_pBits + static_cast<size_t>(m_cy - 1 - y) * m_cx + x; }

BOOL CKTAlphaBitmap::LoadPng(const void* pData, size_t cbData)
{
    Free();
    if (!pData || cbData == 0)
        return FALSE;
    png_image image;
    memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, pData, cbData))
        return FALSE;
    image.format = PNG_FORMAT_BGRA;
    if (image.width > static_cast<png_uint_32>(g_nMaxSide) || image.height > static_cast<png_uint_32>(g_nMaxSide) ||
        !Create(static_cast<int>(image.width), static_cast<int>(image.height)))
    {
        png_image_free(&image);
        return FALSE;
    }
    // A negative stride stores the rows bottom-up, as the DIB section wants them.
    png_int_32 nStride = -static_cast<png_int_32>(PNG_IMAGE_ROW_STRIDE(image));
    if (!png_image_finish_read(&image, NULL, m_pBits, nStride, NULL))
    {
        png_image_free(&image);
        Free();
        return FALSE;
    }
    PremultiplyAlpha();
    return TRUE;
}

void CKTAlphaBitmap::PremultiplyAlpha() { ForEachChannel(Premultiply); }

void CKTAlphaBitmap::UnpremultiplyAlpha() { ForEachChannel(Unpremultiply); }

void CKTAlphaBitmap::ForEachChannel(BYTE (*pfn)(BYTE value, BYTE alpha))
{
    for (RGBQUAD *p = m_pBits, *pEnd = m_pBits + static_cast<size_t>(m_cx) * m_cy; p != pEnd; ++p)
    {
        p->rgbBlue = pfn(p->rgbBlue, p->rgbReserved);
        p->rgbGreen = pfn(p->rgbGreen, p->rgbReserved);
        p->rgbRed = pfn(p->rgbRed, p->rgbReserved);
    }
}

BOOL CKTAlphaBitmap::ReadBits(HBITMAP hBitmap, BOOL& bOwnAlpha)
{
    Free();
    bOwnAlpha = FALSE;
    BITMAP bm = {};
    if (!hBitmap || !::GetObject(hBitmap, sizeof(bm), &bm) || !Create(bm.bmWidth, bm.bmHeight))
        return FALSE;
    BITMAPINFO bmi = KTDibInfo32(CSize(m_cx, m_cy), TRUE);
    CKTScreenDC screen;
    if (!screen.GetSafeHdc() ||
        ::GetDIBits(screen.GetSafeHdc(), hBitmap, 0, m_cy, m_pBits, &bmi, DIB_RGB_COLORS) != m_cy)
    {
        Free();
        return FALSE;
    }
    bOwnAlpha = bm.bmBitsPixel == 32 && HasAlpha();
    return TRUE;
}

void CKTAlphaBitmap::SetAlphaFrom(const CKTAlphaBitmap& mask)
{
    for (int y = 0; y < m_cy; y++)
    {
        for (int x = 0; x < m_cx; x++)
        {
            RGBQUAD* p = PixelAt(x, y);
            BOOL bOpaque = mask.PixelAt(x, y)->rgbRed == 0;  // clear mask bits are opaque
            *p = bOpaque ? RGBQUAD{p->rgbBlue, p->rgbGreen, p->rgbRed, 255} : RGBQUAD{0, 0, 0, 0};
        }
    }
}

BOOL CKTAlphaBitmap::LoadBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL* pbOwnAlpha)
{
    BOOL bOwnAlpha = FALSE;
    BOOL bRead = ReadBits(hBitmap, bOwnAlpha);
    if (pbOwnAlpha)
        *pbOwnAlpha = bOwnAlpha;
    if (!bRead)
        return FALSE;
    if (bOwnAlpha)
        return TRUE;
    for (RGBQUAD *p = m_pBits, *pEnd = m_pBits + static_cast<size_t>(m_cx) * m_cy; p != pEnd; ++p)
    {
        BOOL bTransparent = RGB(p->rgbRed, p->rgbGreen, p->rgbBlue) == clrTransparent;
        *p = bTransparent ? RGBQUAD{0, 0, 0, 0} : RGBQUAD{p->rgbBlue, p->rgbGreen, p->rgbRed, 255};
    }
    return TRUE;
}

BOOL CKTAlphaBitmap::LoadIcon(HICON hIcon)
{
    Free();
    ICONINFO info = {};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return FALSE;
    CKTAlphaBitmap mask;
    BOOL bMaskAlpha = FALSE, bOwnAlpha = FALSE;
    BOOL bLoaded = mask.ReadBits(info.hbmMask, bMaskAlpha);
    if (bLoaded && info.hbmColor)
    {
        bLoaded = ReadBits(info.hbmColor, bOwnAlpha);
        if (bLoaded && bOwnAlpha)
            PremultiplyAlpha();  // icons keep straight alpha
        else if (bLoaded)
            SetAlphaFrom(mask);
    }
    else if (bLoaded)
    {
        // A monochrome icon: the mask's upper half masks its lower half.
        int cy = mask.m_cy / 2;
        bLoaded = CopyPart(mask, RECT{0, cy, mask.m_cx, 2 * cy});
        if (bLoaded)
            SetAlphaFrom(mask);
    }
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    if (!bLoaded)
        Free();
    return bLoaded;
}

BOOL CKTAlphaBitmap::CopyPart(const CKTAlphaBitmap& source, const RECT& rcPart)
{
    RECT rcSource = {0, 0, source.m_cx, source.m_cy}, rc;
    if (!::IntersectRect(&rc, &rcPart, &rcSource) || !Create(rc.right - rc.left, rc.bottom - rc.top))
        return FALSE;
    for (int y = 0; y < m_cy; y++)
        memcpy(PixelAt(0, y), source.PixelAt(rc.left, rc.top + y), static_cast<size_t>(m_cx) * sizeof(RGBQUAD));
    return TRUE;
}

BOOL CKTAlphaBitmap::Scale(const CKTAlphaBitmap& source, int cx, int cy)
{
    if (source.IsEmpty() || !Create(cx, cy))
        return FALSE;
    // Each target pixel averages the source pixels its area covers; on
    // enlarging that area is a single source pixel.
    for (int y = 0; y < cy; y++)
    {
        int y0 = y * source.m_cy / cy, y1 = (y + 1) * source.m_cy / cy;
        if (y1 <= y0)
            y1 = y0 + 1;
        for (int x = 0; x < cx; x++)
        {
            int x0 = x * source.m_cx / cx, x1 = (x + 1) * source.m_cx / cx;
            if (x1 <= x0)
                x1 = x0 + 1;
            unsigned sum[4] = {0, 0, 0, 0}, n = 0;
            for (int sy = y0; sy < y1; sy++)
                for (int sx = x0; sx < x1; sx++, n++)
                {
                    const RGBQUAD* p = source.PixelAt(sx, sy);
                    sum[0] += p->rgbBlue, sum[1] += p->rgbGreen, sum[2] += p->rgbRed, sum[3] += p->rgbReserved;
                }
            *PixelAt(x, y) = RGBQUAD{static_cast<BYTE>(sum[0] / n), static_cast<BYTE>(sum[1] / n),
                                     static_cast<BYTE>(sum[2] / n), static_cast<BYTE>(sum[3] / n)};
        }
    }
    return TRUE;
}

void CKTAlphaBitmap::TransformPixels(const std::function<void(COLORREF& clr, BYTE& alpha)>& fn)
{
    for (RGBQUAD *p = m_pBits, *pEnd = m_pBits + static_cast<size_t>(m_cx) * m_cy; p != pEnd; ++p)
    {
        BYTE alpha = p->rgbReserved;
        COLORREF clr =
            RGB(Unpremultiply(p->rgbRed, alpha), Unpremultiply(p->rgbGreen, alpha), Unpremultiply(p->rgbBlue, alpha));
        fn(clr, alpha);
        *p = RGBQUAD{Premultiply(GetBValue(clr), alpha), Premultiply(GetGValue(clr), alpha),
                     Premultiply(GetRValue(clr), alpha), alpha};
    }
}

BOOL CKTAlphaBitmap::GetPixel(int x, int y, COLORREF& clr, BYTE& alpha) const
{
    if (!m_pBits || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return FALSE;
    const RGBQUAD* p = PixelAt(x, y);
    alpha = p->rgbReserved;
    clr = RGB(Unpremultiply(p->rgbRed, alpha), Unpremultiply(p->rgbGreen, alpha), Unpremultiply(p->rgbBlue, alpha));
    return TRUE;
}

BOOL CKTAlphaBitmap::HasAlpha() const
{
    for (const RGBQUAD *p = m_pBits, *pEnd = m_pBits + static_cast<size_t>(m_cx) * m_cy; p != pEnd; ++p)
    {
        if (p->rgbReserved != 0)
            return TRUE;
    }
    return FALSE;
}

HICON CKTAlphaBitmap::CreateIcon() const
{
    // The colour bitmap carries the alpha, straight as icons keep it; the
    // mask only has to exist.
    CKTAlphaBitmap straight;
    if (IsEmpty() || !straight.CopyPart(*this, RECT{0, 0, m_cx, m_cy}))
        return NULL;
    straight.UnpremultiplyAlpha();
    std::vector<BYTE> maskBits(static_cast<size_t>((m_cx + 15) / 16 * 2) * m_cy, 0);
    HBITMAP hMask = ::CreateBitmap(m_cx, m_cy, 1, 1, maskBits.data());
    if (!hMask)
        return NULL;
    ICONINFO info = {TRUE, 0, 0, hMask, straight.m_hBitmap};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hMask);
    return hIcon;
}

BOOL CKTAlphaBitmap::Draw(HDC hDC, int x, int y, int cx, int cy) const
{
    return DrawBitmap(hDC, RECT{x, y, x + cx, y + cy}, m_hBitmap, RECT{0, 0, m_cx, m_cy});
}

BOOL CKTAlphaBitmap::DrawBitmap(HDC hDC, const RECT& rcDest, HBITMAP hBitmap, const RECT& rcSrc)
{
    if (!hDC || !hBitmap || ::IsRectEmpty(&rcDest) || ::IsRectEmpty(&rcSrc))
        return FALSE;
    CKTCompatibleDC source(NULL, hBitmap);
    if (!source.GetSafeHdc())
        return FALSE;
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return KTMsImg()->AlphaBlend(hDC, rcDest.left, rcDest.top, rcDest.right - rcDest.left, rcDest.bottom - rcDest.top,
                                 source.GetSafeHdc(), rcSrc.left, rcSrc.top, rcSrc.right - rcSrc.left,
                                 rcSrc.bottom - rcSrc.top, blend);
}
