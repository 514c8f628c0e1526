// CDialog: modeless and modal dialogs from resource or in-memory templates.
#include "afxwin.h"
#include "afxpriv.h"
#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_WM_CLOSE()
END_MESSAGE_MAP()

// The dialog manager's procedure: every message already went through the
// window's object, so nothing is left to do here.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

LPCDLGTEMPLATE AfxLoadDialogTemplate(HINSTANCE hInst, LPCTSTR lpszName)
{
    HRSRC hResource = ::FindResource(hInst, lpszName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    return hTemplate ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : nullptr;
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

LPCDLGTEMPLATE CDialog::LoadTemplate(HINSTANCE& hInst) const
{
    if (m_lpDialogTemplate)
    {
        hInst = AfxGetInstanceHandle();
        return m_lpDialogTemplate;
    }
    hInst = AfxGetResourceHandle();
    return AfxLoadDialogTemplate(hInst, m_lpszTemplateName);
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (!lpDialogTemplate)
        return FALSE;
    HWND hWndParent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate, hWndParent, AfxDlgProc, 0);
    if (!AfxEndWindowCreateHook())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (!pParentWnd)
        pParentWnd = AfxGetMainWnd();
    HINSTANCE hInst;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(hInst);
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd); }

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (!pParentWnd)
        pParentWnd = AfxGetMainWnd();
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetInstanceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

HWND AfxGetModalOwner(CWnd* pParentWnd)
{
    CWnd* pParent = pParentWnd ? pParentWnd : AfxGetMainWnd();
    HWND hWnd = pParent ? pParent->GetSafeHwnd() : ::GetActiveWindow();
    // The owner is the top-level window of whatever was given.
    while (hWnd && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

HWND CDialog::PreModal() { return AfxGetModalOwner(m_pParentWnd); }

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(hInst);
    if (!lpTemplate)
        return -1;
    HWND hWndParent = PreModal();
    BOOL bEnableParent = hWndParent && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent);
    if (bEnableParent)
        ::EnableWindow(hWndParent, FALSE);
    m_nModalResult = -1;
    m_bModal = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpTemplate, hWndParent, AfxDlgProc, 0);
    AfxEndWindowCreateHook();
    if (hWnd && (m_nFlags & WF_CONTINUEMODAL) == 0 && m_nModalResult == -1)
    {
        DWORD dwFlags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            dwFlags |= MLF_NOIDLEMSG;
        RunModalLoop(dwFlags);
    }
    if (m_hWnd)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    // The owner is enabled before the dialog goes, so it gets the activation back.
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    m_bModal = FALSE;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal)
    {
        EndModalLoop(nResult);
        return;
    }
    ::EndDialog(m_hWnd, nResult);
}

namespace
{

// A top-level dialog that neither showed nor placed itself while it started opens over its owner,
// as message boxes do, instead of at its template's corner.
void CenterIfUnplaced(CWnd& dialog, const CRect& rcBefore, DWORD dwStyleBefore)
{
    CRect rcAfter;
    dialog.GetWindowRect(&rcAfter);
    const DWORD dwShown = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE;
    if ((dwStyleBefore & (WS_CHILD | dwShown)) || (dialog.GetStyle() & dwShown) || !::EqualRect(rcAfter, rcBefore))
        return;
    dialog.CenterWindow();
}

}  // namespace

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    CRect rcBefore;
    GetWindowRect(&rcBefore);
    const DWORD dwStyleBefore = GetStyle();
    Default();
    const BOOL bFocusSet = OnInitDialog();
    CenterIfUnplaced(*this, rcBefore, dwStyleBefore);
    return bFocusSet;
}

BOOL CDialog::OnInitDialog()
{
    // Initial values go into the controls; a failure leaves the dialog up.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose()
{
    // The close box is Cancel, as the system's dialogs do.
    SendMessage(WM_COMMAND, IDCANCEL, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Keys of the dialog's own controls are the dialog manager's.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && ::IsDialogMessage(m_hWnd, pMsg))
        return TRUE;
    return FALSE;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if ((UINT)nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI)
        return FALSE;
    CWinThread* pThread = AfxGetThread();
    return pThread && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
