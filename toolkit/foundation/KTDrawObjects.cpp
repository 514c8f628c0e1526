// KTDrawObjects.cpp: selecting and restoring drawing objects, buffered drawing, window rectangles.
#include "KTDrawObjects.h"

CKTFontDC::CKTFontDC(CDC* pDC, CFont* pFont)
	: m_hDC(pDC->GetSafeHdc()), m_hOldFont(NULL), m_clrOldText(CLR_INVALID)
{
	SetFont(pFont);
}

CKTFontDC::CKTFontDC(CDC* pDC, CFont* pFont, COLORREF clrTextColor)
	: CKTFontDC(pDC, pFont)
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

void CKTFontDC::SetFont(CFont* pFont)
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

CKTPenDC::CKTPenDC(HDC hDC, COLORREF clr)
	: m_hDC(hDC), m_hPen(::CreatePen(PS_SOLID, 1, clr)), m_hOld(NULL)
{
	if (m_hDC && m_hPen)
		m_hOld = ::SelectObject(m_hDC, m_hPen);
}

CKTPenDC::~CKTPenDC()
{
	if (m_hOld)
		::SelectObject(m_hDC, m_hOld);
	if (m_hPen)
		::DeleteObject(m_hPen);
}

void CKTPenDC::Color(COLORREF clr)
{
	HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
	if (!hPen || !m_hDC)
		return;
	HGDIOBJ hPrevious = ::SelectObject(m_hDC, hPen);
	if (!m_hOld)
		m_hOld = hPrevious;
	if (m_hPen)
		::DeleteObject(m_hPen);
	m_hPen = hPen;
}

CKTBrushDC::CKTBrushDC(HDC hDC, COLORREF clr)
	: m_hDC(hDC), m_hBrush(::CreateSolidBrush(clr)), m_hOld(NULL)
{
	if (m_hDC && m_hBrush)
		m_hOld = ::SelectObject(m_hDC, m_hBrush);
}

CKTBrushDC::~CKTBrushDC()
{
	if (m_hOld)
		::SelectObject(m_hDC, m_hOld);
	if (m_hBrush)
		::DeleteObject(m_hBrush);
}

void CKTBrushDC::Color(COLORREF clr)
{
	HBRUSH hBrush = ::CreateSolidBrush(clr);
	if (!hBrush || !m_hDC)
		return;
	HGDIOBJ hPrevious = ::SelectObject(m_hDC, hBrush);
	if (!m_hOld)
		m_hOld = hPrevious;
	if (m_hBrush)
		::DeleteObject(m_hBrush);
	m_hBrush = hBrush;
}

CKTBufferDC::CKTBufferDC(HDC hDestDC, const CRect& rcPaint)
	: m_hDestDC(hDestDC), m_rcPaint(rcPaint), m_hBitmap(NULL), m_hOldBitmap(NULL)
{
	Init();
}

CKTBufferDC::CKTBufferDC(CDC* pDestDC, const CRect& rcPaint)
	: CKTBufferDC(pDestDC->GetSafeHdc(), rcPaint)
{
}

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
		::BitBlt(m_hDestDC, m_rcPaint.left, m_rcPaint.top, m_rcPaint.Width(), m_rcPaint.Height(), m_hDC,
		         m_rcPaint.left, m_rcPaint.top, SRCCOPY);
		::SelectObject(m_hDC, m_hOldBitmap);
		::DeleteObject(m_hBitmap);
	}
	DeleteDC();
}

CKTCompatibleDC::CKTCompatibleDC(CDC* pDC, CBitmap* pBitmap)
	: CKTCompatibleDC(pDC, pBitmap ? (HBITMAP)pBitmap->GetSafeHandle() : NULL)
{
}

CKTCompatibleDC::CKTCompatibleDC(CDC* pDC, HBITMAP hBitmap)
	: m_hOldBitmap(NULL)
{
	if (!Attach(::CreateCompatibleDC(pDC ? pDC->GetSafeHdc() : NULL)))
		return;
	if (hBitmap)
		m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
}

CKTCompatibleDC::~CKTCompatibleDC()
{
	if (!m_hDC)
		return;
	if (m_hOldBitmap)
		::SelectObject(m_hDC, m_hOldBitmap);
	DeleteDC();
}

CKTClientRect::CKTClientRect(HWND hWnd)
{
	if (::IsWindow(hWnd))
		::GetClientRect(hWnd, this);
}

CKTClientRect::CKTClientRect(const CWnd* pWnd)
	: CKTClientRect(pWnd ? pWnd->GetSafeHwnd() : NULL)
{
}

CKTWindowRect::CKTWindowRect(HWND hWnd)
{
	if (::IsWindow(hWnd))
		::GetWindowRect(hWnd, this);
}

CKTWindowRect::CKTWindowRect(const CWnd* pWnd)
	: CKTWindowRect(pWnd ? pWnd->GetSafeHwnd() : NULL)
{
}
