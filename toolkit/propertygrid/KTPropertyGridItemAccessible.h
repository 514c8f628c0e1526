// KTPropertyGridItemAccessible.h: the accessible object of one grid row.
//
// Classes: CKTPropertyGridItemAccessible.
#pragma once

#include <afxwin.h>

#include "KTAccessible.h"

class CKTPropertyGridItem;

// Lives inside its item; every answer is about child id 0, the row itself.
class CKTPropertyGridItemAccessible : public CKTAccessible
{
public:
    explicit CKTPropertyGridItemAccessible(CKTPropertyGridItem* pItem) : m_pItem(pItem) {}

protected:
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;

private:
    long GetState() const;
    CRect ScreenRect() const;

    CKTPropertyGridItem* m_pItem;  // owner
};
