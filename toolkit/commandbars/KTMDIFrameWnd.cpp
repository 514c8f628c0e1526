// KTMDIFrameWnd.cpp: the frame hands its messages and keys to its command bars first.
#include "KTMDIFrameWnd.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTMenuBar.h"

IMPLEMENT_DYNCREATE(CKTMDIFrameWnd, CMDIFrameWnd)

CKTMDIFrameWnd::CKTMDIFrameWnd() = default;

CKTMDIFrameWnd::~CKTMDIFrameWnd() = default;

BOOL CKTMDIFrameWnd::InitCommandBars(CRuntimeClass* pCommandBarsClass)
{
    CRuntimeClass* pClass = pCommandBarsClass ? pCommandBarsClass : RUNTIME_CLASS(CKTCommandBars);
    CObject* pObject = pClass->CreateObject();
    CKTSmartPtr<CKTCommandBars> pCommandBars =
        CKTSmartPtr<CKTCommandBars>::Adopt(dynamic_cast<CKTCommandBars*>(pObject));
    if (pCommandBars.IsNull())
    {
        delete pObject;
        return FALSE;
    }
    m_pCommandBars = pCommandBars;
    m_pCommandBars->SetSite(this);
    m_pCommandBars->EnableDocking();
    return TRUE;
}

void CKTMDIFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (!m_pCommandBars.IsNull())
        m_pCommandBars->OnSetPreviewMode(bPreview);
    CMDIFrameWnd::OnSetPreviewMode(bPreview, pState);
}

// A field on a bar passes on the keys it does not edit itself: they are its own all the same, and no frame shortcut
// may take them. Enter, Tab and Esc still go the bars' way.
static BOOL IsFieldKey(const MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_TAB || pMsg->wParam == VK_ESCAPE)
        return FALSE;
    return KTIsBarPart(::GetFocus());
}

BOOL CKTMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (IsFieldKey(pMsg))
        return FALSE;
    if (CMDIFrameWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return !m_pCommandBars.IsNull() && m_pCommandBars->PreTranslateFrameMessage(pMsg);
}

BOOL CKTMDIFrameWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_pCommandBars.IsNull() && m_pCommandBars->HandleFrameMessage(message, wParam, lParam, pResult))
        return TRUE;
    return CMDIFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CKTMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const UINT kFirstGroupCommand = 9155, kLastGroupCommand = 9158;
    if (nID >= kFirstGroupCommand && nID <= kLastGroupCommand)
    {
        CWnd* pClient = CWnd::FromHandlePermanent(m_hWndMDIClient);
        if (pClient && pClient->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CKTMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    if (m_pCommandBars.IsNull())
        return TRUE;
    CKTAcceleratorManager* pAccelManager = m_pCommandBars->GetAcceleratorManager();
    pAccelManager->SetAcceleratorTable(m_hAccelTable);
    // The command bars translate from now on; a second translation would run commands twice.
    if (pAccelManager->IsTranslating())
        m_hAccelTable = NULL;
    if (CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar())
        pMenuBar->UpdateShortcuts();
    return TRUE;
}
