// KTDockingPaneClientNode.h: the place of the frame's client area (MDI client or view) in the layout tree.
//
// Classes: CKTDockingPaneClientNode.
#pragma once

#include "KTDockingPaneNode.h"

class CKTDockingPaneClientNode : public CCmdTarget, public CKTDockingPaneNode
{
public:
    explicit CKTDockingPaneClientNode(CKTDockingPaneLayoutData* pLayout) : CKTDockingPaneNode(ktPaneTypeClient, pLayout)
    {
    }

    DWORD InternalAddRef() override { return CCmdTarget::InternalAddRef(); }
    DWORD InternalRelease() override { return CCmdTarget::InternalRelease(); }
};
