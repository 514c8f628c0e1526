// KTSyntaxEditRes.h: resource ids of the syntax-edit control's own resources.
#pragma once

#define KT_IDB_EDIT_LINEMARKS 9700
#define KT_IDC_EDIT_SELMARGIN 9702
#define KT_IDC_EDIT_DRAGCOPY 9703
#define KT_IDC_EDIT_DRAGMOVE 9704
#define KT_IDS_EDIT_MOVE_HERE 9730
#define KT_IDS_EDIT_COPY_HERE 9731
#define KT_IDS_EDIT_CANCEL_DROP 9732
