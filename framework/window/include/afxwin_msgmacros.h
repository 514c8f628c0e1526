// Message-map entries for window messages (ON_WM_*); the comment above each
// gives the handler's signature.
#pragma once

#define AFX_MSG_POINT CPoint((short)LOWORD(c_.lParam), (short)HIWORD(c_.lParam))
#define AFX_MSG_VOID(msg, call) AFX_MSG_ENTRY(msg, p_->call; return TRUE;)
#define AFX_MSG_RESULT(msg, call) AFX_MSG_ENTRY(msg, c_.result = (LRESULT)(p_->call); return TRUE;)

// int OnCreate(LPCREATESTRUCT)
#define ON_WM_CREATE()                                                                                                 \
    AFX_MSG_ENTRY(WM_CREATE, c_.result = p_->OnCreate((LPCREATESTRUCT)c_.lParam) == -1 ? -1 : 0; return TRUE;)
// BOOL OnNcCreate(LPCREATESTRUCT)
#define ON_WM_NCCREATE() AFX_MSG_RESULT(WM_NCCREATE, OnNcCreate((LPCREATESTRUCT)c_.lParam))
// void OnDestroy()
#define ON_WM_DESTROY() AFX_MSG_VOID(WM_DESTROY, OnDestroy())
// void OnNcDestroy()
#define ON_WM_NCDESTROY() AFX_MSG_VOID(WM_NCDESTROY, OnNcDestroy())
// void OnClose()
#define ON_WM_CLOSE() AFX_MSG_VOID(WM_CLOSE, OnClose())
// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE() AFX_MSG_VOID(WM_SIZE, OnSize((UINT)c_.wParam, (short)LOWORD(c_.lParam), (short)HIWORD(c_.lParam)))
// void OnSizing(UINT nSide, LPRECT lpRect)
#define ON_WM_SIZING()                                                                                                 \
    AFX_MSG_ENTRY(WM_SIZING, p_->OnSizing((UINT)c_.wParam, (LPRECT)c_.lParam); c_.result = TRUE; return TRUE;)
// void OnMove(int x, int y)
#define ON_WM_MOVE() AFX_MSG_VOID(WM_MOVE, OnMove((short)LOWORD(c_.lParam), (short)HIWORD(c_.lParam)))
// void OnMoving(UINT nSide, LPRECT lpRect)
#define ON_WM_MOVING()                                                                                                 \
    AFX_MSG_ENTRY(WM_MOVING, p_->OnMoving((UINT)c_.wParam, (LPRECT)c_.lParam); c_.result = TRUE; return TRUE;)
// void OnPaint()
#define ON_WM_PAINT() AFX_MSG_VOID(WM_PAINT, OnPaint())
// void OnNcPaint()
#define ON_WM_NCPAINT() AFX_MSG_VOID(WM_NCPAINT, OnNcPaint())
// BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND() AFX_MSG_RESULT(WM_ERASEBKGND, OnEraseBkgnd(CDC::FromHandle((HDC)c_.wParam)))
// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER() AFX_MSG_VOID(WM_TIMER, OnTimer((UINT_PTR)c_.wParam))
// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS() AFX_MSG_VOID(WM_SETFOCUS, OnSetFocus(CWnd::FromHandle((HWND)c_.wParam)))
// void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS() AFX_MSG_VOID(WM_KILLFOCUS, OnKillFocus(CWnd::FromHandle((HWND)c_.wParam)))
#define AFX_MSG_KEY(msg, fn) AFX_MSG_VOID(msg, fn((UINT)c_.wParam, LOWORD(c_.lParam), HIWORD(c_.lParam)))
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags), and the same for the others
#define ON_WM_KEYDOWN() AFX_MSG_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_MSG_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_MSG_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_CHAR() AFX_MSG_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSCHAR() AFX_MSG_KEY(WM_SYSCHAR, OnSysChar)
#define AFX_MSG_MOUSE(msg, fn) AFX_MSG_VOID(msg, fn((UINT)c_.wParam, AFX_MSG_POINT))
// void OnMouseMove(UINT nFlags, CPoint point), and the same for the buttons
#define ON_WM_MOUSEMOVE() AFX_MSG_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MSG_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MSG_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MSG_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MSG_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEHOVER() AFX_MSG_MOUSE(WM_MOUSEHOVER, OnMouseHover)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
#define ON_WM_MOUSEWHEEL()                                                                                             \
    AFX_MSG_RESULT(WM_MOUSEWHEEL, OnMouseWheel(LOWORD(c_.wParam), (short)HIWORD(c_.wParam), AFX_MSG_POINT))
