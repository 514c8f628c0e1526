// KTControlWindowList.h: the captions of generated menu items: the title with its ampersands kept, after a number.
//
// Classes: CKTControlWindowList.
#pragma once

#include "KTControlButton.h"

class CKTControlWindowList : public CKTControlButton
{
public:
    // Ampersands doubled; a number 1 to 9 becomes the access key, 10 gives "1&0", higher ones none; 0 none at all.
    static CString ConstructCaption(const CString& strTitle, int nNumber);
};
