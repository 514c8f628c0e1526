// KTControlComboBox.cpp: the combo box's selection, text, focus, list and keys.
#include "KTControlComboBox.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControlComboBoxList.h"
#include "KTImageManager.h"
#include "KTKeyState.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"

IMPLEMENT_DYNCREATE(CKTControlComboBox, CKTControlPopup)

namespace
{
BOOL IsMoveKey(UINT nChar) { return nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT; }
// The shell's completion flag that lets Tab move in its list.
const DWORD kShellTabMovesSelection = 8;
}  // namespace

CKTControlComboBox::CKTControlComboBox() : m_field(this)
{
    m_nType = ktControlComboBox;
    m_nWidth = 100;
    CKTSmartPtr<CKTControlComboBoxList> pList = KTMakeCounted<CKTControlComboBoxList>();
    pList->CreateListBox();
    SetCommandBar(pList);
}

CKTControlComboBox::~CKTControlComboBox() = default;

CKTControlComboBoxPopupBar* CKTControlComboBox::GetComboPopup() const
{
    return dynamic_cast<CKTControlComboBoxPopupBar*>(GetCommandBar());
}

int CKTControlComboBox::GetCurSel() const
{
    CKTControlComboBoxPopupBar* pPopup = GetComboPopup();
    return pPopup ? pPopup->GetCurSel() : m_nCurSel;
}

void CKTControlComboBox::SetCurSel(int nIndex)
{
    if (GetCurSel() == nIndex && m_nCurSel == nIndex)
        return;
    m_nCurSel = nIndex;
    if (CKTControlComboBoxPopupBar* pPopup = GetComboPopup())
        pPopup->SetCurSel(nIndex);
    OnSelChanged();
}

CString CKTControlComboBox::GetListBoxText() const
{
    CString strText;
    CKTControlComboBoxPopupBar* pPopup = GetComboPopup();
    if (pPopup)
        pPopup->GetText(pPopup->GetCurSel(), strText);
    return strText;
}

void CKTControlComboBox::SetDropDown(BOOL bDropDown)
{
    m_bDropDown = bDropDown;
    if (!bDropDown)
        m_field.SetWnd(NULL);
    else if (!m_field.GetWnd())
        m_field.SetWnd(std::unique_ptr<CKTEdit>(new CKTControlComboBoxEditCtrl(this)));
    m_field.DelayReposition();
    DelayLayoutParent();
}

void CKTControlComboBox::SetThumbWidth(int nWidth)
{
    if (m_nThumbWidth == nWidth)
        return;
    m_nThumbWidth = nWidth;
    m_field.DelayReposition();
}

void CKTControlComboBox::SetEnabled(int nEnabled)
{
    CKTControlPopup::SetEnabled(nEnabled);
    m_field.UpdateEnabled();
}

void CKTControlComboBox::SetEditIconId(int nId)
{
    m_nEditIconId = nId;
    m_field.DelayReposition();
    DelayLayoutParent();
}

CKTImageManagerIcon* CKTControlComboBox::GetEditIcon() const
{
    CKTImageManager* pImages = GetImageManager();
    return m_nEditIconId && pImages ? pImages->GetImage(m_nEditIconId, 0) : NULL;
}

void CKTControlComboBox::AdjustEditRect(CRect& rcField)
{
    if (CKTImageManagerIcon* pIcon = GetEditIcon())
        rcField.left += pIcon->m_nWidth + 2;
}

void CKTControlComboBox::SetRect(CRect rc)
{
    m_field.Layout(rc, m_nThumbWidth + 3);
    m_rcControl = rc;
}

BOOL CKTControlComboBox::Compare(CKTControl* pOther)
{
    CKTControlComboBox* pCombo = dynamic_cast<CKTControlComboBox*>(pOther);
    if (!pCombo || !CKTControlPopup::Compare(pOther))
        return FALSE;
    CKTEditField& other = pCombo->m_field;
    return m_bDropDown == pCombo->m_bDropDown && m_nComboStyle == pCombo->m_nComboStyle &&
           m_bAutoComplete == pCombo->m_bAutoComplete && m_nEditIconId == pCombo->m_nEditIconId &&
           m_nDropDownItemCount == pCombo->m_nDropDownItemCount && m_field.GetOwnEditHint() == other.GetOwnEditHint() &&
           m_field.GetShellAutoCompleteFlags() == other.GetShellAutoCompleteFlags() &&
           m_field.GetEditStyle() == other.GetEditStyle();
}

