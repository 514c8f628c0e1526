// KTTabPainter.h: measures, lays out and draws every tab strip through an appearance set and a colour set.
//
// Classes: CKTTabPainter.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "KTTabAppearanceSet.h"
#include "KTTabColorSet.h"
#include "KTTabLook.h"

class CKTTabManager;
class CKTTabManagerItem;
class CKTTabManagerNavigateButton;

enum KTTabPosition
{
    ktTabPositionTop = 0,
    ktTabPositionLeft = 1,
    ktTabPositionBottom = 2,
    ktTabPositionRight = 3
};

enum KTTabLayout
{
    ktTabLayoutNormal = 0,
    ktTabLayoutSizeToFit = 1,
    ktTabLayoutFixedWidth = 2,
    ktTabLayoutSelectedCaption = 3,
    ktTabLayoutMultiRow = 4,
    ktTabLayoutRotated = 5
};

const COLORREF ktTabColorIndexFirst = 0x1000000;
const COLORREF ktTabColorIndexLast = 0x1000007;

class CKTTabPainter : public CCmdTarget
{
public:
    // Told to refresh whenever an option of the painter changes.
    class CObserver
    {
    public:
        virtual void OnPropertyChanged() = 0;

    protected:
        ~CObserver() = default;
    };

    CKTTabPainter();
    ~CKTTabPainter() override;

    virtual void DrawTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl);
    virtual void AdjustClientRect(CKTTabManager* pManager, CRect& rcClient);
    // Lays the strip out and has the manager keep the layout.
    virtual void RepositionTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl);
    // Where the strip's parts go in the rectangle; the tabs and navigate buttons are placed on the way.
    KT_TAB_LAYOUT Layout(CKTTabManager* pManager, CDC* pDC, CRect rcControl);
    virtual void DrawNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect rc);
    // Mode 0 measures and returns the tab's length; mode 1 draws icon, caption and inner buttons.
    virtual int DrawItemContent(CDC* pDC, CKTTabManagerItem* pItem, CRect rcItem, int nMode);
    virtual void RefreshMetrics();
    virtual void OnPropertyChanged();
    virtual void DrawFocusRect(CDC* pDC, CKTTabManagerItem* pItem, CRect rc);

    CKTTabAppearanceSet* SetAppearance(int nAppearance);
    CKTTabAppearanceSet* SetAppearanceSetObject(CKTTabAppearanceSet* pAppearanceSet);
    CKTTabColorSet* SetColor(int nColor);
    CKTTabColorSet* SetColorSetObject(CKTTabColorSet* pColorSet);
    void ApplyLook(const KT_TAB_LOOK& look);
    int GetAppearance() const { return m_nAppearance; }
    int GetColor() const { return m_nColor; }
    CKTTabAppearanceSet* GetAppearanceSet() const { return m_pAppearanceSet.get(); }
    CKTTabColorSet* GetColorSet() const { return m_pColorSet.get(); }
    void SetPosition(int nPosition);
    int GetPosition() const { return m_nPosition; }
    // The side the manager's strip lies on: a manager may place its strip elsewhere than the painter says.
    int PositionOf(const CKTTabManager* pManager) const;
    // The position the sets draw the manager's strip for: the top while a tab is drawn turned.
    int GetDrawPosition(const CKTTabManager* pManager) const
    {
        return m_bDrawingTurned ? ktTabPositionTop : PositionOf(pManager);
    }
    void SetDrawingTurned(BOOL bTurned) { m_bDrawingTurned = bTurned; }
    void SetLayout(int nLayout);
    int GetLayout() const { return m_nLayout; }
    void AddObserver(CObserver* pObserver) { m_arrObservers.push_back(pObserver); }
    void RemoveObserver(CObserver* pObserver);

    void SetFontIndirect(const LOGFONTA* pLogFont, BOOL bUseStandardFont = FALSE);
    CFont* GetFont(BOOL bVertical) { return bVertical ? &m_fntVerticalNormal : &m_fntNormal; }
    CFont* GetBoldFont(BOOL bVertical) { return bVertical ? &m_fntVerticalBold : &m_fntBold; }

    // Lays the tabs of the one row (or the rows) out in the control.
    void RepositionTabRow(CKTTabManager* pManager, CDC* pDC, CRect rcControl, KT_TAB_LAYOUT& layout);
    CRect RepositionNavigateButtons(CKTTabManager* pManager, CRect rcControl);
    void FitTabsToLength(CKTTabManager* pManager, int nAvailable);
    void EnsureVisible(CKTTabManager* pManager, CKTTabManagerItem* pItem);
    void DrawItems(CKTTabManager* pManager, CDC* pDC, CRect rcControl);
    void DrawRowItems(CKTTabManager* pManager, CDC* pDC, const CRect& rcClip, int nRow);
    void DrawClippedRows(CKTTabManager* pManager, CDC* pDC, const CRect& rcClip);

    static COLORREF GetIndexedTabColor(COLORREF clrIndex);
    static BOOL IsIndexedTabColor(COLORREF clr) { return clr >= ktTabColorIndexFirst && clr <= ktTabColorIndexLast; }
    static void AdjustRectByPosition(CRect& rc, int nLeft, int nTop, int nRight, int nBottom, int nPosition);
    static void DeflateRectByPosition(CRect& rc, const CRect& rcMargin, int nPosition);
    BOOL IsLunaColorsDisabled() const;

    BOOL m_bHotTracking = FALSE;
    BOOL m_bShowIcons = TRUE;
    BOOL m_bBoldSelected = FALSE;
    BOOL m_bBoldNormal = FALSE;
    BOOL m_bDisableLunaColors = FALSE;
    BOOL m_bItemColors = FALSE;
    int m_nClientFrame = ktTabClientFrameFull;
    BOOL m_bStaticFrame = FALSE;
    CRect m_rcClientMargin = CRect(0, 0, 0, 0);
    CRect m_rcControlMargin = CRect(0, 0, 0, 0);
    CRect m_rcButtonMargin = CRect(0, 0, 0, 0);
    CRect m_rcCaptionSpacing = CRect(6, 0, 6, 0);
    BOOL m_bInvertGradient = FALSE;
    BOOL m_bFillBackground = TRUE;
    CSize m_szIcon = CSize(16, 16);
    BOOL m_bMiddleEllipsis = FALSE;
    BOOL m_bEndEllipsis = TRUE;
    BOOL m_bNoPrefix = TRUE;
    UINT m_nDrawTextFormat = DT_VCENTER;
    BOOL m_bStripMnemonics = FALSE;
    BOOL m_bMultiRowFixed = FALSE;
    BOOL m_bMultiRowJustified = TRUE;
    BOOL m_bDrawFocusRect = TRUE;
    BOOL m_bSelectOnDragOver = TRUE;
    int m_nExtraTabLength = 0;
    BOOL m_bSelectOnButtonDown = TRUE;
    BOOL m_bClearTypeFonts = FALSE;
    BOOL m_bRotateImagesOnVerticalStrips = FALSE;
    BOOL m_bClipHeader = TRUE;
    CSize m_szNavigateButton = CSize(14, 15);
    int m_nMinTabWidth = 0;
    int m_nMaxTabWidth = 0;
    int m_nFixedTabWidth = 70;
    int m_nToolTipMode = 2;
    BOOL m_bUseStandardFont = TRUE;
    int m_nAutoColorIndex = 0;

