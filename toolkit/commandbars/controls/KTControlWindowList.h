// KTControlWindowList.h: the place holder that turns into the frame's open MDI windows, and the numbered captions
// of generated menu items.
//
// Classes: CKTControlWindowList.
#pragma once

#include "KTControlListPlaceholder.h"

class CKTControlWindowList : public CKTControlListPlaceholder
{
    DECLARE_DYNCREATE(CKTControlWindowList)
public:
    // Ampersands doubled; a number 1 to 9 becomes the access key, 10 gives "1&0", higher ones none; 0 none at all.
    static CString ConstructCaption(const CString& strTitle, int nNumber);

    // The items are radio buttons instead of buttons.
    static void SetRadioItems(BOOL bRadio) { s_bRadioItems = bRadio; }

    void OnCalcDynamicSize(DWORD dwMode) override;

private:
    // One item for a visible child: checked when active.
    void AddWindowItem(CWnd* pChild, int nNumber, int nIndex, BOOL bActive);

    static UINT s_nFirstChildId;  // the id of the first MDI child, as the frame numbers them
    static BOOL s_bRadioItems;
};
