// KTDrawHelpers.cpp: gradients, corner and pixel work, fonts, mnemonics and window classes.
#include "KTDrawHelpers.h"

#include "KTColorManager.h"
#include "KTDrawObjects.h"

namespace
{

COLOR16 Channel16(BYTE value) { return static_cast<COLOR16>(value << 8); }

TRIVERTEX Vertex(LONG x, LONG y, COLORREF clr)
{
    TRIVERTEX vertex = {x, y, Channel16(GetRValue(clr)), Channel16(GetGValue(clr)), Channel16(GetBValue(clr)), 0};
    return vertex;
}

int CALLBACK FontFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    *reinterpret_cast<BOOL*>(lParam) = TRUE;
    return 0;
}

}  // namespace

CKTDrawHelpers::CKTDrawHelpers() : CKTDrawHelpers(KTMsImg()) {}

CKTDrawHelpers::CKTDrawHelpers(CKTMsImgApi* pMsImg) : m_pMsImg(pMsImg), m_gdi32("gdi32.dll")
{
    m_gdi32.GetProc("GetLayout", m_pfnGetLayout);
    m_gdi32.GetProc("SetLayout", m_pfnSetLayout);
}

BOOL CKTDrawHelpers::FillLinear(HDC hDC, const RECT& rc, COLORREF crFrom, COLORREF crTo, BOOL bHorz) const
{
    TRIVERTEX vertices[2] = {Vertex(rc.left, rc.top, crFrom), Vertex(rc.right, rc.bottom, crTo)};
    GRADIENT_RECT mesh = {0, 1};
    return m_pMsImg->GradientFill(hDC, vertices, 2, &mesh, 1, bHorz ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CKTDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                                  LPCRECT lpClip) const
{
    if (!pDC || !lpRect || ::IsRectEmpty(lpRect))
        return;
    int nSaved = pDC->SaveDC();
    if (lpClip)
        pDC->IntersectClipRect(lpClip);
    BOOL bSolid = crFrom == crTo || IsLowResolutionDisplay(pDC->GetSafeHdc());
    if (bSolid || !FillLinear(pDC->GetSafeHdc(), *lpRect, crFrom, crTo, bHorz))
        pDC->FillSolidRect(lpRect, crFrom);
    pDC->RestoreDC(nSaved);
}

void CKTDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, const CKTPaintManagerColorGradient& grc, BOOL bHorz,
                                  LPCRECT lpClip) const
{
    COLORREF clrLight = grc.clrLight.GetColor(), clrDark = grc.clrDark.GetColor();
    if (grc.fGradientFactor == 0.5f || !lpRect)
    {
        GradientFill(pDC, lpRect, clrLight, clrDark, bHorz, lpClip);
        return;
    }
    int nWeight = static_cast<int>(grc.fGradientFactor * 1000 + 0.5f);
    COLORREF clrMiddle = CKTColorManager::BlendColors(clrDark, clrLight, nWeight < 100 ? nWeight / 10 : nWeight);
    CRect rcFirst(lpRect), rcSecond(lpRect);
    if (bHorz)
        rcFirst.right = rcSecond.left = rcFirst.left + rcFirst.Width() / 2;
    else
        rcFirst.bottom = rcSecond.top = rcFirst.top + rcFirst.Height() / 2;
    GradientFill(pDC, rcFirst, clrLight, clrMiddle, bHorz, lpClip);
    GradientFill(pDC, rcSecond, clrMiddle, clrDark, bHorz, lpClip);
}

void CKTDrawHelpers::ExcludeCorners(CDC* pDC, const RECT& rc)
{
    pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 1, rc.top + 1);
    pDC->ExcludeClipRect(rc.right - 1, rc.top, rc.right, rc.top + 1);
    pDC->ExcludeClipRect(rc.left, rc.bottom - 1, rc.left + 1, rc.bottom);
    pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
}

void CKTDrawHelpers::BlendPixels(CDC* pDC, const KT_BLENDPIXEL* pPixels, int nCount)
{
    for (int i = 0; i < nCount; i++)
    {
        POINT pt = pPixels[i].ptPixel;
        COLORREF clrPixel = pDC->GetPixel(pt.x, pt.y);
        COLORREF clrNeighbour = pDC->GetPixel(pt.x + pPixels[i].ptOffset.x, pt.y + pPixels[i].ptOffset.y);
        if (clrPixel == CLR_INVALID || clrNeighbour == CLR_INVALID)
            continue;  // off the surface
        pDC->SetPixelV(pt.x, pt.y, CKTColorManager::BlendColors(clrPixel, clrNeighbour, 50));
    }
}

