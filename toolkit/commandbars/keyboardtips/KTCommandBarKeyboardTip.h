// KTCommandBarKeyboardTip.h: a small top-most label naming the keys that run one control or activate one bar.
//
// Classes: CKTCommandBarKeyboardTip.
#pragma once

#include <afxwin.h>

class CKTCommandBars;

// How the tip sits on its anchor point.
enum KTKeyboardTipAlign
{
    ktTipAlignCenterHorz = 1,
    ktTipAlignRight = 2,
    ktTipAlignCenterVert = 4,
    ktTipAlignBottom = 8,
};

class CKTCommandBarKeyboardTip : public CWnd
{
public:
    // The target is a control or a bar; the anchor is in the owning bar's client co-ordinates unless the
    // target is a window, then on the screen.
    CKTCommandBarKeyboardTip(CKTCommandBars* pCommandBars, CCmdTarget* pTarget, LPCSTR lpszCaption, int x, int y,
                             DWORD dwAlign, BOOL bEnabled);

    const CString& GetTipText() const { return m_strTip; }
    void SetTipText(const CString& strTip) { m_strTip = strTip; }
    const CString& GetCaption() const { return m_strCaption; }
    CCmdTarget* GetTarget() const { return m_pTarget; }
    CPoint GetAnchor() const { return m_ptAnchor; }
    DWORD GetAlign() const { return m_dwAlign; }
    BOOL IsEnabled() const { return m_bEnabled; }
    // The target is a bar window rather than a control.
    BOOL IsWindowTarget() const;
    // Makes the hidden top-most window over the screen rectangle; FALSE when the system refuses it.
    BOOL CreateTip(const CRect& rcScreen, BOOL bLayered);

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CString m_strTip;
    CString m_strCaption;
    CCmdTarget* m_pTarget;  // not held: the tips die before their bar's controls change
    CPoint m_ptAnchor;
    BOOL m_bEnabled;
    CKTCommandBars* m_pCommandBars;
    DWORD m_dwAlign;
};
