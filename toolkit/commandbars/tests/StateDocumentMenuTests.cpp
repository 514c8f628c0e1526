// StateDocumentMenuTests.cpp: the menus the menu bar keeps per document type, saved with the bars and read back.
#include "CommandBarsTestsRes.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "MessagePump.h"
#include "StateArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{

std::vector<CString> Captions(CKTControls* pControls)
{
    std::vector<CString> captions;
    for (int i = 0; i < pControls->GetCount(); i++)
        if (!pControls->GetAt(i)->IsTemporary())
            captions.push_back(pControls->GetAt(i)->GetCaption());
    return captions;
}

// Where the four bytes of the value stand in the state; the value must stand there once.
size_t FindOnce(const CStateBytes& bytes, DWORD dwValue)
{
    const BYTE* pValue = reinterpret_cast<const BYTE*>(&dwValue);
    auto it = std::search(bytes.begin(), bytes.end(), pValue, pValue + sizeof(dwValue));
    if (it == bytes.end() || std::search(it + 1, bytes.end(), pValue, pValue + sizeof(dwValue)) != bytes.end())
        return (size_t)-1;
    return (size_t)(it - bytes.begin());
}

class DocumentMenuState : public CStateFixture
{
protected:
    void TearDown() override
    {
        if (m_pOther && ::IsWindow(m_pOther->GetSafeHwnd()))
            m_pOther->DestroyWindow();
        CStateFixture::TearDown();
    }
    CTestFrame* m_pOther = NULL;
};

const std::vector<CString> kCustomisedTextMenu = {"&File", "&Window"};

}  // namespace

TEST_F(DocumentMenuState, ADocumentTypesMenuIsSavedAndComesBackWithItsType)
{
    CustomiseDocumentMenu();
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CMenu text;
    ASSERT_TRUE(text.LoadMenu(IDR_TEXTDOC));
    pMenuBar->SwitchMDIMenu(IDR_TEXTDOC, &text);
    const CStateBytes bytes = SaveBars(m_pCommandBars);
    EXPECT_EQ(IDR_TEXTDOC, pMenuBar->GetCurrentMenuId()) << "saving leaves the document's menu on the bar";
    EXPECT_EQ(kCustomisedTextMenu, Captions(pMenuBar->GetControls()));

    m_pOther = CTestFrame::Create();
    ASSERT_TRUE(m_pOther != NULL);
    m_pOther->m_bCustomizeCommand = TRUE;
    ASSERT_TRUE(LoadBars(m_pOther->GetCommandBars(), bytes));
    CKTMenuBar* pLoaded = m_pOther->GetCommandBars()->GetMenuBar();
    ASSERT_TRUE(pLoaded->GetDocumentMenus().Lookup(IDR_TEXTDOC) != NULL);
    pLoaded->SwitchMDIMenu(IDR_TEXTDOC, &text);
    EXPECT_EQ(kCustomisedTextMenu, Captions(pLoaded->GetControls())) << "the user's change came back";
    EXPECT_TRUE(pLoaded->GetControls()->IsChanged()) << "against the original saved with it";
    CKTCommandBar* pFile = pLoaded->GetControl(0)->GetCommandBar();
    ASSERT_TRUE(pFile != NULL);
    EXPECT_EQ(2, pFile->GetControlCount()) << "the File menu's link to its popup was restored";
    pLoaded->SwitchMDIMenu(IDR_TESTFRAME);
    EXPECT_EQ(std::vector<CString>({"&File", "&Edit", "&Test"}), Captions(pLoaded->GetControls()));
}

TEST_F(DocumentMenuState, AnUnchangedDocumentMenuIsNotWritten)
{
    m_pFrame->m_bCustomizeCommand = TRUE;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CMenu text;
    ASSERT_TRUE(text.LoadMenu(IDR_TEXTDOC));
    pMenuBar->SwitchMDIMenu(IDR_TEXTDOC, &text);
    pMenuBar->SwitchMDIMenu(IDR_TESTFRAME);
    EXPECT_EQ((size_t)-1, FindOnce(SaveBars(m_pCommandBars), IDR_TEXTDOC));
}

// A damaged state may name a document type twice, or the bar's own menu as one: either would leave a set of
// controls with no place to go, so the load fails and the bars stay as they were.
TEST_F(DocumentMenuState, AnEntryForTheBarsOwnMenuOrATypeTwiceFailsTheLoad)
{
    CustomiseDocumentMenu();
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CMenu packet;
    ASSERT_TRUE(packet.LoadMenu(IDR_PACKETDOC));
    pMenuBar->SwitchMDIMenu(IDR_PACKETDOC, &packet);
    pMenuBar->GetControls()->Remove(pMenuBar->GetControl(1));
    pMenuBar->SwitchMDIMenu(IDR_TESTFRAME);
    const CStateBytes bytes = SaveBars(m_pCommandBars);
    const size_t at = FindOnce(bytes, IDR_PACKETDOC);
    ASSERT_NE((size_t)-1, at);
    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes)) << "as written, the state loads";

    const CString strBefore = DescribeBars(m_pCommandBars);
    for (DWORD dwId : {(DWORD)IDR_TEXTDOC, (DWORD)IDR_TESTFRAME, (DWORD)0})
    {
        CStateBytes damaged = bytes;
        *reinterpret_cast<DWORD*>(&damaged[at]) = dwId;
        EXPECT_FALSE(LoadBars(m_pCommandBars, damaged)) << dwId;
        EXPECT_EQ(strBefore, DescribeBars(m_pCommandBars)) << dwId;
    }
    PumpMessages();
}
