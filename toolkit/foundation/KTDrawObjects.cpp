// KTDrawObjects.cpp: selecting and restoring drawing objects, buffered drawing, window rectangles.
#include "KTDrawObjects.h"

CKTFontDC::CKTFontDC(CDC* pDC, const CFont* pFont)
    : m_hDC(pDC->GetSafeHdc()), m_hOldFont(NULL), m_clrOldText(CLR_INVALID)
{
    SetFont(pFont);
}

CKTFontDC::CKTFontDC(CDC* pDC, const CFont* pFont, COLORREF clrTextColor) : CKTFontDC(pDC, pFont)
{
    SetColor(clrTextColor);
}

CKTFontDC::~CKTFontDC()
{
    if (m_hOldFont)
        ::SelectObject(m_hDC, m_hOldFont);
    if (m_clrOldText != CLR_INVALID)
        ::SetTextColor(m_hDC, m_clrOldText);
}

void CKTFontDC::SetFont(const CFont* pFont)
{
    HGDIOBJ hFont = pFont ? pFont->GetSafeHandle() : NULL;
    if (!m_hDC || !hFont)
        return;
    HGDIOBJ hOld = ::SelectObject(m_hDC, hFont);
    if (!m_hOldFont)
        m_hOldFont = hOld;
}

void CKTFontDC::SetColor(COLORREF clrTextColor)
{
    if (!m_hDC)
        return;
    COLORREF clrOld = ::SetTextColor(m_hDC, clrTextColor);
    if (m_clrOldText == CLR_INVALID)
        m_clrOldText = clrOld;
}

CKTOwnedSelection::CKTOwnedSelection(HDC hDC) : m_hDC(hDC), m_hObject(NULL), m_hOld(NULL) {}

CKTOwnedSelection::~CKTOwnedSelection()
{
    if (m_hOld)
        ::SelectObject(m_hDC, m_hOld);
    if (m_hObject)
        ::DeleteObject(m_hObject);
}

void CKTOwnedSelection::Replace(HGDIOBJ hObject)
{
    if (!hObject)
        return;
    HGDIOBJ hPrevious = m_hDC ? ::SelectObject(m_hDC, hObject) : NULL;
    if (!m_hOld)
        m_hOld = hPrevious;
    if (m_hObject)
        ::DeleteObject(m_hObject);  // no longer selected
    m_hObject = hObject;
}

CKTPenDC::CKTPenDC(HDC hDC, COLORREF clr) : CKTOwnedSelection(hDC) { Color(clr); }

void CKTPenDC::Color(COLORREF clr) { Replace(::CreatePen(PS_SOLID, 1, clr)); }

CKTBrushDC::CKTBrushDC(HDC hDC, COLORREF clr) : CKTOwnedSelection(hDC) { Color(clr); }

void CKTBrushDC::Color(COLORREF clr) { Replace(::CreateSolidBrush(clr)); }

CKTBufferDC::CKTBufferDC(HDC hDestDC, const CRect& rcPaint)
    : m_hDestDC(hDestDC), m_rcPaint(rcPaint), m_hBitmap(NULL), m_hOldBitmap(NULL)
{
    Init();
}

CKTBufferDC::CKTBufferDC(CDC* pDestDC, const CRect& rcPaint) : CKTBufferDC(pDestDC->GetSafeHdc(), rcPaint) {}

void CKTBufferDC::Init()
{
    if (!m_hDestDC || !Attach(::CreateCompatibleDC(m_hDestDC)))
        return;
    int cx = m_rcPaint.right > 0 ? m_rcPaint.right : 1, cy = m_rcPaint.bottom > 0 ? m_rcPaint.bottom : 1;
    m_hBitmap = ::CreateCompatibleBitmap(m_hDestDC, cx, cy);
    if (m_hBitmap)
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    ::SetBkMode(m_hDC, ::GetBkMode(m_hDestDC));
}

CKTBufferDC::~CKTBufferDC()
{
    if (!m_hDC)
        return;
    if (m_hBitmap)
    {
        ::BitBlt(m_hDestDC, m_rcPaint.left, m_rcPaint.top, m_rcPaint.Width(), m_rcPaint.Height(), m_hDC, m_rcPaint.left,
                 m_rcPaint.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
        ::DeleteObject(m_hBitmap);
    }
    DeleteDC();
}

CKTCompatibleDC::CKTCompatibleDC(CDC* pDC, CBitmap* pBitmap)
    : CKTCompatibleDC(pDC, pBitmap ? (HBITMAP)pBitmap->GetSafeHandle() : NULL)
{
}

CKTCompatibleDC::CKTCompatibleDC(CDC* pDC, HBITMAP hBitmap) : m_hOldBitmap(NULL)
{
    if (!Attach(::CreateCompatibleDC(pDC ? pDC->GetSafeHdc() : NULL)) || !hBitmap)
        return;
    m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
    if (!m_hOldBitmap)
        DeleteDC();
}

CKTCompatibleDC::~CKTCompatibleDC()
{
    if (!m_hDC)
        return;
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC();
}

CKTScreenDC::CKTScreenDC() { Attach(::GetDC(NULL)); }

CKTScreenDC::~CKTScreenDC()
{
    if (m_hDC)
        ::ReleaseDC(NULL, Detach());
}

CKTClientRect::CKTClientRect(HWND hWnd)
{
    if (::IsWindow(hWnd))
        ::GetClientRect(hWnd, this);
}

CKTClientRect::CKTClientRect(const CWnd* pWnd) : CKTClientRect(pWnd ? pWnd->GetSafeHwnd() : NULL) {}

CKTWindowRect::CKTWindowRect(HWND hWnd)
{
    if (::IsWindow(hWnd))
        ::GetWindowRect(hWnd, this);
}

CKTWindowRect::CKTWindowRect(const CWnd* pWnd) : CKTWindowRect(pWnd ? pWnd->GetSafeHwnd() : NULL) {}