private:
    void InstallAppearanceSet(std::unique_ptr<CKTTabAppearanceSet> pAppearanceSet);
    void InstallColorSet(std::unique_ptr<CKTTabColorSet> pColorSet);
    void ReadStandardFont();
    void PlaceRowItems(CKTTabManager* pManager, const CRect& rcControl, int nRowHeight, const KT_TAB_LAYOUT& layout);
    void RepositionMultiRow(CKTTabManager* pManager, CDC* pDC, CRect rcControl, KT_TAB_LAYOUT& layout);
    void ArrangeRows(CKTTabManager* pManager, CDC* pDC, int nAvailable);
    BOOL FillRows(CKTTabManager* pManager, int nAvailable, int nRow, int nFirst, int nRemaining, BOOL bBalanced);
    void SwapRows(CKTTabManager* pManager, int nRow1, int nRow2);
    void PlaceRows(CKTTabManager* pManager, int nAvailable, const CRect& rcHeader);
    static int RowStart(int nPosition, const CRect& rcHeader, const CRect& rcMargin, int nHeight, int nOffset);
    static CRect RotatedItemRect(int nPosition, CRect rcItem, const CRect& rcHeader, int nMargin, int nLength);
    int MeasureItems(CKTTabManager* pManager, CDC* pDC);
    int MeasureContent(CDC* pDC, CKTTabManagerItem* pItem, int nIcon, int nButtons);
    int WidestCaption(CDC* pDC, CKTTabManager* pManager);
    int InnerButtonsLength(CKTTabManagerItem* pItem, BOOL bVertical);
    void DrawInnerButtons(CDC* pDC, CKTTabManagerItem* pItem, CRect& rcContent, BOOL bVertical);
    void DrawCaption(CDC* pDC, CKTTabManagerItem* pItem, CRect rcText, BOOL bVertical);
    void DrawVerticalCaption(CDC* pDC, CString strCaption, CRect rcText);
    void DrawMiddleEllipsis(CDC* pDC, const CString& strCaption, CRect rcText, UINT nFormat);
    void DrawItemIcon(CDC* pDC, CKTTabManagerItem* pItem, CRect& rcContent, CSize szIcon, BOOL bVertical);
    BOOL IsCaptionShown(CKTTabManagerItem* pItem) const;
    CFont* ItemFont(CKTTabManagerItem* pItem, BOOL bVertical);

    std::unique_ptr<CKTTabAppearanceSet> m_pAppearanceSet;
    std::unique_ptr<CKTTabColorSet> m_pColorSet;
    std::vector<CObserver*> m_arrObservers;  // not owned
    int m_nAppearance = 0;
    int m_nColor = 1;
    int m_nPosition = ktTabPositionTop;
    int m_nLayout = ktTabLayoutNormal;
    BOOL m_bDrawingTurned = FALSE;
    CFont m_fntNormal;
    CFont m_fntBold;
    CFont m_fntVerticalNormal;
    CFont m_fntVerticalBold;
};
