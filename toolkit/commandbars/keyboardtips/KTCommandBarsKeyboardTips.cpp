// KTCommandBarsKeyboardTips.cpp: the keyboard tips over a bar: made unique, placed, narrowed as keys are typed,
// and the move to the next toolbar by keyboard.
#include "KTCommandBars.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBar.h"
#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBarsOptions.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"

#include <algorithm>

namespace
{
// A caption's key: the character after its first '&', else its first one.
CString DefaultTipText(const CString& strCaption)
{
    int nAmp = strCaption.Find('&');
    CString strUpper = strCaption;
    strUpper.MakeUpper();
    if (nAmp >= 0 && nAmp < strUpper.GetLength() - 1)
        return strUpper.Mid(nAmp + 1, 1);
    return strUpper.Left(1);
}

CRect PlaceTip(const CKTCommandBarKeyboardTip& tip, CSize sz, CPoint ptAnchor, BOOL bRightToLeft)
{
    DWORD dwAlign = tip.GetAlign();
    int x = ptAnchor.x, y = ptAnchor.y;
    if (dwAlign & ktTipAlignCenterHorz)
        x -= sz.cx / 2;
    else if ((dwAlign & ktTipAlignRight) || bRightToLeft)
        x -= sz.cx;
    if (dwAlign & ktTipAlignCenterVert)
        y -= sz.cy / 2;
    else if (dwAlign & ktTipAlignBottom)
        y -= sz.cy;
    return CRect(CPoint(x, y), sz);
}
}  // namespace

void CKTCommandBars::AddKeyboardTip(std::unique_ptr<CKTCommandBarKeyboardTip> pTip)
{
    m_keyboardTips.push_back(std::move(pTip));
}

void CKTCommandBars::HideKeyboardTips()
{
    for (auto& pTip : m_keyboardTips)
        if (pTip->GetSafeHwnd())
            pTip->DestroyWindow();
    m_keyboardTips.clear();
    m_pKeyboardTipsBar = NULL;
    m_nKeyboardTipsLevel = 0;
    m_nKeyboardTipsTyped = 0;
}

