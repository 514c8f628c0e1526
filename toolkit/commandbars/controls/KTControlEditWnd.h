// KTControlEditWnd.h: the window of an edit control's field.
//
// Classes: CKTControlEditWnd.
#pragma once

#include "KTEdit.h"

class CKTControlEdit;

class CKTControlEditWnd : public CKTEdit
{
public:
    explicit CKTControlEditWnd(CKTControlEdit* pControl) : m_pControl(pControl) {}

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    CKTControlEdit* m_pControl;  // owns this window
};
