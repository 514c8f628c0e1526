// FieldStateTests.cpp: the edit, combo-box and custom controls keep their keys through the bars' saved state.
#include "CommandBarsTestsRes.h"
#include "KTCommandBarList.h"
#include "KTCommandBars.h"
#include "KTCommandBarsState.h"
#include "KTControlComboBox.h"
#include "KTControlComboBoxList.h"
#include "KTControlCustom.h"
#include "KTControlEdit.h"
#include "KTControlGallery.h"
#include "KTControlSelector.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPropExchange.h"
#include "KTToolBar.h"
#include "MessageRecorder.h"
#include "MessagePump.h"
#include "StateArchive.h"

#include <gtest/gtest.h>

namespace
{

class FieldState : public CStateFixture
{
protected:
    void SetUp() override
    {
        CStateFixture::SetUp();
        AddFields();
    }
    template <class T>
    T* Find(CKTCommandBar* pBar, int nId)
    {
        return dynamic_cast<T*>(pBar->GetControls()->FindControl(nId));
    }
    // Second stored at a schema and read back as a bar of its own, not restored.
    CKTCommandBar* RoundTrip(UINT nSchema)
    {
        KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, FALSE, TRUE, NULL};
        CKTCommandBarList stored;
        DWORD nId = 0x1000000;
        m_pSecond->GenerateCommandBarList(nId, &stored, &params);
        CStateBytes bytes = StoreState(
            [&](CKTPropExchange* pPX)
            {
                pPX->m_nSchema = nSchema;
                pPX->m_pParams = &params;
                m_pCommandBars->GetState()->SaveCommandBarList(pPX, &stored);
            });
        m_loaded.RemoveAll();
        BOOL bLoaded = LoadState(bytes,
                                 [&](CKTPropExchange* pPX)
                                 {
                                     pPX->m_nSchema = nSchema;
                                     pPX->m_pParams = &params;
                                     return m_pCommandBars->GetState()->LoadCommandBarList(pPX, &m_loaded);
                                 });
        if (!bLoaded || m_loaded.GetCount() == 0)
            return NULL;
        // The combo box's list is a bar of the list of its own; the link to it comes back here.
        m_loaded.GetAt(0)->RestoreCommandBarList(&m_loaded);
        return m_loaded.GetAt(0);
    }

    CKTCommandBarList m_loaded;
};

CString ListItems(CKTControlComboBox* pCombo)
{
    auto* pList = dynamic_cast<CKTControlComboBoxList*>(pCombo->GetComboPopup());
    CString strItems, strItem;
    for (int i = 0; pList && i < pList->GetCount(); i++)
        if (pList->GetText(i, strItem))
            strItems += strItem + ";";
    return strItems;
}

}  // namespace

// The user changes the bar after saving; loading brings back each field's keys, the combo's items and the hosted
// window on its bar.
TEST_F(FieldState, ARoundTripBringsBackEachFieldsKeysItemsAndHostedWindow)
{
    CStateBytes bytes = SaveBars(m_pCommandBars);
    m_pSecond->GetControls()->RemoveAll();
    m_pSecond->GetControls()->Add(ktControlButton, ID_FILE_NEW);
    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    PumpMessages();

    auto* pEdit = Find<CKTControlEdit>(m_pSecond, ID_EDIT_FIND);
    ASSERT_TRUE(pEdit != NULL);
    EXPECT_TRUE(pEdit->GetHasLabel());
    EXPECT_EQ(150, pEdit->GetWidth());
    EXPECT_TRUE(pEdit->GetReadOnly());
    EXPECT_EQ(CString("Find what"), pEdit->GetEditHint());
    EXPECT_EQ((DWORD)ES_UPPERCASE, pEdit->GetField()->GetEditStyle());
    EXPECT_TRUE(pEdit->IsSpinButtonsVisible());

    auto* pCombo = Find<CKTControlComboBox>(m_pSecond, ID_EDIT_REPLACE);
    ASSERT_TRUE(pCombo != NULL);
    EXPECT_TRUE(pCombo->GetDropDown());
    EXPECT_TRUE(pCombo->GetEditCtrl() != NULL) << "a drop-down gets its text field back";
    EXPECT_EQ(130, pCombo->GetWidth());
    EXPECT_EQ(CString("Replace with"), pCombo->GetEditHint());
    EXPECT_EQ(5, pCombo->GetDropDownItemCount());
    EXPECT_EQ((DWORD)ES_LOWERCASE, pCombo->GetField()->GetEditStyle());
    EXPECT_EQ(CString("One;Two;Three;"), ListItems(pCombo));

    auto* pCustom = Find<CKTControlCustom>(m_pSecond, ID_FILE_SAVE);
    ASSERT_TRUE(pCustom != NULL);
    EXPECT_EQ(m_hosted.GetSafeHwnd(), pCustom->GetControl()) << "the window of the saved id is hosted again";
    EXPECT_EQ(m_pSecond->GetSafeHwnd(), ::GetParent(m_hosted.GetSafeHwnd()));
    EXPECT_TRUE(m_hosted.IsWindowVisible());
    CRect rcWindow;
    m_hosted.GetWindowRect(&rcWindow);
    m_pSecond->ScreenToClient(&rcWindow);
    const CRect rcControl = pCustom->GetRect();
    EXPECT_EQ(CRect(rcControl.left + 2, rcControl.top + 1, rcControl.right - 3, rcControl.bottom - 1), rcWindow)
        << "borders and size come back";

    // As at a start-up: the bar still hosts the window when its saved state replaces the control.
    ASSERT_TRUE(LoadBars(m_pCommandBars, SaveBars(m_pCommandBars)));
    PumpMessages();
    pCustom = Find<CKTControlCustom>(m_pSecond, ID_FILE_SAVE);
    ASSERT_TRUE(pCustom != NULL);
    EXPECT_EQ(m_hosted.GetSafeHwnd(), pCustom->GetControl());
    EXPECT_TRUE(m_hosted.IsWindowVisible()) << "the state's copy of the control leaves the window shown";
}

