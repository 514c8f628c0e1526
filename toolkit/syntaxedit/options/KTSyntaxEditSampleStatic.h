// A framed box that shows its text in chosen colours: the option pages' font and colour sample.
// Classes: CKTSyntaxEditSampleStatic.
#pragma once

#include <afxwin.h>

#include "KTPaintManagerColor.h"

class CKTSyntaxEditSampleStatic : public CStatic
{
public:
    CKTSyntaxEditSampleStatic();
    void SetBackColor(COLORREF clr);
    void SetTextColor(COLORREF clr);
    COLORREF GetBackColor() const { return m_clrBack; }
    COLORREF GetTextColor() const { return m_clrText; }

protected:
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnSysColorChange();
    afx_msg void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()

private:
    void SetStandardColors();
    void Redraw();

    CKTPaintManagerColor m_clrBack;
    CKTPaintManagerColor m_clrText;
    CKTPaintManagerColor m_clrBorder;
};
