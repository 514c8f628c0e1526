// The synchronisation objects over Win32 semaphores, mutexes, events and critical sections.
#include "afxmt.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)
IMPLEMENT_DYNAMIC(CSemaphore, CSyncObject)
IMPLEMENT_DYNAMIC(CMutex, CSyncObject)
IMPLEMENT_DYNAMIC(CEvent, CSyncObject)
IMPLEMENT_DYNAMIC(CCriticalSection, CSyncObject)

CSyncObject::CSyncObject(LPCSTR) : m_hObject(NULL) {}

CSyncObject::~CSyncObject()
{
    if (m_hObject != NULL)
        ::CloseHandle(m_hObject);
}

void CSyncObject::CheckCreated() const
{
    if (m_hObject == NULL)
        AfxThrowResourceException();
}

BOOL CSyncObject::Lock(DWORD dwTimeout)
{
    DWORD dwResult = ::WaitForSingleObject(m_hObject, dwTimeout);
    return dwResult == WAIT_OBJECT_0 || dwResult == WAIT_ABANDONED;
}

BOOL CSyncObject::Unlock(LONG, LPLONG) { return TRUE; }

CSemaphore::CSemaphore(LONG lInitialCount, LONG lMaxCount, LPCSTR pstrName, LPSECURITY_ATTRIBUTES lpsaAttributes)
    : CSyncObject(pstrName)
{
    if (lMaxCount <= 0 || lInitialCount < 0 || lInitialCount > lMaxCount)
        AfxThrowInvalidArgException();
    m_hObject = ::CreateSemaphoreA(lpsaAttributes, lInitialCount, lMaxCount, pstrName);
    CheckCreated();
}

BOOL CSemaphore::Unlock() { return Unlock(1, NULL); }

BOOL CSemaphore::Unlock(LONG lCount, LPLONG lpPrevCount) { return ::ReleaseSemaphore(m_hObject, lCount, lpPrevCount); }

CMutex::CMutex(BOOL bInitiallyOwn, LPCSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute) : CSyncObject(lpszName)
{
    m_hObject = ::CreateMutexA(lpsaAttribute, bInitiallyOwn, lpszName);
    CheckCreated();
}

BOOL CMutex::Unlock() { return ::ReleaseMutex(m_hObject); }

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(lpszName)
{
    m_hObject = ::CreateEventA(lpsaAttribute, bManualReset, bInitiallyOwn, lpszName);
    CheckCreated();
}

BOOL CEvent::SetEvent() { return ::SetEvent(m_hObject); }

BOOL CEvent::PulseEvent() { return ::PulseEvent(m_hObject); }

BOOL CEvent::ResetEvent() { return ::ResetEvent(m_hObject); }

BOOL CEvent::Unlock() { return TRUE; }

CCriticalSection::CCriticalSection() : CSyncObject(NULL) { ::InitializeCriticalSection(&m_sect); }

CCriticalSection::~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }

BOOL CCriticalSection::Lock()
{
    ::EnterCriticalSection(&m_sect);
    return TRUE;
}

// A critical section cannot wait with a time-out; only INFINITE is honoured.
BOOL CCriticalSection::Lock(DWORD dwTimeout)
{
    if (dwTimeout != INFINITE)
        AfxThrowNotSupportedException();
    return Lock();
}

BOOL CCriticalSection::Unlock()
{
    ::LeaveCriticalSection(&m_sect);
    return TRUE;
}

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock)
    : m_pObject(pObject), m_hObject(pObject == NULL ? NULL : pObject->m_hObject), m_bAcquired(FALSE)
{
    if (pObject == NULL)
        AfxThrowInvalidArgException();
    if (bInitialLock)
        Lock();
}

CSingleLock::~CSingleLock() { Unlock(); }

BOOL CSingleLock::Lock(DWORD dwTimeOut)
{
    if (m_bAcquired)
        return TRUE;
    m_bAcquired = m_pObject->Lock(dwTimeOut);
    return m_bAcquired;
}

BOOL CSingleLock::Unlock()
{
    if (m_bAcquired)
        m_bAcquired = !m_pObject->Unlock();
    return !m_bAcquired;
}

BOOL CSingleLock::Unlock(LONG lCount, LPLONG lPrevCount)
{
    if (m_bAcquired)
        m_bAcquired = !m_pObject->Unlock(lCount, lPrevCount);
    return !m_bAcquired;
}

CMultiLock::CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock)
{
    if (ppObjects == NULL || dwCount == 0 || dwCount > MAXIMUM_WAIT_OBJECTS)
        AfxThrowInvalidArgException();
    for (DWORD i = 0; i < dwCount; ++i)
    {
        if (ppObjects[i] == NULL || ppObjects[i]->IsKindOf(RUNTIME_CLASS(CCriticalSection)))
            AfxThrowInvalidArgException();  // a critical section has no handle to wait on
        m_objects.push_back(ppObjects[i]);
        m_handles.push_back(ppObjects[i]->m_hObject);
    }
    m_acquired.assign(dwCount, FALSE);
    if (bInitialLock)
        Lock();
}

CMultiLock::~CMultiLock() { Unlock(); }

void CMultiLock::MarkAcquired(DWORD dwResult, BOOL bWaitForAll)
{
    DWORD nCount = (DWORD)m_handles.size();
    DWORD nIndex = dwResult >= WAIT_ABANDONED_0 && dwResult < WAIT_ABANDONED_0 + nCount ? dwResult - WAIT_ABANDONED_0
                                                                                        : dwResult - WAIT_OBJECT_0;
    if (nIndex >= nCount)
        return;
    if (!bWaitForAll)
    {
        m_acquired[nIndex] = TRUE;
        return;
    }
    m_acquired.assign(nCount, TRUE);
}

DWORD CMultiLock::Lock(DWORD dwTimeOut, BOOL bWaitForAll, DWORD dwWakeMask)
{
    DWORD nCount = (DWORD)m_handles.size();
    DWORD dwResult = dwWakeMask == 0
                         ? ::WaitForMultipleObjects(nCount, m_handles.data(), bWaitForAll, dwTimeOut)
                         : ::MsgWaitForMultipleObjects(nCount, m_handles.data(), bWaitForAll, dwTimeOut, dwWakeMask);
    MarkAcquired(dwResult, bWaitForAll);
    return dwResult;
}

BOOL CMultiLock::Unlock()
{
    for (size_t i = 0; i < m_objects.size(); ++i)
    {
        if (m_acquired[i])
            m_acquired[i] = !m_objects[i]->Unlock();
    }
    return TRUE;
}

BOOL CMultiLock::Unlock(LONG lCount, LPLONG lPrevCount)
{
    BOOL bGotLast = TRUE;
    for (size_t i = 0; i < m_objects.size(); ++i)
    {
        if (!m_acquired[i])
            continue;
        m_acquired[i] = !m_objects[i]->Unlock(lCount, lPrevCount);
        bGotLast = bGotLast && !m_acquired[i];
    }
    return bGotLast;
}

BOOL CMultiLock::IsLocked(DWORD dwItem) const
{
    if (dwItem >= m_acquired.size())
        AfxThrowInvalidArgException();
    return m_acquired[dwItem];
}