// At a start-up the application shows its window before loading the state of a bar docked at the left, whose
// control keeps its place and hides its window there: from the load's first layout on the control is a button, and
// the window is never sized to nothing on the way.
TEST_F(FieldState, AShownWindowLoadedOntoALeftBarMeasuresAsAButtonAtOnce)
{
    m_pCommandBars->DockCommandBar(m_pSecond, ktBarLeft);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    CStateBytes bytes = SaveBars(m_pCommandBars);
    m_pSecond->GetControls()->RemoveAll();
    ::SetParent(m_hosted.GetSafeHwnd(), m_pFrame->GetSafeHwnd());
    m_hosted.ShowWindow(SW_SHOWNA);
    int nEmptySizes = 0;
    {
        CMessageRecorder recorder({m_hosted.GetSafeHwnd()}, {WM_SIZE});
        ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
        for (const CRecordedMessage& msg : recorder.Messages())
            nEmptySizes += LOWORD(msg.lParam) == 0 || HIWORD(msg.lParam) == 0;
    }
    EXPECT_EQ(0, nEmptySizes) << "the window was sized to nothing";
    auto* pCustom = Find<CKTControlCustom>(m_pSecond, ID_FILE_SAVE);
    ASSERT_TRUE(pCustom != NULL);
    ASSERT_EQ(m_hosted.GetSafeHwnd(), pCustom->GetControl());
    EXPECT_FALSE(m_hosted.IsWindowVisible());
    const CSize sz = pCustom->GetRect().Size();
    CKTScreenDC dc;
    EXPECT_EQ(pCustom->GetSize(&dc), sz) << "laid out as it measures with its window hidden";
}

// Earlier versions saved the hosted-window control with type 7; it comes back as the button it stands for.
TEST_F(FieldState, AHostedWindowControlSavedWithItsOldTypeLoadsAsAButton)
{
    Find<CKTControlCustom>(m_pSecond, ID_FILE_SAVE)->SetType(ktControlCustom);
    ASSERT_TRUE(LoadBars(m_pCommandBars, SaveBars(m_pCommandBars)));
    PumpMessages();
    auto* pCustom = Find<CKTControlCustom>(m_pSecond, ID_FILE_SAVE);
    ASSERT_TRUE(pCustom != NULL);
    EXPECT_EQ(ktControlButton, pCustom->GetType());
    EXPECT_EQ(m_hosted.GetSafeHwnd(), pCustom->GetControl());
}

// The items stay with the command's action: a gallery rebuilt from the state shows them, laid out in its own
// margins and borders.
TEST_F(FieldState, ARestoredGalleryShowsItsActionsItemsAndKeepsItsKeys)
{
    AddGallery();
    CStateBytes bytes = SaveBars(m_pCommandBars);
    m_pSecond->GetControls()->RemoveAll();
    m_pSecond->GetControls()->Add(ktControlButton, ID_FILE_NEW);
    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    PumpMessages();

    auto* pGallery = Find<CKTControlGallery>(m_pSecond, ID_TEST_ENABLED);
    ASSERT_TRUE(pGallery != NULL);
    EXPECT_FALSE(pGallery->IsShowLabels());
    EXPECT_TRUE(pGallery->IsShowBorders());
    EXPECT_FALSE(pGallery->IsShowScrollBar());
    EXPECT_EQ(CRect(1, 2, 3, 4), pGallery->GetMargin());
    ASSERT_EQ(3, pGallery->GetItemCount());
    EXPECT_EQ(CString("Blue"), pGallery->GetItem(2)->GetCaption());
    const CRect rc = pGallery->GetRect();
    EXPECT_EQ(CRect(rc.left + 2, rc.top + 3, rc.left + 32, rc.top + 23), pGallery->GetItemDrawRect(0))
        << "laid out inside the border and the margin";
}

