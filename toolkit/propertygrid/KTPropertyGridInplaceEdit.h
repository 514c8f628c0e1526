// KTPropertyGridInplaceEdit.h: the masked edit that the selected item borrows over its value.
//
// Classes: CKTPropertyGridInplaceEdit.
#pragma once

#include "KBMaskEdit.h"

class CKTPropertyGridItem;
class CKTPropertyGridView;

class CKTPropertyGridInplaceEdit : public CKBMaskEditT
{
public:
    CKTPropertyGridInplaceEdit() = default;

    // The text the next Create shows.
    virtual void SetValue(LPCSTR lpszValue) { m_strValue = lpszValue; }
    virtual void HideWindow();
    // Places the edit over the item's value; nothing for an item without a view.
    virtual void Create(CKTPropertyGridItem* pItem, CRect rect);
    // Forgets the item and hides.
    virtual void DestroyItem();
    // Steps to a neighbouring constraint when the text is one; TRUE when
    // the text was replaced.
    virtual BOOL SelectConstraint(int nStep, BOOL bCycle);

    CKTPropertyGridItem* GetItem() const { return m_pItem; }
    BOOL IsCancelled() const { return m_bCancelled; }
    // The user changed the text since the edit was placed.
    BOOL IsTextChanged() const { return m_bChanged; }
    // Ends the edit's tie to its item, keeping the window.
    void ReleaseItem() { m_pItem = nullptr; }

protected:
    afx_msg BOOL OnEnChange();
    afx_msg void OnEnSetFocus();
    afx_msg void OnEnKillFocus();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    DECLARE_MESSAGE_MAP()

private:
    BOOL EnsureWindow(DWORD dwStyle, CRect rect);
    void ApplyItemSettings();
    void PressComboButton();
    BOOL PickConstraintByLetter(UINT nChar);
    void SelectAllAndScroll();
    void ReturnFocusToView();

    CString m_strValue;  // the text given for the current item
    CBrush m_brBack;     // the value's back colour
    COLORREF m_clrBack = CLR_INVALID;
    CKTPropertyGridView* m_pView = nullptr;  // not owned
    CKTPropertyGridItem* m_pItem = nullptr;  // not counted; null when free
    BOOL m_bRecreate = FALSE;                // the layout direction changed
    BOOL m_bReady = FALSE;                   // placed; text changes now count
    BOOL m_bEditing = FALSE;                 // took the focus for the item
    BOOL m_bCancelled = FALSE;               // Esc pressed
    BOOL m_bChanged = FALSE;                 // text changed while editing
};
