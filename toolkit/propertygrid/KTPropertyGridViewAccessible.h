// KTPropertyGridViewAccessible.h: the accessible object of the grid's list view, with its rows as children.
//
// Classes: CKTPropertyGridViewAccessible.
#pragma once

#include "KTAccessible.h"

class CKTPropertyGridItem;
class CKTPropertyGridView;

class CKTPropertyGridViewAccessible : public CKTWindowAccessible
{
public:
    explicit CKTPropertyGridViewAccessible(CKTPropertyGridView* pView);

protected:
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

private:
    CKTPropertyGridView* m_pView;  // owner
};