BOOL CKTControlComboBox::IsCaptionVisible() const
{
    return CKTControlPopup::IsCaptionVisible() || (m_nComboStyle == 1 && !GetCaption().IsEmpty());
}

// Vertical bars have no room for the box.
void CKTControlComboBox::OnCalcDynamicSize(DWORD dwMode)
{
    SetHideFlag(ktHideDockingVertical, (dwMode & LM_VERTDOCK) != 0);
}

void CKTControlComboBox::SetParent(CKTCommandBar* pParent)
{
    // The list belongs to the new bar's site, so that it goes with it.
    CKTCommandBar* pList = GetCommandBar();
    if (pParent && pParent != m_pParent && pList && pList->GetSafeHwnd())
        if (CWnd* pSite = pParent->GetSite())
            ::SetWindowLongPtr(pList->GetSafeHwnd(), GWLP_HWNDPARENT, (LONG_PTR)pSite->GetSafeHwnd());
    if (!pParent)
        m_field.DestroyWindow();
    CKTControlPopup::SetParent(pParent);
}

void CKTControlComboBox::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    if (CKTControlComboBox* pCombo = dynamic_cast<CKTControlComboBox*>(pFrom))
    {
        m_nComboStyle = pCombo->m_nComboStyle;
        SetDropDown(pCombo->m_bDropDown);
        m_field.CopyFrom(pCombo->m_field);
        m_bAutoComplete = pCombo->m_bAutoComplete;
        m_nDropDownItemCount = pCombo->m_nDropDownItemCount;
        m_nEditIconId = pCombo->m_nEditIconId;
    }
    CKTControlPopup::Copy(pFrom, bRecursive);
}

void CKTControlComboBox::OnSelChanged()
{
    m_bSyncLock = TRUE;
    SetEditText(GetListBoxText());
    m_bSyncLock = FALSE;
    RedrawParent(FALSE);
    NotifySite(CBN_SELCHANGE);
}

void CKTControlComboBox::UpdatePopupSelection()
{
    CKTControlComboBoxPopupBar* pPopup = GetComboPopup();
    if (m_bSyncLock || !GetEditCtrl() || !pPopup)
        return;
    CString strText = GetEditText();
    int nExact = pPopup->FindStringExact(0, strText);
    if (nExact >= 0)
    {
        pPopup->SetCurSel(nExact);
        return;
    }
    // The nearest item comes into view without being chosen.
    int nPrefix = pPopup->FindString(0, strText);
    pPopup->SetTopIndex(nPrefix);
    pPopup->SetCurSel(nPrefix);
    pPopup->SetCurSel(-1);
}

void CKTControlComboBox::CompleteFromList()
{
    CKTControlComboBoxPopupBar* pPopup = GetComboPopup();
    CKTControlComboBoxEditCtrl* pEdit = GetEditCtrl();
    CString strTyped = GetEditText();
    int nStart = 0, nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    if (strTyped.IsEmpty() || nStart != nEnd || nEnd != strTyped.GetLength())
        return;
    CString strItem;
    if (!pPopup->GetText(pPopup->FindString(0, strTyped), strItem))
        return;
    // The match ignores case: the letters typed stay as typed, only the rest comes from the item.
    CString strCompleted = strTyped + strItem.Mid(strTyped.GetLength());
    SetEditText(strCompleted);
    pEdit->SetSel(strCompleted.GetLength(), strTyped.GetLength());
    pEdit->SendMessage(EM_SCROLLCARET);
}

void CKTControlComboBox::OnEditChanged()
{
    if (!m_bSyncLock && m_bAutoComplete && !m_bSuppressAutoComplete && GetEditCtrl() && GetComboPopup())
    {
        // Set first: the completion changes the text again.
        m_bSuppressAutoComplete = TRUE;
        CompleteFromList();
    }
    UpdatePopupSelection();
    NotifySite(CBN_EDITCHANGE);
}

