// KTControlComboBoxList.h: the drop-down of a combo box: the list interface of any combo popup, and the list-box
// window the combo box uses by default.
//
// Classes: CKTControlComboBoxPopupBar, CKTControlComboBoxList.
#pragma once

#include "KTPopupBar.h"

class CKTControlComboBox;

// A popup bar that stands for a combo box's list; the base has no items.
class CKTControlComboBoxPopupBar : public CKTPopupBar
{
    DECLARE_DYNCREATE(CKTControlComboBoxPopupBar)
public:
    virtual int GetCurSel() const { return -1; }
    virtual int FindString(int nStart, LPCSTR lpszText) const { return -1; }
    virtual int FindStringExact(int nStart, LPCSTR lpszText) const { return -1; }
    virtual void SetTopIndex(int nIndex) {}
    virtual void SetCurSel(int nIndex) {}
    virtual BOOL GetText(int nIndex, CString& strText) const { return FALSE; }
    // A key that moves in the list while the combo box holds the focus; FALSE leaves it to others.
    virtual BOOL ProcessHookKeyDown(CKTControlComboBox* pCombo, UINT nChar, LPARAM lParam);
    BOOL OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    void SetComboBox(CKTControlComboBox* pCombo) { m_pCombo = pCombo; }

protected:
    // Lets the list move by the key.
    virtual void RunListKey(UINT nChar, LPARAM lParam, BOOL bWithEdit) { CKTPopupBar::OnHookKeyDown(nChar, lParam); }

    CKTControlComboBox* m_pCombo = NULL;  // whose list is open; not held
};

// The default drop-down: a list box shown as a popup bar.
class CKTControlComboBoxList : public CKTControlComboBoxPopupBar
{
    DECLARE_DYNCREATE(CKTControlComboBoxList)
public:
    CKTControlComboBoxList();

    BOOL CreateListBox();
    int AddString(LPCSTR lpszText) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszText); }
    int GetCount() const { return GetSafeHwnd() ? (int)SendMessage(LB_GETCOUNT) : 0; }
    void SetListWidth(int nWidth) { m_nListWidth = nWidth; }

    int GetCurSel() const override;
    int FindString(int nStart, LPCSTR lpszText) const override;
    int FindStringExact(int nStart, LPCSTR lpszText) const override;
    void SetTopIndex(int nIndex) override;
    void SetCurSel(int nIndex) override;
    BOOL GetText(int nIndex, CString& strText) const override;

    BOOL Popup(CKTControl* pControlPopup, BOOL bSelectFirst) override;
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    BOOL OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    // The open list scrolls as a list box does.
    BOOL OnHookMouseWheel(int nDelta, CPoint ptScreen) override;
    void Copy(CKTCommandBar* pFrom, BOOL bRecursive) override;
    void DoPropExchange(CKTPropExchange* pPX) override;
    // The rows are the list box's own, painted into the bar's device context.
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;

protected:
    void RunListKey(UINT nChar, LPARAM lParam, BOOL bWithEdit) override;
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return (BOOL)Default(); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {}
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    int m_nListWidth = 0;     // 0: as wide as the combo box
    DWORD m_dwListStyle = 0;  // list-box styles of the window
};
