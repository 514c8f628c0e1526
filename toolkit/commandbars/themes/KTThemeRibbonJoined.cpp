// KTThemeRibbonJoined.cpp: theme 6's joined rows of ribbon buttons: each button's image by its place in the run.
#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTStyleResourceSet.h"
#include "KTThemeRibbon.h"

#include <vector>

namespace
{
// The visible controls of the control's group on its bar, in order.
std::vector<CKTControl*> GroupRow(CKTControl* pControl)
{
    std::vector<CKTControl*> row;
    CKTCommandBar* pBar = pControl->GetParent();
    CKTControls* pControls = pBar ? pBar->GetControls() : NULL;
    for (int i = 0; pControls && i < pControls->GetCount(); i++)
    {
        CKTControl* pOther = pControls->GetAt(i);
        if (pOther->GetRibbonGroup() == pControl->GetRibbonGroup() && pOther->IsVisible())
            row.push_back(pOther);
    }
    return row;
}

BOOL BeginsRun(const CKTControl* pControl) { return pControl->GetBeginGroup() || pControl->GetWrap(); }
}  // namespace

// A copy on the quick access toolbar keeps the flag but belongs to no group there.
BOOL CKTThemeRibbon::IsInJoinedRow(CKTControl* pControl)
{
    return (pControl->GetFlags() & ktFlagJoinedRow) && pControl->GetRibbonGroup();
}

std::pair<BOOL, BOOL> CKTThemeRibbon::JoinedRunPlace(CKTControl* pControl)
{
    const std::vector<CKTControl*> row = GroupRow(pControl);
    size_t i = 0;
    while (i < row.size() && row[i] != pControl)
        i++;
    const BOOL bStarts = i == 0 || i >= row.size() || BeginsRun(pControl);
    const BOOL bEnds = i + 1 >= row.size() || BeginsRun(row[i + 1]);
    return {bStarts, bEnds};
}

int CKTThemeRibbon::JoinedButtonState(int nSelected, int nPressed, BOOL bChecked, BOOL bPopuped, BOOL bEnabled)
{
    if (!bEnabled)
        return KTIsKeyboardSelection(nSelected) ? 1 : 0;
    if (bPopuped)
        return 3;
    const BOOL bSelected = nSelected != ktSelectionNone, bPressed = nPressed != 0;
    if (bChecked && !bPressed)
        return bSelected ? 4 : 3;
    if (nPressed == 2 || nPressed == 3 || (bSelected && bPressed))
        return 2;
    return bSelected || bPressed ? 1 : 0;
}

void CKTThemeRibbon::DrawControlState(CDC* pDC, CKTControl* pControl)
{
    if (!IsInJoinedRow(pControl) || !DrawJoinedButton(pDC, pControl))
        CKTThemeStyle5::DrawControlState(pDC, pControl);
}

BOOL CKTThemeRibbon::DrawJoinedButton(CDC* pDC, CKTControl* pControl)
{
    static const LPCSTR kImages[2][2] = {{"TOOLBARBUTTONSSPECIALCENTER", "TOOLBARBUTTONSSPECIALRIGHT"},
                                         {"TOOLBARBUTTONSSPECIALLEFT", "TOOLBARBUTTONSSPECIALSINGLE"}};
    const std::pair<BOOL, BOOL> place = JoinedRunPlace(pControl);
    CKTStyleImage* pImage = LoadImage(kImages[place.first ? 1 : 0][place.second ? 1 : 0]);
    if (!pImage)
        return FALSE;
    const KT_CONTROLSTATE state = GetControlState(pControl);
    const int nState =
        JoinedButtonState(state.nSelected, state.nPressed, state.nChecked != 0, state.bPopuped, pControl->IsEnabled());
    // The image holds its states 22 pixels apart, whatever its height.
    const CRect rcSource(0, 22 * nState, pImage->GetWidth(), 22 * nState + 22);
    pImage->DrawImage(pDC, pControl->GetRect(), rcSource, CRect(2, 2, 2, 2), RGB(255, 0, 255));
    return TRUE;
}
