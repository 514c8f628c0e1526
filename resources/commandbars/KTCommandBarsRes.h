// KTCommandBarsRes.h: resource ids of the command bars.
#pragma once

#define KT_IDB_MDI_SYSCOMMANDS 9102
// A customise drag over a bar that takes the control, over one adding a control that comes from no bar, and
// over no bar (held as raw images: only the foundation's script holds cursors).
#define KT_IDC_CUSTOMIZE_DROP 9105
#define KT_IDC_CUSTOMIZE_ADD 9106
#define KT_IDC_CUSTOMIZE_NODROP 9107
#define KT_IDS_TOOLBAR_CHANGED 9177