void CKTCommandBars::ShowKeyboardTips(CKTCommandBar* pBar, int nLevel)
{
    HideKeyboardTips();
    if (!m_pOptions->bShowKeyboardTips || !pBar || !pBar->GetSafeHwnd())
        return;
    pBar->UpdateWindow();
    m_pKeyboardTipsBar = pBar;
    m_nKeyboardTipsLevel = nLevel;
    pBar->CreateKeyboardTips();
    if (m_keyboardTips.empty())
    {
        m_pKeyboardTipsBar = NULL;
        return;
    }
    CClientDC dc(pBar);
    CKTFontDC font(&dc, GetPaintManager()->GetStatusFont());
    AssignTipTexts();
    MakeTipTextsUnique();
    for (auto it = m_keyboardTips.begin(); it != m_keyboardTips.end();)
        it = CreateTipWindow(pBar, dc, **it) ? it + 1 : m_keyboardTips.erase(it);
    for (auto& pTip : m_keyboardTips)
        pTip->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

// A tip with neither text nor caption is dropped; a caption alone gives its key.
void CKTCommandBars::AssignTipTexts()
{
    for (auto it = m_keyboardTips.end(); it != m_keyboardTips.begin();)
    {
        --it;
        CKTCommandBarKeyboardTip& tip = **it;
        if (!tip.GetTipText().IsEmpty())
            continue;
        if (tip.GetCaption().IsEmpty())
            it = m_keyboardTips.erase(it);
        else
            tip.SetTipText(DefaultTipText(tip.GetCaption()));
    }
}

// Tips that share a text each take one more character of their caption that no other of the group took.
void CKTCommandBars::MakeTipTextsUnique()
{
    for (size_t i = 0; i < m_keyboardTips.size(); i++)
    {
        CString strText = m_keyboardTips[i]->GetTipText();
        std::vector<CKTCommandBarKeyboardTip*> group;
        for (size_t j = i; j < m_keyboardTips.size(); j++)
            if (m_keyboardTips[j]->GetTipText() == strText)
                group.push_back(m_keyboardTips[j].get());
        if (group.size() < 2)
            continue;
        CString strUsed = "& ";
        int nNumber = 1;
        for (CKTCommandBarKeyboardTip* pTip : group)
        {
            CString strCaption = pTip->GetCaption();
            strCaption.MakeUpper();
            int nFree = 0;
            while (nFree < strCaption.GetLength() && strUsed.Find(strCaption[nFree]) >= 0)
                nFree++;
            CString strAdd;
            if (nFree < strCaption.GetLength())
                strAdd = strCaption.Mid(nFree, 1);
            else
                strAdd.Format("%i", nNumber++);
            strUsed += strAdd.Left(1);
            pTip->SetTipText(strText + strAdd.Left(1));
        }
    }
}

BOOL CKTCommandBars::CreateTipWindow(CKTCommandBar* pBar, CDC& dcMeasure, CKTCommandBarKeyboardTip& tip)
{
    CSize szText = dcMeasure.GetTextExtent(tip.GetTipText());
    CSize sz(std::max<int>(szText.cx + 6, 16), std::max<int>(szText.cy + 2, 15));
    CPoint ptAnchor = tip.GetAnchor();
    if (!tip.IsWindowTarget())
        pBar->ClientToScreen(&ptAnchor);
    CRect rc = PlaceTip(tip, sz, ptAnchor, pBar->IsLayoutRTL());
    return tip.CreateTip(rc, !tip.IsEnabled());
}

BOOL CKTCommandBars::OnKeyboardTipKey(CKTCommandBar* pBar, UINT nKey)
{
    CKTCommandBarKeyboardTip* pMatch = NULL;
    for (auto& pTip : m_keyboardTips)
    {
        const CString& strText = pTip->GetTipText();
        if (strText.GetLength() > m_nKeyboardTipsTyped &&
            CKTAcceleratorManager::CompareAccelKey(strText[m_nKeyboardTipsTyped], nKey))
        {
            pMatch = pTip.get();
            break;
        }
    }
    if (!pMatch)
    {
        if (nKey != VK_SHIFT && nKey != VK_CONTROL)
            ::MessageBeep(0);
        return TRUE;
    }
    if (pMatch->GetTipText().GetLength() == m_nKeyboardTipsTyped + 1)
    {
        if (pMatch->IsEnabled())
            pBar->OnKeyboardTip(pMatch);
        else
            ::MessageBeep(0);
        return TRUE;
    }
    NarrowKeyboardTips(pMatch->GetTipText().Left(++m_nKeyboardTipsTyped));
    return TRUE;
}

void CKTCommandBars::NarrowKeyboardTips(const CString& strTyped)
{
    for (auto it = m_keyboardTips.begin(); it != m_keyboardTips.end();)
    {
        if ((*it)->GetTipText().Left(strTyped.GetLength()) == strTyped)
        {
            ++it;
            continue;
        }
        (*it)->DestroyWindow();
        it = m_keyboardTips.erase(it);
    }
}

BOOL CKTCommandBars::ActivateNextToolBar(CKTCommandBar* pBar, int nDirection)
{
    if (!nDirection || GetCount() < 2)
        return FALSE;
    CKTToolBar* pNext = GetAt(GetNextVisibleBar(FindIndex(pBar ? pBar->AsToolBar() : NULL), nDirection));
    if (!pNext || pNext == pBar)
        return FALSE;
    SetToolBarFocus(pNext);
    return TRUE;
}

void CKTCommandBars::SetToolBarFocus(CKTCommandBar* pBar)
{
    ClosePopups();
    ShowKeyboardCues(TRUE);
    m_nKeyboardTipsLevel = 1;
    pBar->SetTrackingMode(ktTrackingOn, FALSE, TRUE);
    pBar->SetSelected(pBar->GetControls()->GetNext(-1, 1), ktSelectionKeyboard);
}

void CKTCommandBars::OnKeyboardTipsTimer(CKTCommandBar* pBar)
{
    if (m_pKeyboardTipsBar || CKTMouseHookManager::Instance()->GetTopTrackedBar() != pBar)
        return;
    ShowKeyboardTips(pBar, 1);
}
