// StateTests.cpp: the bars' saved state: round trips through a memory archive, schema gates, ids, damaged archives.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBarList.h"
#include "KTCommandBars.h"
#include "KTCommandBarsState.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "KTPropExchange.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "StateArchive.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{

using Bytes = CStateBytes;

// A list stored and read back at a schema, without restoring it.
void RoundTripList(CKTCommandBars* pCommandBars, CKTCommandBarList& stored, UINT nSchema, CKTCommandBarList& loaded)
{
    KT_PROPEXCHANGE_PARAMS params = {pCommandBars, FALSE, TRUE, NULL};
    Bytes bytes = StoreState(
        [&](CKTPropExchange* pPX)
        {
            pPX->m_nSchema = nSchema;
            pPX->m_pParams = &params;
            pCommandBars->GetState()->SaveCommandBarList(pPX, &stored);
        });
    ASSERT_TRUE(LoadState(bytes,
                          [&](CKTPropExchange* pPX)
                          {
                              pPX->m_nSchema = nSchema;
                              pPX->m_pParams = &params;
                              return pCommandBars->GetState()->LoadCommandBarList(pPX, &loaded);
                          }));
}

CKTControl* FindClipboard(CKTCommandBar* pBar)
{
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (pBar->GetControl(i)->GetCaption() == "Clipboard")
            return pBar->GetControl(i);
    return NULL;
}

using CommandBarState = CStateFixture;

}  // namespace

TEST_F(CommandBarState, RoundTripRestoresCustomisedBarsAndTheSharedPopupOnce)
{
    Customise();
    m_pShared->GetControl(0)->SetCustomIconId(ID_EDIT_COPY);
    const CString strSaved = DescribeBars(m_pCommandBars);
    KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, FALSE, TRUE, NULL};
    CKTCommandBarList list;
    m_pCommandBars->GetState()->GenerateCommandBarList(&list, &params);
    int nShared = 0;
    for (int i = 0; i < list.GetCount(); i++)
        nShared += list.GetAt(i) == m_pShared ? 1 : 0;
    EXPECT_EQ(1, nShared) << "the shared popup goes into the list once";
    Bytes bytes = SaveBars(m_pCommandBars);

    // The user goes on changing things; loading brings the saved state back.
    m_pStandard->GetControls()->RemoveAll();
    m_pSecond->GetControls()->Add(ktControlButton, ID_FILE_NEW);
    m_pShared.Release();
    m_pCommandBars->GetImageManager()->RemoveIcon(ID_EDIT_COPY);
    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    EXPECT_TRUE(m_pCommandBars->GetImageManager()->GetIconSet(ID_EDIT_COPY) != NULL) << "the custom icon comes back";
    EXPECT_EQ(strSaved, DescribeBars(m_pCommandBars));
    EXPECT_FALSE(m_pSecond->IsVisible()) << "the hidden bar stays hidden";
    EXPECT_EQ(3, m_pCommandBars->GetCount()) << "built-in bars take their state; none is added";

    CKTControl* pFirst = FindClipboard(m_pStandard);
    CKTControl* pSecond = FindClipboard(m_pSecond);
    ASSERT_TRUE(pFirst && pSecond);
    ASSERT_TRUE(pFirst->GetCommandBar() != NULL);
    EXPECT_EQ(pFirst->GetCommandBar(), pSecond->GetCommandBar()) << "both controls link to one loaded bar";
    EXPECT_EQ(2, pFirst->GetCommandBar()->GetControlCount());
    EXPECT_TRUE(m_pStandard->IsCustomized()) << "the original controls come back beside the customised ones";
}

TEST_F(CommandBarState, UserToolBarIsCreatedAndContextMenuAdded)
{
    CKTToolBar* pUser = AddUserBars();
    ASSERT_TRUE(pUser != NULL);
    Bytes bytes = SaveBars(m_pCommandBars);
    m_pCommandBars->Remove(pUser);
    m_pCommandBars->GetContextMenus()->RemoveAll();

    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    CKTToolBar* pLoaded = m_pCommandBars->GetToolBar(300);
    ASSERT_TRUE(pLoaded != NULL);
    EXPECT_EQ(ktBarFloating, pLoaded->GetPosition());
    EXPECT_TRUE(::IsWindow(pLoaded->GetSafeHwnd()));
    EXPECT_FALSE(pLoaded->IsBuiltIn());
    EXPECT_EQ(CString("Mine"), pLoaded->GetTitle());
    ASSERT_EQ(1, m_pCommandBars->GetContextMenus()->GetCount());
    CKTCommandBar* pLoadedMenu = m_pCommandBars->GetContextMenus()->GetAt(0);
    EXPECT_EQ(700u, pLoadedMenu->GetBarID());
    EXPECT_EQ(ID_EDIT_CUT, pLoadedMenu->GetControl(0)->GetID());
    EXPECT_TRUE(pLoadedMenu->GetControls()->GetOriginalControls() != NULL) << "the loaded menu becomes the original";
}

