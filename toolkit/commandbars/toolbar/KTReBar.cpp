// KTReBar.cpp: toolbars as rebar bands.
#include "KTReBar.h"

#include "KTCommandBarsDefs.h"
#include "KTDockBar.h"
#include "KTToolBar.h"

IMPLEMENT_DYNAMIC(CKTReBar, CReBar)

namespace
{
// The band record as every common-controls version reads it.
REBARBANDINFOA BandInfo(UINT fMask)
{
    REBARBANDINFOA info = {};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = fMask;
    return info;
}
}  // namespace

BOOL CKTReBar::AddToolBar(CKTToolBar* pBar, DWORD dwBandStyle)
{
    CSize sz = pBar->CalcDockingLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    pBar->MoveWindow(0, 0, sz.cx, sz.cy, TRUE);
    if (CKTDockBar* pDock = pBar->GetDockBar())
    {
        pDock->RemoveCommandBar(pBar);
        pBar->SetFlags(0, ktBarFlagMovable);
        pBar->SetShowGripper(FALSE);
    }
    if (!AddBar(pBar, NULL, NULL, dwBandStyle))
        return FALSE;
    int nCount = (int)SendMessage(RB_GETBANDCOUNT);
    REBARBANDINFOA info = BandInfo(RBBIM_ID);
    info.wID = pBar->GetBarID();
    SendMessage(RB_SETBANDINFOA, nCount - 1, (LPARAM)&info);
    return TRUE;
}

int CKTReBar::FindBand(CKTToolBar* pBar) const
{
    for (int i = (int)SendMessage(RB_GETBANDCOUNT) - 1; i >= 0; i--)
    {
        REBARBANDINFOA info = BandInfo(RBBIM_STYLE | RBBIM_CHILD | RBBIM_SIZE);
        if (SendMessage(RB_GETBANDINFOA, i, (LPARAM)&info) && CWnd::FromHandlePermanent(info.hwndChild) == pBar)
            return i;
    }
    return -1;
}

void CKTReBar::RemoveToolBar(CKTToolBar* pBar)
{
    int nBand = FindBand(pBar);
    if (nBand != -1)
        SendMessage(RB_DELETEBAND, nBand);
}
