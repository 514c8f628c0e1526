// KTDrawObjects.cpp: selecting and restoring drawing objects, buffered drawing, window rectangles, halftone
// inversion, the desktop outline and DIB sections.
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

BOOL CKTCompatibleDC::UseBitmap(HBITMAP hBitmap)
{
    HGDIOBJ hOld = m_hDC && hBitmap ? ::SelectObject(m_hDC, hBitmap) : NULL;
    if (!m_hOldBitmap)
        m_hOldBitmap = hOld;
    return hOld != NULL;
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

CKTClipDC::CKTClipDC(CDC* pDC, const CRect& rc) : m_hDC(pDC->GetSafeHdc()), m_nSaved(::SaveDC(m_hDC))
{
    ::IntersectClipRect(m_hDC, rc.left, rc.top, rc.right, rc.bottom);
}

CKTClipDC::~CKTClipDC()
{
    if (m_nSaved)
        ::RestoreDC(m_hDC, m_nSaved);
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

namespace
{
HBRUSH g_hHalftoneBrush = NULL;

HBRUSH CreateHalftoneBrush()
{
    static const WORD kRows[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP hPattern = ::CreateBitmap(8, 8, 1, 1, kRows);
    if (!hPattern)
        return NULL;
    HBRUSH hBrush = ::CreatePatternBrush(hPattern);
    ::DeleteObject(hPattern);  // the brush keeps its own copy
    return hBrush;
}
}  // namespace

HBRUSH KTHalftoneBrush()
{
    if (!g_hHalftoneBrush)
        g_hHalftoneBrush = CreateHalftoneBrush();
    return g_hHalftoneBrush;
}

void KTRebuildHalftoneBrush()
{
    HBRUSH hBrush = CreateHalftoneBrush();
    if (!hBrush)
        return;  // the old one still draws
    if (g_hHalftoneBrush)
        ::DeleteObject(g_hHalftoneBrush);
    g_hHalftoneBrush = hBrush;
}

void KTInvertRect(HDC hDC, const CRect& rc, HBRUSH hBrush)
{
    if (!hBrush)
        hBrush = KTHalftoneBrush();
    if (!hDC || !hBrush || rc.IsRectEmpty())
        return;
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
    ::PatBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), PATINVERT);
    ::SelectObject(hDC, hOld);
}

CKTDesktopOutline::CKTDesktopOutline() : m_hDesktop(::GetDesktopWindow()), m_bLocked(::LockWindowUpdate(m_hDesktop))
{
    m_hDC = ::GetDCEx(m_hDesktop, NULL, DCX_WINDOW | DCX_CACHE | (m_bLocked ? DCX_LOCKWINDOWUPDATE : 0));
}

CKTDesktopOutline::~CKTDesktopOutline()
{
    if (m_hDC)
        ::ReleaseDC(m_hDesktop, m_hDC);
    if (m_bLocked)
        ::LockWindowUpdate(NULL);
}

void CKTDesktopOutline::Invert(const CRect& rc, HRGN hClip, HBRUSH hBrush) const
{
    if (!m_hDC || rc.IsRectEmpty())
        return;
    if (hClip)
        ::SelectClipRgn(m_hDC, hClip);
    KTInvertRect(m_hDC, rc, hBrush);
    if (hClip)
        ::SelectClipRgn(m_hDC, NULL);
}

void CKTDesktopOutline::InvertFrame(const CRect& rc, CSize szFrame) const
{
    if (rc.IsRectEmpty())
        return;
    const int cx = szFrame.cx, cy = szFrame.cy;
    Invert(CRect(rc.left, rc.top, rc.right, rc.top + cy));
    Invert(CRect(rc.left, rc.bottom - cy, rc.right, rc.bottom));
    Invert(CRect(rc.left, rc.top + cy, rc.left + cx, rc.bottom - cy));
    Invert(CRect(rc.right - cx, rc.top + cy, rc.right, rc.bottom - cy));
}

BITMAPINFO KTDibInfo32(CSize size, BOOL bBottomUp)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = bBottomUp ? size.cy : -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

HBITMAP KTCreateDibSection32(HDC hDC, CSize size, BOOL bBottomUp, void** ppBits)
{
    *ppBits = NULL;
    if (size.cx <= 0 || size.cy <= 0)
        return NULL;
    BITMAPINFO bmi = KTDibInfo32(size, bBottomUp);
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, ppBits, NULL, 0);
    if (!hBitmap)
        *ppBits = NULL;
    return hBitmap;
}

void BlendBitmapBits(BYTE* pDest, const BYTE* pNew, int cx, int cy, const BYTE* pOld, int nAlpha)
{
    const size_t nBytes = (size_t)cx * cy * 4;
    for (size_t i = 0; i < nBytes; i++)
        pDest[i] = (BYTE)((pNew[i] * nAlpha + pOld[i] * (255 - nAlpha)) >> 8);
}

CKTDibSection::CKTDibSection(CSize size, BOOL bBottomUp) : m_pBits(NULL)
{
    void* pBits = NULL;
    m_hBitmap = KTCreateDibSection32(NULL, size, bBottomUp, &pBits);
    m_pBits = static_cast<DWORD*>(pBits);
}

CKTDibSection::~CKTDibSection()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
}
