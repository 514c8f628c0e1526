// StateArchive.cpp: the bars' saved state in memory, a description of the bars, the bars as a user leaves them.
#include "StateArchive.h"

#include "CommandBarsTestsRes.h"
#include "KTCommandBarsState.h"
#include "KTControlAction.h"
#include "KTControlComboBox.h"
#include "KTControlComboBoxList.h"
#include "KTControlCustom.h"
#include "KTControlEdit.h"
#include "KTControlGallery.h"
#include "KTControlPopup.h"
#include "MessagePump.h"
#include "KTCommandBarList.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "KTPropExchange.h"
#include "KTToolBar.h"

#include <afx.h>

namespace
{

CString DescribeControls(CKTControls* pControls, int nDepth)
{
    CString str;
    for (int i = 0; pControls && i < pControls->GetCount(); i++)
    {
        CKTControl* pControl = pControls->GetAt(i);
        if (pControl->IsTemporary())
            continue;
        CString strControl;
        strControl.Format(" %d/%d/%s/%lu", pControl->GetType(), pControl->GetID(), (LPCSTR)pControl->GetCaption(),
                          pControl->GetHideFlags());
        str += strControl;
        if (pControl->GetCommandBar() && nDepth < 4)
            str += DescribeBar(pControl->GetCommandBar(), nDepth + 1);
    }
    return str;
}

}  // namespace

CStateBytes StoreState(const std::function<void(CKTPropExchange*)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        write(&px);
    }
    CStateBytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

BOOL LoadState(CStateBytes bytes, const std::function<BOOL(CKTPropExchange*)>& read)
{
    CMemFile file(bytes.empty() ? NULL : bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    return read(&px);
}

CStateBytes SaveBars(CKTCommandBars* pCommandBars)
{
    return StoreState(
        [&](CKTPropExchange* pPX)
        {
            pPX->ExchangeSchema();
            pCommandBars->GetState()->SaveCommandBars(pPX);
        });
}

BOOL LoadBars(CKTCommandBars* pCommandBars, const CStateBytes& bytes)
{
    return LoadState(bytes,
                     [&](CKTPropExchange* pPX)
                     {
                         pPX->ExchangeSchema();
                         return pCommandBars->GetState()->LoadCommandBars(pPX, TRUE);
                     });
}

// Popups are numbered anew on each save, so only toplevel bars show their ids.
CString DescribeBar(CKTCommandBar* pBar, int nDepth)
{
    CString str;
    str.Format("[%u %s %d:", nDepth ? 0 : pBar->GetBarID(), (LPCSTR)pBar->GetTitle(), pBar->IsVisible());
    return str + DescribeControls(pBar->GetControls(), nDepth) + "]";
}

CString DescribeBars(CKTCommandBars* pCommandBars)
{
    CString str;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
        str += DescribeBar(pCommandBars->GetAt(i));
    CKTMenuBar* pMenuBar = pCommandBars->GetMenuBar();
    for (const auto& entry : pMenuBar ? pMenuBar->GetDocumentMenus().GetEntries() : CKTDocumentMenuMap::CEntries())
    {
        CString strEntry;
        strEntry.Format("{menu %u:", entry.first);
        str += strEntry + DescribeControls(entry.second->GetControls(), 1) + "}";
    }
    CKTCommandBarList* pMenus = pCommandBars->GetContextMenus();
    for (int i = 0; i < pMenus->GetCount(); i++)
        str += DescribeBar(pMenus->GetAt(i));
    return str;
}

void CStateFixture::SetUp()
{
    CFrameFixture::SetUp();
    m_pStandard = m_pFrame->m_pStandard;
    m_pStandard->SetBarID(100);
    m_pStandard->GetControls()->CreateOriginalControls();
    m_pSecond = m_pCommandBars->Add("Second", ktBarTop);
    ASSERT_TRUE(m_pSecond != NULL);
    m_pSecond->SetBarID(101);
    m_pSecond->GetControls()->Add(ktControlButton, ID_EDIT_UNDO);
    m_pSecond->GetControls()->CreateOriginalControls();
    PumpMessages();
}

void CStateFixture::Customise()
{
    m_pStandard->GetControls()->Remove(m_pStandard->GetControl(1));
    m_pShared = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    m_pShared->GetControls()->Add(ktControlButton, ID_EDIT_COPY);
    m_pShared->GetControls()->Add(ktControlButton, ID_EDIT_PASTE);
    for (CKTToolBar* pBar : {m_pStandard, m_pSecond})
    {
        auto* pPopup = static_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
        pPopup->SetCaption("Clipboard");
        pPopup->SetCommandBar(m_pShared);
    }
    m_pSecond->SetVisible(FALSE);
}

void CStateFixture::CustomiseDocumentMenu()
{
    m_pFrame->m_bCustomizeCommand = TRUE;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEXTDOC));
    pMenuBar->SwitchMDIMenu(IDR_TEXTDOC, &menu);
    ASSERT_EQ(IDR_TEXTDOC, pMenuBar->GetCurrentMenuId());
    pMenuBar->GetControls()->Remove(pMenuBar->GetControl(1));
    pMenuBar->SwitchMDIMenu(IDR_TESTFRAME);
}

