// KTDockingPaneTheme7.h: theme 2's strips framed by lines, without gripper, captions in "Arial".
//
// Classes: CKTDockingPaneTheme7.
#pragma once

#include "KTDockingPaneTheme2.h"

class CKTDockingPaneTheme7 : public CKTDockingPaneTheme2
{
public:
    CKTDockingPaneTheme7();

    void RefreshMetrics() override;
};
