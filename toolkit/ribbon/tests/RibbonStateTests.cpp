// RibbonStateTests.cpp: the ribbon's saved state: the quick access controls, the toolbar's place and the minimised
// state round-trip; "Minimized" only above schema 18; a damaged state changes nothing.
#include "KTCommandBars.h"
#include "KTCommandBarsState.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTRibbonControlTab.h"
#include "KTPropExchange.h"
#include "KTRibbonBar.h"
#include "KTRibbonQuickAccess.h"
#include "MessagePump.h"
#include "RibbonInputFrame.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{
using CBytes = std::vector<BYTE>;

using CExchange = std::function<void(CKTPropExchange*)>;

CBytes Store(const CExchange& exchange, UINT nSchema = CKTPropExchange::ktSchemaCurrent)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        px.m_nSchema = nSchema;
        exchange(&px);
    }
    CBytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

CBytes Store(CKTRibbonBar* pBar, UINT nSchema)
{
    return Store([pBar](CKTPropExchange* pPX) { pBar->DoPropExchange(pPX); }, nSchema);
}

// FALSE when the exchange failed or threw.
BOOL Load(const CExchange& exchange, CBytes bytes, UINT nSchema = CKTPropExchange::ktSchemaCurrent)
{
    CMemFile file(bytes.empty() ? NULL : bytes.data(), (UINT)bytes.size());
    try
    {
        CArchive ar(&file, CArchive::load);
        CKTPropExchangeArchive px(ar);
        px.m_nSchema = nSchema;
        exchange(&px);
        return !px.IsFailed();
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
}

BOOL Load(CKTRibbonBar* pBar, CBytes bytes, UINT nSchema)
{
    return Load([pBar](CKTPropExchange* pPX) { pBar->DoPropExchange(pPX); }, bytes, nSchema);
}

// What a user sees of the toolbar: ids and captions in order, where it is, whether the ribbon is minimised.
CString Describe(CKTRibbonBar* pBar)
{
    CString str;
    CKTRibbonQuickAccessControls* pQuick = pBar->GetQuickAccessControls();
    for (int i = 0; i < pQuick->GetCount(); i++)
    {
        CKTControl* pControl = pQuick->GetAt(i);
        str.AppendFormat("%d %s %d|", pControl->GetID(), (LPCSTR)pControl->GetCaption(),
                         pBar->GetControls()->GetAt(pControl->GetIndex()) == pControl);
    }
    str.AppendFormat("below %d minimised %d", pBar->IsQuickAccessBelowRibbon(), pBar->IsRibbonMinimized());
    return str;
}

class RibbonState : public ::testing::Test
{
protected:
    RibbonState() : m_pSaved(m_saved.GetRibbon()), m_pTarget(m_target.GetRibbon())
    {
        CTestRibbonGroup* pGroup = m_saved.AddGroup(0, {"Paste", "Cut"}, 200);
        m_pSaved->AddToQuickAccess(pGroup->GetAt(1));
        m_pSaved->AddToQuickAccess(pGroup->GetAt(0));
        m_pSaved->SetQuickAccessBelow(TRUE);
        m_pSaved->SetMinimized(TRUE);
        CTestRibbonGroup* pOther = m_target.AddGroup(0, {"Undo"}, 300);
        m_pTarget->AddToQuickAccess(pOther->GetAt(0));
        PumpMessages();
    }

    CRibbonInputFrame m_saved, m_target;
    CKTRibbonBar* m_pSaved;
    CKTRibbonBar* m_pTarget;
};
}  // namespace

TEST_F(RibbonState, TheToolbarItsPlaceAndTheMinimisedStateRoundTrip)
{
    ASSERT_TRUE(Load(m_pTarget, Store(m_pSaved, CKTPropExchange::ktSchemaCurrent), CKTPropExchange::ktSchemaCurrent));
    EXPECT_EQ("201 Cut 1|200 Paste 1|below 1 minimised 1", Describe(m_pTarget));
    EXPECT_EQ(NULL, m_pTarget->GetSelectedTab());
    PumpMessages();
    EXPECT_TRUE(m_pTarget->GetQuickAccessControls()->GetAt(0)->IsVisible()) << "laid out below the tab row";
}

