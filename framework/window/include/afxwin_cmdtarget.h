// Message maps and command targets: AFX_MSGMAP, CCmdTarget (routing and
// reference count), CCmdUI (update of a command's user-interface item).
#pragma once
#include <windows.h>

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

#define afx_msg

// One dispatched message or command as a handler thunk sees it.
struct AFX_MSGCALL
{
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT nID = 0;            // command or control id
    int nCode = 0;           // notification code
    void* pExtra = nullptr;  // CCmdUI* for updates, AFX_NOTIFY* for notifications
    LRESULT result = 0;
};

// Calls the typed handler of one map entry; FALSE when the handler declined
// (the _EX and reflected forms).
typedef BOOL (*AFX_PMSGCALL)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;             // window message, or WM_COMMAND / WM_NOTIFY (+ reflection base)
    UINT nCode;                // control code or notification code
    UINT nID;                  // first control id
    UINT nLastID;              // last control id of a range
    const UINT* pnRegistered;  // registered message id, read at dispatch time
    AFX_PMSGCALL pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSGCALL pfn;
};

struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT ((UINT)(-2))
#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                               \
    virtual const AFX_MSGMAP* GetMessageMap() const;                                                                   \
                                                                                                                       \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                                             \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr, nullptr                                                                                   \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

// The thunk of an entry: a captureless lambda compiled inside the class's own
// map, so the handler is named and called with its real type.
#define AFX_MSG_THUNK(...)                                                                                             \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& c_) -> BOOL                                                                  \
    {                                                                                                                  \
        ThisClass* p_ = static_cast<ThisClass*>(pTarget_);                                                             \
        (void)p_;                                                                                                      \
        (void)c_;                                                                                                      \
        __VA_ARGS__                                                                                                    \
    }
#define AFX_MSG_ENTRY(msg, ...) {(UINT)(msg), 0, 0, 0, nullptr, AFX_MSG_THUNK(__VA_ARGS__)},

// Commands
// void memberFxn()
#define ON_COMMAND(id, memberFxn)                                                                                      \
    {                                                                                                                  \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_MSG_THUNK(p_->memberFxn(); return TRUE;)          \
    }                                                                                                                  \
    ,
// BOOL memberFxn(UINT nID): FALSE passes the command on
#define ON_COMMAND_EX(id, memberFxn)                                                                                   \
    {                                                                                                                  \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_MSG_THUNK(return p_->memberFxn(c_.nID);)          \
    }                                                                                                                  \
    ,
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    {                                                                                                                  \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr,                                                   \
            AFX_MSG_THUNK(p_->memberFxn(c_.nID); return TRUE;)                                                         \
    }                                                                                                                  \
    ,
// BOOL memberFxn(UINT nID)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                                     \
    {                                                                                                                  \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, AFX_MSG_THUNK(return p_->memberFxn(c_.nID);)      \
    }                                                                                                                  \
    ,
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
    {                                                                                                                  \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), nullptr,                                             \
            AFX_MSG_THUNK(p_->memberFxn(static_cast<CCmdUI*>(c_.pExtra)); return TRUE;)                                \
    }                                                                                                                  \
    ,
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                              \
    {                                                                                                                  \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), nullptr,                                         \
            AFX_MSG_THUNK(p_->memberFxn(static_cast<CCmdUI*>(c_.pExtra)); return TRUE;)                                \
    }                                                                                                                  \
    ,

// Control notifications through WM_COMMAND
// void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                                         \
    {                                                                                                                  \
        WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr,                                        \
            AFX_MSG_THUNK(p_->memberFxn(); return TRUE;)                                                               \
    }                                                                                                                  \
    ,
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                           \
    {                                                                                                                  \
        WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr,                                    \
            AFX_MSG_THUNK(p_->memberFxn(c_.nID); return TRUE;)                                                         \
    }                                                                                                                  \
    ,
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// Notifications through WM_NOTIFY
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* result)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                          \
    {                                                                                                                  \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr,                                         \
            AFX_MSG_THUNK(AFX_NOTIFY* n_ = static_cast<AFX_NOTIFY*>(c_.pExtra);                                        \
                          p_->memberFxn(n_->pNMHDR, n_->pResult); return TRUE;)                                        \
    }                                                                                                                  \
    ,
// void memberFxn(UINT id, NMHDR* pNotifyStruct, LRESULT* result)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                            \
    {                                                                                                                  \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr,                                     \
            AFX_MSG_THUNK(AFX_NOTIFY* n_ = static_cast<AFX_NOTIFY*>(c_.pExtra);                                        \
                          p_->memberFxn(c_.nID, n_->pNMHDR, n_->pResult); return TRUE;)                                \
    }                                                                                                                  \
    ,
// BOOL memberFxn(UINT id, NMHDR* pNotifyStruct, LRESULT* result)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                                       \
    {                                                                                                                  \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr,                                         \
            AFX_MSG_THUNK(AFX_NOTIFY* n_ = static_cast<AFX_NOTIFY*>(c_.pExtra);                                        \
                          return p_->memberFxn(c_.nID, n_->pNMHDR, n_->pResult);)                                      \
    }                                                                                                                  \
    ,
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                                         \
    {                                                                                                                  \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr,                                     \
            AFX_MSG_THUNK(AFX_NOTIFY* n_ = static_cast<AFX_NOTIFY*>(c_.pExtra);                                        \
                          return p_->memberFxn(c_.nID, n_->pNMHDR, n_->pResult);)                                      \
    }                                                                                                                  \
    ,