// Older states lack the later keys: each field keeps its defaults for what its schema did not store.
TEST_F(FieldState, SchemaGatesOfTheFieldKeys)
{
    struct
    {
        UINT nSchema;
        BOOL bLabel, bReadOnly, bHint, bStyle, bSpin, bControlId;
    } const gates[] = {
        {5, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE},
        {7, TRUE, FALSE, FALSE, FALSE, FALSE, TRUE},
        {8, TRUE, TRUE, FALSE, FALSE, FALSE, TRUE},
        {16, TRUE, TRUE, TRUE, FALSE, FALSE, TRUE},
        {18, TRUE, TRUE, TRUE, TRUE, FALSE, TRUE},
        {CKTPropExchange::ktSchemaCurrent, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE},
    };
    for (const auto& gate : gates)
    {
        SCOPED_TRACE(gate.nSchema);
        CKTCommandBar* pLoaded = RoundTrip(gate.nSchema);
        ASSERT_TRUE(pLoaded != NULL);
        auto* pEdit = Find<CKTControlEdit>(pLoaded, ID_EDIT_FIND);
        auto* pCombo = Find<CKTControlComboBox>(pLoaded, ID_EDIT_REPLACE);
        auto* pCustom = Find<CKTControlCustom>(pLoaded, ID_FILE_SAVE);
        ASSERT_TRUE(pEdit && pCombo && pCustom);
        EXPECT_EQ(gate.bLabel, pEdit->GetHasLabel());
        EXPECT_EQ(gate.bReadOnly, pEdit->GetReadOnly());
        EXPECT_EQ(gate.bHint ? "Find what" : "", pEdit->GetEditHint());
        EXPECT_EQ(gate.bHint ? "Replace with" : "", pCombo->GetEditHint());
        EXPECT_EQ(gate.bHint ? 5 : 12, pCombo->GetDropDownItemCount());
        EXPECT_EQ(gate.bStyle ? (DWORD)ES_UPPERCASE : 0u, pEdit->GetField()->GetEditStyle());
        EXPECT_EQ(gate.bStyle ? (DWORD)ES_LOWERCASE : 0u, pCombo->GetField()->GetEditStyle());
        EXPECT_EQ(gate.bSpin, pEdit->IsSpinButtonsVisible());
        EXPECT_EQ(CString("One;Two;Three;"), ListItems(pCombo)) << "the items have no gate";
        EXPECT_EQ(gate.bControlId ? m_hosted.GetSafeHwnd() : NULL, pCustom->GetControl());
        m_loaded.RemoveAll();
    }
}

// A refused load must not move the hosted window: it is looked up only once the whole state was found sound.
TEST_F(FieldState, ARefusedLoadLeavesTheHostedWindowWhereItIs)
{
    CStateBytes bytes = SaveBars(m_pCommandBars);
    m_pSecond->GetControls()->RemoveAll();
    PumpMessages();
    const HWND hParentBefore = ::GetParent(m_hosted.GetSafeHwnd());
    bytes.resize(bytes.size() - 8);
    EXPECT_FALSE(LoadBars(m_pCommandBars, bytes));
    EXPECT_EQ(hParentBefore, ::GetParent(m_hosted.GetSafeHwnd()));
    EXPECT_EQ(0, m_pSecond->GetControlCount());
}

TEST_F(FieldState, ASelectorKeepsItsGrid)
{
    CKTSmartPtr<CKTControlSelector> pSelector = KTMakeCounted<CKTControlSelector>();
    pSelector->SetItemsCount(CSize(3, 2));
    pSelector->SetItemsMax(CSize(8, 6));
    pSelector->SetItemSize(CSize(20, 18));
    m_pSecond->GetControls()->Add(CKTSmartPtr<CKTControl>(pSelector), ID_TEST_ENABLED);
    CStateBytes bytes = SaveBars(m_pCommandBars);
    m_pSecond->GetControls()->RemoveAll();
    ASSERT_TRUE(LoadBars(m_pCommandBars, bytes));
    PumpMessages();

    auto* pLoaded = Find<CKTControlSelector>(m_pSecond, ID_TEST_ENABLED);
    ASSERT_TRUE(pLoaded != NULL);
    EXPECT_EQ(CSize(3, 2), pLoaded->GetItemsCount());
    EXPECT_EQ(CSize(8, 6), pLoaded->GetItemsMax());
    EXPECT_EQ(CSize(20, 18), pLoaded->GetItemSize());
}
