// Steps run one after another from a timer, inside whatever modal loops (menus, dialogs, sheets) run by then.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// A step answers false while what it waits for is not there yet, and is tried again at the next tick. A step
// may pump messages (real input does): the ticks of that nested pumping wait for it. One script at a time.
class CModalScript
{
public:
    using Step = std::function<bool()>;

    explicit CModalScript(std::vector<Step> steps);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    bool Done() const { return m_nNext == m_steps.size(); }
    size_t StepsDone() const { return m_nNext; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::vector<Step> m_steps;
    size_t m_nNext = 0;
    bool m_bBusy = false;
    UINT_PTR m_nTimer = 0;
};
