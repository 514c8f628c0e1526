// AccessibilityTests.cpp: a tool bar, the menu bar and a gallery as a screen reader reads them: names, roles,
// states, places and default actions.
#include "AccessibleClient.h"
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControlGallery.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

namespace
{
class AccessibilityTest : public CFrameFixture
{
protected:
    AccessibilityTest() : CFrameFixture(0, TRUE) {}
    CKTToolBar* Bar() const { return m_pFrame->m_pStandard; }
    int IndexOf(CKTCommandBar* pBar, int nId) const
    {
        CKTControl* pControl = pBar->GetControls()->FindControl(nId);
        return pControl ? pControl->GetIndex() : -1;
    }
};
}  // namespace

TEST_F(AccessibilityTest, AToolBarReadsAsButtonsWithNamesStatesAndPlaces)
{
    CComHolder<IAccessible> bar;
    AccClientObject(Bar()->GetSafeHwnd(), bar);
    EXPECT_EQ(CString("Standard"), AccName(bar.p));
    EXPECT_EQ(ROLE_SYSTEM_TOOLBAR, AccRole(bar.p));
    EXPECT_EQ(0, AccState(bar.p));
    long nChildren = 0;
    ASSERT_EQ(S_OK, bar->get_accChildCount(&nChildren));
    EXPECT_EQ(Bar()->GetControlCount(), nChildren);
    CComHolder<IDispatch> none;
    EXPECT_EQ(E_INVALIDARG, bar->get_accChild(AccChild(nChildren + 1), &none));

    const int nCut = IndexOf(Bar(), ID_EDIT_CUT);
    ASSERT_GE(nCut, 0);
    CComHolder<IAccessible> cut;
    AccChildObject(bar.p, nCut + 1, cut);
    EXPECT_EQ(CString("Cut"), AccName(cut.p)) << "the caption without its access key";
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, AccRole(cut.p));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, AccState(cut.p));
    BSTR bstr = nullptr;
    ASSERT_EQ(S_OK, cut->get_accDefaultAction(AccChild(CHILDID_SELF), &bstr));
    EXPECT_EQ(CString("Click"), AccText(bstr));
    ASSERT_EQ(S_OK, cut->get_accDescription(AccChild(CHILDID_SELF), &bstr));
    EXPECT_EQ(CString("Cut the selection and put it on the Clipboard"), AccText(bstr));
    EXPECT_EQ(E_INVALIDARG, cut->get_accName(AccChild(1), &bstr));

    CRect rcCut = Bar()->GetControl(nCut)->GetRect();
    Bar()->ClientToScreen(&rcCut);
    EXPECT_EQ(rcCut, AccLocation(cut.p));
    CComHolder<IAccessible> hit;
    AccHitObject(bar.p, rcCut.CenterPoint(), hit);
    EXPECT_EQ(CString("Cut"), AccName(hit.p));
    CComHolder<IAccessible> parent;
    AccParentObject(cut.p, parent);
    EXPECT_EQ(CString("Standard"), AccName(parent.p));

    m_pFrame->m_commands.clear();
    ASSERT_EQ(S_OK, cut->accDoDefaultAction(AccChild(CHILDID_SELF)));
    PumpMessages();
    ASSERT_EQ(1u, m_pFrame->m_commands.size()) << "the default action runs the command";
    EXPECT_EQ((UINT)ID_EDIT_CUT, m_pFrame->m_commands[0]);

    Bar()->GetControl(nCut)->SetEnabled(FALSE);
    Bar()->GetControl(nCut)->SetChecked(TRUE);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED, AccState(cut.p));
}

TEST_F(AccessibilityTest, ABarAnswersForEachControlByChildId)
{
    CComHolder<IAccessible> bar;
    AccClientObject(Bar()->GetSafeHwnd(), bar);
    const int nCut = IndexOf(Bar(), ID_EDIT_CUT);
    ASSERT_GE(nCut, 0);
    const long nChild = nCut + 1;
    EXPECT_EQ(CString("Cut"), AccName(bar.p, nChild));
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, AccRole(bar.p, nChild));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE, AccState(bar.p, nChild));
    CRect rcCut = Bar()->GetControl(nCut)->GetRect();
    rcCut.OffsetRect(CKTWindowRect(Bar()).TopLeft());
    EXPECT_EQ(rcCut, AccLocation(bar.p, nChild));

    Bar()->SetSelected(nCut, TRUE);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED |
                  STATE_SYSTEM_HOTTRACKED,
              AccState(bar.p, nChild));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE, AccState(bar.p, nChild + 1)) << "only the selected";
    Bar()->SetSelected(-1, FALSE);

    BSTR bstr = nullptr;
    VARIANT var = {};
    const long nPastEnd = Bar()->GetControlCount() + 1;
    EXPECT_EQ(E_INVALIDARG, bar->get_accName(AccChild(nPastEnd), &bstr));
    EXPECT_EQ(E_INVALIDARG, bar->get_accRole(AccChild(nPastEnd), &var));
    EXPECT_EQ(E_INVALIDARG, bar->get_accState(AccChild(-1), &var));
    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(E_INVALIDARG, bar->accLocation(&x, &y, &cx, &cy, AccChild(nPastEnd)));
}

