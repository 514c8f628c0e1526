// OutputEdit.h: the read-only text of the output pane.
//
// Classes: COutputEdit.
#pragma once
#include "OfficeBorderControl.h"

class COutputEdit : public COfficeBorderControl<CEdit>
{
public:
    // Appends the line and scrolls it into view; a line written before the pane made its window
    // shows once it does (a project refused at start-up).
    void AddLine(const CString& strLine);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    CString m_strEarlyLines;
};