// void OnMouseLeave()
#define ON_WM_MOUSELEAVE() AFX_MSG_VOID(WM_MOUSELEAVE, OnMouseLeave())
#define AFX_MSG_NCMOUSE(msg, fn) AFX_MSG_VOID(msg, fn((UINT)c_.wParam, AFX_MSG_POINT))
// void OnNcMouseMove(UINT nHitTest, CPoint point), and the same for the buttons
#define ON_WM_NCMOUSEMOVE() AFX_MSG_NCMOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_MSG_NCMOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_MSG_NCMOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MSG_NCMOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_MSG_NCMOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_MSG_NCMOUSE(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCMBUTTONDOWN() AFX_MSG_NCMOUSE(WM_NCMBUTTONDOWN, OnNcMButtonDown)
// LRESULT OnNcHitTest(CPoint point)
#define ON_WM_NCHITTEST() AFX_MSG_RESULT(WM_NCHITTEST, OnNcHitTest(AFX_MSG_POINT))
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
#define ON_WM_NCCALCSIZE() AFX_MSG_VOID(WM_NCCALCSIZE, OnNcCalcSize((BOOL)c_.wParam, (NCCALCSIZE_PARAMS*)c_.lParam))
// BOOL OnNcActivate(BOOL bActive)
#define ON_WM_NCACTIVATE() AFX_MSG_RESULT(WM_NCACTIVATE, OnNcActivate((BOOL)c_.wParam))
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR()                                                                                              \
    AFX_MSG_RESULT(WM_SETCURSOR, OnSetCursor(CWnd::FromHandle((HWND)c_.wParam), LOWORD(c_.lParam), HIWORD(c_.lParam)))
// void OnContextMenu(CWnd* pWnd, CPoint pos)
#define ON_WM_CONTEXTMENU()                                                                                            \
    AFX_MSG_VOID(WM_CONTEXTMENU, OnContextMenu(CWnd::FromHandle((HWND)c_.wParam), AFX_MSG_POINT))
// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_HSCROLL()                                                                                                \
    AFX_MSG_VOID(WM_HSCROLL,                                                                                           \
                 OnHScroll(LOWORD(c_.wParam), HIWORD(c_.wParam), (CScrollBar*)CWnd::FromHandle((HWND)c_.lParam)))
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_VSCROLL()                                                                                                \
    AFX_MSG_VOID(WM_VSCROLL,                                                                                           \
                 OnVScroll(LOWORD(c_.wParam), HIWORD(c_.wParam), (CScrollBar*)CWnd::FromHandle((HWND)c_.lParam)))
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor); every WM_CTLCOLOR* arrives here
#define ON_WM_CTLCOLOR()                                                                                               \
    AFX_MSG_ENTRY(WM_CTLCOLOR, AFX_CTLCOLOR* cc_ = (AFX_CTLCOLOR*)c_.lParam;                                           \
                  c_.result =                                                                                          \
                      (LRESULT)p_->OnCtlColor(CDC::FromHandle(cc_->hDC), CWnd::FromHandle(cc_->hWnd), cc_->nCtlType);  \
                  return TRUE;)
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT)
#define ON_WM_DRAWITEM()                                                                                               \
    AFX_MSG_ENTRY(WM_DRAWITEM, p_->OnDrawItem((int)c_.wParam, (LPDRAWITEMSTRUCT)c_.lParam); c_.result = TRUE;          \
                  return TRUE;)
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT)
#define ON_WM_MEASUREITEM()                                                                                            \
    AFX_MSG_ENTRY(WM_MEASUREITEM, p_->OnMeasureItem((int)c_.wParam, (LPMEASUREITEMSTRUCT)c_.lParam); c_.result = TRUE; \
                  return TRUE;)
// int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT)
#define ON_WM_COMPAREITEM()                                                                                            \
    AFX_MSG_RESULT(WM_COMPAREITEM, OnCompareItem((int)c_.wParam, (LPCOMPAREITEMSTRUCT)c_.lParam))
// void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT)
#define ON_WM_DELETEITEM()                                                                                             \
    AFX_MSG_ENTRY(WM_DELETEITEM, p_->OnDeleteItem((int)c_.wParam, (LPDELETEITEMSTRUCT)c_.lParam); c_.result = TRUE;    \
                  return TRUE;)
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW() AFX_MSG_VOID(WM_SHOWWINDOW, OnShowWindow((BOOL)c_.wParam, (UINT)c_.lParam))
// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE()                                                                                               \
    AFX_MSG_VOID(WM_ACTIVATE, OnActivate(LOWORD(c_.wParam), CWnd::FromHandle((HWND)c_.lParam), (BOOL)HIWORD(c_.wParam)))
// void OnActivateApp(BOOL bActive, DWORD dwThreadID)
#define ON_WM_ACTIVATEAPP() AFX_MSG_VOID(WM_ACTIVATEAPP, OnActivateApp((BOOL)c_.wParam, (DWORD)c_.lParam))
// int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
#define ON_WM_MOUSEACTIVATE()                                                                                          \
    AFX_MSG_RESULT(WM_MOUSEACTIVATE,                                                                                   \
                   OnMouseActivate(CWnd::FromHandle((HWND)c_.wParam), LOWORD(c_.lParam), HIWORD(c_.lParam)))
