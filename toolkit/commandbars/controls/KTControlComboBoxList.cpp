// KTControlComboBoxList.cpp: the keys of a combo box's open list, and the list-box drop-down.
#include "KTControlComboBoxList.h"

#include "KTCommandBars.h"
#include "KTControlComboBox.h"
#include "KTDrawObjects.h"
#include "KTKeyState.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTControlComboBoxPopupBar, CKTPopupBar)
IMPLEMENT_DYNCREATE(CKTControlComboBoxList, CKTControlComboBoxPopupBar)

BEGIN_MESSAGE_MAP(CKTControlComboBoxList, CKTControlComboBoxPopupBar)
ON_WM_NCPAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace
{
// The colour-table slot of a popup's outer frame.
const int kFrameColor = 43;

BOOL IsMoveKey(UINT nChar) { return nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT; }
}  // namespace

BOOL CKTControlComboBoxPopupBar::ProcessHookKeyDown(CKTControlComboBox* pCombo, UINT nChar, LPARAM lParam)
{
    const int nSelected = GetCurSel();
    const BOOL bEdit = pCombo->GetEditCtrl() != NULL;
    const BOOL bAlt = KTIsKeyDown(VK_MENU);
    if (bEdit && (!IsMoveKey(nChar) || bAlt))
        return FALSE;
    if (!bEdit && ((nChar == VK_F4 && !bAlt) || ((nChar == VK_UP || nChar == VK_DOWN) && bAlt)))
        return FALSE;
    RunListKey(nChar, lParam, bEdit);
    if (GetCurSel() == nSelected)
        return TRUE;
    pCombo->OnSelChanged();
    if (CKTControlComboBoxEditCtrl* pEdit = pCombo->GetEditCtrl())
    {
        pEdit->SetSel(0, -1);
        pEdit->SendMessage(EM_SCROLLCARET);
    }
    return TRUE;
}

BOOL CKTControlComboBoxPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_pCombo)
        return CKTPopupBar::OnHookKeyDown(nChar, lParam);
    // A focused combo box restores its own text on Esc and closes the list itself.
    if (nChar == VK_ESCAPE)
        return m_pCombo->IsFocused() ? FALSE : CKTPopupBar::OnHookKeyDown(nChar, lParam);
    if (nChar == VK_TAB)
        return FALSE;
    return ProcessHookKeyDown(m_pCombo, nChar, lParam);
}

CKTControlComboBoxList::CKTControlComboBoxList()
{
    m_nBarPosition = ktBarListBox;
    m_bShowShadow = FALSE;
}

BOOL CKTControlComboBoxList::CreateListBox()
{
    if (GetSafeHwnd())
        return TRUE;
    DWORD dwStyle = (m_dwListStyle & ~WS_DLGFRAME) | WS_POPUP | WS_CLIPCHILDREN | WS_VSCROLL;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE, "LISTBOX", "", dwStyle, CRect(0, 0, 0, 0), NULL, 0);
}

int CKTControlComboBoxList::GetCurSel() const { return GetSafeHwnd() ? (int)SendMessage(LB_GETCURSEL) : -1; }

int CKTControlComboBoxList::FindString(int nStart, LPCSTR lpszText) const
{
    return GetSafeHwnd() ? (int)SendMessage(LB_FINDSTRING, nStart, (LPARAM)lpszText) : -1;
}

int CKTControlComboBoxList::FindStringExact(int nStart, LPCSTR lpszText) const
{
    return GetSafeHwnd() ? (int)SendMessage(LB_FINDSTRINGEXACT, nStart, (LPARAM)lpszText) : -1;
}

void CKTControlComboBoxList::SetTopIndex(int nIndex)
{
    if (GetSafeHwnd())
        SendMessage(LB_SETTOPINDEX, nIndex);
}

void CKTControlComboBoxList::SetCurSel(int nIndex)
{
    if (GetSafeHwnd())
        SendMessage(LB_SETCURSEL, nIndex);
}

BOOL CKTControlComboBoxList::GetText(int nIndex, CString& strText) const
{
    int nLength = GetSafeHwnd() && nIndex >= 0 ? (int)SendMessage(LB_GETTEXTLEN, nIndex) : LB_ERR;
    if (nLength == LB_ERR)
        return FALSE;
    SendMessage(LB_GETTEXT, nIndex, (LPARAM)strText.GetBuffer(nLength + 1));
    strText.ReleaseBuffer(nLength);
    return TRUE;
}

