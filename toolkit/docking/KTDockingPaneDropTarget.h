// KTDockingPaneDropTarget.h: what a group and a strip do while something dragged from elsewhere is held over them:
// the pane of the tab under it comes into view; neither takes a drop.
//
// Classes: CKTDockingPaneOleSession, CKTDockingPaneTabbedContainerDropTarget, CKTDockingPaneAutoHidePanelDropTarget.
#pragma once

#include <afxole.h>

// OLE for the thread while a manager lives, so that its windows can take part in drags.
class CKTDockingPaneOleSession
{
public:
    CKTDockingPaneOleSession() : m_bInitialized(SUCCEEDED(::OleInitialize(NULL))) {}
    ~CKTDockingPaneOleSession()
    {
        if (m_bInitialized)
            ::OleUninitialize();
    }
    CKTDockingPaneOleSession(const CKTDockingPaneOleSession&) = delete;
    CKTDockingPaneOleSession& operator=(const CKTDockingPaneOleSession&) = delete;

private:
    BOOL m_bInitialized;
};

class CKTDockingPaneAutoHidePanel;
class CKTDockingPaneTabbedContainer;

class CKTDockingPaneTabbedContainerDropTarget : public COleDropTarget
{
public:
    explicit CKTDockingPaneTabbedContainerDropTarget(CKTDockingPaneTabbedContainer* pContainer)
        : m_pContainer(pContainer)
    {
    }

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return OnDragOver(pWnd, pDataObject, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;

private:
    CKTDockingPaneTabbedContainer* m_pContainer;  // owner
};

class CKTDockingPaneAutoHidePanelDropTarget : public COleDropTarget
{
public:
    explicit CKTDockingPaneAutoHidePanelDropTarget(CKTDockingPaneAutoHidePanel* pPanel) : m_pPanel(pPanel) {}

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return OnDragOver(pWnd, pDataObject, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;

private:
    CKTDockingPaneAutoHidePanel* m_pPanel;  // owner
};
