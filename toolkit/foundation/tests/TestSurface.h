// TestSurface.h: an off-screen drawing surface of known depth whose pixels the tests read.
#pragma once

#include <afxwin.h>

#include "NearColor.h"

// A memory DC with a DIB section of the given depth selected, wrapped in a CDC.
class CTestSurface
{
public:
	CTestSurface(int cx, int cy, int nBits = 32, COLORREF clrFill = RGB(255, 255, 255))
	{
		struct
		{
			BITMAPINFOHEADER header;
			RGBQUAD colors[256];
		} bmi = {};
		bmi.header.biSize = sizeof(BITMAPINFOHEADER);
		bmi.header.biWidth = cx;
		bmi.header.biHeight = -cy;
		bmi.header.biPlanes = 1;
		bmi.header.biBitCount = static_cast<WORD>(nBits);
		bmi.header.biCompression = BI_RGB;
		for (int i = 0; i < 256; i++)  // a grey ramp for the 8-bit surface
			bmi.colors[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
		if (nBits <= 8)
			bmi.header.biClrUsed = 1u << nBits;
		void* pBits = NULL;
		m_hBitmap = ::CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS, &pBits, NULL, 0);
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

private:
	CDC m_dc;
	HBITMAP m_hBitmap;
	HGDIOBJ m_hOld;
};
