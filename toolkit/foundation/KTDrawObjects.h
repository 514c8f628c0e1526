// KTDrawObjects.h: scoped selections into device contexts, buffered drawing and window rectangles.
//
// Classes: CKTFontDC, CKTPenDC, CKTBrushDC, CKTBufferDC, CKTCompatibleDC,
// CKTScreenDC, CKTClientRect, CKTWindowRect, CKTEmptyRect.
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
class CKTCompatibleDC : public CDC
{
public:
    CKTCompatibleDC(CDC* pDC, CBitmap* pBitmap);
    CKTCompatibleDC(CDC* pDC, HBITMAP hBitmap);
    ~CKTCompatibleDC() override;
    CKTCompatibleDC(const CKTCompatibleDC&) = delete;
    CKTCompatibleDC& operator=(const CKTCompatibleDC&) = delete;

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
