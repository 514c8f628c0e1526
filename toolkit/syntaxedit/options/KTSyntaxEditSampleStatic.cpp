// The sample box paints itself, frame included, so that the colours under test are all it shows.
#include "KTSyntaxEditSampleStatic.h"

#include "KTColorManager.h"
#include "KTDrawObjects.h"

BEGIN_MESSAGE_MAP(CKTSyntaxEditSampleStatic, CStatic)
ON_WM_NCPAINT()
ON_WM_PAINT()
ON_WM_SYSCOLORCHANGE()
ON_WM_ENABLE()
END_MESSAGE_MAP()

CKTSyntaxEditSampleStatic::CKTSyntaxEditSampleStatic() { SetStandardColors(); }

void CKTSyntaxEditSampleStatic::SetStandardColors()
{
    m_clrBack.SetStandardValue(::GetSysColor(COLOR_WINDOW));
    m_clrText.SetStandardValue(::GetSysColor(COLOR_WINDOWTEXT));
    m_clrBorder.SetStandardValue(::GetSysColor(COLOR_3DDKSHADOW));
}

void CKTSyntaxEditSampleStatic::Redraw()
{
    if (GetSafeHwnd())
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

void CKTSyntaxEditSampleStatic::SetBackColor(COLORREF clr)
{
    m_clrBack.SetCustomValue(clr);
    Redraw();
}

void CKTSyntaxEditSampleStatic::SetTextColor(COLORREF clr)
{
    m_clrText.SetCustomValue(clr);
    Redraw();
}

void CKTSyntaxEditSampleStatic::OnNcPaint()
{
    CWindowDC dc(this);
    const BOOL bEnabled = IsWindowEnabled();
    CKTColorManager* pColors = KTColorManager();
    CRect rc = CKTWindowRect(this);
    rc.OffsetRect(-rc.left, -rc.top);
    const COLORREF clrBorder = bEnabled ? (COLORREF)m_clrBorder : pColors->GetColor(COLOR_GRAYTEXT);
    const COLORREF clrBack = bEnabled ? (COLORREF)m_clrBack : pColors->GetColor(COLOR_BTNFACE);
    dc.Draw3dRect(rc, clrBorder, clrBorder);
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(rc, clrBack, clrBack);
}

void CKTSyntaxEditSampleStatic::OnPaint()
{
    CPaintDC dc(this);
    const BOOL bEnabled = IsWindowEnabled();
    CKTColorManager* pColors = KTColorManager();
    const COLORREF clrBack = bEnabled ? (COLORREF)m_clrBack : pColors->GetColor(COLOR_BTNFACE);
    const COLORREF clrText = bEnabled ? (COLORREF)m_clrText : pColors->GetColor(COLOR_GRAYTEXT);
    CKTClientRect rc(this);
    dc.FillSolidRect(rc, clrBack);
    CString strText;
    GetWindowText(strText);
    CKTFontDC font(&dc, CFont::FromHandle((HFONT)SendMessage(WM_GETFONT)), clrText);
    dc.SetBkColor(clrBack);
    dc.DrawText(strText, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CKTSyntaxEditSampleStatic::OnSysColorChange()
{
    SetStandardColors();
    Redraw();
}

void CKTSyntaxEditSampleStatic::OnEnable(BOOL bEnable)
{
    CStatic::OnEnable(bEnable);
    Redraw();
}
