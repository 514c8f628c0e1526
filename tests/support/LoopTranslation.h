// LoopTranslation.h: while it lives, messages the thread takes from its queue pass the application's
// pre-translation first, as in the application's own loop.
//
// Classes: CLoopTranslation.
#pragma once

#include <windows.h>

class CLoopTranslation
{
public:
    CLoopTranslation();
    ~CLoopTranslation();
    CLoopTranslation(const CLoopTranslation&) = delete;
    CLoopTranslation& operator=(const CLoopTranslation&) = delete;

private:
    static LRESULT CALLBACK GetMessageProc(int nCode, WPARAM wParam, LPARAM lParam);
    HHOOK m_hHook;
};
