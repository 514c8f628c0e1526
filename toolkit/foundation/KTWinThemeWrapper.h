// KTWinThemeWrapper.h: a visual-style handle over the lazily loaded visual-style library.
//
// Classes: IKTVisualStyleSpy, CKTWinThemeWrapper.
#pragma once

#include <windows.h>

#include "KTSystemLibrary.h"

#include <string>

typedef HANDLE HKTTHEME;

// Sees every themed background and buffered text the process draws, before it is drawn: the seam through
// which tests learn which classes, parts and states a drawer asked for.
class IKTVisualStyleSpy
{
public:
    virtual void OnDrawThemeBackground(LPCSTR lpszClassList, int nPart, int nState, const RECT& rc) = 0;
    // Text drawn into a buffer with the options' flags (DTT_*).
    virtual void OnDrawThemeText(LPCSTR lpszClassList, int nPart, int nState, DWORD dwOptions, const RECT& rc) {}

protected:
    ~IKTVisualStyleSpy() = default;
};

// Every call degrades to FALSE or E_FAIL and draws nothing when the library
// or its entry point is missing, so callers fall back to classic drawing.
class CKTWinThemeWrapper
{
public:
    CKTWinThemeWrapper();
    // Binds another visual-style library by name (tests bind a missing one).
    explicit CKTWinThemeWrapper(LPCSTR lpszLibrary);
    ~CKTWinThemeWrapper();
    CKTWinThemeWrapper(const CKTWinThemeWrapper&) = delete;
    CKTWinThemeWrapper& operator=(const CKTWinThemeWrapper&) = delete;

    // Installs the one spy (NULL removes it); the previous one is returned.
    static IKTVisualStyleSpy* SetSpy(IKTVisualStyleSpy* pSpy);

    // Opens a handle for the window (may be NULL) and class list, closing
    // the previous one.
    BOOL OpenThemeData(HWND hWnd, LPCSTR lpszClassList);
    void CloseThemeData();
    HKTTHEME GetThemeHandle() const { return m_hTheme; }

    BOOL IsAppThemed() const;
    BOOL IsThemeActive() const;
    // Themed drawing is possible: the application is themed and a handle is open.
    BOOL IsAppThemeReady() const;

    HRESULT DrawThemeBackground(HDC hDC, int nPart, int nState, const RECT* pRect, const RECT* pClip);
    HRESULT GetThemeColor(int nPart, int nState, int nProp, COLORREF& clr) const;
    BOOL GetThemeSysBool(int nBoolId) const;
    // Text with a glow of the size, in the font, drawn into a buffer over a copy of the rectangle's
    // background and put back; FALSE, with nothing drawn, when the library lacks a step.
    BOOL DrawGlowingText(HDC hDC, HFONT hFont, const RECT& rc, LPCSTR lpszText, int nPart, int nState, UINT nFormat,
                         int nGlowSize);
    // Text in the context's font and text colour, composed with its alpha so that it shows on glass; FALSE, with
    // nothing drawn, when the library lacks a step.
    BOOL DrawCompositedText(HDC hDC, const RECT& rc, LPCSTR lpszText, UINT nFormat);
    // Colour scheme name of the current visual style ("NormalColor", ...).
    HRESULT GetCurrentThemeName(LPSTR lpszColor, int cchColor) const;

private:
    typedef HKTTHEME(WINAPI* PFNOPENTHEMEDATA)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI* PFNCLOSETHEMEDATA)(HKTTHEME);
    typedef BOOL(WINAPI* PFNISAPPTHEMED)();
    typedef HRESULT(WINAPI* PFNDRAWTHEMEBACKGROUND)(HKTTHEME, HDC, int, int, const RECT*, const RECT*);
    typedef HRESULT(WINAPI* PFNGETTHEMECOLOR)(HKTTHEME, int, int, int, COLORREF*);
    typedef BOOL(WINAPI* PFNGETTHEMESYSBOOL)(HKTTHEME, int);
    typedef HRESULT(WINAPI* PFNGETCURRENTTHEMENAME)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    typedef HANDLE(WINAPI* PFNBEGINBUFFEREDPAINT)(HDC, const RECT*, int, void*, HDC*);
    typedef HRESULT(WINAPI* PFNENDBUFFEREDPAINT)(HANDLE, BOOL);
    typedef HRESULT(WINAPI* PFNDRAWTHEMETEXTEX)(HKTTHEME, HDC, int, int, LPCWSTR, int, DWORD, RECT*, const void*);

    void BindEntryPoints();
    // The text drawn into a buffer over a copy of the rectangle's background, then put back.
    BOOL DrawBufferedText(HDC hDC, HFONT hFont, const RECT& rc, LPCSTR lpszText, int nPart, int nState, UINT nFormat,
                          const void* pOptions);

    CKTSystemLibrary m_library;  // the visual-style library, owned
    HKTTHEME m_hTheme;           // open handle or NULL
    std::string m_strClassList;  // what m_hTheme was opened for, told to the spy
    PFNOPENTHEMEDATA m_pfnOpenThemeData;
    PFNCLOSETHEMEDATA m_pfnCloseThemeData;
    PFNISAPPTHEMED m_pfnIsAppThemed;
    PFNISAPPTHEMED m_pfnIsThemeActive;
    PFNDRAWTHEMEBACKGROUND m_pfnDrawThemeBackground;
    PFNGETTHEMECOLOR m_pfnGetThemeColor;
    PFNGETTHEMESYSBOOL m_pfnGetThemeSysBool;
    PFNGETCURRENTTHEMENAME m_pfnGetCurrentThemeName;
    PFNBEGINBUFFEREDPAINT m_pfnBeginBufferedPaint;
    PFNENDBUFFEREDPAINT m_pfnEndBufferedPaint;
    PFNDRAWTHEMETEXTEX m_pfnDrawThemeTextEx;
};