BOOL CKTControlComboBoxList::Popup(CKTControl* pControlPopup, BOOL)
{
    CKTControlComboBox* pCombo = dynamic_cast<CKTControlComboBox*>(pControlPopup);
    if (!pCombo || !CreateListBox())
        return FALSE;
    CKTSmartPtr<CKTCommandBar> pHold(this);
    m_pCombo = pCombo;
    m_pControlPopup = pCombo;
    SendMessage(WM_SETFONT, (WPARAM)GetPaintManager()->GetRegularFont()->GetSafeHandle(), FALSE);
    NotifySite(KTWM_INITCOMMANDSPOPUP);
    const DWORD dwRTL = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->IsLayoutRTL())
        ModifyStyleEx(WS_EX_LAYOUTRTL, dwRTL);
    else
        ModifyStyleEx(dwRTL, 0);
    SetTrackingMode(ktTrackingOn, FALSE, FALSE);
    int nRows = std::min(pCombo->GetDropDownItemCount(), std::max(GetCount(), 1));
    int cy = nRows * (int)SendMessage(LB_GETITEMHEIGHT, 0) + 4;
    int cx = m_nListWidth >= 1 ? m_nListWidth : pCombo->GetRect().Width();
    UpdateLocation();
    ShowAt(CalcPopupRect(cx, cy));
    return TRUE;
}

BOOL CKTControlComboBoxList::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    CKTSmartPtr<CKTCommandBar> pHold(this);
    // The window stays for the next time: only the popup bar's closing would destroy it.
    if (!CKTCommandBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard))
        return FALSE;
    CKTControlComboBox* pCombo = m_pCombo;
    if (nMode != ktTrackingNone)
    {
        CKTMouseHookManager::Instance()->Lock();
        if (pCombo)
        {
            pCombo->UpdatePopupSelection();
            pCombo->NotifySite(CBN_DROPDOWN);
        }
        return TRUE;
    }
    if (pCombo)
        pCombo->NotifySite(CBN_CLOSEUP);
    CKTMouseHookManager::Instance()->Unlock();
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
    if (CKTCommandBar* pParent = GetParentCommandBar())
        pParent->SetPopuped(-1);
    m_pCombo = NULL;
    m_pControlPopup = NULL;
    return TRUE;
}

BOOL CKTControlComboBoxList::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (m_pCombo && nChar == VK_RETURN)
    {
        m_pCombo->OnExecute();
        return TRUE;
    }
    return CKTControlComboBoxPopupBar::OnHookKeyDown(nChar, lParam);
}

BOOL CKTControlComboBoxList::OnHookMouseWheel(int nDelta, CPoint ptScreen)
{
    if (!GetSafeHwnd() || !IsWindowVisible())
        return FALSE;
    // The list box's own procedure scrolls it; the bars' handling would only move the choice.
    DefWindowProc(WM_MOUSEWHEEL, MAKEWPARAM(0, nDelta), MAKELPARAM(ptScreen.x, ptScreen.y));
    return TRUE;
}

void CKTControlComboBoxList::RunListKey(UINT nChar, LPARAM lParam, BOOL bWithEdit)
{
    if (bWithEdit)
    {
        DefWindowProc(WM_KEYDOWN, nChar, lParam);
        return;
    }
    MSG msg = {m_hWnd, WM_KEYDOWN, nChar, lParam};
    ::IsDialogMessage(m_hWnd, &msg);
}

void CKTControlComboBoxList::Copy(CKTCommandBar* pFrom, BOOL bRecursive)
{
    CKTControlComboBoxPopupBar::Copy(pFrom, bRecursive);
    CKTControlComboBoxList* pList = dynamic_cast<CKTControlComboBoxList*>(pFrom);
    if (!pList || !CreateListBox())
        return;
    m_nListWidth = pList->m_nListWidth;
    CString strText;
    for (int i = 0; i < pList->GetCount(); i++)
        if (pList->GetText(i, strText))
            AddString(strText);
}

void CKTControlComboBoxList::DrawCommandBar(CDC* pDC, CRect)
{
    pDC->FillSolidRect(CKTClientRect(this), GetPaintManager()->GetColor(COLOR_WINDOW));
    DefWindowProc(WM_PAINT, (WPARAM)pDC->GetSafeHdc(), 0);
}

void CKTControlComboBoxList::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(rc);
    rc.OffsetRect(-rc.TopLeft());
    CKTPaintManager* pPaintManager = GetPaintManager();
    dc.Draw3dRect(rc, pPaintManager->GetColor(kFrameColor), pPaintManager->GetColor(kFrameColor));
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(rc, pPaintManager->GetColor(COLOR_WINDOW), pPaintManager->GetColor(COLOR_WINDOW));
}

void CKTControlComboBoxList::OnMouseMove(UINT, CPoint point)
{
    DWORD dwHit = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(dwHit) == 0 && (int)LOWORD(dwHit) != GetCurSel())
        SetCurSel(LOWORD(dwHit));
}

void CKTControlComboBoxList::OnLButtonUp(UINT, CPoint point)
{
    // A release on no row (an empty list is one blank row high) picks nothing.
    DWORD dwHit = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (!m_pCombo || HIWORD(dwHit) != 0 || (int)LOWORD(dwHit) >= GetCount())
        return;
    CKTSmartPtr<CKTControl> pHold(m_pCombo);
    m_pCombo->OnSelChanged();
    m_pCombo->OnExecute();
}
