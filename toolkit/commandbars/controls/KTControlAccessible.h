// KTControlAccessible.h: what a screen reader is told of a control and of a bar.
//
// Classes: CKTControlAccessible, CKTCommandBarAccessible.
#pragma once

#include <afxwin.h>

#include "KTAccessible.h"

class CKTCommandBar;
class CKTControl;

// A control as one element of its bar: a menu item or a button, with its popup bar as its one child.
class CKTControlAccessible : public CKTAccessible
{
public:
    explicit CKTControlAccessible(CKTControl* pControl) : m_pControl(pControl) {}

    // The caption without its access-key marks and a TAB and the shortcut after it; else the tooltip.
    static CString NameOf(CKTControl* pControl);

protected:
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
    HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

    // A rectangle of the control's bar, put on the screen; E_FAIL while the bar has no window.
    HRESULT PutBarLocation(CRect rc, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight) const;

    CKTControl* m_pControl;  // owner
};

// A bar: a menu bar, a menu or a tool bar whose children are its controls.
class CKTCommandBarAccessible : public CKTWindowAccessible
{
public:
    explicit CKTCommandBarAccessible(CKTCommandBar* pBar);

protected:
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

private:
    // The control a child id names (1 the first), NULL for the bar itself or an id out of range.
    CKTControl* ChildOf(const VARIANT& varChild) const;

    CKTCommandBar* m_pBar;  // owner
};
