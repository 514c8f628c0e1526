// KTCommandBarsOptions.h: the behaviour switches of one frame's command bars.
//
// Classes: CKTCommandBarsOptions.
#pragma once

#include <afxwin.h>

#include <set>

class CKTCommandBars;
class CKTControl;
class CKTPropExchange;

// "KeyboardCuesUse": the value 2 turns frame access keys off; any other value is read by its bits.
enum KTKeyboardCuesUse
{
    ktCuesToolBarAccessKeys = 1,  // toolbars answer access keys as well as the menu bar
    ktCuesNoAccessKeys = 2,
    ktCuesNoFirstLetter = 4,  // outside a tracking menu, a caption without '&' is not found by its first letter
};

class CKTCommandBarsOptions : public CCmdTarget
{
public:
    explicit CKTCommandBarsOptions(CKTCommandBars* pCommandBars) : m_pCommandBars(pCommandBars) {}

    // 0 cues always shown, 1 never, 2 as the system shows them.
    void ShowKeyboardCues(int nMode);
    int GetShowKeyboardCues() const { return m_nShowKeyboardCues; }
    BOOL IsCommandHidden(UINT nId) const;
    // Hidden by personalised menus: its command, or a popup all of whose items are hidden.
    BOOL IsControlHidden(CKTControl* pControl) const;
    // Keys newer than schema 7 are read only from newer stores; bUserOnly stops after "Animation".
    void DoPropExchange(CKTPropExchange* pPX, BOOL bUserOnly = FALSE);
    void Serialize(CArchive& ar) override;
    void SetCommandHidden(UINT nId) { m_hiddenCommands.insert(nId); }
    void SetCommandUsed(UINT nId);

    BOOL bAlwaysShowFullMenus = TRUE;
    BOOL bShowFullAfterDelay = TRUE;
    BOOL bToolBarScreenTips = TRUE;
    BOOL bToolBarAccelTips = FALSE;
    BOOL bLargeIcons = FALSE;
    BOOL bSyncFloatingBars = TRUE;
    BOOL bShowExpandButtonAlways = TRUE;
    BOOL bDblClickFloat = FALSE;
    BOOL bShowTextBelowIcons = FALSE;
    BOOL bAltDragCustomization = TRUE;
    BOOL bAutoHideUnusedPopups = TRUE;
    BOOL bDirty = FALSE;  // changed since loaded
    BOOL bShowPopupBarToolTips = FALSE;
    int nAnimationType = 0;
    BOOL bAutoUpdateShortcuts = TRUE;  // controls take their shortcut texts from the table
    int nKeyboardCuesUse = 1;
    BOOL bShowContextMenuAccelerators = TRUE;  // hot controls show their description in the status bar
    CSize szIcons = CSize(0, 0);
    CSize szLargeIcons = CSize(0, 0);
    CSize szPopupIcons = CSize(0, 0);
    BOOL bUseNumPadKeys = FALSE;
    BOOL bUseSystemSaveBitsStyle = TRUE;
    BOOL bDisableCommandIfNoHandler = TRUE;
    BOOL bNoPopupScrolling = FALSE;
    BOOL bShowKeyboardTips = FALSE;

private:
    static void ExchangeCommands(CKTPropExchange* pPX, LPCSTR lpszName, std::set<UINT>& commands);

    std::set<UINT> m_hiddenCommands;
    std::set<UINT> m_usedCommands;
    CKTCommandBars* m_pCommandBars;  // the owner
    int m_nShowKeyboardCues = 0;
};
