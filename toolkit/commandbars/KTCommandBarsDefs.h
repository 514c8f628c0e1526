// KTCommandBarsDefs.h: numbers shared by bars, controls and paint managers.
//
// Site messages, bar positions and types, control types, styles, flags and timer ids.
#pragma once

#include <windows.h>

// Messages that bars and controls send to their site window.
enum KTSiteMessage : UINT
{
    KTWM_BARVISIBLECHANGED = 0x2855,
    KTWM_CONTROLSELECTED = 0x2856,
    KTWM_CUSTOMIZESELECTION = 0x2857,
    KTWM_MENUBARTRACKING = 0x2858,
    KTWM_BARRBUTTONUP = 0x2859,
    KTWM_BARKEYDOWN = 0x285A,  // wParam: KT_BARKEYDOWN, lParam: the bar
    KTWM_INITCOMMANDSPOPUP = 0x285B,
    KTWM_TOOLBARSCONTEXTMENU = 0x285C,
    KTWM_UNINITCOMMANDSPOPUP = 0x285D,
    KTWM_CREATECONTROL = 0x285E,
    KTWM_CONTROLCREATED = 0x285F,
    KTWM_CREATECOMMANDBAR = 0x2861,
    KTWM_CONTROLNOTIFY = 0x2862,
    KTWM_BARRESET = 0x2864,
    KTWM_TEAROFF = 0x2867,
};

// What a tracking bar tells its site of each key before it acts on it.
struct KT_BARKEYDOWN
{
    UINT nKey;
    LPARAM lParam;
};

// The header of every control notification to the site; longer records begin with it.
class CKTControl;
struct KT_NMCONTROL
{
    NMHDR hdr;
    CKTControl* pControl;
};

// A child window of a bar answers it with 1 to count as part of the bar.
const UINT KTWM_ISBARPART = 0x2A48;
// Whether the window says it is part of a bar (the fields of edit and combo box controls).
inline BOOL KTIsBarPart(HWND hWnd) { return hWnd && ::SendMessage(hWnd, KTWM_ISBARPART, 0, 0) == 1; }
// Posted to an edit field when the shell's suggestion list appears.
const UINT KTWM_SUGGESTSHOWN = 0x2872;

// What a key asks of a tracking bar.
enum KTNavigationCode
{
    ktNavNext = 0,
    ktNavPrevious = 1,
    ktNavBack = 2,
    ktNavPopup = 3,
    ktNavEscape = 4,
    ktNavReturn = 5,
    ktNavHome = 6,
    ktNavEnd = 7,
};

// The notification code of a control that runs its command.
const int KTN_EXECUTE = 100;

// What a bar is doing with the keyboard and the mouse (CKTCommandBar::GetTrackingMode).
// How a popup opens (the options' "Animation").
enum KTAnimationType
{
    ktAnimationSystem = 0,  // as the system's menu settings say
    ktAnimationRandom = 1,  // one of the three below, chosen each time
    ktAnimationUnfold = 2,
    ktAnimationSlide = 3,
    ktAnimationFade = 4,
    ktAnimationNone = 5,
};

enum KTTrackingMode
{
    ktTrackingNone = 0,
    ktTrackingOn = 1,     // the bar holds the keyboard: arrows move between its controls
    ktTrackingPopup = 2,  // a popup of the bar is open
};

// How a control is highlighted (CKTControl::GetSelected). A split button's two parts and a spin field's two
// halves use the last two.
enum KTSelectionState
{
    ktSelectionNone = 0,
    ktSelectionHot = 1,           // under the mouse
    ktSelectionKeyboard = 2,      // reached by the keyboard, going forward
    ktSelectionKeyboardBack = 3,  // reached by the keyboard going backward; held down by the mouse
    ktSelectionSecondPart = 4,
    ktSelectionHeld = ktSelectionKeyboardBack,
    ktSelectionCommandPart = ktSelectionKeyboardBack,  // a split button's command part
    ktSelectionArrowPart = ktSelectionSecondPart,      // a split button's drop-down part
    ktSelectionSpinUp = ktSelectionKeyboardBack,       // a spin field's upper half
    ktSelectionSpinDown = ktSelectionSecondPart,
};

