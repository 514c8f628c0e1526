// The parameter object of a "Collapsed" line mark: the folded block and where its box was drawn.
// Classes: KT_EDIT_COLLAPSED_MARK.
#pragma once

#include "KTSyntaxEditLineMarks.h"
#include "KTSyntaxEditTextPos.h"

struct KT_EDIT_LEXFOLD;

#define KT_EDIT_MARK_BOOKMARK "Bookmark"
#define KT_EDIT_MARK_BREAKPOINT "Breakpoint"
#define KT_EDIT_MARK_COLLAPSED "Collapsed"

struct KT_EDIT_COLLAPSED_MARK
{
    KT_EDIT_COLLAPSEDBLOCK block;
    RECT rcBox = {};  // text coordinates of the last drawn box; empty until drawn

    // Puts a new mark object into the parameter, which frees it with the last copy.
    static KT_EDIT_COLLAPSED_MARK* Attach(KT_EDIT_LINEMARK_PARAM& param);
    // The parameter's object when it holds a block, else NULL.
    static KT_EDIT_COLLAPSED_MARK* FromParam(const KT_EDIT_LINEMARK_PARAM& param);
    // Copies the block's place and text: the schema frees its blocks when it parses again.
    void TakeFold(const KT_EDIT_LEXFOLD& fold, int nRowCount);
};
