// KTPropertyGridDefs.h: the grid's owner notification, its codes, item flags and button ids.
//
// Types: KTPROPERTYGRID_EDIT.
#pragma once

#include <afx.h>

class CKTPropertyGridItem;

// The grid's painters by id; SetTheme keeps the painter for any other id.
enum KTPropertyGridTheme : int
{
    ktPropertyGridThemeDefault = 0,
    ktPropertyGridThemeSchemeBorder = 1,  // border in the colour scheme's tint
    ktPropertyGridThemeScheme = 2,        // background and categories in the scheme's tints
    ktPropertyGridThemeTreeLines = 3,     // indentation bands with lines
    ktPropertyGridThemeMargin = 4,        // a face-coloured margin
    ktPropertyGridThemeEtched = 5,        // etched rows on a face background
    ktPropertyGridThemeFlatBox = 6,       // flat expand boxes, face-coloured categories
    ktPropertyGridThemeFlatButtons = 7    // flat in-place buttons, menu-bar categories
};

// Sent to the grid's owner; wParam is one of the codes below.
const UINT KTWM_PROPERTYGRID_NOTIFY = 0x2ADF;

enum KTPropertyGridNotifyCode
{
    KTPGN_SORTORDERCHANGED = 1,   // lParam: the grid's control id
    KTPGN_SELECTIONCHANGED = 2,   // lParam: the new item
    KTPGN_VALUECHANGED = 3,       // lParam: the item
    KTPGN_EDITCHANGED = 4,        // lParam: the in-place edit
    KTPGN_INPLACEBUTTONDOWN = 5,  // lParam: the button; 1 skips the default action
    KTPGN_DRAWITEM = 6,           // lParam: the DRAWITEMSTRUCT; 1 means the owner drew it
    KTPGN_ITEMEXPANDCHANGED = 7,  // lParam: the item
    KTPGN_DBLCLICK = 8,           // lParam: the item
    KTPGN_RCLICK = 9,             // lParam: the item
    KTPGN_VERBCLICK = 10,         // lParam: the verb
    KTPGN_REQUESTEDIT = 11,       // lParam: KTPROPERTYGRID_EDIT
    KTPGN_AFTEREDIT = 12,         // lParam: KTPROPERTYGRID_EDIT holding the new text
    KTPGN_CANCELEDIT = 13         // lParam: KTPROPERTYGRID_EDIT
};

// What an edit notification carries; the owner may set the cancel field and,
// after an edit, change the text.
struct KTPROPERTYGRID_EDIT
{
    BOOL bCancel = FALSE;
    CString strValue;
    CKTPropertyGridItem* pItem = nullptr;
};

enum KTPropertyGridItemFlags
{
    KTPGF_HASEDIT = 0x1,          // value editable in place
    KTPGF_HASEXPANDBUTTON = 0x2,  // the "..." button
    KTPGF_HASCOMBOBUTTON = 0x4    // the drop-down button
};

const UINT KT_IDC_INPLACEBUTTON_EXPAND = 100;
const UINT KT_IDC_INPLACEBUTTON_COMBO = 101;

enum KTPropertyGridSortOrder
{
    ktGridSortCategorized = 0,
    ktGridSortAlphabetical = 1,
    ktGridSortNoSort = 2
};

// Width of one indentation level, in pixels.
const int KT_PROPERTYGRID_INDENT = 14;