// The control was reached by the keyboard, in either direction.
inline BOOL KTIsKeyboardSelection(int nState)
{
    return nState == ktSelectionKeyboard || nState == ktSelectionKeyboardBack;
}

enum KTBarPosition
{
    ktBarTop = 0,
    ktBarBottom = 1,
    ktBarLeft = 2,
    ktBarRight = 3,
    ktBarFloating = 4,
    ktBarPopup = 5,
    ktBarListBox = 6,
    ktBarNone = 7,
};

// Where a bar may go: bits 1-8 dock at the top, bottom, left, right; 16 floats.
enum KTBarFlags : DWORD
{
    ktBarFlagDockMask = 0x0F,
    ktBarFlagFloat = 0x10,
    ktBarFlagMovable = 0x1F,
    ktBarFlagWrap = 0x20,
    ktBarFlagStretch = 0x40,
    ktBarFlagFillGap = 0x100000,
    ktBarFlagGroupLayout = 0x200000,  // a ribbon group's or tab's popup: its controls laid out as groups
};

enum KTBarType
{
    ktBarTypeMenuBar = 0,
    ktBarTypeNormal = 1,
    ktBarTypePopup = 2,
    ktBarTypeRibbon = 3,
};

enum KTControlType
{
    ktControlButton = 1,
    ktControlPopup = 2,
    ktControlButtonPopup = 3,
    ktControlSplitButtonPopup = 4,
    ktControlComboBox = 5,
    ktControlEdit = 6,
    ktControlCustom = 7,
    ktControlLabel = 8,
    ktControlCheckBox = 9,
    ktControlGallery = 10,
    ktControlRadioButton = 11,
};

class CKTControl;

// How a control with the automatic style shows its caption on a tool bar (popup bars always show it).
enum KTAutoCaption
{
    ktAutoCaptionNever,
    ktAutoCaptionWithoutIcon,  // only while it has no icon
    ktAutoCaptionAlways,
};

// What the factory, the layout and the themes ask of a control type, one row per type (KTControlTraits.cpp):
// a new type is described there rather than tested for in each of them.
struct KT_CONTROL_TRAITS
{
    int nType;
    KTAutoCaption nAutoCaption;
    BOOL bPopup;  // opens a popup bar of its own
    BOOL
        bDropsList;  // drops a list from its own box (a combo box): the list keeps the box's edges, which no theme widens
    // Makes a control of the type for a command id; NULL for types whose owner makes them.
    CKTControl* (*pfnCreate)(int nId);
};

// The row of a type; an unknown type gets a row that asks for nothing.
const KT_CONTROL_TRAITS& KTControlTraits(int nType);

inline BOOL KTIsPopupType(int nType) { return KTControlTraits(nType).bPopup; }

// The type a control made for a type keeps: the hosted-window control stands on its bar as a button (measured,
// drawn and saved as one); its class alone tells it apart.
inline int KTStoredControlType(int nType) { return nType == ktControlCustom ? ktControlButton : nType; }

// How a bar other than a popup lays a control out. The paint manager draws by it and IsCaptionVisible answers from
// it, so that a letter counts exactly where its caption shows.
enum KTToolBarLayout
{
    ktToolBarLayoutByStyle,        // the icon and the caption beside it as the style asks (a field: its label)
    ktToolBarLayoutCaptionBelow,   // the style's large icon above the caption's lines (or a look of the control's own)
    ktToolBarLayoutMark,           // a check box's or radio button's mark, the caption beside it
    ktToolBarLayoutTextBelowIcon,  // the bar shows text below icons: the caption below the icon
    ktToolBarLayoutOwnDrawing,     // the control draws itself (a gallery of items, a hosted window): no caption
};

enum KTButtonStyle
{
    ktButtonAutomatic = 0,
    ktButtonCaption = 1,
    ktButtonIcon = 2,
    ktButtonIconAndCaption = 3,
    ktButtonIconAndCaptionBelow = 4,
    ktButtonCaptionAndDescription = 5,
};

enum KTHideFlags : DWORD
{
    ktHideGeneric = 1,
    ktHideWrap = 2,
    ktHideDockingVertical = 4,
    ktHideScroll = 8,
    ktHideCustomize = 16,
    ktHideExpand = 32,
    ktHideDocTemplate = 64,
};