// A bar made from a menu keeps its kind in the saved state: loaded, it floats with its entries in a column again.
TEST_F(CommandBarState, ABarMadeFromAMenuFloatsAsAColumnWhenLoaded)
{
    CKTToolBar* pUser = AddUserBars();
    ASSERT_TRUE(pUser != NULL);
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    for (LPCSTR lpszCaption : {"&Open", "&Close the whole file"})
        pMenu->GetControls()->Add(ktControlButton, ID_FILE_OPEN)->SetCaption(lpszCaption);
    pUser->Copy(pMenu, TRUE);
    pUser->SetBarID(300);
    ASSERT_TRUE(pUser->SetPosition(ktBarFloating));
    Bytes bytes = SaveBars(m_pCommandBars);
    m_pCommandBars->Remove(pUser);

    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    CKTToolBar* pLoaded = m_pCommandBars->GetToolBar(300);
    ASSERT_TRUE(pLoaded != NULL);
    EXPECT_EQ(ktBarTypePopup, pLoaded->GetType());
    ASSERT_EQ(ktBarFloating, pLoaded->GetPosition());
    pLoaded->OnRecalcLayout();
    const CRect rcFirst = pLoaded->GetControl(0)->GetRect(), rcSecond = pLoaded->GetControl(1)->GetRect();
    EXPECT_EQ(rcFirst.bottom, rcSecond.top);
    EXPECT_EQ(rcFirst.left, rcSecond.left);
}

TEST_F(CommandBarState, SaveOnlyCustomizedLeavesUntouchedBarsOut)
{
    KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, TRUE, TRUE, NULL};
    CKTCommandBarList list;
    m_pCommandBars->GetState()->GenerateCommandBarList(&list, &params);
    EXPECT_FALSE(list.Lookup(m_pStandard));
    EXPECT_FALSE(list.Lookup(m_pSecond));
    m_pSecond->GetControls()->Add(ktControlButton, ID_EDIT_CUT);
    list.RemoveAll();
    m_pCommandBars->GetState()->GenerateCommandBarList(&list, &params);
    EXPECT_TRUE(list.Lookup(m_pSecond));
    EXPECT_FALSE(list.Lookup(m_pStandard));
    m_pStandard->SetSaveAlways(TRUE);
    list.RemoveAll();
    m_pCommandBars->GetState()->GenerateCommandBarList(&list, &params);
    EXPECT_TRUE(list.Lookup(m_pStandard)) << "a bar that asks to be saved always is";
}

// The program's own bar comes back where the user put it, as wide as it floated and as it looked.
TEST_F(CommandBarState, ABuiltInBarTakesItsSavedPlaceWidthAndLook)
{
    ASSERT_TRUE(m_pSecond->SetPosition(ktBarLeft));
    m_pSecond->SetMRUWidth(150);
    m_pSecond->SetShowGripper(FALSE);
    m_pSecond->SetCloseable(FALSE);
    m_pSecond->SetFlags(0, 16);
    const DWORD dwFlags = m_pSecond->GetFlags();
    const Bytes bytes = SaveBars(m_pCommandBars);

    ASSERT_TRUE(m_pSecond->SetPosition(ktBarTop));
    m_pSecond->SetMRUWidth(32767);
    m_pSecond->SetShowGripper(TRUE);
    m_pSecond->SetCloseable(TRUE);
    m_pSecond->SetFlags(16, 0);
    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    EXPECT_EQ(ktBarLeft, m_pSecond->GetPosition());
    EXPECT_EQ(m_pCommandBars->GetDockBar(ktBarLeft), m_pSecond->GetDockBar());
    EXPECT_EQ(150, m_pSecond->GetMRUWidth());
    EXPECT_FALSE(m_pSecond->GetShowGripper());
    EXPECT_FALSE(m_pSecond->IsCloseable());
    EXPECT_EQ(dwFlags, m_pSecond->GetFlags());
}

