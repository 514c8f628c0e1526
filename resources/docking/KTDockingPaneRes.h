// KTDockingPaneRes.h: resource ids of the docking panes (caption-button commands and their tooltips).
#pragma once

#define KT_IDS_DOCKING_AUTOHIDE 9456
#define KT_IDS_DOCKING_CLOSE 9457
#define KT_IDS_DOCKING_MAXIMIZE 9458
#define KT_IDS_DOCKING_RESTORE 9459
#define KT_IDS_DOCKING_MENU 9460
// The close command of a floating frame's system menu hides its panes.
#define KT_IDS_DOCKING_HIDE 0xF011
