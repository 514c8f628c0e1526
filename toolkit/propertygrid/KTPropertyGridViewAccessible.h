// KTPropertyGridViewAccessible.h: the accessible object of the grid's list view, with its rows as children.
//
// Classes: CKTPropertyGridViewAccessible.
#pragma once

#include "KTAccessible.h"

class CKTPropertyGridView;

class CKTPropertyGridViewAccessible : public CKTAccessible
{
public:
    explicit CKTPropertyGridViewAccessible(CKTPropertyGridView* pView) : m_pView(pView) {}

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
    CKTPropertyGridView* m_pView;  // owner
};