TEST_F(CommandBarState, GeneratedIdsNumberBarsWithoutOneAndKeepOwnIdsUnlessTaken)
{
    CKTToolBar* pBar = m_pSecond;
    const UINT ids[] = {0, 20000000, 500, 500};
    std::vector<CKTSmartPtr<CKTPopupBar>> popups;
    for (UINT nId : ids)
    {
        popups.push_back(CKTPopupBar::CreatePopupBar(m_pCommandBars));
        popups.back()->SetBarID(nId);
        static_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0))->SetCommandBar(popups.back());
    }
    KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, FALSE, FALSE, NULL};
    CKTCommandBarList list;
    DWORD nNextId = 0x1000000;
    pBar->GenerateCommandBarList(nNextId, &list, &params);
    EXPECT_EQ(0x1000000u, popups[0]->GetBarID());
    EXPECT_EQ(0x1000001u, popups[1]->GetBarID());
    EXPECT_EQ(500u, popups[2]->GetBarID());
    EXPECT_EQ(0x1000002u, popups[3]->GetBarID()) << "a second bar of id 500 would take the first one's place";
}

TEST_F(CommandBarState, SchemaGatesOfCloseableTextBelowIconsAndCustomStyle)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    pMenuBar->SetCloseable(TRUE);
    m_pSecond->GetControls()->FindControl(ID_EDIT_UNDO)->SetCustomStyle(0);
    m_pSecond->SetTextBelowIcons(TRUE);
    for (UINT nSchema : {10u, 16u, 17u, 23u})
    {
        CKTCommandBarList stored, loaded;
        stored.Add(pMenuBar);
        stored.Add(m_pSecond);
        RoundTripList(m_pCommandBars, stored, nSchema, loaded);
        ASSERT_EQ(2, loaded.GetCount());
        auto* pLoadedMenu = dynamic_cast<CKTMenuBar*>(loaded.GetAt(0));
        auto* pLoadedBar = dynamic_cast<CKTToolBar*>(loaded.GetAt(1));
        ASSERT_TRUE(pLoadedMenu && pLoadedBar);
        EXPECT_EQ(nSchema > 16, pLoadedMenu->IsCloseable()) << "schema " << nSchema;
        EXPECT_TRUE(pLoadedBar->IsCloseable()) << "other toolbars keep theirs, schema " << nSchema;
        // Below 18 the key is not stored, so the bar follows the options (off) again.
        EXPECT_EQ(nSchema > 17, pLoadedBar->IsTextBelowIcons()) << "schema " << nSchema;
        EXPECT_EQ(nSchema < 18 ? -1 : 0, pLoadedBar->GetControls()->FindControl(ID_EDIT_UNDO)->GetCustomStyle())
            << "schema " << nSchema;
        EXPECT_EQ(IDR_TESTFRAME, (int)pLoadedMenu->GetResourceId());
    }
}

TEST_F(CommandBarState, TemporaryControlsAreNeverWritten)
{
    m_pSecond->GetControls()->RemoveAll();
    m_pSecond->GetControls()->Add(ktControlButton, ID_EDIT_CUT, NULL, -1, TRUE);
    CKTCommandBarList stored, loaded;
    stored.Add(m_pSecond);
    RoundTripList(m_pCommandBars, stored, CKTPropExchange::ktSchemaCurrent, loaded);
    ASSERT_EQ(1, loaded.GetCount());
    EXPECT_EQ(0, loaded.GetAt(0)->GetControlCount());
}

// Archives that a save could never write: each fails the load and leaves the bars as they were.
TEST_F(CommandBarState, InconsistentArchivesFailAndChangeNothing)
{
    Customise();
    const CString strBefore = DescribeBars(m_pCommandBars);
    KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, FALSE, TRUE, NULL};
    auto storeList = [&](CKTCommandBarList& list)
    {
        return StoreState(
            [&](CKTPropExchange* pPX)
            {
                pPX->ExchangeSchema();
                pPX->m_pParams = &params;
                m_pCommandBars->GetState()->SaveCommandBarList(pPX, &list);
            });
    };
    m_pShared->SetBarID(0x1000000);
    CKTControlPopup* pLoop = static_cast<CKTControlPopup*>(m_pShared->GetControls()->Add(ktControlPopup, 0));
    pLoop->SetCommandBar(m_pShared);
    CKTCommandBarList cycle;
    cycle.Add(m_pShared);
    EXPECT_FALSE(LoadBars(m_pCommandBars, storeList(cycle))) << "a popup that opens itself";
    m_pShared->GetControls()->Remove(pLoop);

    CKTCommandBarList popupAsToolBar;
    popupAsToolBar.Add(m_pStandard);
    m_pShared->SetBarID(100);  // the popup control now names the toolbar
    popupAsToolBar.Add(m_pShared);
    EXPECT_FALSE(LoadBars(m_pCommandBars, storeList(popupAsToolBar)));
    EXPECT_EQ(strBefore, DescribeBars(m_pCommandBars));
}

