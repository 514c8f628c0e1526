// KTEdit.cpp: creation over the rich edit library, key passing, the edit commands and their menu.
#include "KTEdit.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTEditField.h"
#include "KTKeyState.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTResourceManager.h"
#include "KTSystemLibrary.h"

#include <afxres.h>
#include <richedit.h>

#include <memory>

IMPLEMENT_DYNCREATE(CKTEdit, CEdit)

namespace
{
// Loaded on first use and kept for the process: its windows run in it.
class CKTRichEditLibrary
{
public:
    CKTRichEditLibrary() : m_pLibrary(new CKTSystemLibrary("RICHED20.DLL"))
    {
        if (m_pLibrary->IsLoaded())
            return;
        m_pLibrary.reset(new CKTSystemLibrary("RICHED32.DLL"));
        m_strClass = "RICHEDIT";
        m_bVersion2 = FALSE;
    }
    static const CKTRichEditLibrary& Instance()
    {
        static CKTRichEditLibrary s_library;
        return s_library;
    }
    BOOL IsLoaded() const { return m_pLibrary->IsLoaded(); }

    std::unique_ptr<CKTSystemLibrary> m_pLibrary;
    CString m_strClass = "RichEdit20A";
    BOOL m_bVersion2 = TRUE;
};

const UINT kEditCommands[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};

BOOL IsEditCommand(UINT nId) { return nId == ID_EDIT_CUT || nId == ID_EDIT_COPY || nId == ID_EDIT_PASTE; }

// AltGr reports Ctrl and Alt held; the keys it makes characters with are typed, never the edit's Ctrl commands.
BOOL IsAltGrCharacter(UINT nKey)
{
    return KTIsKeyDown(VK_CONTROL) && KTIsKeyDown(VK_MENU) && ::MapVirtualKey(nKey, MAPVK_VK_TO_CHAR) >= ' ';
}
}  // namespace

UINT CKTEdit::GetCharFormatSize()
{
    return CKTRichEditLibrary::Instance().m_bVersion2 ? sizeof(CHARFORMAT2A) : sizeof(CHARFORMATA);
}

BOOL CKTEdit::CreateEdit(DWORD dwStyle, const RECT& rc, CWnd* pParent)
{
    const CKTRichEditLibrary& library = CKTRichEditLibrary::Instance();
    if (!library.IsLoaded())
        return Create(dwStyle, rc, pParent, 0);
    if (!CreateEx(0, library.m_strClass, "", dwStyle, rc, pParent, 0))
        return FALSE;
    SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE);
    SendMessage(EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO);
    return TRUE;
}

BOOL CKTEdit::ProcessKey(UINT nChar, LPARAM lParam)
{
    BOOL bControl = KTIsCommandCtrl();
    BOOL bEditing = nChar == VK_BACK || (nChar >= VK_PRIOR && nChar <= VK_DELETE);
    BOOL bClipboard = bControl && (nChar == 'C' || nChar == 'V' || nChar == 'X' || nChar == 'Z');
    if (!bEditing && !bClipboard)
        return FALSE;
    MSG msg = {m_hWnd, WM_KEYDOWN, nChar, lParam};
    ::IsDialogMessage(m_hWnd, &msg);
    return TRUE;
}

BOOL CKTEdit::IsCommandEnabled(UINT nId) const
{
    if (nId == ID_EDIT_PASTE)
        return ::IsClipboardFormatAvailable(CF_TEXT);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart != nEnd;
}

BOOL CKTEdit::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (IsEditCommand(nID) && nCode == CN_COMMAND)
    {
        // A frame hands its Cut, Copy and Paste to the field that has the focus; asked only whether it handles
        // them, the field says so.
        if (!pHandlerInfo)
            OnCommand(nID, 0);
        return TRUE;
    }
    if (!IsEditCommand(nID) || nCode != CN_UPDATE_COMMAND_UI || !pExtra)
        return CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    static_cast<CCmdUI*>(pExtra)->Enable(IsCommandEnabled(nID));
    return TRUE;
}

BOOL CKTEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case ID_EDIT_CUT:
        SendMessage(WM_CUT);
        return TRUE;
    case ID_EDIT_COPY:
        SendMessage(WM_COPY);
        return TRUE;
    case ID_EDIT_PASTE:
        SendMessage(WM_PASTE);
        return TRUE;
    }
    return CEdit::OnCommand(wParam, lParam);
}

