// KTThemeRibbonSplitButton.cpp: theme 6's split buttons, command and drop-down halves from their own images,
// a joined row's by the button's place in it.
#include "KTControl.h"
#include "KTStyleResourceSet.h"
#include "KTThemeRibbon.h"

namespace
{
// Both halves as if every part were enabled.
std::pair<int, int> EnabledSplitParts(int nSelected, int nPressed, BOOL bChecked, BOOL bPopuped)
{
    BOOL bHeld = nPressed == 2 || nPressed == 3;
    int nDropHot = nSelected == ktSelectionArrowPart ? 0 : 4;
    if (bPopuped)
        return {5, 2};
    if (!nSelected && !nPressed)
        return bChecked ? std::make_pair(2, 4) : std::make_pair(-1, -1);
    if (nSelected && !nPressed)
        return {bChecked ? 3 : (nSelected == ktSelectionCommandPart ? 0 : 5),
                bChecked || nSelected != ktSelectionCommandPart ? nDropHot : 4};
    if (bHeld || nSelected)
        return {1, 0};
    return {bChecked ? 2 : 5, 4};
}
}  // namespace

std::pair<int, int> CKTThemeRibbon::SplitButtonParts(int nSelected, int nPressed, BOOL bChecked, BOOL bPopuped,
                                                     int nEnabled)
{
    if (!nEnabled)
    {
        BOOL bShown = KTIsKeyboardSelection(nSelected);
        return {bShown ? 5 : -1, bShown ? 4 : -1};
    }
    std::pair<int, int> parts = EnabledSplitParts(nSelected, nPressed, bChecked, bPopuped);
    BOOL bActive = nSelected || nPressed || bPopuped;
    if (nEnabled == 4 && bActive)
        parts.first = 4;
    else if (nEnabled == 3 && bActive)
        parts.second = 3;
    return parts;
}

// The command and drop-down images of a split button, and the rows they start their states at.
struct CKTThemeRibbon::SplitImages
{
    CKTStyleImage* pCommand = NULL;
    CKTStyleImage* pDrop = NULL;
    int nFirstRow = 0;    // a joined row's images hold one more row at the top
    BOOL bBelow = FALSE;  // the drop-down half under the command half
};

CKTThemeRibbon::SplitImages CKTThemeRibbon::SplitImagesOf(CKTControl* pControl) const
{
    SplitImages images;
    if (IsInJoinedRow(pControl))
    {
        const std::pair<BOOL, BOOL> place = JoinedRunPlace(pControl);
        images.pCommand =
            LoadImage(place.first ? "TOOLBARBUTTONSSPECIALSPLITLEFT" : "TOOLBARBUTTONSSPECIALSPLITCENTER");
        images.pDrop = LoadImage(place.second ? "TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT"
                                              : "TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER");
        images.nFirstRow = 1;
        if (images.pCommand && images.pDrop)
            return images;
    }
    images = SplitImages();
    images.bBelow = pControl->GetStyle() == ktButtonIconAndCaptionBelow;
    images.pCommand = LoadImage(images.bBelow ? "TOOLBARBUTTONSSPLIT50" : "TOOLBARBUTTONSSPLIT22");
    images.pDrop = LoadImage(images.bBelow ? "TOOLBARBUTTONSSPLITDROPDOWN50" : "TOOLBARBUTTONSSPLITDROPDOWN22");
    return images;
}

void CKTThemeRibbon::DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc)
{
    const SplitImages images = SplitImagesOf(pControl);
    if (!images.pCommand || !images.pDrop)
        return;
    int nEnabled = pControl->GetEnabled();
    pDC->SetTextColor(nEnabled ? 0x8B4215 : 0x8D8D8D);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcCommand = rc, rcDrop = rc;
    if (images.bBelow)
        rcCommand.bottom = rcDrop.top = rc.bottom - GetSplitDropDownSize();
    else
        rcCommand.right = rcDrop.left = rc.right - m_nSplitButtonDropDownWidth;
    std::pair<int, int> parts = SplitButtonParts(pControl->GetSelected(), pControl->GetPressed(),
                                                 pControl->GetChecked() > 0, pControl->IsPopuped(), nEnabled);
    const CRect rcMargins(2, 2, 2, 2);
    const COLORREF clrMagenta = RGB(255, 0, 255);
    const int nRow = images.nFirstRow;
    if (parts.first >= 0)
        images.pCommand->DrawImage(pDC, rcCommand, images.pCommand->GetSource(parts.first + nRow, 6 + nRow), rcMargins,
                                   clrMagenta);
    if (parts.second >= 0)
        images.pDrop->DrawImage(pDC, rcDrop, images.pDrop->GetSource(parts.second + nRow, 5 + nRow), rcMargins,
                                clrMagenta);
    if (!images.bBelow)
        DrawDropDownGlyph(pDC, pControl, CPoint(rcDrop.CenterPoint().x, rc.CenterPoint().y), GetControlState(pControl),
                          FALSE);
}
