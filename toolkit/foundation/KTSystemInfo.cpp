// KTSystemInfo.cpp: monitor areas, composition calls and version tests.
#include "KTSystemInfo.h"

CKTMultiMonitorApi::CKTMultiMonitorApi() : m_user32("user32.dll")
{
    m_user32.GetProc("MonitorFromPoint", m_pfnMonitorFromPoint);
    m_user32.GetProc("MonitorFromRect", m_pfnMonitorFromRect);
    m_user32.GetProc("MonitorFromWindow", m_pfnMonitorFromWindow);
    m_user32.GetProc("GetMonitorInfoA", m_pfnGetMonitorInfo);
}

RECT CKTMultiMonitorApi::AreaOf(HMONITOR hMonitor, BOOL bWorkArea) const
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (hMonitor && m_pfnGetMonitorInfo && m_pfnGetMonitorInfo(hMonitor, &info))
        return bWorkArea ? info.rcWork : info.rcMonitor;
    RECT rc = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (bWorkArea)
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

HMONITOR CKTMultiMonitorApi::MonitorAt(POINT pt) const
{
    return m_pfnMonitorFromPoint ? m_pfnMonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST) : NULL;
}

HMONITOR CKTMultiMonitorApi::MonitorOf(const RECT& rc) const
{
    return m_pfnMonitorFromRect ? m_pfnMonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST) : NULL;
}

RECT CKTMultiMonitorApi::GetScreenArea(POINT pt) const { return AreaOf(MonitorAt(pt), FALSE); }

RECT CKTMultiMonitorApi::GetScreenAreaOfRect(const RECT& rc) const { return AreaOf(MonitorOf(rc), FALSE); }

RECT CKTMultiMonitorApi::GetWorkArea(POINT pt) const { return AreaOf(MonitorAt(pt), TRUE); }

RECT CKTMultiMonitorApi::GetWorkAreaAtCursor() const
{
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    return GetWorkArea(pt);
}

RECT CKTMultiMonitorApi::GetWorkAreaOfRect(const RECT& rc) const { return AreaOf(MonitorOf(rc), TRUE); }

RECT CKTMultiMonitorApi::GetWorkAreaOfWnd(HWND hWnd) const
{
    HMONITOR hMonitor =
        (m_pfnMonitorFromWindow && ::IsWindow(hWnd)) ? m_pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST) : NULL;
    return AreaOf(hMonitor, TRUE);
}

CKTWinDwmWrapper::CKTWinDwmWrapper() : m_library("dwmapi.dll")
{
    m_library.GetProc("DwmDefWindowProc", m_pfnDefWindowProc);
    m_library.GetProc("DwmExtendFrameIntoClientArea", m_pfnExtendFrameIntoClientArea);
    m_library.GetProc("DwmIsCompositionEnabled", m_pfnIsCompositionEnabled);
}

HRESULT CKTWinDwmWrapper::DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_pfnDefWindowProc || !pResult)
        return E_FAIL;
    return m_pfnDefWindowProc(hWnd, message, wParam, lParam, pResult) ? S_OK : S_FALSE;
}

HRESULT CKTWinDwmWrapper::ExtendFrameIntoClientArea(HWND hWnd, int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    if (!m_pfnExtendFrameIntoClientArea)
        return E_FAIL;
    KT_MARGINS margins = {cxLeft, cxRight, cyTop, cyBottom};
    return m_pfnExtendFrameIntoClientArea(hWnd, &margins);
}

BOOL CKTWinDwmWrapper::IsCompositionEnabled() const
{
    BOOL bEnabled = FALSE;
    return m_pfnIsCompositionEnabled && SUCCEEDED(m_pfnIsCompositionEnabled(&bEnabled)) && bEnabled;
}

CKTMsImgApi::CKTMsImgApi() : CKTMsImgApi("msimg32.dll") {}

CKTMsImgApi::CKTMsImgApi(LPCSTR lpszLibrary) : m_library(lpszLibrary)
{
    m_library.GetProc("AlphaBlend", m_pfnAlphaBlend);
    m_library.GetProc("GradientFill", m_pfnGradientFill);
    m_library.GetProc("TransparentBlt", m_pfnTransparentBlt);
}

BOOL CKTMsImgApi::AlphaBlend(HDC hDest, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc,
                             int cySrc, BLENDFUNCTION blend) const
{
    if (!m_pfnAlphaBlend)
        return FALSE;
    return m_pfnAlphaBlend(hDest, x, y, cx, cy, hSrc, xSrc, ySrc, cxSrc, cySrc, blend);
}

BOOL CKTMsImgApi::GradientFill(HDC hDC, TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMesh,
                               ULONG nMode) const
{
    if (!m_pfnGradientFill)
        return FALSE;
    return m_pfnGradientFill(hDC, pVertices, nVertices, pMesh, nMesh, nMode);
}

BOOL CKTMsImgApi::TransparentBlt(HDC hDest, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc,
                                 int cySrc, COLORREF crTransparent) const
{
    if (!m_pfnTransparentBlt)
        return FALSE;
    return m_pfnTransparentBlt(hDest, x, y, cx, cy, hSrc, xSrc, ySrc, cxSrc, cySrc, crTransparent);
}

CKTOsVersionInfo::CKTOsVersionInfo() : m_info()
{
    m_info.dwOSVersionInfoSize = sizeof(m_info);
    if (!::GetVersionExA(&m_info))
        m_info.dwPlatformId = VER_PLATFORM_WIN32_NT;  // only NT systems lack nothing we ask for
}

BOOL CKTOsVersionInfo::IsWin95() const
{
    return m_info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && m_info.dwMajorVersion == 4 &&
           m_info.dwMinorVersion == 0;
}

BOOL CKTOsVersionInfo::IsNTAtLeast(DWORD dwMajor, DWORD dwMinor) const
{
    if (m_info.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return FALSE;
    return m_info.dwMajorVersion > dwMajor || (m_info.dwMajorVersion == dwMajor && m_info.dwMinorVersion >= dwMinor);
}

CKTMultiMonitorApi* KTMultiMonitor()
{
    static CKTMultiMonitorApi api;
    return &api;
}

CKTOsVersionInfo* KTOsVersionInfo()
{
    static CKTOsVersionInfo info;
    return &info;
}

CKTMsImgApi* KTMsImg()
{
    static CKTMsImgApi api;
    return &api;
}
