// SettingsToolBar.h: the settings pane's tool bar, a child strip of the pane that no dock bar holds.
//
// Classes: CSettingsToolBar.
#pragma once
#include "KTToolBar.h"

class CSettingsToolBar : public CKTToolBar
{
public:
    // The style is the bar's window style; the bar stays where the pane puts it.
    BOOL CreateToolBar(DWORD dwStyle, CWnd* pParent, UINT nId)
    {
        if (!CreateBarWindow(pParent, FALSE))
            return FALSE;
        SetDlgCtrlID(nId);
        ModifyStyle(0, dwStyle);
        return TRUE;
    }
};
