// KTDockingPaneWindowSelect.h: the popup listing a frame's open windows, picked with the keyboard or the mouse.
#pragma once

#include <afxwin.h>

#include "KTDockingPaneWindowSelectLayout.h"

class CKTDockingPaneManager;

class CKTDockingPaneWindowSelect : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CKTDockingPaneWindowSelect)

public:
    CKTDockingPaneWindowSelect();

    // The manager whose panes and site frame's windows are listed; must be set before DoModal.
    void SetManager(CKTDockingPaneManager* pManager);
    // Alt+F7 (VK_F7) lists the panes first and ends as Alt comes up; Ctrl+Tab (VK_TAB) ends with Ctrl.
    void SetOpeningKey(UINT nKey);
    // Runs the selector until a choice or a cancel; FALSE when there was nothing to show.
    BOOL DoModal();

    virtual CString GetItemText(const CKTDockingPaneWindowSelectItem& item) const;
    virtual CString GetItemDescription(const CKTDockingPaneWindowSelectItem& item) const;
    virtual CString GetItemPath(const CKTDockingPaneWindowSelectItem& item) const;
    virtual BOOL Populate();

    // The Tab the keyboard hook forwards while the selector runs.
    void SelectNext(BOOL bShift);
    const CKTDockingPaneWindowSelectLayout& GetLayout() const { return m_layout; }
    BOOL IsRunning() const { return m_bRunning; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    enum
    {
        kIconSize = 16
    };

    BOOL CreateSelector();
    void CreateFonts();
    int MeasureItemHeight();
    void AddPanes();
    void AddFiles();
    void PlaceWindow();
    void End(int nResult);
    void EndWhenModifierReleased();
    void PressAt(CPoint point);
    void ActivateSelection() const;

    void Draw(CDC* pDC, const CRect& rcClient);
    void DrawHeaders(CDC* pDC, const CRect& rcClient);
    void DrawItem(CDC* pDC, const CKTDockingPaneWindowSelectItem& item);
    void DrawDetails(CDC* pDC, const CRect& rcClient);

    CKTDockingPaneManager* m_pManager = nullptr;
    CWnd* m_pSite = nullptr;
    CKTDockingPaneWindowSelectLayout m_layout;
    HCURSOR m_hHandCursor;
    HCURSOR m_hArrowCursor;
    BOOL m_bPanesFirst = FALSE;
    int m_nHeldModifier = VK_CONTROL;
    BOOL m_bRunning = FALSE;
    CString m_strPanesHeader;
    CString m_strFilesHeader;
    CFont m_fontNormal;
    CFont m_fontBold;
};
