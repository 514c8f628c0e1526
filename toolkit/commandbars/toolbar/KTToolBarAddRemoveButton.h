// KTToolBarAddRemoveButton.h: an item of a toolbar's "Add or Remove Buttons" list, and its Reset Toolbar item.
//
// Classes: CKTToolBarAddRemoveButton.
#pragma once

#include "KTControlButton.h"
#include "KTSmartPtr.h"

class CKTToolBar;

class CKTToolBarAddRemoveButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTToolBarAddRemoveButton)
public:
    CKTToolBarAddRemoveButton();

    // The item shows or hides this control of its bar.
    void SetTarget(CKTControl* pControl);
    // The item resets this bar.
    void SetTarget(CKTToolBar* pBar) { m_pBar = pBar; }
    CKTControl* GetTargetControl() const { return m_pControl; }
    void OnExecute() override;

private:
    CKTSmartPtr<CKTControl> m_pControl;  // the control shown or hidden; held, since the bar may drop it
    CKTToolBar* m_pBar = NULL;           // the bar to reset; not held: the bar holds the list through its expand button
};