// A right-to-left bar's client x runs from its right edge: its children are where they are drawn, as the
// controls themselves report.
TEST_F(AccessibilityTest, ARightToLeftBarPlacesItsChildrenWhereTheControlsSay)
{
    m_pFrame->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    CKTToolBar* pBar = m_pCommandBars->Add("Third", ktBarFloating);
    m_pFrame->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    ASSERT_TRUE(pBar != NULL && pBar->GetSafeHwnd() != NULL);
    ASSERT_TRUE(pBar->GetExStyle() & WS_EX_LAYOUTRTL);
    pBar->GetControls()->Add(ktControlButton, ID_EDIT_CUT)->SetCaption("First wide caption");
    pBar->GetControls()->Add(ktControlButton, ID_EDIT_COPY)->SetCaption("Second wide caption");
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();

    CComHolder<IAccessible> bar;
    AccClientObject(pBar->GetSafeHwnd(), bar);
    const int nCut = IndexOf(pBar, ID_EDIT_CUT);
    ASSERT_GE(nCut, 0);
    CComHolder<IAccessible> cut;
    AccChildObject(bar.p, nCut + 1, cut);
    CRect rcDrawn = pBar->GetControl(nCut)->GetRect();
    pBar->ClientToScreen(&rcDrawn);
    EXPECT_EQ(rcDrawn, AccLocation(bar.p, nCut + 1));
    EXPECT_EQ(AccLocation(cut.p), AccLocation(bar.p, nCut + 1));
}

TEST_F(AccessibilityTest, AMenuNamesItsItemsWithTheirShortcuts)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(1, TRUE));
    CKTCommandBar* pPopup = pMenuBar->GetControl(1)->GetCommandBar();
    ASSERT_TRUE(PumpUntil([&] { return pPopup->GetSafeHwnd() && pPopup->IsWindowVisible(); }));
    CComHolder<IAccessible> items;
    AccClientObject(pPopup->GetSafeHwnd(), items);
    EXPECT_EQ(CString("Undo\tCtrl+Z"), AccName(items.p, 1));
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, AccRole(items.p, 1));
    pMenuBar->SetTrackingMode(ktTrackingNone);
}

TEST_F(AccessibilityTest, TheMenuBarReadsAsMenusWhoseDefaultActionOpensThem)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CComHolder<IAccessible> menu;
    AccClientObject(pMenuBar->GetSafeHwnd(), menu);
    EXPECT_EQ(ROLE_SYSTEM_MENUBAR, AccRole(menu.p));
    CComHolder<IAccessible> edit;
    AccChildObject(menu.p, 2, edit);
    EXPECT_EQ(CString("Edit"), AccName(edit.p));
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, AccRole(edit.p));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HASPOPUP, AccState(edit.p));
    long nChildren = 0;
    ASSERT_EQ(S_OK, edit->get_accChildCount(&nChildren));
    EXPECT_EQ(1, nChildren) << "its menu";

    ASSERT_EQ(S_OK, edit->accDoDefaultAction(AccChild(CHILDID_SELF)));
    CKTCommandBar* pPopup = pMenuBar->GetControl(1)->GetCommandBar();
    ASSERT_TRUE(PumpUntil([&] { return pPopup->GetSafeHwnd() && pPopup->IsWindowVisible(); }));
    EXPECT_TRUE(AccState(edit.p) & STATE_SYSTEM_SELECTED);
    CComHolder<IAccessible> items;
    AccChildObject(edit.p, 1, items);
    EXPECT_EQ(ROLE_SYSTEM_MENUPOPUP, AccRole(items.p));
    CComHolder<IAccessible> undo;
    AccChildObject(items.p, 1, undo);
    EXPECT_EQ(CString("Undo\tCtrl+Z"), AccName(undo.p));
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, AccRole(undo.p));
    CComHolder<IAccessible> back;
    AccParentObject(items.p, back);
    EXPECT_EQ(CString("Edit"), AccName(back.p)) << "a menu's parent is the item that opened it";
    pMenuBar->SetTrackingMode(ktTrackingNone);
}

TEST_F(AccessibilityTest, AGalleryReadsAsAListOfItems)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<CKTControlGalleryItems>();
    pItems->SetItemSize(CSize(40, 20));
    pItems->AddLabel("Shapes");
    pItems->AddItem("&Box", 7);
    pItems->AddItem("Ring", 8);
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControlGallery* pGallery =
        static_cast<CKTControlGallery*>(pPopup->GetControls()->Add(ktControlGallery, ID_TEST_ENABLED));
    pGallery->SetItems(pItems);
    pGallery->SetChosenItem(8);
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    PumpMessages();

    CComHolder<IAccessible> popup;
    AccClientObject(pPopup->GetSafeHwnd(), popup);
    CComHolder<IAccessible> gallery;
    AccChildObject(popup.p, 1, gallery);
    EXPECT_EQ(ROLE_SYSTEM_LIST, AccRole(gallery.p));
    long nChildren = 0;
    ASSERT_EQ(S_OK, gallery->get_accChildCount(&nChildren));
    EXPECT_EQ(3, nChildren);
    EXPECT_EQ(CString("Box"), AccName(gallery.p, 2));
    EXPECT_EQ(ROLE_SYSTEM_LISTITEM, AccRole(gallery.p, 2));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, AccState(gallery.p, 3));
    BSTR bstr = nullptr;
    EXPECT_EQ(E_INVALIDARG, gallery->get_accName(AccChild(4), &bstr));

    ASSERT_EQ(S_OK, gallery->accDoDefaultAction(AccChild(2)));
    EXPECT_EQ(1, pGallery->GetHotItem());
    EXPECT_TRUE(AccState(gallery.p, 2) & STATE_SYSTEM_FOCUSED);
    CRect rcItem = pGallery->GetItemDrawRect(1);
    pPopup->ClientToScreen(&rcItem);
    EXPECT_EQ(rcItem, AccLocation(gallery.p, 2));
    VARIANT var = {};
    ASSERT_EQ(S_OK, gallery->accHitTest(rcItem.CenterPoint().x, rcItem.CenterPoint().y, &var));
    EXPECT_EQ(VT_I4, var.vt);
    EXPECT_EQ(2, var.lVal);
    pPopup->SetTrackingMode(ktTrackingNone);
}