void CKTControlComboBox::SetFocused(BOOL bFocused)
{
    if (m_bFocused == bFocused || !m_pParent)
        return;
    m_bFocused = bFocused;
    CKTSmartPtr<CKTControl> pHold(this);
    if (bFocused)
    {
        m_nSavedSel = GetCurSel();
        m_bSelectionConfirmed = FALSE;
        m_field.EnterFocusMode();
        NotifySite(CBN_SETFOCUS);
    }
    else
    {
        if (!m_bSelectionConfirmed && !IsPopuped() && !GetEditCtrl())
        {
            SetCurSel(m_nSavedSel);
            NotifySite(CBN_SELENDCANCEL);
        }
        m_field.LeaveFocusMode();
        NotifySite(CBN_KILLFOCUS);
    }
    RedrawParent(FALSE);
}

BOOL CKTControlComboBox::OnSetSelected(int nSelected)
{
    BOOL bChanged = CKTControlPopup::OnSetSelected(nSelected);
    if (nSelected == ktSelectionNone)
    {
        SetFocused(FALSE);
        m_field.ApplyCharFormat();
    }
    return bChanged;
}

void CKTControlComboBox::OnEditSetFocus(HWND hWndOld)
{
    m_field.BeginFocus();
    m_bSuppressAutoComplete = TRUE;
    UpdatePopupSelection();
    m_field.RememberFocusBefore(hWndOld);
    if (m_pParent && m_pParent->GetPopuped() != m_nIndex)
        m_pParent->SetPopuped(-1);
    SetFocused(TRUE);
    m_field.InstallShellHook();
}

void CKTControlComboBox::OnEditKillFocus()
{
    m_field.EndFocus();
    SetFocused(FALSE);
    CloseList();
}

void CKTControlComboBox::CloseList()
{
    if (IsPopuped() && m_pParent)
        m_pParent->SetPopuped(-1);
}

void CKTControlComboBox::OnExecute()
{
    if (GetCurSel() != -1 && (IsPopuped() || (!GetEditCtrl() && m_bFocused)))
        NotifySite(CBN_SELENDOK);
    m_bSelectionConfirmed = TRUE;
    m_nSavedSel = GetCurSel();
    CKTControlPopup::OnExecute();
}

BOOL CKTControlComboBox::OnSetPopup(BOOL bPopup)
{
    CKTSmartPtr<CKTControl> pHold(this);
    if (!bPopup)
    {
        if (!m_bSelectionConfirmed)
        {
            if (!m_bFocused && !GetEditCtrl())
                SetCurSel(m_nSavedSel);
            NotifySite(CBN_SELENDCANCEL);
        }
        return CKTControlPopup::OnSetPopup(FALSE);
    }
    m_bSelectionConfirmed = FALSE;
    m_nSavedSel = GetCurSel();
    if (CKTShellAutoCompleteHook* pShellHook = m_field.GetShellHook())
        pShellHook->HideSuggestWindow();
    if (CKTControlComboBoxPopupBar* pPopup = GetComboPopup())
        pPopup->SetComboBox(this);
    if (CKTControlComboBoxEditCtrl* pEdit = GetEditCtrl())
        if (::GetFocus() != pEdit->GetSafeHwnd())
            pEdit->SetFocus();
    return CKTControlPopup::OnSetPopup(TRUE);
}

void CKTControlComboBox::OnClick(BOOL bKeyboard, CPoint pt)
{
    CKTControlComboBoxEditCtrl* pEdit = GetEditCtrl();
    if ((pEdit && pEdit->IsComposing()) || !m_pParent)
        return;
    if (IsCustomizeMode())
    {
        OnCustomizeClick(pt);
        return;
    }
    if (bKeyboard)
    {
        if (!IsEnabled())
            return;
        if (!m_bFocused)
            SetFocused(TRUE);
        else
            OnExecute();
        return;
    }
    if (IsPopuped() && m_bFocused)
    {
        m_pParent->SetPopuped(-1);
        return;
    }
    CKTControlPopup::OnClick(FALSE, pt);
}

void CKTControlComboBox::OnMouseHover()
{
    // The field's focus takes the bar from its open-popup mode, so a hover that began with the click on the drop
    // button would take the list just opened for a stray popup and close it.
    if (!CKTMouseHookManager::Instance()->IsLocked())
        CKTControlPopup::OnMouseHover();
}

