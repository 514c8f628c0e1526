// KTDialogBar.h: a dockable, floatable bar that hosts one child window below a caption strip, resizable from
// its free edges.
//
// Classes: CKTDialogBar.
#pragma once

#include "KTToolBar.h"

class CKTPopupBar;

class CKTDialogBar : public CKTToolBar
{
    DECLARE_DYNCREATE(CKTDialogBar)
public:
    CKTDialogBar();
    ~CKTDialogBar() override;

    // The hosted window is the caller's: the bar places it and never destroys it.
    void SetChild(CWnd* pChild) { m_hwndChild = pChild ? pChild->GetSafeHwnd() : NULL; }
    HWND GetChild() const { return m_hwndChild; }
    void SetCaption(LPCSTR lpszCaption) { m_strCaption = lpszCaption; }
    CString GetCaption() const { return m_strCaption.IsEmpty() ? GetTitle() : m_strCaption; }
    void SetMargins(const CRect& rcMargins) { m_rcMargins = rcMargins; }
    void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
    void SetMinimumSize(CSize sz) { m_szMin = sz; }
    void SetShowCaption(BOOL bShow) { m_bShowCaption = bShow; }
    void SetCaptionPopupEnabled(BOOL bEnabled) { m_bCaptionPopupEnabled = bEnabled; }
    BOOL IsCaptionPopupEnabled() const;
    // Client sizes: the child's room while docked and while floating.
    CSize GetDockedSize() const { return m_szDocked; }
    void SetDockedSize(CSize sz) { m_szDocked = sz; }
    CSize GetFloatingSize() const { return m_szFloating; }
    void SetFloatingSize(CSize sz) { m_szFloating = sz; }
    // The popup the caption opens; fill it with controls to enable it.
    CKTPopupBar* GetCaptionPopup() const { return m_pCaptionPopup; }
    int GetCaptionHeight() const { return m_nCaptionHeight; }
    // The focus is in the bar or in a window it holds.
    BOOL IsActive() const { return m_bActive; }

    // Its window is what it shows, whether or not its caption controls are hidden.
    BOOL ShowsNoControls() const override { return FALSE; }
    BOOL IsResizable() const override { return m_bResizable; }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    CSize CalcDockingLayout(int nLength, DWORD dwMode, int nMinLength = 0) override;
    int IsPointInside(int x, int y) const override;
    void IdleUpdate(BOOL bUpdate = TRUE, BOOL bDisableIfNoHandler = TRUE) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    // The edge being dragged gave the window this rectangle; sizes below the minimum are refused.
    void Resize(const CRect& rcWindow, int nHitTest) override;

protected:
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    // The window size around a client size, with the caption strip laid out on top.
    CSize CalcBarLayout(CSize szClient);
    void LayoutCaption(CSize szBar, int nStripHeight);
    // The room the theme's dialog-bar gripper takes before the caption; 0 without a gripper.
    int GetGripperWidth();
    LRESULT HitTestFloating(CPoint point, const CRect& rc) const;
    LRESULT HitTestDocked(CPoint point, const CRect& rc) const;
    BOOL IsFocusInside() const;

    CRect m_rcMargins = CRect(3, 3, 3, 3);
    BOOL m_bResizable = TRUE;
    CSize m_szMin = CSize(50, 50);
    BOOL m_bShowCaption = TRUE;
    BOOL m_bCaptionPopupEnabled = TRUE;
    int m_nCaptionHeight = 0;
    CSize m_szDocked = CSize(200, 200);
    CSize m_szFloating = CSize(200, 200);
    HWND m_hwndChild = NULL;
    CString m_strCaption;
    CKTSmartPtr<CKTPopupBar> m_pCaptionPopup;
    BOOL m_bActive = FALSE;
};
