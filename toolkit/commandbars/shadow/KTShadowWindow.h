// KTShadowWindow.h: one shadow strip beside a popup bar, and the manager of all strips.
//
// Classes: CKTShadowWindow, CKTShadowWindowManager.
#pragma once

#include <afxwin.h>

#include "KTHookSink.h"
#include "KTShadowList.h"

class CKTCommandBar;
class CKTControl;

typedef BOOL(WINAPI* PFNUPDATELAYEREDWINDOW)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

class CKTShadowWindow : public CWnd, public CKTHookSink
{
public:
    CKTShadowWindow(BOOL bHorizontal, CKTCommandBar* pOwner);

    // Layered when given the system's UpdateLayeredWindow, plain otherwise.
    BOOL Create(PFNUPDATELAYEREDWINDOW pfnUpdateLayeredWindow);
    BOOL IsHorizontal() const { return m_bHorizontal; }
    CKTCommandBar* GetOwnerBar() const { return m_pOwner; }
    void Detach() { m_pOwner = NULL; }
    // Cuts the screen rectangle out of the strip's window region.
    void ExcludeRect(const CRect& rcScreen);
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    void UpdateLayeredImage(int cx, int cy);

    BOOL m_bHorizontal;
    DWORD m_dwFlags = 0;                                     // the owner's paint manager shadow options
    CKTCommandBar* m_pOwner = NULL;                          // the popup the strip follows; not held
    PFNUPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow = NULL;  // NULL for a plain strip
};

class CKTShadowWindowManager
{
public:
    // Looks the layered-window function up in the system, which may lack it.
    CKTShadowWindowManager();
    // Strips drawn through the given function; NULL makes plain strips.
    explicit CKTShadowWindowManager(PFNUPDATELAYEREDWINDOW pfnUpdateLayeredWindow);
    ~CKTShadowWindowManager();
    CKTShadowWindowManager(const CKTShadowWindowManager&) = delete;
    CKTShadowWindowManager& operator=(const CKTShadowWindowManager&) = delete;

    // The two strips of a shown popup, leaving the exclude rectangle out when its options ask.
    void SetShadow(CKTCommandBar* pBar, LPCRECT lprcExclude);
    // The strips beside a control whose popup is open; they go with that popup's.
    void SetShadow(CKTControl* pControl);
    void RemoveShadow(CKTCommandBar* pBar);
    void RemoveShadow(CKTShadowWindow* pShadow);
    BOOL IsLayered() const { return m_bLayered; }
    const CKTShadowList& GetShadows() const { return m_shadows; }

private:
    CKTShadowWindow* CreateShadow(BOOL bHorizontal, const CRect& rcOwner, const CRect& rcExclude,
                                  CKTCommandBar* pOwner);
    void MeetOtherStrips(CKTShadowWindow* pShadow);
    void ExcludeOwners(CKTShadowWindow* pShadow);

    CKTShadowList m_shadows;  // in creation order; each strip is deleted as it leaves
    PFNUPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow = NULL;
    BOOL m_bLayered = FALSE;  // the function exists and the screen has more than 256 colours
};

// The process's one shadow manager.
CKTShadowWindowManager* KTShadowManager();
