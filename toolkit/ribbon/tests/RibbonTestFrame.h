// RibbonTestFrame.h: a frame whose menu bar is the ribbon, with three tabs, for the ribbon's window tests.
//
// Classes: CRibbonTestFrame, CRibbonFrameWnd.
#pragma once

#include "KTMDIFrameWnd.h"

#include <utility>
#include <vector>

class CKTRibbonBar;
class CKTRibbonTab;
class CRibbonTestFrame;

// The frame window: made on the heap and deleted by its own end, as every frame.
class CRibbonFrameWnd : public CKTMDIFrameWnd
{
public:
    CRibbonFrameWnd(CRibbonTestFrame* pOwner, CRuntimeClass* pRibbonClass)
        : m_pOwner(pOwner), m_pRibbonClass(pRibbonClass)
    {
    }
    ~CRibbonFrameWnd() override;

    static int s_nDestructions;  // frame objects whose destructor has run

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CRibbonTestFrame* m_pOwner;  // outlives the window
    CRuntimeClass* m_pRibbonClass;
};

// A shown ribbon frame for the length of a test.
class CRibbonTestFrame
{
public:
    // A shown frame whose client area has the size, with a ribbon of the class (NULL: the plain ribbon).
    explicit CRibbonTestFrame(int cx = 600, int cy = 400, CRuntimeClass* pRibbonClass = NULL);
    ~CRibbonTestFrame();
    CRibbonTestFrame(const CRibbonTestFrame&) = delete;
    CRibbonTestFrame& operator=(const CRibbonTestFrame&) = delete;

    CRibbonFrameWnd* GetWindow() const { return m_pWnd; }
    CKTCommandBars* GetCommandBars() const;
    CKTRibbonBar* GetRibbon() const;
    // Gives the client area the width, keeping its height, and waits for the new layout.
    void SetClientWidth(int cx);

    // Codes of the tab row's notifications, in order, with the tab each carried.
    std::vector<std::pair<int, CKTRibbonTab*>> m_tabNotifications;
    LRESULT m_lChangingAnswer = 0;  // what the frame answers TCN_SELCHANGING

protected:
    // For frames whose window is of a derived class: the caller creates it once its own members are made.
    struct DeferCreate
    {
    };
    explicit CRibbonTestFrame(DeferCreate) {}
    void Create(CRibbonFrameWnd* pWnd, int cx, int cy);

private:
    friend class CRibbonFrameWnd;
    CRibbonFrameWnd* m_pWnd = NULL;  // deletes itself when its window ends, and then clears this
};
