// KTTabAppearanceSetFlat.h: the flat looks: flat rectangles, softened corners, trapezoids, flat tabs with
// separators and flat buttons.
//
// Classes: CKTTabAppearanceSet6, CKTTabAppearanceSet2, CKTTabAppearanceSet7, CKTTabAppearanceSet5,
// CKTTabAppearanceSet4.
#pragma once

#include "KTTabAppearanceSet.h"

// Flat rectangles framed in the frame colour; the client is framed the same way.
class CKTTabAppearanceSet6 : public CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet6();
    CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override { DrawShapedButton(pDC, pItem); }
    int GetSupportedColorSets() const override { return 1 | 2 | 4; }
    int GetDefaultColorSet() const override { return 2; }

protected:
    void DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc) override;
};

// Flat tabs with softened corners.
class CKTTabAppearanceSet2 : public CKTTabAppearanceSet6
{
public:
    CKTTabAppearanceSet2();
    int GetDefaultColorSet() const override { return 1; }

    BOOL m_bSelectedReachesClient = TRUE;  // only the selected tab reaches the client; else every outline does
    BOOL m_bReserved = FALSE;              // kept for the docking panes' painters

protected:
    void DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc) override;
};

// Trapezoids slanted on both sides, each reaching into its neighbour.
class CKTTabAppearanceSet7 : public CKTTabAppearanceSet6
{
public:
    CKTTabAppearanceSet7();
    CRect GetHeaderMargin() const override;
    CRect GetButtonDrawRect(const CKTTabManagerItem* pItem) const override;

protected:
    void DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc) override;
};

// Flat tabs: the selected one framed, the others parted by separators.
class CKTTabAppearanceSet5 : public CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet5();
    CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;
    int GetSupportedColorSets() const override { return 1 | 2 | 4; }
    int GetDefaultColorSet() const override { return 2; }
};

// Flat buttons: the selected one a framed gradient button, the others separators.
class CKTTabAppearanceSet4 : public CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet4();
    CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;
    int GetDefaultColorSet() const override { return 2; }
};
