// The designer's main frame inside a test.
#include "LoadedFrame.h"

#include "MessagePump.h"
#include "WorkspaceRes.h"

void PumpIdle()
{
    PumpMessages();
    for (LONG lCount = 0; AfxGetApp()->OnIdle(lCount); ++lCount)
    {
    }
    PumpMessages();
}

LoadedFrame::LoadedFrame(CMainFrame* pNewFrame) : pFrame(pNewFrame)
{
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr))
    {
        pFrame = nullptr;
        return;
    }
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    PumpMessages();
}

LoadedFrame::~LoadedFrame()
{
    if (pFrame)
        pFrame->DestroyWindow();
}

void LoadedFrame::Select(const char* pszProject) const
{
    Tree().SelectItem(Tree().GetChildItem(pFrame->m_wndProjectTree.m_hRoot));
    for (HTREEITEM hItem = Tree().GetChildItem(pFrame->m_wndProjectTree.m_hRoot); hItem;
         hItem = Tree().GetNextSiblingItem(hItem))
        if (Tree().GetItemText(hItem) == pszProject)
            Tree().SelectItem(hItem);
}
