// KTPropertyGridInplaceEdit.cpp: placing, colouring and driving the grid's in-place edit.
#include "KTPropertyGridInplaceEdit.h"

#include "KTKeyState.h"
#include "KTPropertyGrid.h"
#include "KTDrawObjects.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridPainter.h"
#include "KTPropertyGridView.h"

namespace
{

// Styles that may differ without recreating the window.
const DWORD kToleratedStyles = WS_CHILD | WS_VISIBLE | ES_READONLY | ES_RIGHT | ES_CENTER;

}  // namespace

BEGIN_MESSAGE_MAP(CKTPropertyGridInplaceEdit, CKBMaskEditT)
ON_CONTROL_REFLECT_EX(EN_CHANGE, OnEnChange)
ON_CONTROL_REFLECT(EN_SETFOCUS, OnEnSetFocus)
ON_CONTROL_REFLECT(EN_KILLFOCUS, OnEnKillFocus)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDBLCLK()
ON_WM_STYLECHANGED()
END_MESSAGE_MAP()

void CKTPropertyGridInplaceEdit::HideWindow()
{
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
}

void CKTPropertyGridInplaceEdit::Create(CKTPropertyGridItem* pItem, CRect rect)
{
    if (!pItem || !pItem->GetGridView())
        return;
    m_pView = pItem->GetGridView();
    m_pItem = pItem;
    m_bReady = m_bEditing = m_bCancelled = m_bChanged = FALSE;
    if (!EnsureWindow(pItem->GetEditStyle(), rect))
        return;
    ApplyItemSettings();
    SetWindowText(m_strValue);
    SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    SetMargins(3, 3);
    m_bUseMask = FALSE;
    if (pItem->IsMaskOn())
    {
        SetEditMask(pItem->GetMask(), pItem->GetLiteral(), m_strValue);
        SetPromptChar(pItem->GetPromptChar());
    }
    m_bReady = TRUE;
}

BOOL CKTPropertyGridInplaceEdit::EnsureWindow(DWORD dwStyle, CRect rect)
{
    if (GetSafeHwnd() && (m_bRecreate || ((GetStyle() ^ dwStyle) & ~kToleratedStyles)))
        DestroyWindow();
    m_bRecreate = FALSE;
    if (GetSafeHwnd())
        return TRUE;
    return CEdit::Create(dwStyle, rect, m_pView, 0);
}

void CKTPropertyGridInplaceEdit::ApplyItemSettings()
{
    if (m_pItem->IsPassword())
        SetPasswordChar(m_pItem->GetPromptChar());
    LimitText(m_pItem->GetMaxLength());
    if (CKTPropertyGridPainter* pPainter = m_pView->GetPainter())
        SetFont(pPainter->GetItemFont(m_pItem, TRUE), FALSE);
}

void CKTPropertyGridInplaceEdit::DestroyItem()
{
    m_pView = nullptr;
    m_pItem = nullptr;
    m_strValue.Empty();
    m_brBack.DeleteObject();
    m_clrBack = CLR_INVALID;
    HideWindow();
}

BOOL CKTPropertyGridInplaceEdit::SelectConstraint(int nStep, BOOL bCycle)
{
    if (!m_pItem)
        return FALSE;
    CKTPropertyGridItemConstraints* pConstraints = m_pItem->GetConstraints();
    CString strText;
    GetWindowText(strText);
    int nIndex = pConstraints->FindConstraint(strText);
    if (nIndex < 0)
        return FALSE;
    int nLast = pConstraints->GetCount() - 1;
    nIndex += nStep;
    if (nIndex > nLast)
        nIndex = bCycle ? 0 : nLast;
    else if (nIndex < 0)
        nIndex = bCycle ? nLast : 0;
    SetWindowText(pConstraints->GetAt(nIndex));
    pConstraints->SetCurrent(nIndex);
    return TRUE;
}

BOOL CKTPropertyGridInplaceEdit::OnEnChange()
{
    if (!m_bReady || !m_pItem)
        return FALSE;
    if (m_bEditing)
        m_bChanged = TRUE;
    if (CKTPropertyGrid* pGrid = m_pItem->GetGrid())
        pGrid->SendNotifyMessage(KTPGN_EDITCHANGED, reinterpret_cast<LPARAM>(this));
    return FALSE;
}

void CKTPropertyGridInplaceEdit::OnEnSetFocus()
{
    if (!m_pItem || !m_pView)
        return;
    m_pView->Invalidate(FALSE);
    if (!m_pItem->OnRequestEdit())
    {
        m_pView->SetFocus();
        return;
    }
    m_bEditing = TRUE;
}

