// KTKeyboardTips.h: the keyboard tips of a frame's bars: labels over the controls of the bar that holds the
// keyboard, narrowed as keys are typed.
//
// Classes: CKTKeyboardTips.
#pragma once

#include <afxwin.h>

#include "KTCommandBarKeyboardTip.h"

#include <memory>
#include <vector>

class CKTCommandBar;
class CKTCommandBars;

// Held by the command bars; a bar adds its tips while they are being shown and hands on the keys typed over them.
class CKTKeyboardTips
{
public:
    explicit CKTKeyboardTips(CKTCommandBars* pCommandBars) : m_pCommandBars(pCommandBars) {}
    ~CKTKeyboardTips();

    // The bar's tips at the level (1 once a bar took the keyboard, higher inside it), unless the options hide tips.
    void Show(CKTCommandBar* pBar, int nLevel);
    void Hide();
    void Add(std::unique_ptr<CKTCommandBarKeyboardTip> pTip);
    const std::vector<std::unique_ptr<CKTCommandBarKeyboardTip>>& GetTips() const { return m_tips; }
    // The bar whose tips show, NULL for none.
    CKTCommandBar* GetBar() const { return m_pBar; }
    int GetLevel() const { return m_nLevel; }
    // A bar took the keyboard from a key of the frame: its tips come with its first request.
    void Arm() { m_nLevel = 1; }
    // A key typed on the bar that shows tips: narrows them or runs the one typed whole.
    BOOL OnKey(CKTCommandBar* pBar, UINT nKey);
    // The posted request of a bar that took the keyboard: tips for it when it is the innermost tracked bar.
    void OnRequest(CKTCommandBar* pBar);
    // A bar began or ended tracking: the tips move to the innermost tracked bar.
    void OnTrackingModeChanged();

private:
    void AssignTipTexts();
    void MakeTipTextsUnique();
    BOOL CreateTipWindow(CKTCommandBar* pBar, CDC& dcMeasure, CKTCommandBarKeyboardTip& tip);
    void Narrow(const CString& strTyped);

    CKTCommandBars* m_pCommandBars;  // the owner
    std::vector<std::unique_ptr<CKTCommandBarKeyboardTip>> m_tips;
    CKTCommandBar* m_pBar = NULL;  // not held
    int m_nLevel = 0;              // 0: tips off
    int m_nTyped = 0;              // characters of a tip typed so far
};
