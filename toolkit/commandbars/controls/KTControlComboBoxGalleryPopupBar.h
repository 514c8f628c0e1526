// KTControlComboBoxGalleryPopupBar.h: a combo box's drop-down that shows a gallery instead of a list box.
//
// Classes: CKTControlComboBoxGalleryPopupBar.
#pragma once

#include "KTControlComboBoxList.h"

class CKTControlGallery;

class CKTControlComboBoxGalleryPopupBar : public CKTControlComboBoxPopupBar
{
    DECLARE_DYNCREATE(CKTControlComboBoxGalleryPopupBar)
public:
    // The bar's first control.
    CKTControlGallery* GetGallery() const;

    int GetCurSel() const override;
    int FindString(int nStart, LPCSTR lpszText) const override;
    int FindStringExact(int nStart, LPCSTR lpszText) const override;
    void SetTopIndex(int nIndex) override;
    void SetCurSel(int nIndex) override;
    BOOL GetText(int nIndex, CString& strText) const override;
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    BOOL OnHookKeyDown(UINT nChar, LPARAM lParam) override;

protected:
    void RunListKey(UINT nChar, LPARAM lParam, BOOL bWithEdit) override;
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // The captions from start + 1 on, wrapping once, that the test accepts; -1 for none.
    int Find(int nStart, LPCSTR lpszText, BOOL bExact) const;
};
