// The script's timer has no window, so every message loop of the thread dispatches it.
#include "ModalScript.h"

#include <gtest/gtest.h>

namespace
{
const UINT kTickMs = 50;
CModalScript* g_pScript = nullptr;
}  // namespace

CModalScript::CModalScript(std::vector<Step> steps) : m_steps(std::move(steps))
{
    if (g_pScript)
        ADD_FAILURE() << "another script still runs";
    g_pScript = this;
    m_nTimer = ::SetTimer(nullptr, 0, kTickMs, Tick);
}

CModalScript::~CModalScript()
{
    ::KillTimer(nullptr, m_nTimer);
    g_pScript = nullptr;
}

void CALLBACK CModalScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    CModalScript* pScript = g_pScript;
    if (!pScript || pScript->m_bBusy || pScript->Done())
        return;
    pScript->m_bBusy = true;
    if (pScript->m_steps[pScript->m_nNext]())
        pScript->m_nNext++;
    pScript->m_bBusy = false;
}
