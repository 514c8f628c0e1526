// KTReBar.h: a frame's rebar that holds toolbars as bands instead of the dock bars holding them.
//
// Classes: CKTReBar.
#pragma once

#include <afxext.h>

class CKTToolBar;

class CKTReBar : public CReBar
{
    DECLARE_DYNAMIC(CKTReBar)
public:
    // Takes the bar out of its dock bar and gives it a band of its own, the band's id its bar id.
    BOOL AddToolBar(CKTToolBar* pBar, DWORD dwBandStyle);
    // The band that holds the bar, -1 for none.
    int FindBand(CKTToolBar* pBar) const;
    void RemoveToolBar(CKTToolBar* pBar);
};
