// KTSoundPlayer.h: menu sounds played by one background thread so that the user interface never waits.
//
// Classes: CKTSoundPlayer.
#pragma once

#include <windows.h>

enum KTMenuSound : LONG
{
    ktSoundNone = 0,
    ktSoundMenuCommand = 1,
    ktSoundMenuPopup = 2,
};

class CKTSoundPlayer
{
public:
    // Plays a sound alias as the system's PlaySound does.
    using PlayFunction = BOOL(WINAPI*)(LPCSTR lpszSound, HMODULE hModule, DWORD dwFlags);

    CKTSoundPlayer() = default;
    // Plays through the function instead of the system's sound library.
    explicit CKTSoundPlayer(PlayFunction pfnPlay) : m_pfnPlay(pfnPlay) {}
    ~CKTSoundPlayer() { StopThread(); }
    CKTSoundPlayer(const CKTSoundPlayer&) = delete;
    CKTSoundPlayer& operator=(const CKTSoundPlayer&) = delete;

    // Hands the sound to the thread, starting it when none runs; a newer request replaces one not yet taken.
    void Play(int nSound);
    void StopThread();
    BOOL IsThreadRunning() const { return m_hThread != NULL; }
    HANDLE GetThreadHandle() const { return m_hThread; }

private:
    void StartThread();
    static DWORD WINAPI SoundThreadProc(LPVOID pParam);

    volatile LONG m_nPending = ktSoundNone;
    volatile LONG m_bStop = FALSE;
    BOOL m_bEnabled = TRUE;
    HANDLE m_hThread = NULL;        // closed by StopThread
    PlayFunction m_pfnPlay = NULL;  // NULL: the system's, looked up by the thread
};

// The process's one sound player.
CKTSoundPlayer* KTSoundPlayer();
