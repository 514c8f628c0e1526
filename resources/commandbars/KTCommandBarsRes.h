// KTCommandBarsRes.h: resource ids of the command bars.
#pragma once

#define KT_IDB_MDI_SYSCOMMANDS 9102
// A customise drag over a bar that takes the control, over one adding a control that comes from no bar, and
// over no bar (held as raw images: only the foundation's script holds cursors).
#define KT_IDC_CUSTOMIZE_DROP 9105
#define KT_IDC_CUSTOMIZE_ADD 9106
#define KT_IDC_CUSTOMIZE_NODROP 9107
#define KT_IDS_TOOLBAR_CHANGED 9177
#define KT_IDS_RESET_TOOLBAR 9123
#define KT_IDS_RESET_TOOLBAR_QUESTION 9173
// The window buttons' tips, under the buttons' own ids; 9152 and 9153 stand in the tab manager's script, which
// holds their block of the string table.
#define KT_IDS_MDI_CLOSE 9151
#define KT_IDS_MDI_RESTORE 9152
#define KT_IDS_MDI_MINIMIZE 9153
// The customise entry of the ribbon's menus when its toolbar may not be customised; also in that script.
#define KT_IDS_CUSTOMIZE 9161
