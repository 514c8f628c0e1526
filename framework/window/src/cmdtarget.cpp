// Command targets: message-map lookup, command routing, CCmdUI updates and
// the shared reference count.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace
{

// A plain message's entry: registered messages are compared by their value at
// dispatch time; command and notification entries never match.
BOOL EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT message)
{
    if (entry.pnRegistered)
        return message >= 0xC000 && *entry.pnRegistered == message;
    return entry.nMessage == message && entry.nCode == 0 && entry.nID == 0;
}

}  // namespace

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode,
                                                            UINT nID)
{
    for (; lpEntry->pfn; ++lpEntry)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

BOOL PASCAL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSGCALL pfn, void* pExtra,
                                       AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pfn = pfn;
        return TRUE;
    }
    AFX_MSGCALL call;
    call.nID = nID;
    call.nCode = nCode;
    call.pExtra = pExtra;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI)
        return pfn(pTarget, call);
    // An update handler may ask for the next target to be asked too.
    CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
    pCmdUI->m_bContinueRouting = FALSE;
    pfn(pTarget, call);
    return !pCmdUI->m_bContinueRouting;
}

BOOL CCmdTarget::DispatchMapEntry(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* lpEntry = pMap->lpEntries; lpEntry->pfn; ++lpEntry)
        {
            if (!EntryMatches(*lpEntry, message))
                continue;
            AFX_MSGCALL call;
            call.message = message;
            call.wParam = wParam;
            call.lParam = lParam;
            // After the handler the object may be gone (a window that
            // destroyed itself): nothing of it is touched again.
            if (!lpEntry->pfn(this, call))
                return FALSE;
            *pResult = call.result;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // nCode carries the message in its high word for notifications and reflections.
    UINT nMsg = 0;
    UINT nCodeLow = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nCodeLow = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry(pMap->lpEntries, nMsg, nCodeLow, nID);
        if (!lpEntry)
            continue;
        // A control's own update runs as any update: it may let routing go on.
        if (nMsg == WM_REFLECT_BASE + WM_COMMAND && nCodeLow == (WORD)CN_UPDATE_COMMAND_UI)
            nCodeLow = CN_UPDATE_COMMAND_UI;
        return DispatchCmdMsg(this, nID, (int)nCodeLow, lpEntry->pfn, pExtra, pHandlerInfo);
    }
    return FALSE;
}

DWORD CCmdTarget::InternalAddRef() { return (DWORD)::InterlockedIncrement(&m_dwRef); }

DWORD CCmdTarget::InternalRelease()
{
    LONG lResult = ::InterlockedDecrement(&m_dwRef);
    if (lResult == 0)
        OnFinalRelease();
    return (DWORD)lResult;
}

void CCmdTarget::OnFinalRelease() { delete this; }

void CCmdTarget::BeginWaitCursor() { AfxGetApp()->DoWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { AfxGetApp()->DoWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { AfxGetApp()->DoWaitCursor(0); }

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    if (m_pMenu)
    {
        if (!m_pSubMenu)
            m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
        return;
    }
    if (!m_pOther)
        return;
    // A control about to be disabled gives the focus to the next one first.
    if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        ::SendMessage(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
    m_pOther->EnableWindow(bOn);
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu)
    {
        if (!m_pSubMenu)
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
        return;
    }
    if (m_pOther && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON))
        m_pOther->SendMessage(BM_SETCHECK, nCheck);
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu)
    {
        if (m_pSubMenu)
            return;
        UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) &
                      (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
        return;
    }
    if (m_pOther)
        m_pOther->SetWindowText(lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and invalid ids are left alone
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info{};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bResult;
}
