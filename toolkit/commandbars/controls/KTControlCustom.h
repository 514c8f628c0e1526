// KTControlCustom.h: a child window of the application standing on a bar as one of its controls.
//
// Classes: CKTControlCustom.
#pragma once

#include "KTControlButton.h"
#include "KTHookSink.h"

class CKTControlCustom : public CKTControlButton, public CKTHookSink
{
    DECLARE_DYNCREATE(CKTControlCustom)
public:
    // What the control does on a bar docked at the left or right.
    enum EVerticalOptions
    {
        ktVertHideControl = 0,  // the control leaves the layout
        ktVertHideWindow = 2,   // the control stays, its window hides
    };

    CKTControlCustom();
    ~CKTControlCustom() override;

    // Hosts the window: it moves, shows and enables with the control, and the bar sees the mouse move over it.
    void SetControl(HWND hWnd);
    HWND GetControl() const { return m_hWndChild; }
    void SetSize(CSize sz) { m_szControl = sz; }
    void SetBorders(CRect rcBorders) { m_rcBorders = rcBorders; }
    void SetVerticalOptions(int nOptions) { m_nVertOptions = nOptions; }

    void SetEnabled(int nEnabled) override;
    void SetRect(CRect rc) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // While its window shows, the window stands in its place: the control draws no caption there and takes no click.
    BOOL IsDrawnByItself() const override { return m_hWndChild && ::IsWindowVisible(m_hWndChild); }
    void OnCalcDynamicSize(DWORD dwMode) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    BOOL IsCustomizeDropAllowed(CKTCommandBar* pBar) const override;
    void DoPropExchange(CKTPropExchange* pPX) override;
    void UpdateWindowVisibility() override;
    void RestoreCommandBarList(CKTCommandBarList* pList) override;

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

private:
    // Measured for its window by its own state, not by whether the system shows the window at that moment.
    BOOL HasWindowToShow() const { return m_hWndChild && m_bWindowVisible; }
    // The window is still on the bar window this control moved it onto.
    BOOL IsWindowPlacedHere() const;
    // No bar holds the window yet: it is the application's, waiting to be placed.
    BOOL IsWindowOnNoBar() const;
    void ShowPlacedWindow(BOOL bShow);

    HWND m_hWndChild = NULL;                 // the hosted window; the application's
    CRect m_rcBorders = CRect(0, 0, 0, 0);   // between the control's rectangle and the window
    BOOL m_bWindowVisible = TRUE;            // the window may show
    CSize m_szControl = CSize(0, 0);         // the window's size inside the borders
    int m_nVertOptions = ktVertHideControl;  // EVerticalOptions
    HWND m_hWndPlacedOn = NULL;              // the bar window this control moved the window onto
    int m_nSavedControlId = 0;               // a loaded window id, looked up when the load is restored
};
