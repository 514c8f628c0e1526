// KTSyntaxEditRes.h: resource ids of the syntax-edit control's own resources.
#pragma once

#define KT_IDB_EDIT_LINEMARKS 9700
#define KT_IDC_EDIT_SELMARGIN 9702
#define KT_IDC_EDIT_DRAGCOPY 9703
#define KT_IDC_EDIT_DRAGMOVE 9704
