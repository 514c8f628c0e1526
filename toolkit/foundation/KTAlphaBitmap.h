// KTAlphaBitmap.h: an owned 32-bit DIB section with premultiplied alpha.
//
// Classes: CKTAlphaBitmap.
#pragma once

#include <windows.h>

#include <functional>

// Bottom-up 32-bit BI_RGB pixels (blue, green, red, alpha), alpha
// premultiplied so that the system's alpha blend can draw them as they are.
class CKTAlphaBitmap
{
public:
    CKTAlphaBitmap();
    ~CKTAlphaBitmap();
    CKTAlphaBitmap(CKTAlphaBitmap&& other) noexcept;
    CKTAlphaBitmap& operator=(CKTAlphaBitmap&& other) noexcept;
    CKTAlphaBitmap(const CKTAlphaBitmap&) = delete;
    CKTAlphaBitmap& operator=(const CKTAlphaBitmap&) = delete;

    // A transparent bitmap of the size; FALSE for an empty or too large size.
    BOOL Create(int cx, int cy);
    // Decodes PNG bytes; FALSE for anything that is not a sound PNG.
    BOOL LoadPng(const void* pData, size_t cbData);
    // Copies a bitmap: its own alpha when it has any (pbOwnAlpha tells; the
    // pixels are taken as they are), else opaque with the pixels of
    // clrTransparent (-1 for none) transparent.
    BOOL LoadBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL* pbOwnAlpha = NULL);
    // Renders an icon with its mask or its own (straight) alpha.
    BOOL LoadIcon(HICON hIcon);
    // The part of another bitmap (clipped to it).
    BOOL CopyPart(const CKTAlphaBitmap& source, const RECT& rcPart);
    // Resampled to a new size (area average when shrinking).
    BOOL Scale(const CKTAlphaBitmap& source, int cx, int cy);

    // Turns straight alpha, as bitmap files store it, into premultiplied.
    void PremultiplyAlpha();
    // Applies fn to every pixel as straight (not premultiplied) colour.
    void TransformPixels(const std::function<void(COLORREF& clr, BYTE& alpha)>& fn);
    // The straight colour and alpha of one pixel (x, y from the top left).
    BOOL GetPixel(int x, int y, COLORREF& clr, BYTE& alpha) const;
    BOOL HasAlpha() const;

    // A new icon holding these pixels, with straight alpha as icons have
    // it; the caller destroys it.
    HICON CreateIcon() const;
    // Draws with the system's alpha blend, stretched to cx x cy.
    BOOL Draw(HDC hDC, int x, int y, int cx, int cy) const;
    // Alpha-blends part of any premultiplied 32-bit bitmap; FALSE when nothing was drawn.
    static BOOL DrawBitmap(HDC hDC, const RECT& rcDest, HBITMAP hBitmap, const RECT& rcSrc);

    // The raw premultiplied pixels, bottom row first.
    const BYTE* GetBits() const { return reinterpret_cast<const BYTE*>(m_pBits); }
    DWORD GetBitsSize() const { return static_cast<DWORD>(m_cx) * m_cy * sizeof(RGBQUAD); }
    // A bitmap of the size holding raw pixels; FALSE when the byte count differs.
    BOOL SetBits(int cx, int cy, const BYTE* pBits, DWORD cbBits);

    HBITMAP GetHandle() const { return m_hBitmap; }
    BOOL IsEmpty() const { return m_hBitmap == NULL; }
    int GetWidth() const { return m_cx; }
    int GetHeight() const { return m_cy; }

    // A bottom-up 32-bit BI_RGB DIB section (header size 40, one plane).
    static HBITMAP Create32BPPDIBSection(HDC hDC, int cx, int cy, LPBYTE* ppBits);

private:
    RGBQUAD* PixelAt(int x, int y) const;
    // Reads any bitmap as 32-bit pixels; bOwnAlpha tells whether it had alpha.
    BOOL ReadBits(HBITMAP hBitmap, BOOL& bOwnAlpha);
    // Opaque where the mask is black, transparent elsewhere.
    void SetAlphaFrom(const CKTAlphaBitmap& mask);
    void UnpremultiplyAlpha();
    void ForEachChannel(BYTE (*pfn)(BYTE value, BYTE alpha));
    void Free();

    HBITMAP m_hBitmap;  // owned DIB section
    RGBQUAD* m_pBits;   // its pixels, bottom row first
    int m_cx;
    int m_cy;
};
