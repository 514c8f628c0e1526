// KTControlRecentFileList.h: the place of the application's recent-file commands in a menu.
//
// Classes: CKTControlRecentFileList.
#pragma once

#include "KTControlButton.h"

class CKTControlRecentFileList : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTControlRecentFileList)
};
