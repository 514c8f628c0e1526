// KTDrawHelpers.h: gradient and pixel drawing, fonts, mnemonics, window classes and layout.
//
// Classes: CKTDrawHelpers. Accessor: KTDrawHelpers. Types: KT_BLENDPIXEL.
#pragma once

#include <afxwin.h>

#include "KTPaintManagerColor.h"
#include "KTSystemInfo.h"

// A pixel to soften: it becomes the average of itself and the pixel at the offset.
struct KT_BLENDPIXEL
{
    POINT ptPixel;
    POINT ptOffset;
};

class CKTDrawHelpers
{
public:
    CKTDrawHelpers();
    // Draws gradients through another imaging binding (tests give a missing one).
    explicit CKTDrawHelpers(CKTMsImgApi* pMsImg);
    CKTDrawHelpers(const CKTDrawHelpers&) = delete;
    CKTDrawHelpers& operator=(const CKTDrawHelpers&) = delete;

    // From crFrom to crTo, top to bottom or (bHorz) left to right; nothing for
    // an empty rectangle; solid on 8-bit displays, for equal colours and when
    // the system cannot fill gradients. Only the part inside lpClip is painted.
    void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                      LPCRECT lpClip = NULL) const;
    // Factor 0.5 is one straight blend; another factor runs through the
    // colour it picks between the ends, at the middle.
    void GradientFill(CDC* pDC, LPCRECT lpRect, const CKTPaintManagerColorGradient& grc, BOOL bHorz,
                      LPCRECT lpClip = NULL) const;

    static void ExcludeCorners(CDC* pDC, const RECT& rc);
    static void BlendPixels(CDC* pDC, const KT_BLENDPIXEL* pPixels, int nCount);
    // A filled triangle in the current pen and brush.
    static void Triangle(CDC* pDC, POINT pt0, POINT pt1, POINT pt2);

    // "&&" becomes "&", single markers and a trailing '&' go.
    static void StripMnemonics(CString& strText);
    // The letter the caption underlines: after its first '&' that is not part of "&&"; 0 for none.
    static TCHAR GetAccessLetter(const CString& strText);
    static BOOL FontExists(LPCSTR lpszFaceName);
    // The face for vertical text.
    static CString GetDefaultFontName(BOOL bPreferStandardFace = FALSE);
    // One of the system's non-client fonts (menu, status...); the GUI font's
    // description when the system gives none.
    static LOGFONTA GetNonClientFont(LOGFONTA NONCLIENTMETRICSA::*pFont);

    // Registers a class with the default window procedure and the arrow
    // cursor unless one of that name exists; NULL instance: the application's.
    static BOOL RegisterWndClass(HINSTANCE hInstance, LPCSTR lpszClassName, UINT nStyle, HICON hIcon = NULL,
                                 HBRUSH hbrBackground = NULL);
    // The foreground window is the last active popup of the window's top-level parent.
    static BOOL IsTopParentActive(HWND hWnd);
    // Left and right swap in a right-to-left window.
    static void KeyToLayout(CWnd* pWnd, UINT& nChar);

    virtual ~CKTDrawHelpers() = default;

    BOOL IsContextRTL(CDC* pDC) const;
    void SetContextRTL(CDC* pDC, DWORD dwLayout) const;
    static BOOL IsLowResolution(HDC hDC = NULL);

protected:
    // Whether the DC's display is too poor for gradients (8 bits or less).
    virtual BOOL IsLowResolutionDisplay(HDC hDC) const { return IsLowResolution(hDC); }

private:
    typedef DWORD(WINAPI* PFNGETLAYOUT)(HDC);
    typedef DWORD(WINAPI* PFNSETLAYOUT)(HDC, DWORD);

    BOOL FillLinear(HDC hDC, const RECT& rc, COLORREF crFrom, COLORREF crTo, BOOL bHorz) const;

    CKTMsImgApi* m_pMsImg;     // not owned
    CKTSystemLibrary m_gdi32;  // for the layout functions
    PFNGETLAYOUT m_pfnGetLayout;
    PFNSETLAYOUT m_pfnSetLayout;
};

CKTDrawHelpers* KTDrawHelpers();