TEST_F(RibbonState, MinimizedIsKeptOnlyAboveSchema18)
{
    const CBytes at18 = Store(m_pSaved, 18), at19 = Store(m_pSaved, 19);
    ASSERT_TRUE(Load(m_pTarget, at18, 18));
    EXPECT_EQ("201 Cut 1|200 Paste 1|below 1 minimised 0", Describe(m_pTarget));
    ASSERT_TRUE(Load(m_pTarget, at19, 19));
    EXPECT_EQ("201 Cut 1|200 Paste 1|below 1 minimised 1", Describe(m_pTarget));
}

TEST_F(RibbonState, ADamagedStateFailsAndChangesNothing)
{
    const CString strBefore = Describe(m_pTarget);
    const CBytes whole = Store(m_pSaved, CKTPropExchange::ktSchemaCurrent);
    for (size_t nCut : {(size_t)0, (size_t)2, whole.size() / 2, whole.size() - 1})
    {
        EXPECT_FALSE(Load(m_pTarget, CBytes(whole.begin(), whole.begin() + nCut), CKTPropExchange::ktSchemaCurrent))
            << nCut;
        EXPECT_EQ(strBefore, Describe(m_pTarget)) << nCut;
    }
    // A control class nobody knows.
    CBytes renamed = whole;
    const std::string strClass = "CKTControlButton";
    auto it = std::search(renamed.begin(), renamed.end(), strClass.begin(), strClass.end());
    ASSERT_TRUE(it != renamed.end());
    *(it + 4) = 'X';
    EXPECT_FALSE(Load(m_pTarget, renamed, CKTPropExchange::ktSchemaCurrent));
    EXPECT_EQ(strBefore, Describe(m_pTarget));
}

TEST_F(RibbonState, AllTheBarsSavedAndLoadedKeepTheToolbarAndTheTargetsOwnTabsAndGroups)
{
    // A menu on the toolbar too: its popup is saved as a bar of its own and linked back on loading.
    CKTCommandBars* pSaved = m_saved.GetCommandBars();
    CTestRibbonGroup* pGroup = m_saved.AddGroup(1, {}, 0);
    auto* pMenu = static_cast<CKTControlPopup*>(pGroup->AddControl(ktControlPopup, 210));
    pMenu->SetCaption("Menu");
    CKTSmartPtr<CKTPopupBar> pItems = CKTPopupBar::CreatePopupBar(pSaved);
    pItems->GetControls()->Add(ktControlButton, 211);
    pMenu->SetCommandBar(pItems);
    m_pSaved->AddToQuickAccess(pMenu);
    const CBytes bytes = Store([pSaved](CKTPropExchange* pPX) { pSaved->GetState()->SaveCommandBars(pPX); });
    CKTCommandBars* pTarget = m_target.GetCommandBars();
    ASSERT_TRUE(
        Load([pTarget](CKTPropExchange* pPX) { ASSERT_TRUE(pTarget->GetState()->LoadCommandBars(pPX)); }, bytes));
    EXPECT_EQ(m_pTarget, pTarget->GetMenuBar()) << "the ribbon stays the frame's";
    EXPECT_EQ("201 Cut 1|200 Paste 1|210 Menu 1|below 1 minimised 1", Describe(m_pTarget));
    CKTCommandBar* pLoadedItems = m_pTarget->GetQuickAccessControls()->GetAt(2)->GetCommandBar();
    ASSERT_TRUE(pLoadedItems != NULL);
    EXPECT_EQ(211, pLoadedItems->GetControl(0)->GetID());
    EXPECT_EQ(3, m_pTarget->GetControlTab()->GetItemCount());
    EXPECT_TRUE(m_pTarget->GetControls()->FindControl(300) != NULL) << "the target's own group control";
}

TEST_F(RibbonState, ACloneHasCopiesOfTheToolbar)
{
    CKTSmartPtr<CKTCommandBar> pClone = CKTSmartPtr<CKTCommandBar>::Adopt(m_pSaved->Clone(TRUE));
    auto* pRibbon = dynamic_cast<CKTRibbonBar*>(pClone.GetInterface());
    ASSERT_TRUE(pRibbon != NULL);
    EXPECT_EQ(Describe(m_pSaved), Describe(pRibbon));
    EXPECT_NE(m_pSaved->GetQuickAccessControls()->GetAt(0), pRibbon->GetQuickAccessControls()->GetAt(0));
}
