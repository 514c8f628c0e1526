// KTPropertyGridPainter.h: draws the grid's panels, the view's border and rows, buttons and list rows.
//
// Classes: CKTPropertyGridPainter.
#pragma once

#include <afxwin.h>

#include "KTPaintManagerColor.h"
#include "KTPropertyGridItemMetrics.h"
#include "KTSmartPtr.h"
#include "KTWinThemeWrapper.h"

class CKTPropertyGrid;
class CKTPropertyGridItem;
class CKTPropertyGridItemButton;
class CKTPropertyGridItemConstraint;
class CKTPropertyGridView;

enum KTPropertyGridVisualStyleMode
{
    ktGridVisualStyleNever = 0,
    ktGridVisualStyleWhenThemed = 1,
    ktGridVisualStyleFlat = 2
};

// The base look (theme 0); each variant overrides colours, rows or the expand box.
class CKTPropertyGridPainter : public CCmdTarget
{
public:
    explicit CKTPropertyGridPainter(CKTPropertyGrid* pGrid);
    ~CKTPropertyGridPainter() override;
    CKTPropertyGridPainter(const CKTPropertyGridPainter&) = delete;
    CKTPropertyGridPainter& operator=(const CKTPropertyGridPainter&) = delete;

    virtual COLORREF GetItemTextColor(CKTPropertyGridItem* pItem, BOOL bValue);
    virtual COLORREF GetItemBackColor(CKTPropertyGridItem* pItem, BOOL bValue);
    virtual CFont* GetItemFont(CKTPropertyGridItem* pItem, BOOL bValue);
    virtual void FillPropertyGrid(CDC* pDC);
    virtual void FillBackground(CDC* pDC);
    // Frames by the grid's border style; with bAdjust shrinks the rectangle
    // by the frame and answers its width.
    virtual int DrawBorder(CDC* pDC, CRect& rc, BOOL bAdjust);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void DrawInplaceListItem(CDC* pDC, CKTPropertyGridItemConstraint* pConstraint, CRect rc, BOOL bSelected);
    virtual void AdjustItemValueRect(CKTPropertyGridItem* pItem, CRect& rc);
    virtual void AdjustItemCaptionRect(CKTPropertyGridItem* pItem, CRect& rc);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual void DrawInplaceButton(CDC* pDC, CKTPropertyGridItemButton* pButton);
    virtual void RefreshMetrics();
    virtual void DrawExpandButton(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcCaption);
    virtual void DrawCategoryCaptionBackground(CDC* pDC, CRect rc);
    virtual void DrawItemValue(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcValue);
    virtual void DrawItemCaption(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcCaption);
    virtual void DrawInplaceButtons(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcValue);

    // The verb under the point in the verbs panel; -1 for none.
    int HitTestVerbs(CDC* pDC, CRect rcVerbs, CPoint point);
    CKTPropertyGridItemMetrics* GetMetrics() const { return m_pMetrics; }
    // Takes over another painter's fonts and colours.
    void SetMetrics(CKTPropertyGridItemMetrics* pMetrics);
    CFont* GetNormalFont() const { return m_pMetrics->GetNormalFont(); }
    CFont* GetBoldFont() const { return m_pMetrics->GetBoldFont(); }
    COLORREF GetBackgroundColor() const { return m_clrFace; }
    COLORREF GetBorderColor() const { return m_clrBorder; }
    int GetVisualStyleMode() const { return m_nVisualStyleMode; }

protected:
    // The parts of a row that the variants draw their own way.
    virtual void DrawItemRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState);
    virtual void DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState);
    virtual void DrawIndentBands(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem);
    virtual void DrawRowClosingLines(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem);

    COLORREF GridColor(int nIndex) const { return m_pMetrics->Color(nIndex); }
    BOOL IsThemed(const CKTWinThemeWrapper& theme) const;
    CKTPropertyGridView* GetView() const;
    // Row drawing the variants share.
    void FillSelectedCaption(CDC* pDC, CRect rcCaption, COLORREF& clrText);
    BOOL IsFocusInView() const;
    void DrawGridLines(CDC* pDC, CRect rcItem, int nLeft, int nDivider, COLORREF clr);
    CKTPropertyGridItem* GetNextRowItem(CKTPropertyGridItem* pItem) const;
    void DrawCategoryCaptionText(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, BOOL bFocused);
    void DrawExpandBox(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcClip);
    CRect GetExpandBoxRect(CKTPropertyGridItem* pItem, const CRect& rcRow) const;
    void DrawItemText(CDC* pDC, CKTPropertyGridItem* pItem, CRect rc, const CString& strText, BOOL bValue);

    int m_nVisualStyleMode = ktGridVisualStyleNever;
    CKTWinThemeWrapper m_themeTree;                      // "TREEVIEW"
    CKTWinThemeWrapper m_themeButton;                    // "BUTTON"
    CKTWinThemeWrapper m_themeCombo;                     // "COMBOBOX"
    CKTPropertyGrid* m_pGrid;                            // owner
    CFont m_fntLink;                                     // underlined, for verbs
    CKTSmartPtr<CKTPropertyGridItemMetrics> m_pMetrics;  // handed from painter to painter
    CKTPaintManagerColor m_clrFace;                      // fills the whole grid
    CKTPaintManagerColor m_clrBorder;                    // the view's border in style 2
    COLORREF m_clrCaptionText = CLR_INVALID;             // caption colour of a highlighted row

private:
    void RefreshThemes();
    void DrawHelpPanel(CDC* pDC, CRect rcHelp);
    int LayoutVerbs(CDC* pDC, CRect rcVerbs, const CPoint* pptHit, BOOL bDraw);
    void DrawClassicButtonFace(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc);
    void DrawThemedButtonFace(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc);
    void DrawFlatButtonFace(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc);
    void DrawButtonContent(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc);
    void DrawImage(CDC* pDC, int nImage, CRect& rc);
    int GetImageSpace(const CKTPropertyGridItemMetrics* pMetrics) const;
};
