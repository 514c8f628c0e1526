// A drop-down list of named colours with an automatic and a custom entry, bound to a colour by data exchange.
// Classes: CKTSyntaxEditColorComboBox. Functions: DDX_ColorCombo.
#pragma once

#include <afxwin.h>

class CKTSyntaxEditColorComboBox : public CComboBox
{
public:
    static const COLORREF kNoColor = (COLORREF)-1;

    int AddColor(COLORREF clr, UINT nIDString);
    virtual void FillStandardColors();
    int SetAutomaticColor(COLORREF clr, LPCTSTR pszText = NULL);
    int SetCustomColor(COLORREF clr, LPCTSTR pszText = NULL);
    COLORREF GetAutomaticColor() const { return m_clrAutomatic; }
    COLORREF GetCustomColor() const { return m_clrCustom; }
    int FindColor(COLORREF clr) const;
    int SelectColor(COLORREF clr);
    COLORREF GetSelectedColor() const;
    int PickColor();
    virtual void NotifyParent(UINT nCode);
    virtual int GetDroppedListSelection() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnCloseUp();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()

private:
    int SetSpecialEntry(COLORREF& clrEntry, int nIndex, COLORREF clr, LPCTSTR pszText, UINT nIDDefault);
    BOOL OnKeyDown(UINT nKey);

    int m_nPendingIndex = -1;  // chosen by keys in the open list, taken when it closes
    BOOL m_bFillOnSubclass = TRUE;
    COLORREF m_clrAutomatic = kNoColor;
    COLORREF m_clrCustom = kNoColor;
};

void AFXAPI DDX_ColorCombo(CDataExchange* pDX, int nIDC, COLORREF& clr);
