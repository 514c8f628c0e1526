// KTSoundPlayer.cpp: the menu-sound thread: polls for a request, plays it synchronously, ends on request.
#include "KTSoundPlayer.h"

#include <mmsystem.h>

#include "KTSystemLibrary.h"

namespace
{
const int KT_STOP_WAITS = 10;  // waits of 100 ms before a stuck thread is ended

LPCSTR SoundAlias(LONG nSound)
{
    switch (nSound)
    {
    case ktSoundMenuCommand:
        return "MenuCommand";
    case ktSoundMenuPopup:
        return "MenuPopup";
    }
    return NULL;
}
}  // namespace

CKTSoundPlayer* KTSoundPlayer()
{
    static CKTSoundPlayer s_player;
    return &s_player;
}

void CKTSoundPlayer::Play(int nSound)
{
    if (!m_bEnabled)
        return;
    if (!m_hThread)
        StartThread();
    ::InterlockedExchange(&m_nPending, nSound);
}

void CKTSoundPlayer::StartThread()
{
    m_nPending = ktSoundNone;
    m_bStop = FALSE;
    DWORD dwId = 0;
    m_hThread = ::CreateThread(NULL, 0, SoundThreadProc, this, CREATE_SUSPENDED, &dwId);
    if (!m_hThread)
        return;
    ::SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    ::ResumeThread(m_hThread);
}

DWORD WINAPI CKTSoundPlayer::SoundThreadProc(LPVOID pParam)
{
    CKTSoundPlayer* pPlayer = static_cast<CKTSoundPlayer*>(pParam);
    // The sound library loads with the first sound rather than with the program; without it the
    // requests are taken and nothing plays.
    CKTSystemLibrary winmm(pPlayer->m_pfnPlay ? NULL : "winmm.dll");
    PlayFunction pfnPlaySound = pPlayer->m_pfnPlay;
    if (!pfnPlaySound)
        winmm.GetProc("PlaySoundA", pfnPlaySound);
    while (!pPlayer->m_bStop)
    {
        // Taken and cleared in one step, so a request made meanwhile is not lost.
        LPCSTR lpszAlias = SoundAlias(::InterlockedExchange(&pPlayer->m_nPending, ktSoundNone));
        if (lpszAlias && pfnPlaySound)
            pfnPlaySound(lpszAlias, NULL, SND_ALIAS | SND_NOWAIT | SND_NODEFAULT);
        ::Sleep(5);
    }
    if (pfnPlaySound)
        pfnPlaySound(NULL, NULL, SND_PURGE);
    return 0;
}

void CKTSoundPlayer::StopThread()
{
    if (!m_hThread)
        return;
    ::InterlockedExchange(&m_bStop, TRUE);
    DWORD dwCode = 0;
    for (int nWaits = 0; ::GetExitCodeThread(m_hThread, &dwCode) && dwCode == STILL_ACTIVE; nWaits++)
    {
        if (nWaits >= KT_STOP_WAITS)
        {
            ::TerminateThread(m_hThread, 0);
            break;
        }
        ::WaitForSingleObject(m_hThread, 100);
    }
    ::CloseHandle(m_hThread);
    m_hThread = NULL;
}
