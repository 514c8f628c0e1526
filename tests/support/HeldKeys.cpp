// Modifier keys held down on the display itself, as a user holds them: CHeldKeys.
#include "HeldKeys.h"

#include "DisplayTool.h"
#include "MessagePump.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct SModifierKey
{
    unsigned nModifier;
    WORD wVirtualKey;
    const char* pszDisplayName;
};
const SModifierKey kModifierKeys[] = {{CTestInput::kControl, VK_CONTROL, "ctrl"},
                                      {CTestInput::kShift, VK_SHIFT, "shift"},
                                      {CTestInput::kAlt, VK_MENU, "alt"}};

std::string KeyNames(unsigned nModifiers)
{
    std::string strNames;
    for (const SModifierKey& key : kModifierKeys)
        if (nModifiers & key.nModifier)
            strNames += std::string(" ") + key.pszDisplayName;
    return strNames;
}

// The process sees a key as soon as it is queued; a thread with the focus only once it has taken the key's
// message, and that is what its windows ask.
bool IsInState(WORD wVirtualKey, bool bDown, bool bThreadHasFocus)
{
    if (((::GetAsyncKeyState(wVirtualKey) & 0x8000) != 0) != bDown)
        return false;
    return !bThreadHasFocus || (::GetKeyState(wVirtualKey) < 0) == bDown;
}

bool AllKeys(unsigned nModifiers, bool bDown)
{
    const bool bThreadHasFocus = ::GetFocus() != nullptr;
    for (const SModifierKey& key : kModifierKeys)
        if ((nModifiers & key.nModifier) && !IsInState(key.wVirtualKey, bDown, bThreadHasFocus))
            return false;
    return true;
}

bool WaitForKeys(unsigned nModifiers, bool bDown)
{
    if (PumpUntil([=] { return AllKeys(nModifiers, bDown); }, kColdWineDeadlineMs))
        return true;
    ADD_FAILURE() << "the display's" << KeyNames(nModifiers) << " never went " << (bDown ? "down" : "up");
    return false;
}
}  // namespace

CHeldKeys::CHeldKeys(unsigned nModifiers) : m_nModifiers(nModifiers)
{
    if (!m_nModifiers)
    {
        m_bHeld = true;
        return;
    }
    m_bPressed = DisplayTool::Start("keydown" + KeyNames(m_nModifiers));
    m_bHeld = m_bPressed && WaitForKeys(m_nModifiers, true);
}

void CHeldKeys::Release()
{
    if (m_bPressed && !m_bReleased)
        m_bReleased = DisplayTool::Start("keyup" + KeyNames(m_nModifiers));
}

// Released on every path: a key left down on the display would spoil every later test of the session.
CHeldKeys::~CHeldKeys()
{
    Release();
    if (m_bReleased)
        WaitForKeys(m_nModifiers, false);
}
