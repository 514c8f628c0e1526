// KTMenuBar.h: the frame's menu turned into a bar.
//
// Classes: CKTMenuBar.
#pragma once

#include "KTToolBar.h"

class CKTMenuBar : public CKTToolBar
{
    DECLARE_DYNCREATE(CKTMenuBar)
public:
    CKTMenuBar();

    // Converts the menu resource into controls and takes the frame's own
    // menu off the frame; the frame stays that menu's one owner.
    BOOL LoadMenuBar(UINT nMenuId);
};
