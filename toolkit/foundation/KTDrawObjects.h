// KTDrawObjects.h: scoped selections into device contexts, buffered drawing, window rectangles, the shared
// halftone brush, the desktop outline and 32-bit DIB sections.
//
// Classes: CKTFontDC, CKTPenDC, CKTBrushDC, CKTBufferDC, CKTCompatibleDC,
// CKTScreenDC, CKTClipDC, CKTClientRect, CKTWindowRect, CKTEmptyRect,
// CKTDesktopOutline, CKTDibSection. Functions: KTHalftoneBrush, KTRebuildHalftoneBrush,
// KTInvertRect, KTDibInfo32, KTCreateDibSection32, BlendBitmapBits.
#pragma once

#include <afxwin.h>

// Selects a font (and optionally a text colour) for its lifetime; the
// first replaced font and colour are the ones restored.
class CKTFontDC
{
public:
    CKTFontDC(CDC* pDC, const CFont* pFont);
    CKTFontDC(CDC* pDC, const CFont* pFont, COLORREF clrTextColor);
    ~CKTFontDC();
    CKTFontDC(const CKTFontDC&) = delete;
    CKTFontDC& operator=(const CKTFontDC&) = delete;

    void SetFont(const CFont* pFont);
    void SetColor(COLORREF clrTextColor);

private:
    HDC m_hDC;              // not owned
    HGDIOBJ m_hOldFont;     // restored at the end; NULL when nothing was selected
    COLORREF m_clrOldText;  // restored at the end; CLR_INVALID when unchanged
};

// An object of our own selected into a DC: at the end the first replaced
// object is selected back and ours deleted.
class CKTOwnedSelection
{
public:
    CKTOwnedSelection(const CKTOwnedSelection&) = delete;
    CKTOwnedSelection& operator=(const CKTOwnedSelection&) = delete;

protected:
    explicit CKTOwnedSelection(HDC hDC);
    ~CKTOwnedSelection();
    // Selects hObject (taking it over) in place of the current one.
    void Replace(HGDIOBJ hObject);

private:
    HDC m_hDC;          // not owned
    HGDIOBJ m_hObject;  // owned
    HGDIOBJ m_hOld;     // selected back at the end
};

// A solid one-pixel pen of the colour, selected for the object's lifetime.
class CKTPenDC : public CKTOwnedSelection
{
public:
    CKTPenDC(HDC hDC, COLORREF clr);
    void Color(COLORREF clr);
};

// A solid brush of the colour, selected for the object's lifetime.
class CKTBrushDC : public CKTOwnedSelection
{
public:
    CKTBrushDC(HDC hDC, COLORREF clr);
    void Color(COLORREF clr);
};

// Draws off screen into a bitmap of right x bottom pixels and copies the
// rectangle to the destination when it ends.
class CKTBufferDC : public CDC
{
public:
    CKTBufferDC(HDC hDestDC, const CRect& rcPaint);
    CKTBufferDC(CDC* pDestDC, const CRect& rcPaint);
    ~CKTBufferDC() override;

    CDC* GetDestDC() { return CDC::FromHandle(m_hDestDC); }

private:
    void Init();

    HDC m_hDestDC;  // not owned
    CRect m_rcPaint;
    HBITMAP m_hBitmap;  // owned
    HGDIOBJ m_hOldBitmap;
};

// A memory DC compatible with a given one (the screen for NULL), with a
// bitmap selected. GetSafeHdc() is NULL when the bitmap could not be
// selected, as when another context holds it: drawing would go nowhere.
// Without a bitmap the DC stands empty until UseBitmap.
class CKTCompatibleDC : public CDC
{
public:
    CKTCompatibleDC(CDC* pDC, CBitmap* pBitmap);
    CKTCompatibleDC(CDC* pDC, HBITMAP hBitmap);
    ~CKTCompatibleDC() override;
    CKTCompatibleDC(const CKTCompatibleDC&) = delete;
    CKTCompatibleDC& operator=(const CKTCompatibleDC&) = delete;

    // Selects another bitmap; the first one replaced is still the one restored.
    BOOL UseBitmap(HBITMAP hBitmap);

private:
    HGDIOBJ m_hOldBitmap;  // selected back at the end
};

