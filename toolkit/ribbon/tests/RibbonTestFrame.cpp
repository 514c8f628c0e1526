// RibbonTestFrame.cpp: the ribbon test frame's start-up and resizing.
#include "RibbonTestFrame.h"

#include "KTCommandBars.h"
#include "KTRibbonBar.h"
#include "MessagePump.h"

BEGIN_MESSAGE_MAP(CRibbonTestFrame, CKTMDIFrameWnd)
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

CRibbonTestFrame::CRibbonTestFrame(int cx, int cy, CRuntimeClass* pRibbonClass)
    : m_pRibbonClass(pRibbonClass ? pRibbonClass : RUNTIME_CLASS(CKTRibbonBar))
{
    CRect rc = FrameRectForClient(cx, cy);
    Create(NULL, "Ribbon test", kFrameStyle, CRect(CPoint(30, 30), rc.Size()));
    UpdateWindow();
    PumpMessages();
}

CRibbonTestFrame::~CRibbonTestFrame()
{
    if (GetSafeHwnd())
        DestroyWindow();
    PumpMessages();
}

int CRibbonTestFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CKTMDIFrameWnd::OnCreate(lpcs) == -1 || !InitCommandBars())
        return -1;
    CKTRibbonBar* pRibbon = static_cast<CKTRibbonBar*>(GetCommandBars()->SetMenu("Ribbon", 0, m_pRibbonClass));
    if (!pRibbon)
        return -1;
    pRibbon->AddTab("Home", 1);
    pRibbon->AddTab("Insert", 2);
    pRibbon->AddTab("View", 3);
    return 0;
}

LRESULT CRibbonTestFrame::OnControlNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam != (WPARAM)KT_ID_RIBBONCONTROLTAB)
        return 0;
    const auto* pRecord = reinterpret_cast<const KT_NMRIBBONTAB*>(lParam);
    if (pRecord->hdr.code != (UINT)TCN_SELCHANGING && pRecord->hdr.code != (UINT)TCN_SELCHANGE)
        return 0;
    m_tabNotifications.push_back({(int)pRecord->hdr.code, pRecord->pTab});
    return pRecord->hdr.code == (UINT)TCN_SELCHANGING ? m_lChangingAnswer : 0;
}

CKTRibbonBar* CRibbonTestFrame::GetRibbon() const { return static_cast<CKTRibbonBar*>(GetCommandBars()->GetMenuBar()); }

void CRibbonTestFrame::SetClientWidth(int cx)
{
    CRect rcClient;
    GetClientRect(rcClient);
    CRect rc = FrameRectForClient(cx, rcClient.Height());
    SetWindowPos(NULL, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
    PumpUntil(
        [&]
        {
            GetClientRect(rcClient);
            return rcClient.Width() == cx;
        });
    PumpMessages();
}
