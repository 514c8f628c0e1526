// KTDockingPaneDefines.h: the docking panes' shared constants and the records of their owner notifications.
//
// Types: KT_DOCKINGPANE_ACTION, KT_DOCKINGPANE_MENU.
#pragma once

#include <windows.h>

class CKTDockingPane;
class CKTDockingPaneNode;

// The message through which a manager tells its owner; wParam is one of the codes below.
#define KT_WM_DOCKINGPANENOTIFY 0x2AAD

enum KTDockingPaneNotifyCode
{
    ktDockingPaneShowWindow = 1,
    ktDockingPaneRClick = 2,
    ktDockingPaneClosed = 3,
    ktDockingPaneAction = 4,
    ktDockingPanePaneMenu = 5
};

// The answer with which the owner refuses a close.
const LRESULT KT_DOCKINGPANE_REFUSE = -1;

enum KTDockingPaneType
{
    ktPaneTypePane = 0,
    ktPaneTypeTabbedContainer = 1,
    ktPaneTypeSplitterContainer = 2,
    ktPaneTypeMiniWnd = 3,
    ktPaneTypeClient = 4,
    ktPaneTypeAutoHidePanel = 5
};

enum KTDockingDirection
{
    ktDockLeft = 0,
    ktDockRight = 1,
    ktDockTop = 2,
    ktDockBottom = 3,
    ktDockFloating = 4
};

enum KTDockingPaneOptions
{
    ktPaneNoCloseable = 0x1,
    ktPaneNoHideable = 0x2,
    ktPaneNoFloatable = 0x4,
    ktPaneNoCaption = 0x8,
    ktPaneHasMenuButton = 0x10,
    ktPaneNoDockable = 0x20
};

enum KTDockingPaneEnabled
{
    ktPaneEnableClient = 0x1,
    ktPaneEnableActions = 0x2
};

enum KTDockingPaneActionCode
{
    ktActionFloating = 0,
    ktActionFloated = 1,
    ktActionClosing = 2,
    ktActionClosed = 3,
    ktActionDocking = 4,
    ktActionDocked = 5,
    ktActionAttaching = 6,
    ktActionAttached = 7,
    ktActionPinning = 8,
    ktActionPinned = 9,
    ktActionCollapsing = 10,
    ktActionCollapsed = 11,
    ktActionExpanding = 12,
    ktActionExpanded = 13,
    ktActionActivated = 14,
    ktActionDeactivated = 15,
    ktActionDetaching = 16,
    ktActionDragging = 17,
    ktActionUnpinning = 18,
    ktActionUnpinned = 19
};

// lParam of an action notification: the owner may set bCancel.
struct KT_DOCKINGPANE_ACTION
{
    int nAction;
    BOOL bCancel;
    CKTDockingPane* pPane;
    CKTDockingPaneNode* pTarget;
    int nDirection;
};

// lParam of a pane-menu notification: where the menu should open, in screen coordinates.
struct KT_DOCKINGPANE_MENU
{
    CKTDockingPane* pPane;
    int x;
    int y;
};