// Reflected to the control's own object
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* result)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                                      \
    {                                                                                                                  \
        WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr,                                         \
            AFX_MSG_THUNK(AFX_NOTIFY* n_ = static_cast<AFX_NOTIFY*>(c_.pExtra);                                        \
                          p_->memberFxn(n_->pNMHDR, n_->pResult); return TRUE;)                                        \
    }                                                                                                                  \
    ,
// BOOL memberFxn(NMHDR* pNotifyStruct, LRESULT* result): FALSE lets the parent see it too
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                                   \
    {                                                                                                                  \
        WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr,                                         \
            AFX_MSG_THUNK(AFX_NOTIFY* n_ = static_cast<AFX_NOTIFY*>(c_.pExtra);                                        \
                          return p_->memberFxn(n_->pNMHDR, n_->pResult);)                                              \
    }                                                                                                                  \
    ,
// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                                     \
    {                                                                                                                  \
        WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr,                                        \
            AFX_MSG_THUNK(p_->memberFxn(); return TRUE;)                                                               \
    }                                                                                                                  \
    ,
// BOOL memberFxn()
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                                  \
    {                                                                                                                  \
        WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr, AFX_MSG_THUNK(return p_->memberFxn();) \
    }                                                                                                                  \
    ,
// void memberFxn(CCmdUI* pCmdUI): the control updates itself at idle
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn)                                                                        \
    {                                                                                                                  \
        WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)CN_UPDATE_COMMAND_UI, 0, 0, nullptr,                                 \
            AFX_MSG_THUNK(p_->memberFxn(static_cast<CCmdUI*>(c_.pExtra)); return TRUE;)                                \
    }                                                                                                                  \
    ,
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): NULL lets the parent answer
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR,                                                                       \
                  c_.result = (LRESULT)p_->CtlColor(CDC::FromHandle((HDC)c_.wParam), (UINT)c_.lParam);                 \
                  return c_.result != 0;)
// void DrawItem(LPDRAWITEMSTRUCT)
#define ON_WM_DRAWITEM_REFLECT()                                                                                       \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, p_->DrawItem((LPDRAWITEMSTRUCT)c_.lParam); c_.result = TRUE;          \
                  return TRUE;)
// void MeasureItem(LPMEASUREITEMSTRUCT)
#define ON_WM_MEASUREITEM_REFLECT()                                                                                    \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, p_->MeasureItem((LPMEASUREITEMSTRUCT)c_.lParam); c_.result = TRUE; \
                  return TRUE;)
// int CompareItem(LPCOMPAREITEMSTRUCT)
#define ON_WM_COMPAREITEM_REFLECT()                                                                                    \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, c_.result = p_->CompareItem((LPCOMPAREITEMSTRUCT)c_.lParam);       \
                  return TRUE;)
// void DeleteItem(LPDELETEITEMSTRUCT)
#define ON_WM_DELETEITEM_REFLECT()                                                                                     \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, p_->DeleteItem((LPDELETEITEMSTRUCT)c_.lParam); c_.result = TRUE;    \
                  return TRUE;)
// void HScroll(UINT nSBCode, UINT nPos)
#define ON_WM_HSCROLL_REFLECT()                                                                                        \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, p_->HScroll(LOWORD(c_.wParam), HIWORD(c_.wParam)); return TRUE;)
// void VScroll(UINT nSBCode, UINT nPos)
#define ON_WM_VSCROLL_REFLECT()                                                                                        \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, p_->VScroll(LOWORD(c_.wParam), HIWORD(c_.wParam)); return TRUE;)
// void ParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                                   \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, p_->ParentNotify(LOWORD(c_.wParam), c_.lParam); return TRUE;)

// User and registered messages
// LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn)                                                                                 \
    AFX_MSG_ENTRY(message, c_.result = p_->memberFxn(c_.wParam, c_.lParam); return TRUE;)
// LRESULT memberFxn(WPARAM, LPARAM); nMessageVariable holds the registered id
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                             \
    {                                                                                                                  \
        0xC000, 0, 0, 0, &(nMessageVariable),                                                                          \
            AFX_MSG_THUNK(c_.result = p_->memberFxn(c_.wParam, c_.lParam); return TRUE;)                               \
    }                                                                                                                  \
    ,
// void memberFxn(WPARAM, LPARAM) for thread messages
#define ON_THREAD_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, p_->memberFxn(c_.wParam, c_.lParam); return TRUE;)

// Updates the enabled, checked and text state of one command's item (a menu
// item, a bar button or a control) from the command's update handler.
class CCmdUI
{
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0;

    CCmdUI() = default;
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }
    // Asks the target's update handler; without one and when asked to, the
    // item is disabled unless the target handles the command itself.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Looks the command up in the message maps of this object; pHandlerInfo,
    // when given, only asks whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    static const AFX_MSGMAP_ENTRY* PASCAL FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode,
                                                           UINT nID);

    // Shared objects count their holders; the last release deletes.
    DWORD InternalAddRef();
    DWORD InternalRelease();
    DWORD ExternalAddRef() { return InternalAddRef(); }
    DWORD ExternalRelease() { return InternalRelease(); }
    virtual void OnFinalRelease();

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    volatile LONG m_dwRef = 1;

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // Calls the handler of one command entry with the routing's arguments.
    static BOOL PASCAL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSGCALL pfn, void* pExtra,
                                      AFX_CMDHANDLERINFO* pHandlerInfo);
    // Dispatches a window or thread message through the maps; FALSE when no
    // entry took it.
    BOOL DispatchMapEntry(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    friend class CWnd;
};
