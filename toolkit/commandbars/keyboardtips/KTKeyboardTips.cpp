// KTKeyboardTips.cpp: the keyboard tips over a bar: made unique, placed, narrowed as keys are typed.
#include "KTKeyboardTips.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBar.h"
#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"

#include <algorithm>

namespace
{
// A caption's key: the letter it underlines, else its first character.
CString DefaultTipText(const CString& strCaption)
{
    const TCHAR chLetter = CKTDrawHelpers::GetAccessLetter(strCaption);
    CString strText = chLetter ? CString(chLetter) : strCaption.Left(1);
    strText.MakeUpper();
    return strText;
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

CKTKeyboardTips::~CKTKeyboardTips() { Hide(); }

void CKTKeyboardTips::Add(std::unique_ptr<CKTCommandBarKeyboardTip> pTip) { m_tips.push_back(std::move(pTip)); }

void CKTKeyboardTips::Hide()
{
    for (auto& pTip : m_tips)
        if (pTip->GetSafeHwnd())
            pTip->DestroyWindow();
    m_tips.clear();
    m_pBar = NULL;
    m_nLevel = 0;
    m_nTyped = 0;
}

void CKTKeyboardTips::Show(CKTCommandBar* pBar, int nLevel)
{
    Hide();
    if (!m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips || !pBar || !pBar->GetSafeHwnd())
        return;
    pBar->UpdateWindow();
    m_pBar = pBar;
    m_nLevel = nLevel;
    pBar->CreateKeyboardTips();
    if (m_tips.empty())
    {
        m_pBar = NULL;
        return;
    }
    CClientDC dc(pBar);
    CKTFontDC font(&dc, m_pCommandBars->GetPaintManager()->GetStatusFont());
    AssignTipTexts();
    MakeTipTextsUnique();
    for (auto it = m_tips.begin(); it != m_tips.end();)
        it = CreateTipWindow(pBar, dc, **it) ? it + 1 : m_tips.erase(it);
    for (auto& pTip : m_tips)
        pTip->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

// A tip with neither text nor caption is dropped; a caption alone gives its key.
void CKTKeyboardTips::AssignTipTexts()
{
    for (auto it = m_tips.end(); it != m_tips.begin();)
    {
        --it;
        CKTCommandBarKeyboardTip& tip = **it;
        if (!tip.GetTipText().IsEmpty())
            continue;
        if (tip.GetCaption().IsEmpty())
            it = m_tips.erase(it);
        else
            tip.SetTipText(DefaultTipText(tip.GetCaption()));
    }
}

// Tips that share a text each take one more character of their caption that no other of the group took.
void CKTKeyboardTips::MakeTipTextsUnique()
{
    for (size_t i = 0; i < m_tips.size(); i++)
    {
        CString strText = m_tips[i]->GetTipText();
        std::vector<CKTCommandBarKeyboardTip*> group;
        for (size_t j = i; j < m_tips.size(); j++)
            if (m_tips[j]->GetTipText() == strText)
                group.push_back(m_tips[j].get());
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

BOOL CKTKeyboardTips::CreateTipWindow(CKTCommandBar* pBar, CDC& dcMeasure, CKTCommandBarKeyboardTip& tip)
{
    CSize szText = dcMeasure.GetTextExtent(tip.GetTipText());
    CSize sz(std::max<int>(szText.cx + 6, 16), std::max<int>(szText.cy + 2, 15));
    CPoint ptAnchor = tip.GetAnchor();
    if (!tip.IsWindowTarget())
        pBar->ClientToScreen(&ptAnchor);
    CRect rc = PlaceTip(tip, sz, ptAnchor, pBar->IsLayoutRTL());
    return tip.CreateTip(rc, !tip.IsEnabled());
}

BOOL CKTKeyboardTips::OnKey(CKTCommandBar* pBar, UINT nKey)
{
    CKTCommandBarKeyboardTip* pMatch = NULL;
    for (auto& pTip : m_tips)
    {
        const CString& strText = pTip->GetTipText();
        if (strText.GetLength() > m_nTyped && CKTAcceleratorManager::CompareAccelKey(strText[m_nTyped], nKey))
        {
            pMatch = pTip.get();
            break;
        }
    }
    if (!pMatch)
    {
        ::MessageBeep(0);
        return TRUE;
    }
    if (pMatch->GetTipText().GetLength() == m_nTyped + 1)
    {
        if (pMatch->IsEnabled())
            pBar->OnKeyboardTip(pMatch);
        else
            ::MessageBeep(0);
        return TRUE;
    }
    Narrow(pMatch->GetTipText().Left(++m_nTyped));
    return TRUE;
}

void CKTKeyboardTips::Narrow(const CString& strTyped)
{
    for (auto it = m_tips.begin(); it != m_tips.end();)
    {
        if ((*it)->GetTipText().Left(strTyped.GetLength()) == strTyped)
        {
            ++it;
            continue;
        }
        (*it)->DestroyWindow();
        it = m_tips.erase(it);
    }
}

void CKTKeyboardTips::OnRequest(CKTCommandBar* pBar)
{
    if (m_pBar || CKTMouseHookManager::Instance()->GetTopTrackedBar() != pBar)
        return;
    Show(pBar, 1);
}

void CKTKeyboardTips::OnTrackingModeChanged()
{
    if (m_nLevel < 1 || !m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips)
        return;
    Hide();
    // The innermost bar shows its own tips once the change that opened or closed it is done.
    CKTCommandBar* pLast = m_pCommandBars->GetMouseManager()->GetTopTrackedBar();
    if (pLast && pLast->GetKeyboardSelection() && pLast->GetSafeHwnd())
        pLast->PostMessage(WM_TIMER, KT_TIMER_KEYBOARDTIPS, 0);
}
