// KTWinThemeWrapper.cpp: forwarding visual-style calls when the library is present.
#include "KTWinThemeWrapper.h"

#include <uxtheme.h>

#include <vector>

namespace
{
IKTVisualStyleSpy* g_pSpy = NULL;  // test seam; set and read on the UI thread only
}  // namespace

IKTVisualStyleSpy* CKTWinThemeWrapper::SetSpy(IKTVisualStyleSpy* pSpy)
{
    IKTVisualStyleSpy* pOld = g_pSpy;
    g_pSpy = pSpy;
    return pOld;
}

CKTWinThemeWrapper::CKTWinThemeWrapper() : CKTWinThemeWrapper("uxtheme.dll") {}

CKTWinThemeWrapper::CKTWinThemeWrapper(LPCSTR lpszLibrary) : m_library(lpszLibrary), m_hTheme(NULL)
{
    BindEntryPoints();
}

CKTWinThemeWrapper::~CKTWinThemeWrapper() { CloseThemeData(); }

void CKTWinThemeWrapper::BindEntryPoints()
{
    m_library.GetProc("OpenThemeData", m_pfnOpenThemeData);
    m_library.GetProc("CloseThemeData", m_pfnCloseThemeData);
    m_library.GetProc("IsAppThemed", m_pfnIsAppThemed);
    m_library.GetProc("IsThemeActive", m_pfnIsThemeActive);
    m_library.GetProc("DrawThemeBackground", m_pfnDrawThemeBackground);
    m_library.GetProc("GetThemeColor", m_pfnGetThemeColor);
    m_library.GetProc("GetThemeSysBool", m_pfnGetThemeSysBool);
    m_library.GetProc("GetCurrentThemeName", m_pfnGetCurrentThemeName);
    m_library.GetProc("BeginBufferedPaint", m_pfnBeginBufferedPaint);
    m_library.GetProc("EndBufferedPaint", m_pfnEndBufferedPaint);
    m_library.GetProc("DrawThemeTextEx", m_pfnDrawThemeTextEx);
}

BOOL CKTWinThemeWrapper::OpenThemeData(HWND hWnd, LPCSTR lpszClassList)
{
    CloseThemeData();
    if (!m_pfnOpenThemeData || !lpszClassList)
        return FALSE;
    int cch = ::MultiByteToWideChar(CP_ACP, 0, lpszClassList, -1, NULL, 0);
    if (cch <= 0)
        return FALSE;
    std::vector<WCHAR> classList(cch);
    ::MultiByteToWideChar(CP_ACP, 0, lpszClassList, -1, classList.data(), cch);
    m_hTheme = m_pfnOpenThemeData(hWnd, classList.data());
    if (m_hTheme)
        m_strClassList = lpszClassList;
    return m_hTheme != NULL;
}

void CKTWinThemeWrapper::CloseThemeData()
{
    if (m_hTheme && m_pfnCloseThemeData)
        m_pfnCloseThemeData(m_hTheme);
    m_hTheme = NULL;
    m_strClassList.clear();
}

BOOL CKTWinThemeWrapper::IsAppThemed() const { return m_pfnIsAppThemed ? m_pfnIsAppThemed() : FALSE; }

BOOL CKTWinThemeWrapper::IsThemeActive() const { return m_pfnIsThemeActive ? m_pfnIsThemeActive() : FALSE; }

BOOL CKTWinThemeWrapper::IsAppThemeReady() const { return m_hTheme != NULL && IsAppThemed() && IsThemeActive(); }

HRESULT CKTWinThemeWrapper::DrawThemeBackground(HDC hDC, int nPart, int nState, const RECT* pRect, const RECT* pClip)
{
    if (!m_pfnDrawThemeBackground || !m_hTheme || !pRect)
        return E_FAIL;
    if (g_pSpy)
        g_pSpy->OnDrawThemeBackground(m_strClassList.c_str(), nPart, nState, *pRect);
    return m_pfnDrawThemeBackground(m_hTheme, hDC, nPart, nState, pRect, pClip);
}

