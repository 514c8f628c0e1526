// The framework's private messages, the layout record of WM_SIZEPARENT and the
// maps from handles to their objects.
#pragma once
#include <unordered_map>
#include "afxwin.h"

#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375

// WM_FLOATSTATUS flags
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// lParam of WM_SIZEPARENT: the space left so far; a NULL hDWP is a measuring
// pass in which children only add their size to sizeTotal.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};
typedef AFX_SIZEPARENTPARAMS AFX_SIZEPARENTLAYOUT;

// Live temporary wrapper objects of this thread (freed at idle).
int AFXAPI AfxGetTempObjectCount();
// Adds a cleaner that AfxDeleteTempMaps runs on this thread; any number.
void AfxRegisterTempMapCleaner(void (*pfnCleaner)());

// The objects behind the handles of one family (windows, GDI objects, DCs,
// menus, image lists). One map for the process under a reader-writer lock: a
// lookup stays in the process, where a window property would ask the window
// server each time, and no thread-local object has to outlive its thread.
template <class Base, class H>
class CPermanentMap
{
public:
    static Base* Lookup(H h)
    {
        Store& store = Get();
        CSharedLock lock(store.lock);
        auto it = store.map.find(h);
        return it == store.map.end() ? nullptr : it->second;
    }
    static void Set(H h, Base* p)
    {
        Store& store = Get();
        CExclusiveLock lock(store.lock);
        store.map[h] = p;
    }
    static void Remove(H h)
    {
        Store& store = Get();
        CExclusiveLock lock(store.lock);
        store.map.erase(h);
    }

private:
    struct Store
    {
        SRWLOCK lock = SRWLOCK_INIT;
        std::unordered_map<H, Base*> map;
    };
    class CSharedLock
    {
    public:
        explicit CSharedLock(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockShared(&m_lock); }
        ~CSharedLock() { ::ReleaseSRWLockShared(&m_lock); }
        CSharedLock(const CSharedLock&) = delete;
        CSharedLock& operator=(const CSharedLock&) = delete;

    private:
        SRWLOCK& m_lock;
    };
    class CExclusiveLock
    {
    public:
        explicit CExclusiveLock(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
        ~CExclusiveLock() { ::ReleaseSRWLockExclusive(&m_lock); }
        CExclusiveLock(const CExclusiveLock&) = delete;
        CExclusiveLock& operator=(const CExclusiveLock&) = delete;

    private:
        SRWLOCK& m_lock;
    };
    static Store& Get()
    {
        // Never destroyed: wrappers in static storage still ask as the process ends.
        static Store& store = *new Store;
        return store;
    }
};
