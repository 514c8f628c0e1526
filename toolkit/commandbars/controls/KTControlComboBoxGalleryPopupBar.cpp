// KTControlComboBoxGalleryPopupBar.cpp: the combo list interface over the gallery of a popup bar.
#include "KTControlComboBoxGalleryPopupBar.h"

#include "KTControlComboBox.h"
#include "KTControlGallery.h"

IMPLEMENT_DYNCREATE(CKTControlComboBoxGalleryPopupBar, CKTControlComboBoxPopupBar)

BEGIN_MESSAGE_MAP(CKTControlComboBoxGalleryPopupBar, CKTControlComboBoxPopupBar)
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CKTControlGallery* CKTControlComboBoxGalleryPopupBar::GetGallery() const
{
    return dynamic_cast<CKTControlGallery*>(GetControl(0));
}

int CKTControlComboBoxGalleryPopupBar::GetCurSel() const
{
    CKTControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->GetHotItem() : -1;
}

void CKTControlComboBoxGalleryPopupBar::SetCurSel(int nIndex)
{
    if (CKTControlGallery* pGallery = GetGallery())
        pGallery->SetHotItem(nIndex);
}

void CKTControlComboBoxGalleryPopupBar::SetTopIndex(int nIndex)
{
    CKTControlGallery* pGallery = GetGallery();
    if (!pGallery || nIndex < 0 || nIndex >= pGallery->GetItemCount())
        return;
    pGallery->SetScrollPos(pGallery->GetItemLayoutRect(nIndex).top - pGallery->GetItemsRect().top);
}

BOOL CKTControlComboBoxGalleryPopupBar::GetText(int nIndex, CString& strText) const
{
    CKTControlGallery* pGallery = GetGallery();
    CKTControlGalleryItem* pItem = pGallery ? pGallery->GetItem(nIndex) : NULL;
    if (!pItem)
        return FALSE;
    strText = pItem->GetCaption();
    return TRUE;
}

int CKTControlComboBoxGalleryPopupBar::Find(int nStart, LPCSTR lpszText, BOOL bExact) const
{
    CKTControlGallery* pGallery = GetGallery();
    const int nCount = pGallery ? pGallery->GetItemCount() : 0;
    const int nText = lstrlenA(lpszText);
    if (nText == 0 || nCount == 0)
        return -1;
    int nFirst = nStart + 1 >= 0 && nStart + 1 < nCount ? nStart + 1 : 0;
    for (int n = 0; n < nCount; n++)
    {
        int i = (nFirst + n) % nCount;
        CString strCaption = pGallery->GetItem(i)->GetCaption();
        BOOL bMatch = bExact ? strCaption.CompareNoCase(lpszText) == 0
                             : strCaption.GetLength() >= nText &&
                                   ::CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, strCaption, nText, lpszText,
                                                    nText) == CSTR_EQUAL;
        if (bMatch)
            return i;
    }
    return -1;
}

int CKTControlComboBoxGalleryPopupBar::FindString(int nStart, LPCSTR lpszText) const
{
    return Find(nStart, lpszText, FALSE);
}

int CKTControlComboBoxGalleryPopupBar::FindStringExact(int nStart, LPCSTR lpszText) const
{
    return Find(nStart, lpszText, TRUE);
}

BOOL CKTControlComboBoxGalleryPopupBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    CKTSmartPtr<CKTCommandBar> pHold(this);
    CKTControlComboBox* pCombo = m_pCombo;
    if (!CKTControlComboBoxPopupBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard))
        return FALSE;
    if (!pCombo)
        return TRUE;
    if (nMode != ktTrackingNone)
    {
        SetSelected(0, TRUE);
        pCombo->UpdatePopupSelection();
        pCombo->NotifySite(CBN_DROPDOWN);
    }
    else
    {
        pCombo->NotifySite(CBN_CLOSEUP);
        m_pCombo = NULL;
    }
    return TRUE;
}

BOOL CKTControlComboBoxGalleryPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (m_pCombo && nChar == VK_RETURN && GetSelected() == ktSelectionNone)
    {
        m_pCombo->OnExecute();
        return TRUE;
    }
    return CKTControlComboBoxPopupBar::OnHookKeyDown(nChar, lParam);
}

void CKTControlComboBoxGalleryPopupBar::RunListKey(UINT nChar, LPARAM lParam, BOOL)
{
    if (CKTControlGallery* pGallery = GetGallery())
        pGallery->OnHookKeyDown(nChar, lParam);
}

void CKTControlComboBoxGalleryPopupBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CKTControlGallery* pGallery = GetGallery();
    if (!m_pCombo || !pGallery || !pGallery->GetRect().PtInRect(point))
    {
        CKTControlComboBoxPopupBar::OnLButtonUp(nFlags, point);
        return;
    }
    CKTSmartPtr<CKTControl> pHold(m_pCombo);
    m_pCombo->OnSelChanged();
    m_pCombo->OnExecute();
}