HRESULT CKTWinThemeWrapper::GetThemeColor(int nPart, int nState, int nProp, COLORREF& clr) const
{
    if (!m_pfnGetThemeColor || !m_hTheme)
        return E_FAIL;
    COLORREF clrTheme = 0;
    HRESULT hr = m_pfnGetThemeColor(m_hTheme, nPart, nState, nProp, &clrTheme);
    if (SUCCEEDED(hr))
        clr = clrTheme;  // a failure leaves the caller's default in place
    return hr;
}

BOOL CKTWinThemeWrapper::GetThemeSysBool(int nBoolId) const
{
    return m_pfnGetThemeSysBool ? m_pfnGetThemeSysBool(m_hTheme, nBoolId) : FALSE;
}

HRESULT CKTWinThemeWrapper::GetCurrentThemeName(LPSTR lpszColor, int cchColor) const
{
    if (!m_pfnGetCurrentThemeName || !lpszColor || cchColor <= 0)
        return E_FAIL;
    WCHAR szFile[MAX_PATH] = L"", szColor[MAX_PATH] = L"";
    HRESULT hr = m_pfnGetCurrentThemeName(szFile, MAX_PATH, szColor, MAX_PATH, NULL, 0);
    if (FAILED(hr))
        return hr;
    if (!::WideCharToMultiByte(CP_ACP, 0, szColor, -1, lpszColor, cchColor, NULL, NULL))
        return E_FAIL;
    return S_OK;
}

BOOL CKTWinThemeWrapper::DrawGlowingText(HDC hDC, HFONT hFont, const RECT& rc, LPCSTR lpszText, int nPart, int nState,
                                         UINT nFormat, int nGlowSize)
{
    DTTOPTS options = {sizeof(options)};
    options.dwFlags = DTT_COMPOSITED | DTT_GLOWSIZE;
    options.iGlowSize = nGlowSize;
    return DrawBufferedText(hDC, hFont, rc, lpszText, nPart, nState, nFormat, &options);
}

BOOL CKTWinThemeWrapper::DrawCompositedText(HDC hDC, const RECT& rc, LPCSTR lpszText, UINT nFormat)
{
    DTTOPTS options = {sizeof(options)};
    options.dwFlags = DTT_TEXTCOLOR | DTT_COMPOSITED;
    options.crText = ::GetTextColor(hDC);
    return DrawBufferedText(hDC, static_cast<HFONT>(::GetCurrentObject(hDC, OBJ_FONT)), rc, lpszText, 0, 0, nFormat,
                            &options);
}

BOOL CKTWinThemeWrapper::DrawBufferedText(HDC hDC, HFONT hFont, const RECT& rc, LPCSTR lpszText, int nPart, int nState,
                                          UINT nFormat, const void* pOptions)
{
    if (!m_hTheme || !m_pfnBeginBufferedPaint || !m_pfnEndBufferedPaint || !m_pfnDrawThemeTextEx || !lpszText)
        return FALSE;
    int cch = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, NULL, 0);
    if (cch <= 0)
        return FALSE;
    std::vector<WCHAR> text(cch);
    ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, text.data(), cch);

    if (g_pSpy)
        g_pSpy->OnDrawThemeText(m_strClassList.c_str(), nPart, nState, static_cast<const DTTOPTS*>(pOptions)->dwFlags,
                                rc);
    BP_PAINTPARAMS params = {sizeof(params)};
    HDC hBuffer = NULL;
    HANDLE hPaint = m_pfnBeginBufferedPaint(hDC, &rc, BPBF_TOPDOWNDIB, &params, &hBuffer);
    if (!hPaint)
        return FALSE;
    ::BitBlt(hBuffer, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hDC, rc.left, rc.top, SRCCOPY);
    HGDIOBJ hOldFont = ::SelectObject(hBuffer, hFont);
    RECT rcText = rc;
    HRESULT hr = m_pfnDrawThemeTextEx(m_hTheme, hBuffer, nPart, nState, text.data(), -1, nFormat, &rcText, pOptions);
    ::SelectObject(hBuffer, hOldFont);
    // A failed text leaves the copied background, so putting the buffer back changes nothing.
    m_pfnEndBufferedPaint(hPaint, TRUE);
    return SUCCEEDED(hr);
}
