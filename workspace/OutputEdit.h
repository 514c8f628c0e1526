// OutputEdit.h: the read-only text of the output pane.
//
// Classes: COutputEdit.
#pragma once
#include "OfficeBorderControl.h"

class COutputEdit : public COfficeBorderControl<CEdit>
{
public:
    // Appends the line and scrolls it into view; nothing while the pane has no window.
    void AddLine(const CString& strLine);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
