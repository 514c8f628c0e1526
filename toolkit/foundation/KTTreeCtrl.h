// KTTreeCtrl.h: the toolkit's tree view, which lets system keys through to the system as any window does.
//
// Classes: CKTTreeCtrl.
#pragma once

#include <afxcmn.h>

// This platform's tree control takes system keys as ordinary keys and stops them there, so Alt+F4 never closed
// the frame or dialog from a tree. Every tree of the program is one of these, or is subclassed by one.
class CKTTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(CKTTreeCtrl)
protected:
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
