// KTTabLayout.h: where a layout put the parts of a tab strip.
//
// Types: KT_TAB_LAYOUT.
#pragma once

#include <afxwin.h>

// The painter returns it and the manager keeps it.
struct KT_TAB_LAYOUT
{
    CRect rcControl;        // the whole control
    CRect rcClient;         // the area below or beside the tabs
    CRect rcHeader;         // where tabs may be hit; empty for no limit
    int nScrollOffset = 0;  // 0 or negative, corrected to the room the tabs have
};
