// RibbonStateTests.cpp: the ribbon's saved state: the quick access controls, the toolbar's place and the minimised
// state round-trip; "Minimized" only above schema 18; a damaged state changes nothing.
#include "KTControls.h"
#include "KTPropExchange.h"
#include "KTRibbonBar.h"
#include "KTRibbonQuickAccess.h"
#include "MessagePump.h"
#include "RibbonInputFrame.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using CBytes = std::vector<BYTE>;

CBytes Store(CKTRibbonBar* pBar, UINT nSchema)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        px.m_nSchema = nSchema;
        pBar->DoPropExchange(&px);
    }
    CBytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// FALSE when the exchange failed or threw.
BOOL Load(CKTRibbonBar* pBar, CBytes bytes, UINT nSchema)
{
    CMemFile file(bytes.empty() ? NULL : bytes.data(), (UINT)bytes.size());
    try
    {
        CArchive ar(&file, CArchive::load);
        CKTPropExchangeArchive px(ar);
        px.m_nSchema = nSchema;
        pBar->DoPropExchange(&px);
        return !px.IsFailed();
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
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
