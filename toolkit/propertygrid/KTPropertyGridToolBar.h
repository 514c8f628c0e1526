// KTPropertyGridToolBar.h: the grid's sort toolbar, a common-controls toolbar built from toolbar resource 9500.
//
// Classes: CKTPropertyGridToolBar.
#pragma once

#include <afxwin.h>

class CKTPropertyGridToolBar : public CWnd
{
public:
    // A child of the grid; its commands and tooltip requests go to the grid.
    BOOL Create(CWnd* pGrid);
    // Pushed in for the current order, out for the other.
    void ShowSortOrder(int nOrder);

private:
    BOOL LoadButtons();
};
