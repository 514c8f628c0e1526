// KTTabLook.h: the look a theme asks of the tab strips that follow it, in the tab module's own terms.
//
// Types: KTTabClientFrame, KT_TAB_LOOK.
#pragma once

#include <afxwin.h>

enum KTTabClientFrame
{
    ktTabClientFrameFull = 0,
    ktTabClientFrameLine = 1,
    ktTabClientFrameNone = 2
};

// A whole look, handed over in one call by whoever chooses it (the tab client follows the frame's theme).
struct KT_TAB_LOOK
{
    int nAppearance = 0;
    int nColor = -1;  // -1: the appearance's own colour set
    BOOL bHotTracking = FALSE;
    BOOL bItemColors = FALSE;
    int nClientFrame = ktTabClientFrameFull;
    BOOL bStaticFrame = FALSE;
    int nDisableLunaColors = -1;  // -1 keeps the painter's setting
    CRect rcButtonMargin = CRect(0, 0, 0, 0);
};
