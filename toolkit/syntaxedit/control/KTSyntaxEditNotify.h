// What the syntax-edit control tells its notify window: WM_NOTIFY codes and their records.
// Classes: KT_EDIT_NMHDR_ROWS, KT_EDIT_NMHDR_VALUE, KT_EDIT_NMHDR_POS, KT_EDIT_NMHDR_PARSER,
// KT_EDIT_NMHDR_DRAWLINE.
#pragma once

#include <windows.h>

enum : int
{
    KT_EDIT_NM_CANEDIT = -951,      // answer 0 to let the text change
    KT_EDIT_NM_TEXTCHANGED = -950,  // KT_EDIT_NMHDR_ROWS with KT_EDIT_CHANGE_* bits
    KT_EDIT_NM_MODIFIED = -949,     // KT_EDIT_NMHDR_VALUE: the new modified state
    KT_EDIT_NM_DRAWLINE = -948,     // KT_EDIT_NMHDR_DRAWLINE: non-zero answer: the parent drew the marks
    KT_EDIT_NM_CARETMOVED = -947,   // KT_EDIT_NMHDR_POS: row, display column
    KT_EDIT_NM_INSERTKEY = -943,    // header only
    KT_EDIT_NM_BEFOREINPUT = -942,  // header only
    KT_EDIT_NM_DRAGSTART = -941,    // header only
    KT_EDIT_NM_MARGINCLICK = -940,  // KT_EDIT_NMHDR_POS: row, display row index
    KT_EDIT_NM_VIEWCHANGED = -939,  // KT_EDIT_NMHDR_VALUE: KT_EDIT_VIEW_* bits
    KT_EDIT_NM_PARSEREVENT = -938,  // KT_EDIT_NMHDR_PARSER
};

// Bits of KT_EDIT_NM_VIEWCHANGED.
enum : int
{
    KT_EDIT_VIEW_VERT = 0x1,
    KT_EDIT_VIEW_HORZ = 0x2,
    KT_EDIT_VIEW_LAYOUT = 0x4,
};

struct KT_EDIT_NMHDR_ROWS
{
    NMHDR hdr;
    int nFirstRow;
    int nLastRow;
    int nFlags;
};

struct KT_EDIT_NMHDR_VALUE
{
    NMHDR hdr;
    int nValue;
};

struct KT_EDIT_NMHDR_POS
{
    NMHDR hdr;
    int nRow;
    int nCol;
};

struct KT_EDIT_NMHDR_PARSER
{
    NMHDR hdr;
    int nCode;
    WPARAM wParam;
    LPARAM lParam;
};

struct KT_EDIT_NMHDR_DRAWLINE
{
    NMHDR hdr;
    HDC hDC;
    RECT rcMargin;
    int nRow;
};
