// Worker threads: AfxBeginThread, the thread's entry and its end.
#include <process.h>
#include "afxwin.h"

namespace
{

// Ends the thread's use of its object: the temporary objects go, and an
// auto-deleting object is deleted.
void FinishThread(CWinThread* pThread, BOOL bDelete)
{
    AfxDeleteTempMaps();
    if (bDelete && pThread)
        pThread->Delete();
}

unsigned __stdcall ThreadEntry(void* pParam)
{
    CWinThread* pThread = static_cast<CWinThread*>(pParam);
    AfxGetThreadState()->m_pThread = pThread;
    UINT nResult;
    try
    {
        if (pThread->m_pfnThreadProc)
        {
            nResult = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
        }
        else if (pThread->InitInstance())
        {
            nResult = (UINT)pThread->Run();
        }
        else
        {
            nResult = (UINT)pThread->ExitInstance();
        }
    }
    catch (CException* e)
    {
        e->Delete();
        nResult = (UINT)-1;
    }
    catch (...)
    {
        nResult = (UINT)-1;
    }
    FinishThread(pThread, TRUE);
    return nResult;
}

}  // namespace

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
    m_hThread = nullptr;
    m_nThreadID = 0;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    unsigned nThreadID = 0;
    // Always created suspended: the object is complete before the thread runs.
    uintptr_t hThread =
        _beginthreadex(lpSecurityAttrs, nStackSize, ThreadEntry, this, dwCreateFlags | CREATE_SUSPENDED, &nThreadID);
    if (!hThread)
        return FALSE;
    m_hThread = (HANDLE)hThread;
    m_nThreadID = nThreadID;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        delete pThread;
        return nullptr;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    FinishThread(AfxGetThreadState()->m_pThread, bDelete);
    AfxGetThreadState()->m_pThread = nullptr;
    _endthreadex(nExitCode);
}