void CKTDrawHelpers::Triangle(CDC* pDC, POINT pt0, POINT pt1, POINT pt2)
{
    POINT points[3] = {pt0, pt1, pt2};
    pDC->Polygon(points, 3);
}

void CKTDrawHelpers::StripMnemonics(CString& strText)
{
    CString strResult;
    int nLength = strText.GetLength();
    for (int i = 0; i < nLength; i++)
    {
        char ch = strText[i];
        if (ch != '&')
        {
            strResult += ch;
            continue;
        }
        if (i + 1 < nLength && strText[i + 1] == '&')
        {
            strResult += '&';
            i++;
        }
    }
    strText = strResult;
}

TCHAR CKTDrawHelpers::GetAccessLetter(const CString& strText)
{
    for (int i = 0; i + 1 < strText.GetLength(); i++)
    {
        if (strText[i] != '&')
            continue;
        if (strText[i + 1] != '&')
            return strText[i + 1];
        i++;
    }
    return 0;
}

BOOL CKTDrawHelpers::FontExists(LPCSTR lpszFaceName)
{
    if (!lpszFaceName || !*lpszFaceName)
        return FALSE;
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    BOOL bFound = FALSE;
    CKTScreenDC screen;
    if (screen.GetSafeHdc())
        ::EnumFontFamiliesExA(screen.GetSafeHdc(), &lf, FontFound, reinterpret_cast<LPARAM>(&bFound), 0);
    return bFound;
}

CString CKTDrawHelpers::GetDefaultFontName(BOOL bPreferStandardFace)
{
    LOGFONTA lf = {};
    HGDIOBJ hGuiFont = ::GetStockObject(DEFAULT_GUI_FONT);
    BOOL bHasGuiFont = hGuiFont && ::GetObjectA(hGuiFont, sizeof(lf), &lf);
    if (KTOsVersionInfo()->IsWin2KOrGreater() && bHasGuiFont && lf.lfCharSet > SYMBOL_CHARSET &&
        lstrcmpiA(lf.lfFaceName, "MS Shell Dlg") != 0)
        return CString(lf.lfFaceName);
    if (bPreferStandardFace && FontExists("Tahoma"))
        return CString("Tahoma");
    // A TrueType face, since raster faces cannot turn for vertical text.
    return CString("Arial");
}

LOGFONTA CKTDrawHelpers::GetNonClientFont(LOGFONTA NONCLIENTMETRICSA::*pFont)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    LOGFONTA lf = {};
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        lf = metrics.*pFont;
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    return lf;
}

BOOL CKTDrawHelpers::RegisterWndClass(HINSTANCE hInstance, LPCSTR lpszClassName, UINT nStyle, HICON hIcon,
                                      HBRUSH hbrBackground)
{
    if (!hInstance)
        hInstance = AfxGetInstanceHandle();
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, lpszClassName, &wc))
        return TRUE;
    wc.style = nStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = lpszClassName;
    return AfxRegisterClass(&wc);
}

BOOL CKTDrawHelpers::IsTopParentActive(HWND hWnd)
{
    if (!::IsWindow(hWnd))
        return FALSE;
    HWND hTop = ::GetAncestor(hWnd, GA_ROOT);
    return hTop && ::GetForegroundWindow() == ::GetLastActivePopup(hTop);
}

void CKTDrawHelpers::KeyToLayout(CWnd* pWnd, UINT& nChar)
{
    if (!pWnd || !(pWnd->GetExStyle() & WS_EX_LAYOUTRTL))
        return;
    if (nChar == VK_LEFT)
        nChar = VK_RIGHT;
    else if (nChar == VK_RIGHT)
        nChar = VK_LEFT;
}

BOOL CKTDrawHelpers::IsContextRTL(CDC* pDC) const
{
    if (!m_pfnGetLayout || !pDC || !pDC->GetSafeHdc())
        return FALSE;
    DWORD dwLayout = m_pfnGetLayout(pDC->GetSafeHdc());
    return dwLayout != GDI_ERROR && (dwLayout & LAYOUT_RTL);
}

void CKTDrawHelpers::SetContextRTL(CDC* pDC, DWORD dwLayout) const
{
    if (m_pfnSetLayout && pDC && pDC->GetSafeHdc())
        m_pfnSetLayout(pDC->GetSafeHdc(), dwLayout);
}

BOOL CKTDrawHelpers::IsLowResolution(HDC hDC) { return CKTColorManager::IsLowResolution(hDC); }

CKTDrawHelpers* KTDrawHelpers()
{
    static CKTDrawHelpers helpers;
    return &helpers;
}
