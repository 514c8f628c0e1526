// RibbonTestFrame.h: a frame whose menu bar is the ribbon, with three tabs, for the ribbon's window tests.
//
// Classes: CRibbonTestFrame.
#pragma once

#include "KTMDIFrameWnd.h"

class CKTRibbonBar;

class CRibbonTestFrame : public CKTMDIFrameWnd
{
public:
    // A shown frame whose client area has the size.
    explicit CRibbonTestFrame(int cx = 600, int cy = 400);
    ~CRibbonTestFrame() override;

    CKTRibbonBar* GetRibbon() const;
    // Gives the client area the width, keeping its height, and waits for the new layout.
    void SetClientWidth(int cx);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    DECLARE_MESSAGE_MAP()
};
