// The texts of undo and redo menu items, by string id.
#pragma once

#include <afx.h>

enum : UINT
{
    KT_IDS_EDIT_UNDEFINED = 9714,
    KT_IDS_EDIT_MULTIPLE = 9715,
    KT_IDS_EDIT_DELETE = 9716,
    KT_IDS_EDIT_INSERT = 9717,
    KT_IDS_EDIT_TYPING = 9718,
    KT_IDS_EDIT_PASTE = 9719,
    KT_IDS_EDIT_MOVE = 9720,
    KT_IDS_EDIT_COPY = 9721,
    KT_IDS_EDIT_INDENT = 9722,
    KT_IDS_EDIT_DECREASE_INDENT = 9723,
    KT_IDS_EDIT_FORMAT = 9724,
    KT_IDS_EDIT_TABIFY = 9725,
    KT_IDS_EDIT_UNTABIFY = 9726,
    KT_IDS_EDIT_REPLACE_ALL = 9727,
    KT_IDS_EDIT_CHANGE_CASE = 9728,
    KT_IDS_EDIT_DELETE_BLOCK = 9729,
};

// The module's string table first; the built-in English text when it has none.
CString KTLoadUndoText(UINT nStringID);