BOOL CKTEdit::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_IME_STARTCOMPOSITION)
        m_bComposing = TRUE;
    else if (message == WM_IME_ENDCOMPOSITION || message == WM_KILLFOCUS)
        m_bComposing = FALSE;
    // A rich edit may take Ctrl with Alt for its own commands and cut or paste; the character comes as WM_CHAR.
    if (message == WM_KEYDOWN && IsAltGrCharacter((UINT)wParam))
    {
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_PAINT && m_bOpaqueFix)
    {
        *pResult = Default();
        CClientDC dc(this);
        CKTPaintManager::FillAlphaOpaque(&dc, CKTClientRect(this));
        return TRUE;
    }
    return CEdit::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CKTEdit::ShowContextMenu(CKTControl* pControl, CPoint pt)
{
    CString strCut;
    CKTCommandBar* pBar = pControl ? pControl->GetParent() : NULL;
    CKTCommandBars* pCommandBars = pBar ? pBar->GetCommandBars() : NULL;
    if (!pCommandBars || !KTResourceManager()->LoadString(&strCut, ID_EDIT_CUT))
        return FALSE;
    // The menu is a tracked bar of its own: a release outside it must close it while it runs.
    CKTMouseHookManager::Instance()->Unlock();
    ClientToScreen(&pt);
    MSG msg;
    if (::PeekMessage(&msg, m_hWnd, EM_SETSEL, EM_SETSEL, PM_NOREMOVE))
        SetSel(0, -1);
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(pCommandBars);
    for (UINT nId : kEditCommands)
    {
        pPopup->GetControls()->Add(ktControlButton, nId)->SetEnabled(IsCommandEnabled(nId));
    }
    UINT nFlags = TPM_RECURSE | TPM_NONOTIFY | TPM_RETURNCMD;
    if (pBar->GetSafeHwnd() && (pBar->GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RIGHT)))
        nFlags |= TPM_RIGHTALIGN;
    UINT nCommand = CKTCommandBars::TrackPopupMenu(pPopup, nFlags, pt.x, pt.y, this);
    if ((int)nCommand > 0)
        OnCommand(nCommand, 0);
    CKTMouseHookManager::Instance()->Lock();
    if (pBar->GetSafeHwnd())
    {
        pBar->Redraw();
        pBar->UpdateWindow();
    }
    return TRUE;
}

BOOL CKTEdit::OnFieldMessage(IKTEditFieldOwner* pOwner, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CKTControl* pControl = pOwner->GetFieldControl();
    ShowToBarTips(pControl, message, wParam, lParam);
    switch (message)
    {
    case WM_SETFOCUS:
        if (pControl->IsCustomizeMode())
            return FALSE;
        pOwner->OnEditSetFocus((HWND)wParam);
        TakeFocusSelectingAll();
        return TRUE;
    case WM_KILLFOCUS:
        m_bComposing = FALSE;
        Default();
        pOwner->OnEditKillFocus();
        return TRUE;
    case WM_DESTROY:
        pOwner->GetField()->SaveWindowText();
        return FALSE;
    case WM_LBUTTONDOWN:
        return OnCustomizeLeftPress(pControl, lParam);
    case WM_MOUSEMOVE:
        ForwardMouseMoveToBar(pControl, lParam);
        return FALSE;
    case WM_CONTEXTMENU:
        // The field's menu came with the press; the bar must not add its own.
        *pResult = 0;
        return TRUE;
    case KTWM_ISBARPART:
        *pResult = 1;
        return TRUE;
    }
    return FALSE;
}

BOOL CKTEdit::OnFieldChildNotify(IKTEditFieldOwner* pOwner, UINT message, WPARAM wParam, LRESULT* pResult)
{
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE)
        return FALSE;
    pOwner->GetField()->OnTextChanged();
    *pResult = 0;
    return TRUE;
}

void CKTEdit::TakeFocusSelectingAll()
{
    Default();
    SetSel(0, 0);
    SendMessage(EM_SCROLLCARET);
    PostMessage(EM_SETSEL, 0, -1);
}

void CKTEdit::ShowToBarTips(CKTControl* pControl, UINT message, WPARAM wParam, LPARAM lParam)
{
    CKTCommandBar* pBar = pControl->GetParent();
    if (pBar && message != WM_MOUSEMOVE)
        CKTToolTipController::FilterToolTipMessage(pBar->GetToolTipContext(), pBar, message, wParam, lParam);
}

CPoint CKTEdit::PointOnBar(CKTControl* pControl, LPARAM lParam)
{
    CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    MapWindowPoints(pControl->GetParent(), &pt, 1);
    return pt;
}

void CKTEdit::ForwardMouseMoveToBar(CKTControl* pControl, LPARAM lParam)
{
    CKTCommandBar* pBar = pControl->GetParent();
    if (!pBar || !pBar->GetSafeHwnd())
        return;
    const CPoint pt = PointOnBar(pControl, lParam);
    pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
}

BOOL CKTEdit::OnCustomizeLeftPress(CKTControl* pControl, LPARAM lParam)
{
    if (!pControl->IsCustomizeMode())
        return FALSE;
    if (pControl->IsCustomizeMovable())
        pControl->OnClick(FALSE, PointOnBar(pControl, lParam));
    return TRUE;
}

BOOL CKTEdit::OnCustomizeRightPress(CKTControl* pControl, WPARAM wParam, LPARAM lParam)
{
    if (!pControl->IsCustomizeMode() || !pControl->GetParent())
        return FALSE;
    const CPoint pt = PointOnBar(pControl, lParam);
    pControl->GetParent()->SendMessage(WM_RBUTTONDOWN, wParam, MAKELPARAM(pt.x, pt.y));
    return TRUE;
}

void CKTEdit::ShowFieldMenu(CKTControl* pControl, LPARAM lParam)
{
    pControl->SetFocused(TRUE);
    if (!ShowContextMenu(pControl, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))))
        Default();
}
