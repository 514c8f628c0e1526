// OptionsTests.cpp: the options' stored form and personalised-menu hiding.
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTPropExchange.h"

#include <afx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace
{
std::vector<BYTE> Store(const std::function<void(CKTPropExchange*)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        write(&px);
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void Load(std::vector<BYTE>& bytes, const std::function<void(CKTPropExchange*)>& read)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    read(&px);
}
}  // namespace

TEST(Options, StoredOptionsLoadBack)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    CKTCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    pOptions->bAlwaysShowFullMenus = FALSE;
    pOptions->bDblClickFloat = TRUE;
    pOptions->nAnimationType = 3;
    pOptions->szPopupIcons = CSize(24, 24);
    pOptions->nKeyboardCuesUse = 2;
    pOptions->SetCommandHidden(100);
    pOptions->SetCommandHidden(200);
    pOptions->SetCommandUsed(200);
    std::vector<BYTE> bytes = Store([&](CKTPropExchange* pPX) { pOptions->DoPropExchange(pPX); });

    CKTSmartPtr<CKTCommandBars> pOther = KTMakeCounted<CKTCommandBars>();
    CKTCommandBarsOptions* pLoaded = pOther->GetCommandBarsOptions();
    Load(bytes, [&](CKTPropExchange* pPX) { pLoaded->DoPropExchange(pPX); });
    EXPECT_FALSE(pLoaded->bAlwaysShowFullMenus);
    EXPECT_TRUE(pLoaded->bDblClickFloat);
    EXPECT_EQ(3, pLoaded->nAnimationType);
    EXPECT_EQ(CSize(24, 24), pLoaded->szPopupIcons);
    EXPECT_EQ(2, pLoaded->nKeyboardCuesUse);
    EXPECT_TRUE(pLoaded->IsCommandHidden(100));
    EXPECT_FALSE(pLoaded->IsCommandHidden(200)) << "used once, shown again";
}

TEST(Options, SchemaSevenKeepsTheDefaultsOfNewerKeys)
{
    std::vector<BYTE> bytes = Store(
        [](CKTPropExchange* pPX)
        {
            int nSchema = 7;
            BOOL bFalse = FALSE, bTrue = TRUE;
            CSize szNone(0, 0);
            PX_Int(pPX, "Schema", nSchema, 23);
            for (int i = 0; i < 5; i++)
                PX_Bool(pPX, "Flag", i == 0 ? bFalse : bTrue, TRUE);
            PX_Bool(pPX, "SyncFloatingBars", bTrue, TRUE);
            PX_Bool(pPX, "ShowExpandButtonAlways", bTrue, TRUE);
            PX_Size(pPX, "IconsSize", szNone, szNone);
            PX_Size(pPX, "LargeIconsSize", szNone, szNone);
            CKTPropExchangeSection section(pPX->GetSection("HiddenCommands"));
            section->WriteCount(0);
            for (int i = 0; i < 3; i++)
                PX_Bool(pPX, "Icons", bTrue, TRUE);
        });
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    CKTCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    pOptions->nAnimationType = 2;
    Load(bytes,
         [&](CKTPropExchange* pPX)
         {
             pOptions->DoPropExchange(pPX);
             EXPECT_FALSE(pPX->IsFailed()) << "nothing read beyond what schema 7 stored";
         });
    EXPECT_FALSE(pOptions->bAlwaysShowFullMenus);
    EXPECT_EQ(2, pOptions->nAnimationType) << "no animation key before schema 8";
    EXPECT_TRUE(pOptions->bAltDragCustomization);
    EXPECT_EQ(1, pOptions->nKeyboardCuesUse);
}

