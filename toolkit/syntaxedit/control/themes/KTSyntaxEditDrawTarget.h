// Where the text of a row is drawn, and what that place needs: the screen's text bitmap or a printed page.
// Classes: KT_EDIT_DRAWTARGET.
#pragma once

#include <afxwin.h>

class CKTSyntaxEditCtrl;

// The screen shows the control's scroll position and selection, and keeps each folded block's box where the mouse
// finds it again; paper shows every row from its first column, in the printer's font, and keeps nothing.
struct KT_EDIT_DRAWTARGET
{
    CDC* pDC = NULL;
    BOOL bPaper = FALSE;
    int nLeft = 0;         // x of the first shown column
    int nFirstColumn = 1;  // display column drawn at nLeft
    int nRowHeight = 0;
    int nCharWidth = 0;
    int nMaxChars = 0;  // characters one run may draw

    static KT_EDIT_DRAWTARGET Screen(const CKTSyntaxEditCtrl& ctrl, CDC* pDC);
    // Measured by the font selected into the DC.
    static KT_EDIT_DRAWTARGET Paper(CDC* pDC, int nLeft);
};
