// KTControlGalleryAccessible.h: a gallery as a list whose items are its children.
//
// Classes: CKTControlGalleryAccessible.
#pragma once

#include "KTControlAccessible.h"

class CKTControlGallery;

class CKTControlGalleryAccessible : public CKTControlAccessible
{
public:
    explicit CKTControlGalleryAccessible(CKTControlGallery* pGallery);

protected:
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
    HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

private:
    // The item of a child id (index + 1); -1 for the gallery itself, -2 for a bad id.
    int ItemOf(const VARIANT& varChild) const;

    CKTControlGallery* m_pGallery;  // owner
};