// void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
#define ON_WM_GETMINMAXINFO() AFX_MSG_VOID(WM_GETMINMAXINFO, OnGetMinMaxInfo((MINMAXINFO*)c_.lParam))
// void OnWindowPosChanging(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_VOID(WM_WINDOWPOSCHANGING, OnWindowPosChanging((WINDOWPOS*)c_.lParam))
// void OnWindowPosChanged(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_VOID(WM_WINDOWPOSCHANGED, OnWindowPosChanged((WINDOWPOS*)c_.lParam))
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() AFX_MSG_VOID(WM_SYSCOMMAND, OnSysCommand((UINT)c_.wParam, c_.lParam))
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_VOID(WM_SYSCOLORCHANGE, OnSysColorChange())
// void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
#define ON_WM_SETTINGCHANGE() AFX_MSG_VOID(WM_SETTINGCHANGE, OnSettingChange((UINT)c_.wParam, (LPCTSTR)c_.lParam))
// void OnCancelMode()
#define ON_WM_CANCELMODE() AFX_MSG_VOID(WM_CANCELMODE, OnCancelMode())
// void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED() AFX_MSG_VOID(WM_CAPTURECHANGED, OnCaptureChanged(CWnd::FromHandle((HWND)c_.lParam)))
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() AFX_MSG_RESULT(WM_GETDLGCODE, OnGetDlgCode())
// void OnDropFiles(HDROP hDropInfo)
#define ON_WM_DROPFILES() AFX_MSG_VOID(WM_DROPFILES, OnDropFiles((HDROP)c_.wParam))
// void OnEnable(BOOL bEnable)
#define ON_WM_ENABLE() AFX_MSG_VOID(WM_ENABLE, OnEnable((BOOL)c_.wParam))
// void OnInitMenu(CMenu* pMenu)
#define ON_WM_INITMENU() AFX_MSG_VOID(WM_INITMENU, OnInitMenu(CMenu::FromHandle((HMENU)c_.wParam)))
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP()                                                                                          \
    AFX_MSG_VOID(WM_INITMENUPOPUP,                                                                                     \
                 OnInitMenuPopup(CMenu::FromHandle((HMENU)c_.wParam), LOWORD(c_.lParam), (BOOL)HIWORD(c_.lParam)))
// void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
#define ON_WM_MENUSELECT()                                                                                             \
    AFX_MSG_VOID(WM_MENUSELECT, OnMenuSelect(LOWORD(c_.wParam), HIWORD(c_.wParam), (HMENU)c_.lParam))
// void OnEnterIdle(UINT nWhy, CWnd* pWho)
#define ON_WM_ENTERIDLE() AFX_MSG_VOID(WM_ENTERIDLE, OnEnterIdle((UINT)c_.wParam, CWnd::FromHandle((HWND)c_.lParam)))
// void OnEnterMenuLoop(BOOL bIsTrackPopupMenu)
#define ON_WM_ENTERMENULOOP() AFX_MSG_VOID(WM_ENTERMENULOOP, OnEnterMenuLoop((BOOL)c_.wParam))
// void OnExitMenuLoop(BOOL bIsTrackPopupMenu)
#define ON_WM_EXITMENULOOP() AFX_MSG_VOID(WM_EXITMENULOOP, OnExitMenuLoop((BOOL)c_.wParam))
// void OnEnterSizeMove()
#define ON_WM_ENTERSIZEMOVE() AFX_MSG_VOID(WM_ENTERSIZEMOVE, OnEnterSizeMove())
// void OnExitSizeMove()
#define ON_WM_EXITSIZEMOVE() AFX_MSG_VOID(WM_EXITSIZEMOVE, OnExitSizeMove())
// void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
#define ON_WM_STYLECHANGED() AFX_MSG_VOID(WM_STYLECHANGED, OnStyleChanged((int)c_.wParam, (LPSTYLESTRUCT)c_.lParam))
// void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
#define ON_WM_STYLECHANGING() AFX_MSG_VOID(WM_STYLECHANGING, OnStyleChanging((int)c_.wParam, (LPSTYLESTRUCT)c_.lParam))
// void OnParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY() AFX_MSG_VOID(WM_PARENTNOTIFY, OnParentNotify(LOWORD(c_.wParam), c_.lParam))
// void OnChildActivate()
#define ON_WM_CHILDACTIVATE() AFX_MSG_VOID(WM_CHILDACTIVATE, OnChildActivate())
// void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
#define ON_WM_MDIACTIVATE()                                                                                            \
    AFX_MSG_VOID(WM_MDIACTIVATE, OnMDIActivate((HWND)c_.lParam == p_->m_hWnd, CWnd::FromHandle((HWND)c_.lParam),       \
                                               CWnd::FromHandle((HWND)c_.wParam)))
// BOOL OnHelpInfo(HELPINFO* pHelpInfo)
#define ON_WM_HELPINFO() AFX_MSG_RESULT(WM_HELPINFO, OnHelpInfo((HELPINFO*)c_.lParam))
// void OnFontChange()
#define ON_WM_FONTCHANGE() AFX_MSG_VOID(WM_FONTCHANGE, OnFontChange())
// BOOL OnQueryEndSession()
#define ON_WM_QUERYENDSESSION() AFX_MSG_RESULT(WM_QUERYENDSESSION, OnQueryEndSession())
// void OnEndSession(BOOL bEnding)
#define ON_WM_ENDSESSION() AFX_MSG_VOID(WM_ENDSESSION, OnEndSession((BOOL)c_.wParam))
