// KTKeyState.h: the keys held down as the message being handled was posted.
#pragma once

#include <windows.h>

inline BOOL KTIsKeyDown(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }

// Ctrl makes a key a command only with Alt up: AltGr reports both, and what it makes is the layout's own key.
inline BOOL KTIsCommandCtrl() { return KTIsKeyDown(VK_CONTROL) && !KTIsKeyDown(VK_MENU); }
