// Reset and indexed access of the attribute records.
#include "KTSyntaxEditTextPos.h"

#include <cstring>

CKTPaintManagerColor& KT_EDIT_COLORSET::At(int index)
{
    return const_cast<CKTPaintManagerColor&>(static_cast<const KT_EDIT_COLORSET*>(this)->At(index));
}

const CKTPaintManagerColor& KT_EDIT_COLORSET::At(int index) const
{
    const CKTPaintManagerColor* colors[kColorCount] = {
        &clrText,           &clrBack,           &clrSelText, &clrSelBack, &clrInactiveSelText, &clrInactiveSelBack,
        &clrLineNumberText, &clrLineNumberBack,
    };
    ASSERT(index >= 0 && index < kColorCount);
    return *colors[index];
}

void KT_EDIT_TEXTATTR::Reset()
{
    nStart = 0;
    nEnd = 0;
    clrSet = KT_EDIT_COLORSET();
    lf.lfHeight = lf.lfWidth = lf.lfEscapement = lf.lfOrientation = lf.lfWeight = 255;
    lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = lf.lfCharSet = 0xFF;
    lf.lfOutPrecision = lf.lfClipPrecision = lf.lfQuality = lf.lfPitchAndFamily = 0xFF;
    memset(lf.lfFaceName, 0, sizeof(lf.lfFaceName));
}
