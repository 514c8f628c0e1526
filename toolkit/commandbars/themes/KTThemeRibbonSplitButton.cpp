// KTThemeRibbonSplitButton.cpp: theme 6's split buttons, command and drop-down halves from their own images.
#include "KTControl.h"
#include "KTStyleResourceSet.h"
#include "KTThemeRibbon.h"

namespace
{
// Both halves as if every part were enabled.
std::pair<int, int> EnabledSplitParts(int nSelected, int nPressed, BOOL bChecked, BOOL bPopuped)
{
    BOOL bHeld = nPressed == 2 || nPressed == 3;
    int nDropHot = nSelected == 4 ? 0 : 4;
    if (bPopuped)
        return {5, 2};
    if (!nSelected && !nPressed)
        return bChecked ? std::make_pair(2, 4) : std::make_pair(-1, -1);
    if (nSelected && !nPressed)
        return {bChecked ? 3 : (nSelected == 3 ? 0 : 5), bChecked || nSelected != 3 ? nDropHot : 4};
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
        BOOL bShown = nSelected == 2 || nSelected == 3;
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

void CKTThemeRibbon::DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc)
{
    BOOL bBelow = pControl->GetStyle() == ktButtonIconAndCaptionBelow;
    CKTStyleImage* pCommand = LoadImage(bBelow ? "TOOLBARBUTTONSSPLIT50" : "TOOLBARBUTTONSSPLIT22");
    CKTStyleImage* pDrop = LoadImage(bBelow ? "TOOLBARBUTTONSSPLITDROPDOWN50" : "TOOLBARBUTTONSSPLITDROPDOWN22");
    // Without the style's images the button keeps the plain look rather than showing no frame.
    if (!pCommand || !pDrop)
    {
        CKTThemeStyle5::DrawSplitButtonFrame(pDC, pControl, rc);
        return;
    }
    int nEnabled = pControl->GetEnabled();
    pDC->SetTextColor(nEnabled ? 0x8B4215 : 0x8D8D8D);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcCommand = rc, rcDrop = rc;
    if (bBelow)
        rcCommand.bottom = rcDrop.top = rc.bottom - GetSplitDropDownSize();
    else
        rcCommand.right = rcDrop.left = rc.right - m_nSplitButtonDropDownWidth;
    std::pair<int, int> parts = SplitButtonParts(pControl->GetSelected(), pControl->GetPressed(),
                                                 pControl->GetChecked() > 0, pControl->IsPopuped(), nEnabled);
    const CRect rcMargins(2, 2, 2, 2);
    const COLORREF clrMagenta = RGB(255, 0, 255);
    if (parts.first >= 0)
        pCommand->DrawImage(pDC, rcCommand, pCommand->GetSource(parts.first, 6), rcMargins, clrMagenta);
    if (parts.second >= 0)
        pDrop->DrawImage(pDC, rcDrop, pDrop->GetSource(parts.second, 5), rcMargins, clrMagenta);
    if (!bBelow)
        DrawDropDownGlyph(pDC, pControl, CPoint(rcDrop.CenterPoint().x, rc.CenterPoint().y), GetControlState(pControl),
                          FALSE);
}
