// KBTabCtrl.h: the themed tab control for dialogs and frames: a common tab control whose tabs each own a window,
// painted by the basic controls' theme.
//
// Classes: CKBTabCtrl.
#pragma once

#include "KBTabBase.h"

class CKBTabCtrl : public CTabCtrl, public CKBTabBase
{
    DECLARE_DYNAMIC(CKBTabCtrl)
public:
    explicit CKBTabCtrl(CRuntimeClass* pThemeFactory = nullptr);
    ~CKBTabCtrl() override;

    // The tabs are the windows' tabs, not bare captions.
    using CKBTabBase::DeleteAllItems;
    using CKBTabBase::DeleteItem;
    using CKBTabBase::GetItem;
    using CKBTabBase::GetItemCount;
    using CKBTabBase::HitTest;
    using CKBTabBase::InsertItem;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    void PreSubclassWindow() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void Paint(CDC* pDC);
    void DrawTabItem(CDC* pDC, CKBTabBaseTheme* pTheme, int nIndex, BOOL bSelected, const CRect& rcClient);
    CRect GetHeaderRect(const CRect& rcClient) const;
    void UpdateArrowWnd(CKBTabBaseTheme* pTheme);
    void RefreshTheme();
};