enum KTControlFlags : DWORD
{
    ktFlagRightAlign = 1,
    ktFlagSkipFocus = 2,
    ktFlagPopupLeftwards = 4,  // its popup opens towards the left
    ktFlagManualUpdate = 8,
    ktFlagNoMovable = 16,
    ktFlagControlStretched = 32,
    ktFlagTooltipInPopup = 64,  // its tooltip shows on a popup bar even when the options hide popup tips
    ktFlagWrapRow = 128,
    ktFlagJoinedRow = 0x10000000,  // one of a ribbon group's buttons drawn as a joined row
};

// Pending work of a bar, done at its next idle update.
enum KTPendingUpdate : DWORD
{
    ktPendingLayout = 1,
    ktPendingRedraw = 2,
};

// Hook-sink answers.
enum KTHookResult
{
    ktHookContinue = 0,
    ktHookHandled = 1,
    ktHookStopHere = 2,
};

const UINT_PTR KT_TIMER_HOVER = 112223;
const UINT_PTR KT_TIMER_EXPAND = 112224;
const UINT_PTR KT_TIMER_MOUSELEAVE = 113341;
const UINT_PTR KT_TIMER_AUTOREPEAT = 4269;
const UINT_PTR KT_TIMER_ANIMATION = 707907;  // a step of the bar's cross-fades
const UINT KT_HOVER_DELAY = 300;
// A popup's tear-off gripper follows the mouse, and its expand button shows the full menu after a rest.
const UINT_PTR KT_TIMER_TEAROFF = 5003;
const UINT KT_TEAROFF_INTERVAL = 80;
const UINT_PTR KT_TIMER_EXPAND_BUTTON = 5004;
const UINT KT_EXPAND_BUTTON_DELAY = 900;
// Posted, never set: the menu bar rebuilds its MDI buttons once the MDI client is done.
const UINT_PTR KT_TIMER_MDIBUTTONS = 12223;
// Posted, never set: the last tracked bar shows its keyboard tips once tracking settled.
const UINT_PTR KT_TIMER_KEYBOARDTIPS = 52426;

// Command ids with a meaning of their own.
enum KTSpecialId : UINT
{
    KT_ID_CUSTOMIZE = 35001,
    KT_ID_FIRST_MDICHILD = 0xFF00,
    KT_ID_FILE_MRU_FIRST = 0xE110,
    KT_ID_OLE_VERB_FIRST = 0xE210,
    KT_ID_TOOLBARS_LIST = 0xE800,
    KT_ID_RESERVED_FIRST = 9100,
    KT_ID_RESET_TOOLBAR = 9123,
    KT_ID_DIALOGBAR_CAPTION = 9147,
    KT_ID_TOOLBAR_EXPAND = 9148,
    KT_ID_TOOLBAR_CLOSE = 9149,
    KT_ID_POPUPBAR_EXPAND = 9150,
    KT_ID_MDI_CLOSE = 9151,
    KT_ID_MDI_RESTORE = 9152,
    KT_ID_MDI_MINIMIZE = 9153,
    KT_ID_MDI_SYSMENU = 9154,
    KT_ID_RESERVED_LAST = 9299,
    KT_ID_LIST_FIRST = 35000,
    KT_ID_WINDOW_LIST = 35000,
    KT_ID_RECENT_FILE_LIST = 35003,
    KT_ID_LIST_LAST = 35003,
    KT_ID_ACTION_MAX = 0x0FFFFFFE,
};

// Ids that never get a shared action.
inline BOOL KTIsActionId(int nId)
{
    if (nId < 1 || nId > (int)KT_ID_ACTION_MAX)
        return FALSE;
    if (nId >= (int)KT_ID_RESERVED_FIRST && nId <= (int)KT_ID_RESERVED_LAST)
        return FALSE;
    return nId < (int)KT_ID_LIST_FIRST || nId > (int)KT_ID_LIST_LAST;
}

// Layout mode bits beyond the frame's own.
const DWORD KT_LM_HIDEWRAP = 0x80;
// Lay out at the bar's most recent width, each group on a row of its own.
const DWORD KT_LM_MRUGROUPS = 0x100;
