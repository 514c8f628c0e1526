// KTPopupBar.h: the bar a popup control opens, or one shown at a point.
//
// Classes: CKTPopupBar.
#pragma once

#include "KTCommandBar.h"

#include <memory>

class CKTPopupBar : public CKTCommandBar
{
    DECLARE_DYNCREATE(CKTPopupBar)
public:
    CKTPopupBar();

    // A fresh popup bar of the command bars, held by the caller.
    static CKTSmartPtr<CKTPopupBar> CreatePopupBar(CKTCommandBars* pCommandBars);
    BOOL IsPopupBar() const override { return TRUE; }
    BOOL IsVisible() const override { return GetSafeHwnd() && IsWindowVisible(); }
    CKTCommandBar* GetParentCommandBar() const override;
    void SetOpeningControl(CKTControl* pControl) { m_pControlPopup = pControl; }
    CKTControl* GetOpeningControl() const { return m_pControlPopup; }
    BOOL IsShowShadow() const { return m_bShowShadow; }
    void SetPopupOwner(CWnd* pOwner) { m_pPopupOwner = pOwner; }

    BOOL Popup(CKTControl* pControlPopup, BOOL bSelectFirst) override;
    // Shows the bar at a screen point, keeping clear of the exclude rectangle.
    BOOL PopupAt(int x, int y, LPCRECT lprcExclude = NULL);
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnRecalcLayout() override;
    void OnControlsChanged() override;
    virtual void UpdateLocation();
    virtual CRect CalcPopupRect(int cx, int cy);

    BOOL SetSelected(int nSelected, int nKeyboard = FALSE) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    // While the items do not fit, a run of them shows between scroll bands.
    BOOL IsScrolling() const { return m_bScrolling; }
    int GetFirstVisible() const { return m_nFirstVisible; }
    int GetEndVisible() const { return m_nEndVisible; }
    CRect GetScrollDownArea() const { return m_scrollDown.rc; }

    // While a caller waits for the chosen command, the bar and its sub-menus
    // hand the command over instead of sending it.
    void SetReturnCommand(std::shared_ptr<UINT> pCommand) { m_pReturnCommand = std::move(pCommand); }
    BOOL TakeReturnCommand(UINT nId);

protected:
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

protected:
    // A band that scrolls the run while the mouse rests in it.
    struct CScrollArea
    {
        explicit CScrollArea(UINT_PTR nId) : nTimerId(nId) {}
        CRect rc = CRect(0, 0, 0, 0);  // client coordinates; empty while not needed
        BOOL bRunning = FALSE;
        UINT_PTR nTimerId;
    };
    // Stacks the run in one column from the first visible control down, or from the end one up.
    void LayoutScrolled(BOOL bFromEnd);
    void StopScrollTimers();
    void DrawScrollArea(CDC* pDC, const CScrollArea& area, BOOL bDown);

    BOOL CreatePopupWindow();
    void ShowAt(const CRect& rc);
    void NotifySite(UINT nMessage);
    // Shadows beside the shown popup, leaving its opening control clear.
    void CastShadow();

    CKTControl* m_pControlPopup = NULL;  // the control that opens the bar; not held
    CPoint m_ptPopup;                    // wanted top-left, in screen coordinates
    CRect m_rcExclude;                   // screen area to keep clear
    DWORD m_dwPopupFlags = 0;            // KTPopupPlacementFlags
    BOOL m_bLayoutLock = FALSE;
    BOOL m_bShowShadow = TRUE;
    std::shared_ptr<UINT> m_pReturnCommand;
    BOOL m_bScrolling = FALSE;
    int m_nFirstVisible = 0;
    int m_nEndVisible = 0;
    CRect m_rcScrollClient;  // the client area the run is laid out in
    CScrollArea m_scrollDown = CScrollArea(5001);
    CScrollArea m_scrollUp = CScrollArea(5002);
};