void CKTPropertyGridInplaceEdit::OnEnKillFocus()
{
    if (!m_pItem)
        return;
    CKTPropertyGridView* pView = m_pView;
    m_pItem->OnValidateEdit();
    if (pView)
        pView->Invalidate(FALSE);
}

HBRUSH CKTPropertyGridInplaceEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    CKTPropertyGridPainter* pPainter = m_pView ? m_pView->GetPainter() : nullptr;
    if (!pPainter || !m_pItem)
        return NULL;
    COLORREF clrBack = pPainter->GetItemBackColor(m_pItem, TRUE);
    if (clrBack != m_clrBack || !m_brBack.GetSafeHandle())
    {
        m_brBack.DeleteObject();
        m_brBack.CreateSolidBrush(clrBack);
        m_clrBack = clrBack;
    }
    pDC->SetTextColor(pPainter->GetItemTextColor(m_pItem, TRUE));
    pDC->SetBkColor(clrBack);
    return m_brBack;
}

void CKTPropertyGridInplaceEdit::SelectAllAndScroll()
{
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
}

void CKTPropertyGridInplaceEdit::ReturnFocusToView()
{
    if (m_pView)
        m_pView->SetFocus();
}

void CKTPropertyGridInplaceEdit::PressComboButton()
{
    if (!m_pItem)
        return;
    if (CKTPropertyGridItemButton* pButton = m_pItem->GetInplaceButtons()->Find(KT_IDC_INPLACEBUTTON_COMBO))
        m_pItem->OnInplaceButtonDown(pButton);
}

void CKTPropertyGridInplaceEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pItem || !m_bEditing)
    {
        CKBMaskEditT::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar)
    {
    case VK_TAB:
        if (CKTPropertyGrid* pGrid = m_pItem->GetGrid())
            pGrid->OnNavigate(ktGridPartInplaceEdit, !KTIsKeyDown(VK_SHIFT), m_pItem);
        return;
    case VK_ESCAPE:
        m_bCancelled = TRUE;
        SetWindowText(m_strValue);
        return;
    case VK_RETURN:
        return;
    case VK_F4:
        PressComboButton();
        return;
    case VK_UP:
    case VK_DOWN:
        if (!m_pItem->GetReadOnly() && SelectConstraint(nChar == VK_UP ? -1 : 1, FALSE))
        {
            SelectAllAndScroll();
            return;
        }
        break;
    }
    CKBMaskEditT::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKTPropertyGridInplaceEdit::OnSysKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (nChar == VK_UP || nChar == VK_DOWN)
    {
        PressComboButton();
        return;
    }
    Default();
}

void CKTPropertyGridInplaceEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_TAB:
        return;
    case VK_RETURN:
        if (GetStyle() & ES_WANTRETURN)
            CKBMaskEditT::OnChar(nChar, nRepCnt, nFlags);
        else
            ReturnFocusToView();
        return;
    case VK_ESCAPE:
        ReturnFocusToView();
        return;
    }
    if (m_pItem && !m_pItem->GetReadOnly() && m_pItem->GetConstraintEdit() && m_pItem->GetConstraints()->GetCount() > 0)
    {
        PickConstraintByLetter(nChar);
        return;
    }
    CKBMaskEditT::OnChar(nChar, nRepCnt, nFlags);
}

// The next constraint after the current text that starts with the letter,
// ignoring case, wrapping once round the list.
BOOL CKTPropertyGridInplaceEdit::PickConstraintByLetter(UINT nChar)
{
    CKTPropertyGridItemConstraints* pConstraints = m_pItem->GetConstraints();
    CString strText;
    GetWindowText(strText);
    int nCount = pConstraints->GetCount();
    int nCurrent = pConstraints->FindConstraint(strText);
    char chTyped[2] = {static_cast<char>(nChar), 0};
    for (int i = 1; i <= nCount; i++)
    {
        int nIndex = (nCurrent + i + nCount) % nCount;
        CString strFirst = pConstraints->GetAt(nIndex).Left(1);
        if (!strFirst.IsEmpty() && strFirst.CompareNoCase(chTyped) == 0)
        {
            SetWindowText(pConstraints->GetAt(nIndex));
            pConstraints->SetCurrent(nIndex);
            SelectAllAndScroll();
            return TRUE;
        }
    }
    return FALSE;
}

void CKTPropertyGridInplaceEdit::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_pItem && !m_pItem->GetReadOnly() && SelectConstraint(1, TRUE))
    {
        ReturnFocusToView();
        return;
    }
    Default();
}

void CKTPropertyGridInplaceEdit::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    if (nStyleType == GWL_EXSTYLE && ((lpStyleStruct->styleOld ^ lpStyleStruct->styleNew) & WS_EX_LAYOUTRTL))
    {
        HideWindow();
        m_bRecreate = TRUE;
    }
    Default();
}
