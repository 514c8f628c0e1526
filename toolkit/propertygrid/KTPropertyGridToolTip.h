// KTPropertyGridToolTip.h: the popup that shows the whole text of a cut caption or value.
//
// Classes: CKTPropertyGridToolTip.
#pragma once

#include "KTTipWnd.h"

class CKTPropertyGridView;

class CKTPropertyGridToolTip : public CKTTipWnd
{
public:
    BOOL Create(CKTPropertyGridView* pView, CFont* pFont);
    // Shows the text over the rectangle (screen coordinates) without activating.
    void Show(const CString& strText, CRect rcScreen);
    CRect GetScreenRect() const { return m_rcScreen; }
    void Hide();

protected:
    void Draw(CDC* pDC, const CRect& rcClient) override;

private:
    CFont m_font;  // a copy of the grid's normal font
    CRect m_rcScreen = CRect(0, 0, 0, 0);
};
