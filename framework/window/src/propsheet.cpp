// Property sheets and pages over the system's property sheet: pages are the
// dialogs' objects, hooked at their creation like any dialog.
#include "afxdlgs.h"
#include "afxpriv.h"
#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// Called by the sheet as each page's window is created: the page's object is
// attached before the page sees its first message.
UINT CALLBACK AfxPropPageCallback(HWND, UINT message, LPPROPSHEETPAGE pPropPage)
{
    if (message == PSPCB_CREATE)
        AfxHookWindowCreate(reinterpret_cast<CPropertyPage*>(pPropPage->lParam));
    return 1;
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCDLGTEMPLATE lpDialogTemplate, UINT nIDCaption)
{
    CommonConstruct(nullptr, nIDCaption);
    m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_psp.pResource = lpDialogTemplate;
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
    m_psp.dwSize = sizeof(PROPSHEETPAGE);
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_psp.pfnCallback = AfxPropPageCallback;
    if (nIDCaption && m_strCaption.LoadString(nIDCaption))
    {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

void CPropertyPage::CancelToClose() { ::SendMessage(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0); }

void CPropertyPage::SetModified(BOOL bChanged)
{
    ::SendMessage(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}
BOOL CPropertyPage::OnSetActive() { return TRUE; }
BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        break;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // A dialog answers notifications through its DWLP_MSGRESULT slot.
    ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace
{
thread_local CPropertySheet* t_pSheetInit = nullptr;  // the sheet being created on this thread
}

// Called once the sheet's window exists: the sheet's object takes it over.
int CALLBACK AfxPropSheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && t_pSheetInit)
    {
        CPropertySheet* pSheet = t_pSheetInit;
        t_pSheetInit = nullptr;
        AfxCallGuarded([&] { pSheet->SubclassWindow(hWnd); });
    }
    return 0;
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption = pszCaption ? pszCaption : "";
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    m_pParentWnd = pParentWnd;
    m_psh.dwSize = sizeof(PROPSHEETHEADER);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.pfnCallback = AfxPropSheetCallback;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
    pPage->m_pSheet = this;
    if (m_hWnd)
    {
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPage(&pPage->m_psp);
        if (hPage)
            SendMessage(PSM_ADDPAGE, 0, (LPARAM)hPage);
    }
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd)
        SendMessage(PSM_REMOVEPAGE, (WPARAM)nPage);
    m_pages.erase(m_pages.begin() + nPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (size_t i = 0; i < m_pages.size(); i++)
        if (m_pages[i] == pPage)
            return (int)i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return (int)m_psh.nStartPage;
    HWND hWndTab = (HWND)SendMessage(PSM_GETTABCONTROL);
    return (int)::SendMessage(hWndTab, TCM_GETCURSEL, 0, 0);
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    int nIndex = GetActiveIndex();
    return nIndex >= 0 && nIndex < GetPageCount() ? m_pages[(size_t)nIndex] : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!m_hWnd)
    {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)SendMessage(PSM_SETCURSEL, (WPARAM)nPage);
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd)
        SendMessage(PSM_SETTITLE, nStyle, (LPARAM)lpszText);
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return (CTabCtrl*)CWnd::FromHandle((HWND)SendMessage(PSM_GETTABCONTROL));
}

void CPropertySheet::BuildPropPageArray()
{
    m_ppsp.clear();
    for (CPropertyPage* pPage : m_pages)
    {
        pPage->m_pSheet = this;
        m_ppsp.push_back(pPage->m_psp);
    }
    m_psh.ppsp = m_ppsp.data();
    m_psh.nPages = (UINT)m_ppsp.size();
    m_psh.pszCaption = m_strCaption;
}

// The system's sheet runs modeless inside the framework's modal loop, so that the pages' controls get
// their PreTranslateMessage (keyboard handling, list tips) as in any other dialog.
INT_PTR CPropertySheet::DoModal()
{
    HWND hWndOwner = AfxGetModalOwner(m_pParentWnd);
    const BOOL bEnableOwner = hWndOwner && ::IsWindowEnabled(hWndOwner);
    const BOOL bCreated = CreateSheetWindow(hWndOwner);
    m_psh.dwFlags &= ~PSH_MODELESS;
    if (!bCreated)
        return -1;
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, FALSE);
    RunModalLoop(MLF_SHOWONIDLE);
    const INT_PTR nResult = SendMessage(PSM_GETRESULT) > 0 ? IDOK : IDCANCEL;
    // The owner is enabled before the sheet goes, so it gets the activation back.
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return nResult;
}

// OK and Cancel leave a modeless system sheet without a current page.
BOOL CPropertySheet::ContinueModal()
{
    return CWnd::ContinueModal() && m_hWnd && SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
}

// The sheet keeps the system's own modeless styles.
BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD, DWORD)
{
    m_bModeless = TRUE;
    return CreateSheetWindow(pParentWnd->GetSafeHwnd());
}

// The system places a sheet at the screen's corner; it opens over its owner as other dialogs do.
BOOL CPropertySheet::CreateSheetWindow(HWND hWndParent)
{
    BuildPropPageArray();
    m_psh.hwndParent = hWndParent;
    m_psh.dwFlags |= PSH_MODELESS;
    t_pSheetInit = this;
    HWND hWnd = (HWND)::PropertySheet(&m_psh);
    t_pSheetInit = nullptr;
    if (!hWnd || (INT_PTR)hWnd == -1 || m_hWnd != hWnd)
        return FALSE;
    CenterWindow();
    return TRUE;
}

void CPropertySheet::EndDialog(int nEndID)
{
    if (m_bModeless)
    {
        DestroyWindow();
        return;
    }
    ::PostMessage(m_hWnd, WM_COMMAND, nEndID == IDOK ? IDOK : IDCANCEL, 0);
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    OnInitDialog();
    return lResult;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return m_hWnd && (BOOL)SendMessage(PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

BOOL CPropertySheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return ((UINT)nCode == CN_COMMAND || (UINT)nCode == CN_UPDATE_COMMAND_UI) && pThread &&
           pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