// A popup control naming a bar the archive lacks costs only that popup's contents, not the user's other changes.
TEST_F(CommandBarState, ALinkToAMissingBarKeepsTheRestOfTheState)
{
    Customise();
    const int nControls = m_pStandard->GetControlCount();
    KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, FALSE, TRUE, NULL};
    CKTCommandBarList linkToMissingBar;
    linkToMissingBar.Add(m_pStandard);
    m_pShared->SetBarID(0x1000000);
    const Bytes bytes = StoreState(
        [&](CKTPropExchange* pPX)
        {
            pPX->ExchangeSchema();
            pPX->m_pParams = &params;
            m_pCommandBars->GetState()->SaveCommandBarList(pPX, &linkToMissingBar);
        });
    m_pStandard->GetControls()->RemoveAll();
    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    ASSERT_EQ(nControls, m_pStandard->GetControlCount()) << "the customised bar came back";
    int nPopup = 0;
    while (nPopup < nControls && m_pStandard->GetControl(nPopup)->GetCaption() != "Clipboard")
        nPopup++;
    ASSERT_LT(nPopup, nControls);
    EXPECT_EQ(NULL, m_pStandard->GetControl(nPopup)->GetCommandBar()) << "no bar of that id to open";
    m_pStandard->SetTrackingMode(ktTrackingOn, FALSE, TRUE);
    m_pStandard->SetSelected(nPopup, ktSelectionKeyboard);
    m_pStandard->SetPopuped(nPopup);
    EXPECT_EQ(-1, m_pStandard->GetPopuped()) << "opening it opens nothing";
    m_pStandard->SetTrackingMode(ktTrackingNone);
}

// Truncations all through a real archive fail the load and changes nothing; the fuzzer tries the rest.
TEST_F(CommandBarState, DamagedArchivesFailCleanly)
{
    Customise();
    m_pShared->GetControl(0)->SetCustomIconId(ID_EDIT_COPY);
    const Bytes bytes = SaveBars(m_pCommandBars);
    CKTImageManager* pImages = m_pCommandBars->GetImageManager();
    for (size_t cb = 0; cb < bytes.size(); cb += 11)
    {
        const CString strBefore = DescribeBars(m_pCommandBars);
        CKTImageManagerIconSet* pIcons = pImages->GetIconSet(ID_EDIT_COPY);
        ASSERT_FALSE(LoadBars(m_pCommandBars, Bytes(bytes.begin(), bytes.begin() + cb))) << cb;
        ASSERT_EQ(strBefore, DescribeBars(m_pCommandBars)) << "truncated at " << cb;
        ASSERT_EQ(pIcons, pImages->GetIconSet(ID_EDIT_COPY)) << "no loaded icon replaces the bars' own";
    }
    PumpMessages();
}

// The program's own layout of a bar changed after the state was saved.
TEST_F(CommandBarState, ChangedProgramLayoutWinsOverAnUntouchedSavedBar)
{
    const Bytes untouched = SaveBars(m_pCommandBars);
    m_pSecond->GetControls()->Add(ktControlButton, ID_EDIT_CUT);
    const Bytes customised = SaveBars(m_pCommandBars);
    m_pSecond->GetControls()->RemoveAll();
    m_pSecond->GetControls()->Add(ktControlButton, ID_EDIT_UNDO);
    m_pSecond->GetControls()->Add(ktControlButton, ID_FILE_NEW);
    m_pSecond->GetControls()->CreateOriginalControls();
    const CString strNewLayout = DescribeBar(m_pSecond);

    ASSERT_TRUE(LoadBars(m_pCommandBars, untouched));
    EXPECT_EQ(strNewLayout, DescribeBar(m_pSecond)) << "a bar the user never changed takes the new layout";
    ASSERT_TRUE(LoadBars(m_pCommandBars, customised));
    EXPECT_EQ(strNewLayout, DescribeBar(m_pSecond)) << "silently, the customised one is not taken either";
}
