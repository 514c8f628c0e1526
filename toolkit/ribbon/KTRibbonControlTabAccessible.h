// KTRibbonControlTabAccessible.h: what a screen reader reads of the ribbon's tab row: a page-tab list of tabs.
//
// Classes: CKTRibbonControlTabAccessible.
#pragma once

#include <afxwin.h>

#include "KTAccessible.h"

class CKTRibbonControlTab;

class CKTRibbonControlTabAccessible : public CKTAccessible
{
public:
    explicit CKTRibbonControlTabAccessible(CKTRibbonControlTab* pControl) : m_pControl(pControl) {}

protected:
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;

private:
    // -1 for an id that is neither the control (0) nor one of its tabs (1..count).
    long ChildOf(const VARIANT& varChild) const;
    CRect ScreenRect(long nChild) const;

    CKTRibbonControlTab* m_pControl;  // the owner
};
