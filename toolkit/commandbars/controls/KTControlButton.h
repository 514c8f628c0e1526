// KTControlButton.h: the plain command button and menu item.
//
// Classes: CKTControlButton.
#pragma once

#include "KTControl.h"

#include <functional>

class CKTControlButton : public CKTControl
{
    DECLARE_DYNCREATE(CKTControlButton)
public:
    CKTControlButton() { m_nType = ktControlButton; }

    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint pt) override;
    void DoPropExchange(CKTPropExchange* pPX) override;

protected:
    // A list place holder's own items: the temporary controls right after it that the test claims.
    void RemoveListItems(const std::function<BOOL(CKTControl*)>& isItem);
    // Takes the old items away; FALSE in customise mode, where the place holder shows itself instead.
    BOOL ClearListForItems(const std::function<BOOL(CKTControl*)>& isItem);
};
