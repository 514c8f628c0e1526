// KTScopedDC.h: device contexts borrowed or made for one scope, with one object selected.
//
// Classes: CKTScreenDC, CKTMemoryDC.
#pragma once

#include <windows.h>

// The screen's device context, with an object selected in it when one is
// given; both are given back at the end. Get() is NULL when the screen had none.
class CKTScreenDC
{
public:
	explicit CKTScreenDC(HGDIOBJ hSelect = NULL)
		: m_hDC(::GetDC(NULL)), m_hOld(m_hDC && hSelect ? ::SelectObject(m_hDC, hSelect) : NULL)
	{
	}
	~CKTScreenDC()
	{
		if (!m_hDC)
			return;
		if (m_hOld)
			::SelectObject(m_hDC, m_hOld);
		::ReleaseDC(NULL, m_hDC);
	}
	CKTScreenDC(const CKTScreenDC&) = delete;
	CKTScreenDC& operator=(const CKTScreenDC&) = delete;

	HDC Get() const { return m_hDC; }

private:
	HDC m_hDC;       // borrowed from the screen
	HGDIOBJ m_hOld;  // selected back at the end
};

// A memory device context with a bitmap selected; the bitmap stays the
// caller's, the context is deleted at the end. Get() is NULL when either failed.
class CKTMemoryDC
{
public:
	explicit CKTMemoryDC(HBITMAP hBitmap)
		: m_hDC(::CreateCompatibleDC(NULL)), m_hOld(m_hDC && hBitmap ? ::SelectObject(m_hDC, hBitmap) : NULL)
	{
	}
	~CKTMemoryDC()
	{
		if (!m_hDC)
			return;
		if (m_hOld)
			::SelectObject(m_hDC, m_hOld);
		::DeleteDC(m_hDC);
	}
	CKTMemoryDC(const CKTMemoryDC&) = delete;
	CKTMemoryDC& operator=(const CKTMemoryDC&) = delete;

	HDC Get() const { return m_hOld ? m_hDC : NULL; }

private:
	HDC m_hDC;       // owned
	HGDIOBJ m_hOld;  // selected back at the end; NULL when the bitmap could not be selected
};
