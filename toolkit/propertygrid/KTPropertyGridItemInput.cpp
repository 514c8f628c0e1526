// KTPropertyGridItemInput.cpp: selecting a grid item, editing its value and its mouse and key input.
#include "KTPropertyGridItem.h"

#include "KTPropertyGrid.h"
#include "KTPropertyGridInplaceControl.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridInplaceList.h"
#include "KTPropertyGridView.h"

BOOL CKTPropertyGridItem::IsEditingThis()
{
    CKTPropertyGridInplaceEdit& edit = GetInplaceEdit();
    return edit.GetSafeHwnd() && edit.GetItem() == this;
}

void CKTPropertyGridItem::OnSelect()
{
    CRect rcItem = GetItemRect();
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it)
        (*it)->OnShow(rcItem);
    CKTPropertyGridInplaceEdit& edit = GetInplaceEdit();
    if (!(m_nFlags & KTPGF_HASEDIT))
    {
        edit.HideWindow();
        return;
    }
    edit.SetValue(m_strValue);
    edit.Create(this, GetValueRect());
    if (edit.GetSafeHwnd())
        edit.SetReadOnly(GetReadOnly() || m_bConstraintEdit);
}

void CKTPropertyGridItem::OnDeselect()
{
    if (m_pView)
        m_pView->ClearFocusedButton();
    OnValidateEdit();
    HideInplaceControls();
}

void CKTPropertyGridItem::HideInplaceControls()
{
    for (auto& pControl : m_controls)
        pControl->OnHide();
}

void CKTPropertyGridItem::SetFocusToInplaceControl()
{
    if (!IsEditingThis())
        return;
    CKTPropertyGridInplaceEdit& edit = GetInplaceEdit();
    edit.SetFocus();
    edit.SetSel(0, -1);
    edit.SendMessage(EM_SCROLLCARET);
}

void CKTPropertyGridItem::OnValidateEdit()
{
    CKTPropertyGridInplaceEdit& edit = GetInplaceEdit();
    edit.HideWindow();
    if (!IsEditingThis())
        return;
    CString strText;
    edit.GetWindowText(strText);
    BOOL bCancelled = edit.IsCancelled();
    BOOL bChanged = edit.IsTextChanged();
    edit.ReleaseItem();
    if (bCancelled)
    {
        OnCancelEdit();
        return;
    }
    if (bChanged && OnAfterEdit(strText) && strText.Compare(m_strValue) != 0)
        OnValueChanged(strText);
}

BOOL CKTPropertyGridItem::OnChar(UINT nChar)
{
    if ((m_nFlags & KTPGF_HASEDIT) && nChar != VK_ESCAPE)
    {
        OnSelect();
        if (IsEditingThis() && GetInplaceEdit().IsWindowVisible())
        {
            SetFocusToInplaceControl();
            if (nChar != VK_TAB)
                GetInplaceEdit().SendMessage(WM_CHAR, nChar);
        }
        return TRUE;
    }
    if (nChar == VK_TAB && m_buttons.GetCount() > 0)
    {
        if (CKTPropertyGrid* pGrid = GetGrid())
            pGrid->OnNavigate(ktGridPartInplaceControls, TRUE, this);
    }
    return FALSE;
}

BOOL CKTPropertyGridItem::IsInExpandBox(CPoint point) const
{
    int nStart = (m_bCategory ? m_nIndent : m_nIndent - 1) * KT_PROPERTYGRID_INDENT;
    return point.x >= nStart && point.x < nStart + KT_PROPERTYGRID_INDENT;
}

BOOL CKTPropertyGridItem::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_pView)
        return FALSE;
    BOOL bWasSelected = IsSelected();
    m_pView->SetCurSel(m_nIndex);
    m_pView->OnSelectionChanged();
    if (CKTPropertyGridItemButton* pButton = m_buttons.HitTest(point))
    {
        CKTPropertyGrid* pGrid = GetGrid();
        if (bWasSelected || (pGrid && pGrid->GetShowInplaceButtonsAlways()))
            pButton->OnLButtonDown(nFlags, point);
        return TRUE;
    }
    if (HasVisibleChildren() && IsInExpandBox(point))
    {
        ToggleExpanded();
        return TRUE;
    }
    if ((m_nFlags & KTPGF_HASEDIT) && GetValueRect().PtInRect(point))
        ClickIntoEdit(point);
    return TRUE;
}

// The press that selected the row is repeated so that it lands in the edit
// now shown under the cursor, and places the caret where the user clicked.
void CKTPropertyGridItem::ClickIntoEdit(CPoint point)
{
    CKTPropertyGridInplaceEdit& edit = GetInplaceEdit();
    if (!IsEditingThis() || !edit.IsWindowVisible())
        return;
    m_pView->ClientToScreen(&point);
    if (::WindowFromPoint(point) != edit.GetSafeHwnd())
        return;
    // The list box holds the mouse since the press; the repeat is the edit's.
    if (::GetCapture())
        ::ReleaseCapture();
    BOOL bSwapped = ::GetSystemMetrics(SM_SWAPBUTTON);
    // A release already queued behind the press would leave the repeat held down.
    BOOL bHeld = (::GetAsyncKeyState(bSwapped ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
    ::mouse_event(bSwapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    if (!bHeld)
        ::mouse_event(bSwapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void CKTPropertyGridItem::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    if (m_buttons.HitTest(point))
    {
        OnSelect();
        return;
    }
    if (HasVisibleChildren())
    {
        ToggleExpanded();
        return;
    }
    OnSelect();
    if (!(m_nFlags & KTPGF_HASEDIT))
    {
        if (!GetReadOnly())
            SelectNextConstraint();
        return;
    }
    if (!IsEditingThis() || !GetInplaceEdit().IsWindowVisible())
        return;
    CKTPropertyGridInplaceEdit& edit = GetInplaceEdit();
    edit.SetFocus();
    if (!GetReadOnly() && edit.SelectConstraint(1, TRUE))
    {
        OnValidateEdit();
        return;
    }
    edit.SetSel(0, -1);
    edit.SendMessage(EM_SCROLLCARET);
}

void CKTPropertyGridItem::SelectNextConstraint()
{
    if (m_constraints.GetCount() == 0 || !OnRequestEdit())
        return;
    int nIndex = m_constraints.FindConstraint(m_strValue) + 1;
    if (nIndex >= m_constraints.GetCount())
        nIndex = 0;
    CString strValue = m_constraints.GetAt(nIndex);
    if (!OnAfterEdit(strValue))
        return;
    m_constraints.SetCurrent(nIndex);
    OnValueChanged(strValue);
}

void CKTPropertyGridItem::OnInplaceButtonDown(CKTPropertyGridItemButton* pButton)
{
    if (GetReadOnly())
        return;
    if (Notify(KTPGN_INPLACEBUTTONDOWN, reinterpret_cast<LPARAM>(pButton)) == 1)
        return;
    if (pButton->GetID() != KT_IDC_INPLACEBUTTON_COMBO || m_constraints.GetCount() == 0 || !OnRequestEdit())
        return;
    GetInplaceList().Create(this, GetItemRect());
    if (m_pView)
        m_pView->Invalidate(FALSE);
}