int CKTControlComboBox::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_bFocused)
        return ktHookContinue;
    m_bSuppressAutoComplete = nChar == VK_DELETE || nChar == VK_BACK;
    CKTControlComboBoxEditCtrl* pEdit = GetEditCtrl();
    CKTShellAutoCompleteHook* pShellHook = m_field.GetShellHook();
    const BOOL bAlt = KTIsKeyDown(VK_MENU);
    if (pEdit && pEdit->IsComposing())
        return ktHookStopHere;
    if (nChar == VK_TAB && !(pShellHook && (m_field.GetShellAutoCompleteFlags() & kShellTabMovesSelection)))
        return ktHookContinue;
    if (nChar == VK_RETURN)
        return ktHookContinue;
    // Esc first takes down the shell's suggestions, then the list, sparing the typed text.
    if (nChar == VK_ESCAPE && m_field.HideSuggestions())
        return ktHookHandled;
    if (nChar == VK_ESCAPE && IsPopuped())
    {
        CloseList();
        return ktHookHandled;
    }
    if (nChar == VK_ESCAPE)
    {
        BOOL bPopupBar = m_pParent->GetType() == ktBarTypePopup;
        CloseList();
        SetCurSel(m_nSavedSel);
        SetEditTextOrHint(m_field.GetSavedText());
        SetFocused(FALSE);
        return bPopupBar ? ktHookHandled : ktHookContinue;
    }
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (bAlt && !KTIsKeyDown(VK_CONTROL) && pEdit && pCommandBars && pCommandBars->OnFrameAccessKey(nChar))
        return ktHookHandled;
    if ((nChar == VK_F4 && !bAlt) || ((nChar == VK_UP || nChar == VK_DOWN) && bAlt))
    {
        OnClick(FALSE);
        return ktHookHandled;
    }
    if (pShellHook && pShellHook->ProcessKey(nChar, lParam))
        return ktHookHandled;
    CKTControlComboBoxPopupBar* pPopup = GetComboPopup();
    if ((!pEdit || (IsMoveKey(nChar) && !bAlt)) && pPopup)
    {
        pPopup->ProcessHookKeyDown(this, nChar, lParam);
        return ktHookHandled;
    }
    if (!pEdit)
        return ktHookStopHere;
    return m_field.PassKey(nChar, lParam);
}

// The wheel moves the choice of a focused box whose list is closed.
int CKTControlComboBox::OnHookMouseWheel(int nDelta)
{
    CKTControlComboBoxPopupBar* pPopup = GetComboPopup();
    if (!m_bFocused || IsPopuped() || m_field.GetShellHook() || !pPopup)
        return ktHookContinue;
    pPopup->ProcessHookKeyDown(this, nDelta < 1 ? VK_DOWN : VK_UP, 0);
    return ktHookHandled;
}

void CKTControlComboBox::DrawEditText(CDC* pDC, CRect rc)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    BOOL bEnabled = IsEnabled();
    if (!GetEditCtrl() && bEnabled && m_bFocused)
        pDC->FillSolidRect(CRect(rc.left - 1, rc.top + 1, rc.right - 1, rc.bottom - 1),
                           pPaintManager->GetColor(COLOR_HIGHLIGHT));
    if (CKTImageManagerIcon* pIcon = GetEditIcon())
    {
        const CPoint pt(rc.left, (rc.top + rc.bottom) / 2 - pIcon->m_nHeight / 2);
        pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetIcon() : pIcon->GetDisabledIcon());
        rc.left += pIcon->m_nWidth + 2;
    }
    if (GetEditCtrl())
        return;
    CString strText = GetListBoxText();
    int nColor = !bEnabled ? COLOR_GRAYTEXT : m_bFocused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    if (strText.IsEmpty())
    {
        // The hint stands in an empty box that waits for a choice.
        if (!bEnabled || m_bFocused)
            return;
        strText = GetEditHint();
        nColor = COLOR_GRAYTEXT;
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(pPaintManager->GetColor(nColor));
    pDC->DrawText(strText, rc, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
}
