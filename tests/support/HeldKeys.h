// Modifier keys held down on the display itself, as a user holds them: CHeldKeys.
#pragma once

#include <windows.h>

// Holds CTestInput's modifiers (Ctrl, Shift, Alt) from construction to destruction. They are pressed on the
// X display, not with SendInput: Wine drops a modifier sent with SendInput at the next mouse move, while a
// key down on the display holds through moves, clicks, key states and drag loops. Construction returns once
// the keys are down for the process, destruction once they are up again. The calling thread's messages are
// pumped meanwhile, so the window under test takes the key presses in their turn.
class CHeldKeys
{
public:
    explicit CHeldKeys(unsigned nModifiers);
    ~CHeldKeys();
    CHeldKeys(const CHeldKeys&) = delete;
    CHeldKeys& operator=(const CHeldKeys&) = delete;

    // False when the keys could not be pressed, or were not seen down in time (the test has failed then).
    bool IsHeld() const { return m_bHeld; }
    // Lets the keys go and returns at once, for a step inside a loop that must go on to take the release;
    // destruction still waits until they are up.
    void Release();

private:
    unsigned m_nModifiers;
    bool m_bPressed = false;   // the display was asked to press them: they must go up again
    bool m_bReleased = false;  // the display was asked to let them go
    bool m_bHeld = false;
};
