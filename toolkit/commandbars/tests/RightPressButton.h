// A button that takes right presses itself, counting them.
#pragma once

#include "KTControlButton.h"

class CRightPressButton : public CKTControlButton
{
public:
    BOOL OnRButtonDown(CPoint) override
    {
        m_nPresses++;
        return TRUE;
    }
    int m_nPresses = 0;
};