// The screen's device context, borrowed for one scope. GetSafeHdc() is NULL
// when the screen gave none; callers measure or query, and select through
// CKTFontDC.
class CKTScreenDC : public CDC
{
public:
    CKTScreenDC();
    ~CKTScreenDC() override;
    CKTScreenDC(const CKTScreenDC&) = delete;
    CKTScreenDC& operator=(const CKTScreenDC&) = delete;
};

// Clips a DC to a rectangle for the object's lifetime.
class CKTClipDC
{
public:
    CKTClipDC(CDC* pDC, const CRect& rc);
    ~CKTClipDC();
    CKTClipDC(const CKTClipDC&) = delete;
    CKTClipDC& operator=(const CKTClipDC&) = delete;

private:
    HDC m_hDC;     // not owned
    int m_nSaved;  // the DC's state before the clip
};

// A window's client rectangle; empty when the handle is no window.
class CKTClientRect : public CRect
{
public:
    explicit CKTClientRect(HWND hWnd);
    explicit CKTClientRect(const CWnd* pWnd);
};

// A window's rectangle in screen coordinates; empty when the handle is no window.
class CKTWindowRect : public CRect
{
public:
    explicit CKTWindowRect(HWND hWnd);
    explicit CKTWindowRect(const CWnd* pWnd);
};

class CKTEmptyRect : public CRect
{
public:
    CKTEmptyRect() : CRect(0, 0, 0, 0) {}
};

// The 50% pattern every outline and checked fill draws with (its set pixels take the DC's text colour):
// made once for the process and never deleted by its users.
HBRUSH KTHalftoneBrush();
// Makes the brush again; the system-change path calls it when the colours change.
void KTRebuildHalftoneBrush();

// Inverts the rectangle through the brush (the halftone one for NULL); inverting again undoes it.
void KTInvertRect(HDC hDC, const CRect& rc, HBRUSH hBrush = NULL);

// The desktop's device context for drawing an inverted outline over every window, with window updates
// locked so that nothing paints over it; both given back at the end. A lock that another holder keeps is
// left to it, and the context is then taken unlocked.
class CKTDesktopOutline
{
public:
    CKTDesktopOutline();
    ~CKTDesktopOutline();
    CKTDesktopOutline(const CKTDesktopOutline&) = delete;
    CKTDesktopOutline& operator=(const CKTDesktopOutline&) = delete;

    BOOL IsReady() const { return m_hDC != NULL; }
    // Screen co-ordinates; the clip region (NULL for none) limits the inversion to a shape.
    void Invert(const CRect& rc, HRGN hClip = NULL, HBRUSH hBrush = NULL) const;
    // A frame of the given thickness just inside the rectangle.
    void InvertFrame(const CRect& rc, CSize szFrame) const;

private:
    HWND m_hDesktop;
    BOOL m_bLocked;  // the lock is ours to undo
    HDC m_hDC;       // NULL when the desktop gave none
};

// The header of a 32-bit BI_RGB bitmap; rows run top-down unless bBottomUp.
BITMAPINFO KTDibInfo32(CSize size, BOOL bBottomUp);
// A 32-bit DIB section; *ppBits gets its pixels, or NULL when none was made.
HBITMAP KTCreateDibSection32(HDC hDC, CSize size, BOOL bBottomUp, void** ppBits);

// Every byte of cx x cy 32-bit pixels: (new x alpha + old x (255 - alpha)) >> 8, alpha from 0 to 255.
void BlendBitmapBits(BYTE* pDest, const BYTE* pNew, int cx, int cy, const BYTE* pOld, int nAlpha);

// A 32-bit DIB section whose pixels are read and written directly, freed at the end.
class CKTDibSection
{
public:
    explicit CKTDibSection(CSize size, BOOL bBottomUp = FALSE);
    ~CKTDibSection();
    CKTDibSection(const CKTDibSection&) = delete;
    CKTDibSection& operator=(const CKTDibSection&) = delete;

    HBITMAP GetHandle() const { return m_hBitmap; }
    // NULL when the section could not be made; call GdiFlush before reading what GDI drew.
    DWORD* GetBits() const { return m_pBits; }
    BYTE* GetBytes() const { return reinterpret_cast<BYTE*>(m_pBits); }

private:
    HBITMAP m_hBitmap;  // owned
    DWORD* m_pBits;
};
