// RibbonSystemMenuTests.cpp: the system menu's bottom row, placed from the right edge leftwards.
#include "KTControls.h"
#include "KTRibbonBar.h"
#include "KTRibbonSystemButton.h"
#include "MessagePump.h"
#include "RibbonTestFrame.h"

#include <gtest/gtest.h>

namespace
{
// A bottom-row button of a fixed width.
class CFixedButton : public CKTRibbonControlSystemPopupBarButton
{
public:
    explicit CFixedButton(int nWidth) : m_nFixed(nWidth) {}
    CSize GetSize(CDC*) override { return CSize(m_nFixed, 22); }

private:
    int m_nFixed;
};

CKTSmartPtr<CKTRibbonSystemPopupBar> MakeMenu(CKTRibbonBar* pBar, int nItemWidth)
{
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = KTMakeCounted<CKTRibbonSystemPopupBar>();
    pMenu->SetCommandBars(pBar->GetCommandBars());
    CKTControl* pItem = pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 250);
    pItem->SetCaption("&New");
    pItem->SetWidth(nItemWidth);
    for (int nWidth : {50, 40, 60})
        pMenu->GetControls()->Add(KTMakeCounted<CFixedButton>(nWidth), 260 + nWidth);
    return pMenu;
}

}  // namespace

TEST(RibbonSystemMenu, BottomRowButtonsStandFromTheRightEdgeLeftwards)
{
    CRibbonTestFrame frame;
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(frame.GetRibbon(), 300 - 12);
    const CSize sz = pMenu->CalcDynamicLayout(0, 0);
    ASSERT_EQ(300, sz.cx);
    std::vector<CRect> rects;
    for (int i = 1; i <= 3; i++)
        rects.push_back(pMenu->GetControl(i)->GetRect());
    EXPECT_EQ((std::vector<CRect>{CRect(133, sz.cy - 25, 183, sz.cy - 3), CRect(189, sz.cy - 25, 229, sz.cy - 3),
                                  CRect(235, sz.cy - 25, 295, sz.cy - 3)}),
              rects);

    // Without them the menu is a popup bar with its own borders.
    CKTSmartPtr<CKTRibbonSystemPopupBar> pPlain = KTMakeCounted<CKTRibbonSystemPopupBar>();
    pPlain->SetCommandBars(frame.GetCommandBars());
    pPlain->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 250);
    EXPECT_EQ(CSize(6 + 300 + 6, 18 + 21 + 29), pPlain->CalcDynamicLayout(0, 0));
}
