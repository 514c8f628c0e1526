// An MDI frame whose client shows its children as tabs in groups, as the designer attaches it.
#pragma once

#include <afxwin.h>

#include <atomic>
#include <vector>

#include "KTMDIFrameWnd.h"
#include "KTTabClientWnd.h"

// A child that may answer the tab client's caption query.
class CTabTestChild : public CMDIChildWnd
{
public:
    CString m_strAnsweredCaption;  // empty: no answer

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The client as the designer attaches it; the lists it opens tell it of their opening.
class CTabTestClient : public CKTTabClientWnd
{
public:
    std::atomic<HWND> m_hWndPopup{NULL};      // the popup bar opened last, read by the input thread too
    std::vector<CString> m_arrPopupCaptions;  // its entries as it opened

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CTabClientFrame : public CKTMDIFrameWnd
{
public:
    // Shown, with the client attached with groups (unless told not to), flags 11 and new tabs at the start; with a theme, the
    // command bars come first in that theme and the tabs show no icons, as in the designer.
    explicit CTabClientFrame(int nCommandBarsTheme = -1, BOOL bGroups = TRUE);
    ~CTabClientFrame() override;

    CTabTestChild* AddChild(LPCSTR lpszTitle);
    CKTTabClientGroup* Group(int nIndex) { return m_wndClient.GetGroup(nIndex); }
    // The tab's centre in the MDI client's co-ordinates.
    CPoint CentreOf(CKTTabManagerItem* pItem) const { return pItem->GetRect().CenterPoint(); }

    CTabTestClient m_wndClient;
    std::vector<CKTTabManagerItem*> m_arrReported;  // tabs the client said it made
    std::atomic<int> m_nLayouts{0};                 // frame layouts so far, read by the input thread too

    void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override {}  // the test owns the frame
};
