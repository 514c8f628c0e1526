// KTTabColorSet8.h: tabs, client and buttons drawn by the system's visual styles when they are on.
//
// Classes: CKTTabColorSet8.
#pragma once

#include "KTTabColorSetDefault.h"
#include "KTWinThemeWrapper.h"

class CKTTabColorSet8 : public CKTTabColorSetDefault
{
public:
    void RefreshMetrics() override;
    COLORREF FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem) override;
    COLORREF FillClient(CDC* pDC, CRect rc, CKTTabManager* pManager) override;
    void FillSelectedButton(CDC* pDC, CRect rc, CKTTabManagerItem* pItem) override;
    void FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc) override;
    void ExcludeClientCorner(CDC* pDC, CRect rc, CKTTabManager* pManager) override;
    BOOL IsVisualStyle() const override;

private:
    BOOL IsToolbarThemed() const;

    CKTWinThemeWrapper m_themeTab;
    CKTWinThemeWrapper m_themeToolbar;
};
