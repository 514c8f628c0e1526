// KTDockingPaneTabStrip.h: what the docking themes ask of a docking tab strip besides its tabs.
//
// Classes: IKTDockingPaneTabStrip.
#pragma once

#include <afxwin.h>

class IKTDockingPaneTabStrip
{
public:
    virtual ~IKTDockingPaneTabStrip() = default;
    // The window the strip draws in.
    virtual CWnd* GetStripWindow() const = 0;
    // The window that carries the strip's docking site: the frame, or the floating frame it floats in.
    virtual CWnd* GetSiteWindow() const = 0;
};
