// RibbonTestFrame.h: a frame whose menu bar is the ribbon, with three tabs, for the ribbon's window tests.
//
// Classes: CRibbonTestFrame.
#pragma once

#include "KTMDIFrameWnd.h"

#include <utility>
#include <vector>

class CKTRibbonBar;
class CKTRibbonTab;

class CRibbonTestFrame : public CKTMDIFrameWnd
{
public:
    // A shown frame whose client area has the size, with a ribbon of the class (NULL: the plain ribbon).
    explicit CRibbonTestFrame(int cx = 600, int cy = 400, CRuntimeClass* pRibbonClass = NULL);
    ~CRibbonTestFrame() override;

    CKTRibbonBar* GetRibbon() const;
    // Gives the client area the width, keeping its height, and waits for the new layout.
    void SetClientWidth(int cx);

    // Codes of the tab row's notifications, in order, with the tab each carried.
    std::vector<std::pair<int, CKTRibbonTab*>> m_tabNotifications;
    LRESULT m_lChangingAnswer = 0;  // what the frame answers TCN_SELCHANGING

protected:
    CRuntimeClass* m_pRibbonClass;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
