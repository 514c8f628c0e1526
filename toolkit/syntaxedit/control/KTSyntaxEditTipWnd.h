// The syntax-edit control's tooltip: word-wrapped text over the control that hides itself after a while.
// Classes: CKTSyntaxEditTipWnd.
#pragma once

#include "KTTipWnd.h"

class CKTSyntaxEditTipWnd : public CKTTipWnd
{
public:
    enum
    {
        ktShowTime = 5000,  // ms the tip stays up after the last Activate
    };

    CKTSyntaxEditTipWnd();

    virtual BOOL Create(CWnd* pOwner);
    // The tip's top left corner in screen coordinates, taken by the next layout.
    void SetPosition(CPoint ptScreen) { m_ptTopLeft = ptScreen; }
    void Activate(const CString& strText);

protected:
    // As wide as the text needs, wrapped before the work area's right edge.
    CRect Layout() const;

    CPoint m_ptTopLeft;  // screen position of the tip
};
