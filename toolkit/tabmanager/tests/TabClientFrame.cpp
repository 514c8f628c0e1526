// An MDI frame whose client shows its children as tabs in groups, as the designer attaches it.
#include "TabClientFrame.h"

#include <afxpriv.h>

#include "KTControl.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "MessagePump.h"

LRESULT CTabTestChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == KT_TABCLIENT_GETCAPTION && !m_strAnsweredCaption.IsEmpty())
        return reinterpret_cast<LRESULT>(static_cast<LPCSTR>(m_strAnsweredCaption));
    return CMDIChildWnd::WindowProc(message, wParam, lParam);
}

LRESULT CTabTestClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == KTWM_INITCOMMANDSPOPUP)
    {
        auto* pPopup = reinterpret_cast<CKTPopupBar*>(lParam);
        m_arrPopupCaptions.clear();
        for (int i = 0; i < pPopup->GetControlCount(); i++)
            m_arrPopupCaptions.push_back(pPopup->GetControl(i)->GetCaption());
        m_hWndPopup = pPopup->GetSafeHwnd();
    }
    return CKTTabClientWnd::WindowProc(message, wParam, lParam);
}

CTabClientFrame::CTabClientFrame(int nCommandBarsTheme, BOOL bGroups)
{
    Create(NULL, "Kestova tab client test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 670, 510));
    if (nCommandBarsTheme >= 0)
    {
        InitCommandBars();
        CKTPaintManager::SetTheme(static_cast<KTCommandBarsTheme>(nCommandBarsTheme));
        m_wndClient.GetPaintManager()->m_bShowIcons = FALSE;
    }
    m_wndClient.Attach(this, bGroups);
    m_wndClient.EnableToolTips(1);
    m_wndClient.SetFlags(11);
    m_wndClient.m_nNewTabPosition = ktTabNewAtStart;
    PumpMessages();
}

CTabClientFrame::~CTabClientFrame()
{
    if (GetSafeHwnd())
        DestroyWindow();
    PumpMessages();
}

CTabTestChild* CTabClientFrame::AddChild(LPCSTR lpszTitle)
{
    CTabTestChild* pChild = new CTabTestChild;  // deletes itself when its window goes
    pChild->Create(NULL, lpszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, rectDefault, this);
    // As a document's frame comes up: activated, then the application's idle pass tells the client.
    pChild->MDIActivate();
    m_wndClient.SendMessage(WM_IDLEUPDATECMDUI);
    PumpMessages();
    return pChild;
}

void CTabClientFrame::RecalcLayout(BOOL bNotify)
{
    ++m_nLayouts;
    CKTMDIFrameWnd::RecalcLayout(bNotify);
}

LRESULT CTabClientFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == KT_TABCLIENT_ITEMCREATED)
        m_arrReported.push_back(reinterpret_cast<CKTTabManagerItem*>(wParam));
    return CKTMDIFrameWnd::WindowProc(message, wParam, lParam);
}
