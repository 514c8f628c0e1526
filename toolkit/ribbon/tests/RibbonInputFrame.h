// RibbonInputFrame.h: the ribbon test frame that also records what the ribbon asks of its frame: context menus
// shown, system commands and system-menu requests, and commands run.
//
// Classes: CRibbonInputFrame, CRibbonInputWnd.
#pragma once

#include "RibbonTestFrame.h"

#include "KTPopupBar.h"

#include <atomic>
#include <vector>

class CKTControl;
class CTestRibbonGroup;
class CRibbonInputFrame;

// The frame window, handing what it receives to its holder.
class CRibbonInputWnd : public CRibbonFrameWnd
{
public:
    explicit CRibbonInputWnd(CRibbonInputFrame* pOwner);

protected:
    afx_msg LRESULT OnToolBarsContextMenu(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysCommand(UINT nId, LPARAM lParam);
    afx_msg LRESULT OnPopupSystemMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBarRButtonUp(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRecordedCommand(UINT nId);
    DECLARE_MESSAGE_MAP()

private:
    CRibbonInputFrame* m_pRecorder;  // outlives the window
};

class CRibbonInputFrame : public CRibbonTestFrame
{
public:
    explicit CRibbonInputFrame(int cx = 600, int cy = 400);

    // A group of the tab with one button per caption, ids from nFirstId.
    CTestRibbonGroup* AddGroup(int nTab, std::vector<const char*> captions, int nFirstId);
    // The popup of the last context menu, made visible once its window shows.
    std::atomic<CKTPopupBar*> m_pShownMenu{NULL};
    bool IsMenuShown() const;
    // Presses and releases the ribbon at the point (the right button when bRight) and, once the context menu that
    // opens shows, types the keys; true when the menu showed and closed again.
    bool MenuKeys(CPoint pt, bool bRight, const std::vector<WORD>& keys);
    HWND GetSafeHwnd() const { return GetWindow() ? GetWindow()->GetSafeHwnd() : NULL; }
    bool IsZoomed() const { return GetWindow() && GetWindow()->IsZoomed(); }

    std::vector<UINT> m_sysCommands;  // masked with 0xFFF0; a move or size request is recorded, not run
    std::vector<CPoint> m_systemMenuPoints;
    std::vector<CKTControl*> m_rightReleases;  // the control under each right release a bar reported
    std::vector<UINT> m_commands;
    CKTSmartPtr<CKTPopupBar> m_pMenuHeld;  // keeps the last menu for the test to read
};
