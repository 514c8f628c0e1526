// RibbonTestFrame.cpp: the ribbon test frame's start-up, notifications and resizing.
#include "RibbonTestFrame.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTRibbonBar.h"
#include "MessagePump.h"

BEGIN_MESSAGE_MAP(CRibbonFrameWnd, CKTMDIFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(KTWM_CONTROLNOTIFY, OnControlNotify)
END_MESSAGE_MAP()

namespace
{
const DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

CRect FrameRectForClient(int cx, int cy)
{
    CRect rc(0, 0, cx, cy);
    ::AdjustWindowRect(&rc, kFrameStyle, FALSE);
    return rc;
}
}  // namespace

int CRibbonFrameWnd::s_nDestructions = 0;

CRibbonFrameWnd::~CRibbonFrameWnd()
{
    s_nDestructions++;
    // A frame closed by the test's own input must not leave the holder pointing at it.
    if (m_pOwner->m_pWnd == this)
        m_pOwner->m_pWnd = NULL;
}

int CRibbonFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CKTMDIFrameWnd::OnCreate(lpcs) == -1 || !InitCommandBars())
        return -1;
    // The frame handles few of the commands its tests give controls: they stay enabled, as before any update.
    GetCommandBars()->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    CKTRibbonBar* pRibbon = static_cast<CKTRibbonBar*>(GetCommandBars()->SetMenu("Ribbon", 0, m_pRibbonClass));
    if (!pRibbon)
        return -1;
    pRibbon->AddTab("Home", 1);
    pRibbon->AddTab("Insert", 2);
    pRibbon->AddTab("View", 3);
    return 0;
}

LRESULT CRibbonFrameWnd::OnControlNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam != (WPARAM)KT_ID_RIBBONCONTROLTAB)
        return 0;
    const auto* pRecord = reinterpret_cast<const KT_NMRIBBONTAB*>(lParam);
    if (pRecord->hdr.code != (UINT)TCN_SELCHANGING && pRecord->hdr.code != (UINT)TCN_SELCHANGE)
        return 0;
    m_pOwner->m_tabNotifications.push_back({(int)pRecord->hdr.code, pRecord->pTab});
    return pRecord->hdr.code == (UINT)TCN_SELCHANGING ? m_pOwner->m_lChangingAnswer : 0;
}

CRibbonTestFrame::CRibbonTestFrame(int cx, int cy, CRuntimeClass* pRibbonClass)
{
    Create(new CRibbonFrameWnd(this, pRibbonClass ? pRibbonClass : RUNTIME_CLASS(CKTRibbonBar)), cx, cy);
}

void CRibbonTestFrame::Create(CRibbonFrameWnd* pWnd, int cx, int cy)
{
    m_pWnd = pWnd;
    CRect rc = FrameRectForClient(cx, cy);
    if (!m_pWnd->Create(NULL, "Ribbon test", kFrameStyle, CRect(CPoint(30, 30), rc.Size())))
    {
        m_pWnd = NULL;  // a failed creation deleted it
        return;
    }
    m_pWnd->UpdateWindow();
    PumpMessages();
}

CRibbonTestFrame::~CRibbonTestFrame()
{
    if (m_pWnd && m_pWnd->GetSafeHwnd())
        m_pWnd->DestroyWindow();
    PumpMessages();
}

CKTCommandBars* CRibbonTestFrame::GetCommandBars() const { return m_pWnd ? m_pWnd->GetCommandBars() : NULL; }

CKTRibbonBar* CRibbonTestFrame::GetRibbon() const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? static_cast<CKTRibbonBar*>(pCommandBars->GetMenuBar()) : NULL;
}

void CRibbonTestFrame::SetClientWidth(int cx)
{
    CRect rcClient;
    m_pWnd->GetClientRect(rcClient);
    CRect rc = FrameRectForClient(cx, rcClient.Height());
    m_pWnd->SetWindowPos(NULL, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
    PumpUntil(
        [&]
        {
            m_pWnd->GetClientRect(rcClient);
            return rcClient.Width() == cx;
        });
    PumpMessages();
}
