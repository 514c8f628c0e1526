// OutputEdit.h: the read-only text of the output pane.
//
// Classes: COutputEdit.
#pragma once
#include "OfficeBorderControl.h"

class COutputEdit : public COfficeBorderControl<CEdit>
{
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
