// Tips that show the whole text of a list item cut by the list's edge, for the option pages' lists.
// Classes: CKTSyntaxEditListBoxTipWnd, CKTSyntaxEditTipListBox, CKTSyntaxEditTipComboBox.
#pragma once

#include <afxwin.h>

#include "KTTipWnd.h"

class CKTSyntaxEditTipListBox;

// Shown over the item's row; the list hides it when the pointer leaves its items or the list.
class CKTSyntaxEditListBoxTipWnd : public CKTTipWnd
{
public:
    virtual BOOL Create(CKTSyntaxEditTipListBox* pList);
    virtual BOOL IsOwnerDrawList() const;
    virtual void ShowTip(int nItem);
    virtual BOOL HideTip();
    virtual COLORREF GetTipTextColor() const;
    virtual COLORREF GetTipBackColor() const;
    virtual void DrawOwnerDrawItem(CDC* pDC, const CRect& rc);
    virtual void DrawTextItem(CDC* pDC, const CRect& rc);
    virtual BOOL GetTipRect(int nItem, CRect& rcTip);

    int GetItem() const { return m_nItem; }

protected:
    void Draw(CDC* pDC, const CRect& rcClient) override;
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsItemSelected() const;

    int m_nItem = -1;
    CRect m_rcTip;
    CPoint m_ptLastCursor;
    CKTSyntaxEditTipListBox* m_pList = NULL;  // not owned
};

class CKTSyntaxEditTipListBox : public CListBox
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The option pages act on a selection only when a click picked an item other than the one it found.
    BOOL IsClickUnchanged() const { return m_nButtonDownIndex == m_nButtonUpIndex; }

protected:
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    void ShowTipAt(CPoint ptClient);

    WORD m_nButtonDownIndex = 0xFFFF;
    WORD m_nButtonUpIndex = 0xFFFE;
    CKTSyntaxEditListBoxTipWnd m_wndTip;
};

class CKTSyntaxEditTipComboBox : public CComboBox
{
public:
    CKTSyntaxEditTipListBox& GetTipList() { return m_wndList; }

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CKTSyntaxEditTipListBox m_wndList;
};