void CStateFixture::AddFields()
{
    CKTControls* pControls = m_pSecond->GetControls();
    auto* pEdit = static_cast<CKTControlEdit*>(pControls->Add(ktControlEdit, ID_EDIT_FIND));
    pEdit->SetHasLabel(TRUE);
    pEdit->SetWidth(150);
    pEdit->SetReadOnly(TRUE);
    pEdit->SetEditHint("Find what");
    pEdit->SetEditStyle(ES_UPPERCASE);
    pEdit->ShowSpinButtons(TRUE);
    auto* pCombo = static_cast<CKTControlComboBox*>(pControls->Add(ktControlComboBox, ID_EDIT_REPLACE));
    pCombo->SetDropDown(TRUE);
    pCombo->SetWidth(130);
    pCombo->SetComboStyle(1);
    pCombo->SetEditHint("Replace with");
    pCombo->SetAutoComplete(TRUE);
    pCombo->GetField()->SetEditStyle(ES_LOWERCASE);
    pCombo->SetDropDownItemCount(5);
    auto* pList = static_cast<CKTControlComboBoxList*>(pCombo->GetComboPopup());
    for (LPCSTR lpszItem : {"One", "Two", "Three"})
        pList->AddString(lpszItem);
    ASSERT_TRUE(
        m_hosted.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "hosted", WS_CHILD, CRect(0, 0, 10, 10), m_pFrame, kHostedId));
    auto* pCustom = static_cast<CKTControlCustom*>(pControls->Add(ktControlCustom, ID_FILE_SAVE));
    pCustom->SetControl(m_hosted.GetSafeHwnd());
    pCustom->SetSize(CSize(90, 20));
    pCustom->SetBorders(CRect(2, 1, 3, 1));
    pCustom->SetVerticalOptions(CKTControlCustom::ktVertHideWindow);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
}

CKTControlGallery* CStateFixture::AddGallery()
{
    m_pCommandBars->EnableActions(TRUE);
    CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<CKTControlGalleryItems>();
    pItems->SetItemSize(CSize(30, 20));
    for (LPCSTR lpszItem : {"Red", "Green", "Blue"})
        pItems->AddItem(lpszItem, 10 + pItems->GetItemCount());
    m_pCommandBars->CreateAction(ID_TEST_ENABLED)->SetGalleryItems(pItems);
    auto* pGallery = static_cast<CKTControlGallery*>(m_pSecond->GetControls()->Add(ktControlGallery, ID_TEST_ENABLED));
    pGallery->ShowLabels(FALSE);
    pGallery->ShowBorders(TRUE);
    pGallery->ShowScrollBar(FALSE);
    pGallery->SetMargin(CRect(1, 2, 3, 4));
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    return pGallery;
}

CKTToolBar* CStateFixture::AddUserBars()
{
    CKTToolBar* pUser = m_pCommandBars->Add("Mine", ktBarFloating);
    pUser->SetBarID(300);
    pUser->SetBuiltIn(FALSE);
    pUser->GetControls()->Add(ktControlButton, ID_FILE_OPEN);
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pMenu->SetBarID(700);
    pMenu->GetControls()->Add(ktControlButton, ID_EDIT_CUT);
    m_pCommandBars->AddContextMenu(pMenu);
    return pUser;
}