TEST(Options, PopupsWhoseItemsAreAllHiddenHideWhenAsked)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    CKTCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetCommandBars(pCommandBars);
    CKTControl* pPopup = pBar->GetControls()->Add(ktControlPopup, 0);
    pPopup->GetCommandBar()->GetControls()->Add(ktControlButton, 300);
    pPopup->GetCommandBar()->GetControls()->Add(ktControlButton, 301);
    pOptions->SetCommandHidden(300);
    EXPECT_FALSE(pCommandBars->IsControlHidden(pPopup));
    pOptions->SetCommandHidden(301);
    EXPECT_TRUE(pCommandBars->IsControlHidden(pPopup));
    pOptions->bAutoHideUnusedPopups = FALSE;
    EXPECT_FALSE(pCommandBars->IsControlHidden(pPopup));
    pOptions->bAutoHideUnusedPopups = TRUE;
    pCommandBars->SetCommandUsed(301);
    EXPECT_FALSE(pCommandBars->IsControlHidden(pPopup)) << "a used command brings its popup back";
    EXPECT_TRUE(pOptions->bDirty);
}

TEST(Options, AnEntryRunMarksItselfAndTheEntryThatOpenedItsMenuUsedButAReturnedCommandMarksNothing)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    CKTCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetCommandBars(pCommandBars);
    CKTControl* pOpening = pBar->GetControls()->Add(ktControlPopup, 400);
    CKTPopupBar* pPopup = pOpening->GetCommandBar()->AsPopupBar();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SetOpeningControl(pOpening);
    CKTControl* pEntry = pPopup->GetControls()->Add(ktControlButton, 401);
    for (UINT nId : {400u, 401u})
        pOptions->SetCommandHidden(nId);

    auto pCommand = std::make_shared<UINT>(0);
    pPopup->SetReturnCommand(pCommand);
    pEntry->OnExecute();
    EXPECT_EQ(401u, *pCommand);
    EXPECT_TRUE(pOptions->IsCommandHidden(401)) << "a command returned to the caller was not run";
    EXPECT_TRUE(pOptions->IsCommandHidden(400));

    pPopup->SetReturnCommand(NULL);
    pEntry->OnExecute();
    EXPECT_FALSE(pOptions->IsCommandHidden(401));
    EXPECT_FALSE(pOptions->IsCommandHidden(400)) << "the entry that opened the menu is used too";
}

TEST(Options, AnExchangeThatStoresBlobsTakesTheCommandsAsOneSerialisedMap)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    CKTCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    pOptions->SetCommandHidden(0x1234);
    pOptions->SetCommandHidden(0x5678);
    pOptions->SetCommandUsed(0x5678);
    auto storeWith = [&](BOOL bBlob)
    {
        return Store(
            [&](CKTPropExchange* pPX)
            {
                pPX->SetUseBlob(bBlob);
                pOptions->DoPropExchange(pPX);
            });
    };
    std::vector<BYTE> bytes = storeWith(TRUE);
    // A map's own form: a 16-bit count, then each id with its BOOL.
    auto contains = [&bytes](const std::vector<BYTE>& run)
    { return std::search(bytes.begin(), bytes.end(), run.begin(), run.end()) != bytes.end(); };
    EXPECT_TRUE(contains({1, 0, 0x78, 0x56, 0, 0, 1, 0, 0, 0})) << "the used commands";
    EXPECT_TRUE(contains({0x34, 0x12, 0, 0, 1, 0, 0, 0})) << "the hidden commands";
    EXPECT_NE(storeWith(FALSE), bytes) << "an exchange without blobs keeps the item form";

    CKTSmartPtr<CKTCommandBars> pOther = KTMakeCounted<CKTCommandBars>();
    CKTCommandBarsOptions* pLoaded = pOther->GetCommandBarsOptions();
    pLoaded->SetCommandHidden(0x9999);
    Load(bytes,
         [&](CKTPropExchange* pPX)
         {
             pPX->SetUseBlob(TRUE);
             pLoaded->DoPropExchange(pPX);
             EXPECT_FALSE(pPX->IsFailed());
         });
    EXPECT_TRUE(pLoaded->IsCommandHidden(0x1234));
    EXPECT_FALSE(pLoaded->IsCommandHidden(0x5678)) << "used once, shown again";
    EXPECT_FALSE(pLoaded->IsCommandHidden(0x9999)) << "the loaded map replaces the old one";
}
