// Undo and redo texts: the string table's when it has them, built-in English otherwise.
#include "KTSyntaxEditUndoText.h"

#include "KTResourceManager.h"

namespace
{
struct UndoText
{
    UINT nID;
    LPCSTR pszText;
};

const UndoText kUndoTexts[] = {
    {KT_IDS_EDIT_UNDEFINED, "Undefined command"},
    {KT_IDS_EDIT_MULTIPLE, "Multiple operations"},
    {KT_IDS_EDIT_DELETE, "Delete: "},
    {KT_IDS_EDIT_INSERT, "Insert: "},
    {KT_IDS_EDIT_TYPING, "Typing"},
    {KT_IDS_EDIT_PASTE, "Paste"},
    {KT_IDS_EDIT_MOVE, "Move"},
    {KT_IDS_EDIT_COPY, "Copy"},
    {KT_IDS_EDIT_INDENT, "Indentation"},
    {KT_IDS_EDIT_DECREASE_INDENT, "Decrease Indent"},
    {KT_IDS_EDIT_FORMAT, "Format"},
    {KT_IDS_EDIT_TABIFY, "Tabify"},
    {KT_IDS_EDIT_UNTABIFY, "Untabify"},
    {KT_IDS_EDIT_REPLACE_ALL, "Replace all"},
    {KT_IDS_EDIT_CHANGE_CASE, "Change selection case"},
    {KT_IDS_EDIT_DELETE_BLOCK, "Delete text block"},
};
}  // namespace

CString KTLoadUndoText(UINT nStringID)
{
    CString strText;
    if (KTResourceManager()->LoadString(&strText, nStringID))
        return strText;
    for (const UndoText& text : kUndoTexts)
    {
        if (text.nID == nStringID)
            return CString(text.pszText);
    }
    return CString();
}
