// Value records shared by the text engine: positions, colour sets, text attributes, collapsed blocks.
// Classes: KT_EDIT_TEXTPOS, KT_EDIT_COLORSET, KT_EDIT_TEXTATTR, KT_EDIT_COLLAPSEDBLOCK.
#pragma once

#include <afx.h>

#include "KTPaintManagerColor.h"

struct KT_EDIT_TEXTPOS
{
    int nLine = 0;  // 1-based row; 0 or less: no position
    int nCol = 0;   // character position or display column, as the caller says

    KT_EDIT_TEXTPOS() = default;
    KT_EDIT_TEXTPOS(int line, int col) : nLine(line), nCol(col) {}

    void Clear()
    {
        nLine = 0;
        nCol = 0;
    }
    BOOL IsValid() const { return nLine > 0; }
    // The column only keeps its low 12 bits: unique below column 4096.
    DWORD GetPackedKey() const { return (DWORD(nLine) << 12) | (DWORD(nCol) & 0xFFF); }

    bool operator==(const KT_EDIT_TEXTPOS& o) const { return nLine == o.nLine && nCol == o.nCol; }
    bool operator!=(const KT_EDIT_TEXTPOS& o) const { return !(*this == o); }
    bool operator<(const KT_EDIT_TEXTPOS& o) const { return nLine < o.nLine || (nLine == o.nLine && nCol < o.nCol); }
    bool operator>(const KT_EDIT_TEXTPOS& o) const { return o < *this; }
    bool operator<=(const KT_EDIT_TEXTPOS& o) const { return !(o < *this); }
    bool operator>=(const KT_EDIT_TEXTPOS& o) const { return !(*this < o); }
};

// Text, background, selected text/back, inactive selected text/back, line-number text/back.
struct KT_EDIT_COLORSET
{
    enum
    {
        kColorCount = 8
    };

    CKTPaintManagerColor clrText;
    CKTPaintManagerColor clrBack;
    CKTPaintManagerColor clrSelText;
    CKTPaintManagerColor clrSelBack;
    CKTPaintManagerColor clrInactiveSelText;
    CKTPaintManagerColor clrInactiveSelBack;
    CKTPaintManagerColor clrLineNumberText;
    CKTPaintManagerColor clrLineNumberBack;

    CKTPaintManagerColor& At(int index);
    const CKTPaintManagerColor& At(int index) const;
};

// Font options use 255 in every numeric field for "not given".
struct KT_EDIT_TEXTATTR
{
    int nStart = 0;  // first column of the run
    int nEnd = 0;    // column after the run
    KT_EDIT_COLORSET clrSet;
    LOGFONTA lf;

    KT_EDIT_TEXTATTR() { Reset(); }
    void Reset();
};

class KT_EDIT_COLLAPSEDBLOCK
{
public:
    KT_EDIT_COLLAPSEDBLOCK() = default;
    KT_EDIT_COLLAPSEDBLOCK(const KT_EDIT_COLLAPSEDBLOCK&) = default;
    KT_EDIT_COLLAPSEDBLOCK& operator=(const KT_EDIT_COLLAPSEDBLOCK&) = default;
    virtual ~KT_EDIT_COLLAPSEDBLOCK() = default;

    int nStartLine = 0;
    int nStartCol = 0;
    int nEndLine = 0;
    int nEndCol = 0;
    CString strCollapsedText;  // shown in place of the hidden rows
};
