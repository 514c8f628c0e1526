// KTCommandBarsState.h: the saved state of a frame's bars: the toolbars, the context menus and the popups they
// reach, written to an exchange and read back all or nothing.
//
// Classes: CKTCommandBarsState.
#pragma once

#include <afxwin.h>

class CKTCommandBarList;
class CKTCommandBars;
class CKTPopupBar;
class CKTPropExchange;
class CKTToolBar;
struct KT_PROPEXCHANGE_PARAMS;

// Held by the command bars; it reaches their bars through their public face only.
class CKTCommandBarsState
{
public:
    explicit CKTCommandBarsState(CKTCommandBars* pCommandBars) : m_pCommandBars(pCommandBars) {}

    // At the exchange's schema.
    BOOL SaveCommandBars(CKTPropExchange* pPX, BOOL bSaveOnlyCustomized = FALSE, BOOL bSaveOriginalControls = TRUE);
    // Checks the whole state before using any of it: a damaged one gives FALSE and changes nothing. With
    // bSilent a built-in toolbar whose program layout changed keeps the new layout without asking.
    BOOL LoadCommandBars(CKTPropExchange* pPX, BOOL bSilent = FALSE);
    void GenerateCommandBarList(CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams);
    void SaveCommandBarList(CKTPropExchange* pPX, CKTCommandBarList* pList);
    BOOL LoadCommandBarList(CKTPropExchange* pPX, CKTCommandBarList* pList);
    void RestoreCommandBarList(CKTCommandBarList* pList, BOOL bSilent = FALSE);

private:
    void RestoreToolBar(CKTToolBar* pLoaded, CKTCommandBarList* pList, BOOL bSilent);
    void RestoreContextMenu(CKTPopupBar* pLoaded, CKTCommandBarList* pList);
    // Whether a built-in bar should take a loaded one whose program layout may have changed since.
    BOOL AcceptsLoadedToolBar(CKTToolBar* pExisting, CKTToolBar* pLoaded, BOOL bSilent) const;

    CKTCommandBars* m_pCommandBars;  // the owner
};
