// KTPropertyGridInplaceControl.h: a control that an item shows beside its value while selected.
//
// Classes: CKTPropertyGridInplaceControl.
#pragma once

#include <afxwin.h>

// The item holds it; it answers the item's four requests.
class CKTPropertyGridInplaceControl : public CCmdTarget
{
public:
    // Shows itself in the item's row.
    virtual void OnShow(CRect rcItem) = 0;
    // Takes its room off the value rectangle.
    virtual void AdjustValueRect(CRect& rcValue) = 0;
    virtual void OnHide() = 0;
    virtual void OnValueChanged() = 0;
    // The window the grid's Tab navigation may focus; null for none.
    virtual CWnd* GetWindow() = 0;
};
