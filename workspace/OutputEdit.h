// OutputEdit.h: the read-only text of the output pane.
//
// Classes: COutputEdit.
#pragma once
#include "afxwin.h"

class COutputEdit : public CEdit
{
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
