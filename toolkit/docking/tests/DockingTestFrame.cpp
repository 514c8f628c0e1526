// The test application, the frame and its answers to the manager.
#include "DockingTestFrame.h"

#include <afxpriv.h>

#include "InputBuilder.h"
#include "MessagePump.h"
#include "TestInput.h"
#include "TestProgramApp.h"

namespace
{
CTestProgramApp theApp("Docking Tests");
}  // namespace

BEGIN_MESSAGE_MAP(CDockingTestFrame, CFrameWnd)
// LRESULT OnDockingPaneNotify(WPARAM, LPARAM)
ON_MESSAGE(KT_WM_DOCKINGPANENOTIFY, OnDockingPaneNotify)
END_MESSAGE_MAP()

CDockingTestFrame::CDockingTestFrame(int cx, int cy)
{
    CRect rc(0, 0, cx, cy);
    ::AdjustWindowRect(&rc, WS_POPUP | WS_CAPTION, FALSE);
    Create(NULL, "Kestova docking test", WS_POPUP | WS_CAPTION | WS_VISIBLE,
           CRect(20, 20, 20 + rc.Width(), 20 + rc.Height()));
    m_wndEditor.Create("STATIC", NULL, WS_CHILD | WS_VISIBLE | SS_WHITERECT, CRect(0, 0, 0, 0), this,
                       AFX_IDW_PANE_FIRST);
    m_manager.InstallDockingPanes(this, TRUE);
    m_manager.SetTheme(ktDockingPaneThemeStickers);
}

CDockingTestFrame::~CDockingTestFrame()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

void CDockingTestFrame::CreateDesignerPanes()
{
    m_manager.CreatePane(703, CRect(0, 0, 150, 120), ktDockBottom);
    CKTDockingPane* p701 = m_manager.CreatePane(701, CRect(0, 0, 230, 140), ktDockLeft);
    m_manager.m_dwDefaultPaneOptions = ktPaneHasMenuButton;
    m_manager.CreatePane(702, CRect(0, 0, 180, 140), ktDockRight, p701);
    if (CKTDockingPane* p = m_manager.FindPane(701))
        p->SetTitle("Solution Explorer");
    if (CKTDockingPane* p = m_manager.FindPane(702))
        p->SetTitle("Properties");
    if (CKTDockingPane* p = m_manager.FindPane(703))
        p->SetTitle("OutPut");
}

void CDockingTestFrame::Layout()
{
    RecalcLayout(FALSE);
    PumpDocking();
}

CWnd* CDockingTestFrame::PaneWindow(int nID) const
{
    auto it = m_paneWindows.find(nID);
    return it == m_paneWindows.end() ? nullptr : it->second.get();
}

int CDockingTestFrame::CountNotifies(int nCode, int nPaneID) const
{
    int nCount = 0;
    for (const CRecordedNotify& notify : m_notifies)
        nCount += notify.nCode == nCode && notify.nPaneID == nPaneID;
    return nCount;
}

int CDockingTestFrame::CountActions(int nAction, int nPaneID) const
{
    int nCount = 0;
    for (const CRecordedNotify& notify : m_notifies)
        nCount += notify.nCode == ktDockingPaneAction && notify.nAction == nAction && notify.nPaneID == nPaneID;
    return nCount;
}

void CDockingTestFrame::AttachWindow(CKTDockingPane* pPane)
{
    auto& pWnd = m_paneWindows[pPane->GetID()];
    if (!pWnd)
    {
        pWnd = std::make_unique<CWnd>();
        pWnd->Create("EDIT", NULL, WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 0, 0), this, 0);
    }
    pPane->Attach(pWnd->GetSafeHwnd());
}

LRESULT CDockingTestFrame::OnDockingPaneNotify(WPARAM wParam, LPARAM lParam)
{
    int nCode = int(wParam);
    if (nCode == ktDockingPaneAction)
    {
        auto* pAction = reinterpret_cast<KT_DOCKINGPANE_ACTION*>(lParam);
        m_notifies.push_back({nCode, pAction->pPane ? pAction->pPane->GetID() : 0, pAction->nAction});
        if (m_refusedActions.count(pAction->nAction))
            pAction->bCancel = TRUE;
        return 0;
    }
    auto* pPane = nCode == ktDockingPaneShowWindow || nCode == ktDockingPaneClosed
                      ? reinterpret_cast<CKTDockingPane*>(lParam)
                      : nullptr;
    m_notifies.push_back({nCode, pPane ? pPane->GetID() : 0, 0});
    if (nCode == ktDockingPaneShowWindow)
    {
        if (!pPane->IsValid())
            AttachWindow(pPane);
        return 1;
    }
    if (nCode == ktDockingPaneClosed && m_bHideOnClose)
    {
        pPane->Hide();
        return KT_DOCKINGPANE_REFUSE;
    }
    return 0;
}

void PumpDocking()
{
    PumpMessages();
    for (LONG lCount = 0; AfxGetApp()->OnIdle(lCount); ++lCount)
    {
    }
    PumpMessages();
}

namespace
{
POINT ToScreenPoint(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

bool SendAndWait(HWND hWnd, std::vector<INPUT> inputs, const std::function<bool()>& bDone)
{
    CTestInput foreground(hWnd);
    if (::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        return false;
    bool bHeld = PumpUntil(bDone);
    PumpDocking();
    return bHeld;
}
}  // namespace

bool DragAtOnce(HWND hWnd, POINT ptFrom, POINT ptTo, const std::function<bool()>& bDone)
{
    std::vector<INPUT> inputs;
    InputBuilder::AddDrag(inputs, ToScreenPoint(hWnd, ptFrom), ToScreenPoint(hWnd, ptTo), 2);
    return SendAndWait(hWnd, std::move(inputs), bDone);
}

bool MoveTo(HWND hWnd, POINT pt, const std::function<bool()>& bDone)
{
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, ToScreenPoint(hWnd, {pt.x - 1, pt.y}));
    InputBuilder::AddMove(inputs, ToScreenPoint(hWnd, pt));
    return SendAndWait(hWnd, std::move(inputs), bDone);
}

COtherProgramWindow::COtherProgramWindow(const CRect& rc) : m_rc(rc)
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    CString strExe(szPath);
    strExe = strExe.Left(strExe.ReverseFind('\\') + 1) + "ktk_docking_other_window.exe";
    CString strCommand;
    strCommand.Format("\"%s\" %ld %ld %ld %ld", (LPCSTR)strExe, rc.left, rc.top, rc.right, rc.bottom);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    if (!::CreateProcessA(strExe, strCommand.GetBuffer(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_process))
        return;
    // A cold Wine may take seconds to start a process; the window is found before it shows.
    const DWORD dwStart = ::GetTickCount();
    while (!IsShown() && ::GetTickCount() - dwStart < 30000)
        if (::WaitForSingleObject(m_process.hProcess, 20) == WAIT_OBJECT_0)
            break;
}

COtherProgramWindow::~COtherProgramWindow()
{
    if (!m_process.hProcess)
        return;
    if (m_hWnd)
        ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(m_process.hProcess, 1);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool COtherProgramWindow::IsShown()
{
    m_hWnd = ::FindWindowA("KestovaOtherProgramWindow", NULL);
    return GetHwnd() != NULL;
}

bool COtherProgramWindow::MovePointerOnto() const
{
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, m_rc.CenterPoint());
    return ::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}
