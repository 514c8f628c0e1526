// KTSystemInfo.h: lazily bound system services: monitors, desktop composition and the OS version.
//
// Classes: CKTMultiMonitorApi, CKTWinDwmWrapper, CKTMsImgApi, CKTOsVersionInfo.
// Accessors: KTMultiMonitor, KTMsImg, KTOsVersionInfo.
#pragma once

#include <windows.h>

#include "KTSystemLibrary.h"

// Monitor rectangles; without monitor support every answer is the primary
// screen (whole area) or the primary work area.
class CKTMultiMonitorApi
{
public:
    CKTMultiMonitorApi();
    CKTMultiMonitorApi(const CKTMultiMonitorApi&) = delete;
    CKTMultiMonitorApi& operator=(const CKTMultiMonitorApi&) = delete;

    RECT GetScreenArea(POINT pt) const;
    RECT GetScreenAreaOfRect(const RECT& rc) const;
    RECT GetWorkArea(POINT pt) const;
    RECT GetWorkAreaAtCursor() const;
    RECT GetWorkAreaOfRect(const RECT& rc) const;
    RECT GetWorkAreaOfWnd(HWND hWnd) const;

private:
    typedef HMONITOR(WINAPI* PFNMONITORFROMPOINT)(POINT, DWORD);
    typedef HMONITOR(WINAPI* PFNMONITORFROMRECT)(LPCRECT, DWORD);
    typedef HMONITOR(WINAPI* PFNMONITORFROMWINDOW)(HWND, DWORD);
    typedef BOOL(WINAPI* PFNGETMONITORINFO)(HMONITOR, LPMONITORINFO);

    HMONITOR MonitorAt(POINT pt) const;
    HMONITOR MonitorOf(const RECT& rc) const;
    RECT AreaOf(HMONITOR hMonitor, BOOL bWorkArea) const;

    CKTSystemLibrary m_user32;  // holds the module the entry points live in
    PFNMONITORFROMPOINT m_pfnMonitorFromPoint;
    PFNMONITORFROMRECT m_pfnMonitorFromRect;
    PFNMONITORFROMWINDOW m_pfnMonitorFromWindow;
    PFNGETMONITORINFO m_pfnGetMonitorInfo;
};

// Desktop composition; E_FAIL when the service is missing.
class CKTWinDwmWrapper
{
public:
    CKTWinDwmWrapper();
    CKTWinDwmWrapper(const CKTWinDwmWrapper&) = delete;
    CKTWinDwmWrapper& operator=(const CKTWinDwmWrapper&) = delete;

    HRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    HRESULT ExtendFrameIntoClientArea(HWND hWnd, int cxLeft, int cyTop, int cxRight, int cyBottom);
    // FALSE also when the service cannot say.
    BOOL IsCompositionEnabled() const;

private:
    struct KT_MARGINS
    {
        int cxLeftWidth;
        int cxRightWidth;
        int cyTopHeight;
        int cyBottomHeight;
    };
    typedef BOOL(WINAPI* PFNDWMDEFWINDOWPROC)(HWND, UINT, WPARAM, LPARAM, LRESULT*);
    typedef HRESULT(WINAPI* PFNDWMEXTENDFRAME)(HWND, const KT_MARGINS*);
    typedef HRESULT(WINAPI* PFNDWMISCOMPOSITIONENABLED)(BOOL*);

    CKTSystemLibrary m_library;
    PFNDWMDEFWINDOWPROC m_pfnDefWindowProc;
    PFNDWMEXTENDFRAME m_pfnExtendFrameIntoClientArea;
    PFNDWMISCOMPOSITIONENABLED m_pfnIsCompositionEnabled;
};

// Alpha blending, gradient fills and blits with a mask colour of the imaging library; each call
// answers FALSE and draws nothing when the entry point is missing.
class CKTMsImgApi
{
public:
    CKTMsImgApi();
    // Binds another library by name (tests bind a missing one).
    explicit CKTMsImgApi(LPCSTR lpszLibrary);
    CKTMsImgApi(const CKTMsImgApi&) = delete;
    CKTMsImgApi& operator=(const CKTMsImgApi&) = delete;

    BOOL AlphaBlend(HDC hDest, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc, int cySrc,
                    BLENDFUNCTION blend) const;
    BOOL GradientFill(HDC hDC, TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMesh, ULONG nMode) const;
    BOOL TransparentBlt(HDC hDest, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc, int cySrc,
                        COLORREF crTransparent) const;

private:
    typedef BOOL(WINAPI* PFNALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    typedef BOOL(WINAPI* PFNGRADIENTFILL)(HDC, TRIVERTEX*, ULONG, void*, ULONG, ULONG);
    typedef BOOL(WINAPI* PFNTRANSPARENTBLT)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

    CKTSystemLibrary m_library;
    PFNALPHABLEND m_pfnAlphaBlend;
    PFNGRADIENTFILL m_pfnGradientFill;
    PFNTRANSPARENTBLT m_pfnTransparentBlt;
};

// The running system's version, read once.
class CKTOsVersionInfo
{
public:
    CKTOsVersionInfo();

    BOOL IsWin95() const;
    BOOL IsWin2KOrGreater() const { return IsNTAtLeast(5, 0); }
    BOOL IsWinXPOrLater() const { return IsNTAtLeast(5, 1); }
    BOOL IsWinXPOrGreater() const { return IsWinXPOrLater(); }
    BOOL IsWinVistaOrGreater() const { return IsNTAtLeast(6, 0); }

private:
    BOOL IsNTAtLeast(DWORD dwMajor, DWORD dwMinor) const;

    OSVERSIONINFOA m_info;
};

CKTMultiMonitorApi* KTMultiMonitor();
CKTOsVersionInfo* KTOsVersionInfo();
CKTMsImgApi* KTMsImg();
